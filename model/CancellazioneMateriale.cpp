#include "CancellazioneMateriale.h"

#include "RecordSchema.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"
#include "storage/jet/JetBackend.h"

bool CancellazioneMateriale::Cancella(const QString& percorso, const QString& tabella, const QString& nome,
                                      ListaMateriali::Versioni* versioni)
{
    auto db = DBEngine::OpenDatabase(percorso);
    if (db->IsReadOnlyFormat())
        throw DbException(DbErrore::SolaLettura, JetBackend::MessaggioSolaLettura(percorso));
    ListaMateriali::Versioni v;
    bool cancellato = false;
    db->BeginTrans();
    try {
        auto rs = db->OpenRecordset(tabella);
        v.prima = db->Versione(tabella);
        if (!rs->Eof()) {
            rs->SetIndex(RecordSchema::Nome(RecordSchema::Campo::Nome));
            rs->Seek(QStringLiteral("="), nome);
            if (!rs->NoMatch()) {
                rs->Delete();
                cancellato = true;
            }
        }
        rs->Close();
        db->CommitTrans();
    } catch (const DbException&) {
        db->Close(); // gives the transaction up: nothing is deleted
        throw;
    }
    v.dopo = ListaMateriali::VersioneDopo(*db, tabella);
    db->Close();
    if (versioni)
        *versioni = v;
    return cancellato;
}
