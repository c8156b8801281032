#include "prediction/RicercaCandidati.h"

#include "model/Categorie.h"
#include "model/TabelleInOrdine.h"
#include "prediction/BandeTrasmissione.h"
#include "prediction/PostoElemento.h"
#include "prediction/Previsione.h"
#include "prediction/PrevisioneAerea.h"
#include "prediction/PrevisioneCalpestio.h"
#include "prediction/ScritturaSituazione.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QMutex>
#include <algorithm>

namespace {

// A batch is handed over when it is this large, or this old: the first rows come soon, and
// later ones without a call per entry.
constexpr size_t kLotto = 4096;
constexpr qint64 kMillisecondiLotto = 40;

using Campo = RecordSchema::Campo;

QString Principale(const TipoMateriale& tipo)
{
    for (const ColonnaValutazione& v : tipo.valutazioni)
        if (v.significato == Significato::Principale)
            return RecordSchema::Nome(v.campo);
    return {};
}

} // namespace

// What stays the same while the entries go through the separating slot.
struct RicercaCandidati::Motore
{
    bool calpestio = false;
    Modello modello = Modello::Semplificato;
    std::optional<char> categoria;
    std::optional<PrevisioneAerea> aerea;
    SituazioneCalpestio solaio;

    // The columns read: name, mass, the stored rating, and the bands in the detailed model.
    QStringList Colonne(const TipoMateriale& tipo) const
    {
        QStringList colonne{RecordSchema::Nome(Campo::Nome), RecordSchema::Nome(Campo::Massa),
                            Principale(tipo)};
        if (!calpestio && modello == Modello::Dettagliato)
            colonne << RecordSchema::ColonneBande(tipo.grandezza);
        return colonne;
    }

    // The entry's result in the slot; nothing when it lacks what the model needs.
    std::optional<RisultatoPrevisione> Calcola(const RigaLetta& riga) const
    {
        const std::optional<double> massa = riga.Numero(1);
        if (!massa || !(*massa > 0))
            return std::nullopt;
        if (calpestio) {
            SituazioneCalpestio s = solaio;
            s.massa = *massa;
            if (!(s.lnw = riga.Numero(2)))
                return std::nullopt;
            return PrevisioneCalpestio::Calcola(s);
        }
        Elemento e;
        e.massa = massa;
        if (modello == Modello::Semplificato) {
            if (!(e.r.indice = riga.Numero(2)))
                return std::nullopt;
        } else {
            MotoreValutazione::Bande bande;
            for (int i = 0; i < MotoreValutazione::NumeroBande; ++i)
                bande[i] = riga.Numero(3 + i);
            if (BandeTrasmissione::BandaMancante(bande))
                return std::nullopt;
            e.r.bande = bande;
        }
        return aerea->Calcola(e, PrevisioneAerea::Dettaglio::SoloIndici);
    }

    std::optional<bool> Rispettato(const RisultatoPrevisione& r) const
    {
        if (!categoria)
            return std::nullopt;
        const auto esito = Requisiti::Verifica(
            calpestio ? Requisiti::Calcolo::Calpestio : Requisiti::Calcolo::Aereo, *categoria, r);
        return esito ? std::optional(esito->rispettato) : std::nullopt;
    }
};

bool RicercaCandidati::Possibile(const Situazione& situazione)
{
    return !std::holds_alternative<SituazioneFacciata>(situazione.calcolo);
}

QByteArray RicercaCandidati::Impronta(const Situazione& situazione)
{
    Situazione senza = situazione;
    if (Possibile(situazione))
        PostoElemento::Imposta(senza,
                               std::holds_alternative<SituazioneAerea>(situazione.calcolo)
                                   ? QStringLiteral("separazione")
                                   : QStringLiteral("Lnw"),
                               Elemento{});
    return QJsonDocument(ScritturaSituazione::InJson(senza)).toJson(QJsonDocument::Compact);
}

RicercaCandidati::RicercaCandidati(const Situazione& situazione) : motore_(std::make_unique<Motore>())
{
    motore_->categoria = situazione.categoria;
    if (const auto* aerea = std::get_if<SituazioneAerea>(&situazione.calcolo)) {
        motore_->modello = aerea->modello;
        motore_->aerea.emplace(*aerea);
    } else {
        motore_->calpestio = true;
        motore_->solaio = std::get<SituazioneCalpestio>(situazione.calcolo);
    }
}

RicercaCandidati::~RicercaCandidati() = default;

bool RicercaCandidati::Calpestio() const
{
    return motore_->calpestio;
}

bool RicercaCandidati::Adatta(int codice) const
{
    return PostoElemento::Accetta(motore_->calpestio ? TipoPosto::Solaio : TipoPosto::Separazione, codice);
}

void RicercaCandidati::Cerca(const std::vector<TabelleCartellaDati::Tabella>& tabelle, int fili,
                             const std::atomic<bool>& annulla, const Consegna& trovati,
                             const std::function<void(size_t, const EsitoTabella&)>& fatta) const
{
    QMutex consegna; // one handing over at a time
    const auto lavora = [&](size_t indice) {
        EsitoTabella esito;
        const TabelleCartellaDati::Tabella& t = tabelle[indice];
        const TipoMateriale* tipo = Categorie::PerCodice(t.codice);
        if (!tipo || !Adatta(t.codice))
            return esito;
        const std::unique_ptr<Database> db = TabelleInOrdine::ApriFile(t, esito);
        if (!db)
            return esito;
        std::vector<Candidato> lotto;
        qint64 esaminate = 0;
        QElapsedTimer orologio;
        orologio.start();
        const auto consegnaLotto = [&] {
            QMutexLocker blocco(&consegna);
            trovati(std::move(lotto), esaminate);
            lotto.clear();
            esaminate = 0;
            orologio.restart();
        };
        try {
            auto rs = db->OpenRecordset(t.tabella);
            rs->LeggiColonne(motore_->Colonne(*tipo), [&](const RigaLetta& riga) {
                if (annulla.load(std::memory_order_relaxed)) {
                    esito.annullata = true;
                    return false;
                }
                const qint64 numero = esito.voci++;
                ++esaminate;
                if (const std::optional<RisultatoPrevisione> r = motore_->Calcola(riga); r && r->indice)
                    lotto.push_back({int(indice), numero, riga.Valore(0).toString(), *riga.Numero(1),
                                     *r->indice, r->normalizzato.value_or(0), motore_->Rispettato(*r)});
                else
                    ++esito.saltate;
                if (lotto.size() >= kLotto ||
                    (esaminate % 64 == 0 && orologio.elapsed() >= kMillisecondiLotto))
                    consegnaLotto();
                return true;
            });
            rs->Close();
        } catch (const DbException& e) {
            esito.errore = e.Descrizione();
        }
        if (!lotto.empty() || esaminate > 0)
            consegnaLotto();
        db->Close();
        return esito;
    };
    TabelleInOrdine::Esegui<EsitoTabella>(tabelle, fili, annulla, lavora, fatta);
}

bool RicercaCandidati::Prima(const Candidato& a, const Candidato& b) const
{
    if (a.indice != b.indice)
        return motore_->calpestio ? a.indice < b.indice : a.indice > b.indice;
    return std::tie(a.tabella, a.riga) < std::tie(b.tabella, b.riga);
}

void RicercaCandidati::Ordina(std::vector<Candidato>& candidati) const
{
    std::sort(candidati.begin(), candidati.end(),
              [this](const Candidato& a, const Candidato& b) { return Prima(a, b); });
}
