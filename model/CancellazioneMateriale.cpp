#include "CancellazioneMateriale.h"

#include "RecordSchema.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"
#include "storage/JetBackend.h"

bool CancellazioneMateriale::Cancella(const QString& percorso, const QString& tabella, const QString& nome)
{
    auto db = DBEngine::OpenDatabase(percorso);
    if (db->IsReadOnlyFormat())
        throw DbException(DbErrore::SolaLettura, JetBackend::MessaggioSolaLettura(percorso));
    auto rs = db->OpenRecordset(tabella);
    bool cancellato = false;
    if (!rs->Eof()) {
        rs->SetIndex(RecordSchema::Nome(RecordSchema::Campo::Nome));
        rs->Seek(QStringLiteral("="), nome);
        if (!rs->NoMatch()) {
            rs->Delete();
            cancellato = true;
        }
    }
    rs->Close();
    db->Close();
    return cancellato;
}
