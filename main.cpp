// ZELMARtek: the main window is the program; closing it ends the program.
#include "browser/AttesaServerFinestra.h"
#include "browser/ElencoNomi.h"
#include "browser/Form1.h"
#include "config/Traduzioni.h"
#include "config/ZelmarCommonModule.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZELMARtek"));
    QGuiApplication::setDesktopFileName(QStringLiteral("it.zelmartek.zelmartek"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("it.zelmartek.zelmartek")));
    Traduzioni::Installa(ZelmarCommonModule::GetLingua());
    // A server that keeps the window waiting shows as busy, and can be given up.
    AttesaServer::Installa(std::make_shared<AttesaServerFinestra>());
    Form1 finestra;
    finestra.Carica();
    finestra.show();
    // For measuring and checking start-up: end as soon as the window with its first entry is
    // drawn; the exit status is 0 only when an entry is shown.
    if (QApplication::arguments().contains(QStringLiteral("--esci-dopo-avvio"))) {
        QTimer::singleShot(0, &finestra, [&finestra] {
            finestra.repaint();
            const auto* elenco = finestra.findChild<const ElencoNomi*>(QStringLiteral("List1"));
            QApplication::exit(elenco && elenco->currentRow() >= 0 ? 0 : 1);
        });
    }
    return QApplication::exec();
}
