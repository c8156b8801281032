#include "CancellazioneMateriale.h"

#include "DBEngine.h"
#include "DbException.h"
#include "JetBackend.h"

bool CancellazioneMateriale::Cancella(const QString& percorso, const QString& tabella, const QString& nome)
{
    auto db = DBEngine::OpenDatabase(percorso);
    if (db->IsReadOnlyFormat())
        throw DbException(DbErrore::SolaLettura, JetBackend::MessaggioSolaLettura(percorso));
    auto rs = db->OpenRecordset(tabella);
    bool cancellato = false;
    if (rs->RecordCount() >= 1) {
        rs->MoveFirst();
        rs->SetIndex(QStringLiteral("Nome"));
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
