// ZELMARtek: the main window is the program; closing it ends the program.
#include "browser/Form1.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZELMARtek"));
    Form1 finestra;
    finestra.Carica();
    finestra.show();
    // For measuring start-up: end as soon as the window with its first entry is drawn.
    if (QApplication::arguments().contains(QStringLiteral("--esci-dopo-avvio"))) {
        QTimer::singleShot(0, &finestra, [&finestra] {
            finestra.repaint();
            QApplication::quit();
        });
    }
    return QApplication::exec();
}
