#include "RicercaTabelle.h"

#include "LetturaValori.h"
#include "PiegaturaTesto.h"
#include "model/Categorie.h"
#include "model/TabelleInOrdine.h"
#include "model/ValutazioneMateriale.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"

#include <QElapsedTimer>
#include <memory>
#include <optional>

using Campo = RecordSchema::Campo;

namespace {

constexpr size_t LottoMassimo = 256;
constexpr qint64 AttesaMassimaMs = 40; // a batch waits no longer than this for more entries

constexpr Campo kTesti[] = {Campo::Nome,        Campo::ParolaChiave, Campo::Descrizione,
                            Campo::Certificato, Campo::EnteProva,    Campo::SocietaRichiedente};

// Where each value the search needs stands in the row read; -1 where the table lacks it.
struct Colonne
{
    QStringList nomi;
    int nome = -1;
    std::array<int, 3> valutazioni{-1, -1, -1};
    int massa = -1, spessore = -1, area = -1, data = -1, ente = -1;
    QStringList testi; // tested by the read, not read

    int primaBanda = -1;

    Colonne(Recordset& rs, const TipoMateriale& tipo, bool bande)
    {
        const QStringList presenti = rs.FieldNames();
        const auto esiste = [&](const QString& c) { return presenti.contains(c, Qt::CaseInsensitive); };
        const std::vector<Campo> campi = Categorie::Campi(tipo);
        const auto aggiungi = [&](Campo campo) {
            const QString nomeColonna = RecordSchema::Nome(campo);
            if (std::find(campi.begin(), campi.end(), campo) == campi.end() || !esiste(nomeColonna))
                return -1;
            if (const qsizetype gia = nomi.indexOf(nomeColonna); gia >= 0)
                return int(gia);
            nomi << nomeColonna;
            return int(nomi.size() - 1);
        };
        nome = aggiungi(Campo::Nome);
        for (size_t v = 0; v < std::min<size_t>(3, tipo.valutazioni.size()); ++v)
            valutazioni[v] = aggiungi(tipo.valutazioni[v].campo);
        massa = aggiungi(Campo::Massa);
        spessore = aggiungi(Campo::Spessore);
        area = aggiungi(Campo::Area);
        data = aggiungi(Campo::DataProva);
        ente = aggiungi(Campo::EnteProva);
        for (Campo campo : kTesti)
            if (std::find(campi.begin(), campi.end(), campo) != campi.end() &&
                esiste(RecordSchema::Nome(campo)))
                testi << RecordSchema::Nome(campo);
        const QStringList colonneBande = RecordSchema::ColonneBande(tipo.grandezza);
        if (bande && std::all_of(colonneBande.begin(), colonneBande.end(), esiste)) {
            primaBanda = int(nomi.size());
            nomi << colonneBande;
        }
    }
};

std::optional<double> Numero(const RigaLetta& riga, int colonna)
{
    return colonna < 0 ? std::nullopt : riga.Numero(colonna);
}

std::optional<double> Somma(const std::optional<double>& a, const std::optional<double>& b)
{
    return a && b ? std::optional<double>(*a + *b) : std::nullopt;
}

QString Testo(const RigaLetta& riga, int colonna)
{
    if (colonna < 0)
        return {};
    if (const std::optional<QByteArrayView> utf8 = riga.TestoUtf8(colonna))
        return QString::fromUtf8(*utf8);
    return riga.Valore(colonna).toString();
}

// Whether the row meets every criterion that tests an entry but the text, which the read
// itself tests; the cheap numeric ones first.
bool Corrisponde(const RigaLetta& riga, const Colonne& c, const CriteriRicerca& k, const TipoMateriale& tipo)
{
    // A value is read only for a range that is set.
    const auto fuori = [&](const Intervallo<double>& intervallo, const auto& valore) {
        return intervallo.Attivo() && !intervallo.Contiene(valore());
    };
    const auto indice = [&] { return Numero(riga, c.valutazioni[0]); };
    if (fuori(k.indice, indice) ||
        fuori(k.indicePiuPrimo, [&] { return Somma(indice(), Numero(riga, c.valutazioni[1])); }) ||
        fuori(k.indicePiuSecondo, [&] { return Somma(indice(), Numero(riga, c.valutazioni[2])); }) ||
        fuori(k.massa, [&] { return Numero(riga, c.massa); }) ||
        fuori(k.spessore, [&] { return Numero(riga, c.spessore); }) ||
        fuori(k.area, [&] { return Numero(riga, c.area); }))
        return false;
    if (k.data.Attivo()) {
        const QDate data = LetturaValori::DataProva(Testo(riga, c.data));
        if (!k.data.Contiene(data.isValid() ? std::optional<QDate>(data) : std::nullopt))
            return false;
    }
    if (k.difforme) {
        if (c.primaBanda < 0)
            return false;
        MotoreValutazione::Bande bande;
        for (int i = 0; i < RecordSchema::NumeroBande; ++i)
            bande[i] = riga.Numero(c.primaBanda + i);
        std::array<QVariant, 3> memorizzate;
        const size_t quante = std::min<size_t>(3, tipo.valutazioni.size());
        for (size_t v = 0; v < quante; ++v)
            if (c.valutazioni[v] >= 0)
                memorizzate[v] = riga.Valore(c.valutazioni[v]);
        if (ValutazioneMateriale::Valuta(tipo, bande, std::span(memorizzate).first(quante)).diverse.empty())
            return false;
    }
    return true;
}

} // namespace

