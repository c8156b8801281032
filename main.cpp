// ZELMARtek: the main window is the program; closing it ends the program.
#include "browser/Form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZELMARtek"));
    Form1 finestra;
    finestra.Carica();
    finestra.show();
    return QApplication::exec();
}
