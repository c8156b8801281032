#include "VerificaValutazioni.h"

#include "Categorie.h"
#include "ValutazioneMateriale.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"

#include <QMutex>
#include <QSet>
#include <QThread>
#include <QWaitCondition>
#include <array>
#include <memory>
#include <optional>

namespace {

constexpr int MassimoValutazioni = 3;

// Reads the table's names, stored ratings and bands in one pass and rates every row.
void VerificaRighe(Recordset& rs, const TipoMateriale& tipo, const std::atomic<bool>& annulla,
                   VerificaValutazioni::EsitoTabella& esito)
{
    const int valutazioni = std::min<int>(int(tipo.valutazioni.size()), MassimoValutazioni);
    QStringList colonne{RecordSchema::Nome(RecordSchema::Campo::Nome)};
    for (int v = 0; v < valutazioni; ++v)
        colonne << RecordSchema::Nome(tipo.valutazioni[v].campo);
    const int primaBanda = int(colonne.size());
    colonne << RecordSchema::ColonneBande(tipo.grandezza);

    MotoreValutazione::Bande bande;
    std::array<QVariant, MassimoValutazioni> memorizzate;
    rs.LeggiColonne(colonne, [&](const RigaLetta& riga) {
        if (annulla.load(std::memory_order_relaxed)) {
            esito.annullata = true;
            return false;
        }
        for (int i = 0; i < RecordSchema::NumeroBande; ++i)
            bande[i] = riga.Numero(primaBanda + i);
        for (int v = 0; v < valutazioni; ++v)
            memorizzate[v] = riga.Valore(1 + v);
        const ValutazioneMateriale::Esito valutata =
            ValutazioneMateriale::Valuta(tipo, bande, std::span(memorizzate).first(valutazioni));
        for (const ValutazioneMateriale::Differenza& d : valutata.diverse)
            esito.diverse.push_back({riga.Valore(0).toString(), d.colonna, d.memorizzato, d.calcolato});
        ++esito.voci;
        return true;
    });
}

} // namespace

QStringList VerificaValutazioni::IntestazioneCsv()
{
    return {QStringLiteral("File"),    QStringLiteral("Tabella"),     QStringLiteral("Nome"),
            QStringLiteral("Colonna"), QStringLiteral("Memorizzato"), QStringLiteral("Calcolato")};
}

VerificaValutazioni::EsitoTabella VerificaValutazioni::Verifica(const TabelleCartellaDati::Tabella& tabella,
                                                                const std::atomic<bool>& annulla)
{
    EsitoTabella esito;
    const TipoMateriale* tipo = Categorie::PerCodice(tabella.codice);
    if (!tipo)
        return esito;
    std::unique_ptr<Database> db;
    try {
        db = DBEngine::OpenDatabase(tabella.file);
    } catch (const DbException& e) {
        esito.errore = e.Descrizione();
        esito.fileIlleggibile = true;
        return esito;
    }
    try {
        auto rs = db->OpenRecordset(tabella.tabella);
        // The linings get no computed rating: their table is only looked at.
        if (ValutazioneMateriale::Grandezza(*tipo))
            VerificaRighe(*rs, *tipo, annulla, esito);
        rs->Close();
    } catch (const DbException& e) {
        esito.errore = e.Descrizione();
    }
    db->Close();
    return esito;
}

void VerificaValutazioni::VerificaTutte(const std::vector<TabelleCartellaDati::Tabella>& tabelle, int fili,
                                        const std::atomic<bool>& annulla,
                                        const std::function<void(size_t, const EsitoTabella&)>& fatta)
{
    std::vector<std::optional<EsitoTabella>> esiti(tabelle.size());
    std::atomic<size_t> prossima{0};
    QMutex mutex;
    QWaitCondition pronta;
    const auto lavora = [&] {
        for (size_t i = prossima++; i < tabelle.size(); i = prossima++) {
            EsitoTabella esito;
            if (annulla)
                esito.annullata = true;
            else
                esito = Verifica(tabelle[i], annulla);
            QMutexLocker blocco(&mutex);
            esiti[i] = std::move(esito);
            pronta.wakeAll();
        }
    };
    std::vector<std::unique_ptr<QThread>> lavoratori;
    for (int f = 0; f < std::min<int>(fili, int(tabelle.size())) && fili > 1; ++f) {
        lavoratori.emplace_back(QThread::create(lavora));
        lavoratori.back()->start();
    }
    if (lavoratori.empty())
        lavora();

    QSet<QString> fileIlleggibili;
    for (size_t i = 0; i < tabelle.size(); ++i) {
        EsitoTabella esito;
        {
            QMutexLocker blocco(&mutex);
            while (!esiti[i])
                pronta.wait(&mutex);
            esito = std::move(*esiti[i]);
            esiti[i].reset();
        }
        if (esito.fileIlleggibile && !esito.errore.isEmpty()) {
            if (fileIlleggibili.contains(tabelle[i].file))
                esito.errore.clear(); // told with the file's first table
            fileIlleggibili.insert(tabelle[i].file);
        }
        fatta(i, esito);
    }
    for (auto& lavoratore : lavoratori)
        lavoratore->wait();
}
