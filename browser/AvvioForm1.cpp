#include "AvvioForm1.h"

#include "app/MessageBox.h"
#include "config/ZelmarCommonModule.h"
#include "model/DatabaseCondiviso.h"
#include "storage/DbException.h"

using namespace ZelmarCommonModule;

namespace AvvioForm1 {

bool CaricaCatalogo(QWidget* finestra)
{
    const QString percorso = GetPercorsoMessaggi();
    if (!EsisteFile(percorso)) {
        MessageBox::show(finestra, QStringLiteral("Critical error: unable to locate messages file"),
                         MessageBox::Critical);
        return false;
    }
    try {
        CaricaMessaggi();
    } catch (const DbException& errore) {
        Messaggi.clear();
        MessageBox::show(
            finestra,
            QStringLiteral("Impossibile leggere il catalogo dei messaggi «%1» (lingua «%2»).\n%3")
                .arg(percorso, GetLingua(), errore.Descrizione()),
            MessageBox::Critical);
        return false;
    }
    if (Messaggi.size() < MessaggiRichiesti) {
        const int righe = int(Messaggi.size());
        Messaggi.clear();
        MessageBox::show(
            finestra,
            QStringLiteral("Il catalogo dei messaggi «%1» contiene %2 messaggi; ne servono almeno %3.")
                .arg(percorso)
                .arg(righe)
                .arg(MessaggiRichiesti),
            MessageBox::Critical);
        return false;
    }
    return true;
}

void CollegaDatabaseCondiviso(QWidget* finestra)
{
    // The custom file gets the tables of kinds it lacks (a file made by an older version).
    DatabaseCondiviso::Prevedi(GetPercorsoDatabaseSperimentale());
    const QString conninfo = GetDatabaseCondiviso();
    if (conninfo.isEmpty())
        return;
    const QString avviso = DatabaseCondiviso::Collega(GetPercorsoDatabaseSperimentale(), conninfo);
    if (!avviso.isEmpty())
        MessageBox::show(finestra, avviso, MessageBox::Exclamation);
}

} // namespace AvvioForm1
