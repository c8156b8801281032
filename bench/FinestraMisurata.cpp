#include "FinestraMisurata.h"

#include "app/MessageBox.h"
#include "browser/ElencoNomi.h"

#include <cstdio>

FinestraMisurata::FinestraMisurata(const QString& cartellaDati)
    : programma(cartellaDati),
      file(cartellaDati + QStringLiteral("/Databases/Database/Database_sperimentale.mdb"))
{
    finestra.Carica();
    finestra.show();
    const bool scelta = finestra.ScegliTabella([&](const TabellaCorrente& t) {
        return t.nomeTabella == tabella && t.nomeDatabase == QLatin1String("Database_sperimentale");
    });
    QString guasto;
    if (!scelta)
        guasto = QStringLiteral("%1: no \"Rw\" custom table in the tree").arg(cartellaDati);
    else if (!MessageBox::shown().isEmpty())
        guasto = QStringLiteral("%1: the table did not open: %2").arg(cartellaDati, MessageBox::lastText());
    if (guasto.isEmpty()) {
        elenco = finestra.Controlli().List1;
        return;
    }
    std::printf("%s\n", guasto.toUtf8().constData());
    std::fflush(stdout);
}