RicercaTabelle::EsitoTabella RicercaTabelle::Cerca(int indice, const TabelleCartellaDati::Tabella& tabella,
                                                   const CriteriRicerca& criteri,
                                                   const std::atomic<bool>& annulla, const Consegna& consegna)
{
    EsitoTabella esito;
    const TipoMateriale* tipo = Categorie::PerCodice(tabella.codice);
    if (!tipo || !criteri.CercaIn(tabella))
        return esito;
    // The linings get no computed rating: none of them differs.
    if (criteri.difforme && !ValutazioneMateriale::Grandezza(*tipo))
        return esito;
    const std::unique_ptr<Database> db = TabelleInOrdine::ApriFile(tabella, esito);
    if (!db)
        return esito;
    const PiegaturaTesto testo(criteri.testo);
    std::vector<VoceTrovata> lotto;
    lotto.reserve(LottoMassimo);
    QElapsedTimer orologio;
    orologio.start();
    const auto consegnaLotto = [&] {
        if (!lotto.empty())
            consegna(std::move(lotto));
        lotto = {};
        lotto.reserve(LottoMassimo);
        orologio.restart();
    };
    try {
        auto rs = db->OpenRecordset(tabella.tabella);
        const Colonne c(*rs, *tipo, criteri.difforme);
        FiltroTesti filtro{c.testi, {}, &annulla};
        if (!testo.Vuoto())
            filtro.tiene = [&testo](QByteArrayView utf8) { return testo.In(utf8); };
        esito.voci = rs->LeggiColonneFiltrate(c.nomi, filtro, [&](const RigaLetta& riga, qint64 numero) {
            if (annulla.load(std::memory_order_relaxed))
                return false;
            if (Corrisponde(riga, c, criteri, *tipo)) {
                VoceTrovata v{indice,
                              numero,
                              Testo(riga, c.nome),
                              {},
                              Numero(riga, c.massa),
                              Numero(riga, c.spessore),
                              Testo(riga, c.data),
                              Testo(riga, c.ente)};
                for (size_t i = 0; i < 3; ++i)
                    if (c.valutazioni[i] >= 0)
                        v.valutazioni[i] = riga.Valore(c.valutazioni[i]);
                lotto.push_back(std::move(v));
            }
            if (lotto.size() >= LottoMassimo || orologio.elapsed() > AttesaMassimaMs)
                consegnaLotto();
            return true;
        });
        esito.annullata = annulla.load(std::memory_order_relaxed);
        rs->Close();
    } catch (const DbException& e) {
        esito.errore = e.Descrizione();
    }
    consegnaLotto();
    db->Close();
    return esito;
}

void RicercaTabelle::CercaTutte(const std::vector<TabelleCartellaDati::Tabella>& tabelle,
                                const CriteriRicerca& criteri, int fili, const std::atomic<bool>& annulla,
                                const Consegna& trovate,
                                const std::function<void(size_t, const EsitoTabella&)>& fatta)
{
    TabelleInOrdine::Esegui<EsitoTabella>(
        tabelle, fili, annulla,
        [&](size_t i) { return Cerca(int(i), tabelle[i], criteri, annulla, trovate); }, fatta);
}
