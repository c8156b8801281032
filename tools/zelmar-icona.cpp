// zelmar-icona: draws the program's icon from its SVG as a square PNG of the given size, at
// build time, for the sizes the desktop's icon theme asks for.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList argomenti = QGuiApplication::arguments();
    bool numero = false;
    const int lato = argomenti.size() == 4 ? argomenti.at(3).toInt(&numero) : 0;
    if (!numero || lato <= 0) {
        QTextStream(stderr) << "Usage: zelmar-icona ICON.svg ICON.png SIZE\n";
        return 2;
    }
    QSvgRenderer disegno(argomenti.at(1));
    if (!disegno.isValid()) {
        QTextStream(stderr) << argomenti.at(1) << ": not an SVG drawing that can be read\n";
        return 2;
    }
    QImage icona(lato, lato, QImage::Format_ARGB32_Premultiplied);
    icona.fill(Qt::transparent);
    QPainter pittore(&icona);
    pittore.setRenderHint(QPainter::Antialiasing);
    disegno.render(&pittore);
    pittore.end();
    if (!icona.save(argomenti.at(2), "PNG")) {
        QTextStream(stderr) << argomenti.at(2) << ": cannot be written\n";
        return 1;
    }
    return 0;
}
