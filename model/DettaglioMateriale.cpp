#include "DettaglioMateriale.h"

#include "Categorie.h"
#include "storage/DBEngine.h"

std::optional<RecordMateriale> DettaglioMateriale::Leggi(const QString& percorso, const QString& tabella,
                                                         int codice, const QString& nome)
{
    const QStringList colonne = Categorie::ColonneTabella(codice);
    if (colonne.isEmpty())
        return std::nullopt;
    auto db = DBEngine::OpenDatabase(percorso, DBEngine::Uso::Lettura);
    auto rs = db->OpenRecordset(tabella);
    rs->SetIndex(RecordSchema::Nome(RecordSchema::Campo::Nome));
    rs->Seek(QStringLiteral("="), nome);
    std::optional<RecordMateriale> record;
    if (!rs->NoMatch()) {
        record.emplace();
        for (const QString& colonna : colonne)
            record->Imposta(colonna, rs->Field(colonna));
    }
    rs->Close();
    db->Close();
    return record;
}
