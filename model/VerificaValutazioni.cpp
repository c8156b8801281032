#include "VerificaValutazioni.h"

#include "Categorie.h"
#include "TabelleInOrdine.h"
#include "ValutazioneMateriale.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"

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
    const std::unique_ptr<Database> db = TabelleInOrdine::ApriFile(tabella, esito);
    if (!db)
        return esito;
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
    TabelleInOrdine::Esegui<EsitoTabella>(
        tabelle, fili, annulla, [&](size_t i) { return Verifica(tabelle[i], annulla); }, fatta);
}
