#include "FinestraMisurata.h"

#include "app/MessageBox.h"
#include "browser/ElencoNomi.h"
#include "browser/Form1.h"

#include <cstdio>

ElencoNomi* ApriTabellaMisurata(Form1& finestra, const QString& cartellaDati)
{
    finestra.Carica();
    finestra.show();
    const QString tabella = QString::fromLatin1(TabellaMisurata);
    const bool scelta = finestra.ScegliTabella([&](const TabellaCorrente& t) {
        return t.nomeTabella == tabella && t.nomeDatabase == QLatin1String("Database_sperimentale");
    });
    QString guasto;
    if (!scelta)
        guasto = QStringLiteral("%1: no \"Rw\" custom table in the tree").arg(cartellaDati);
    else if (!MessageBox::shown().isEmpty())
        guasto = QStringLiteral("%1: the table did not open: %2").arg(cartellaDati, MessageBox::lastText());
    if (guasto.isEmpty())
        return finestra.Controlli().List1;
    std::printf("%s\n", guasto.toUtf8().constData());
    std::fflush(stdout);
    return nullptr;
}
