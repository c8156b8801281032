// zelmar-svgjpeg: renders one of the program's pictures from its SVG drawing to a JPEG file
// at build time, and the program's icon to PNG files of the sizes the icon theme asks for.
//
//   zelmar-svgjpeg <drawing.svg> <picture.jpg>
//   zelmar-svgjpeg <drawing.svg> <icon.png> <size>
//
// The picture has the drawing's own size, on white; the icon is a square of the given size,
// on a transparent background. It is written beside its final name and moved into place only
// when complete, so that a failed build never leaves half a picture.

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Drawing needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList argomenti = app.arguments().mid(1);
    const bool icona = argomenti.size() == 3;
    const int lato = icona ? argomenti.at(2).toInt() : 0;
    if ((argomenti.size() != 2 && !icona) || (icona && lato <= 0)) {
        std::fputs("usage: zelmar-svgjpeg <drawing.svg> <picture.jpg>\n"
                   "       zelmar-svgjpeg <drawing.svg> <icon.png> <size>\n",
                   stderr);
        return 2;
    }
    QSvgRenderer disegno(argomenti.at(0));
    if (!disegno.isValid()) {
        std::fprintf(stderr, "zelmar-svgjpeg: %s is not a drawing it can read\n",
                     qPrintable(argomenti.at(0)));
        return 1;
    }
    QImage immagine(icona ? QSize(lato, lato) : disegno.defaultSize(),
                    icona ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    immagine.fill(icona ? Qt::transparent : Qt::white);
    QPainter pittore(&immagine);
    disegno.render(&pittore);
    pittore.end();

    const QString temporaneo = argomenti.at(1) + QStringLiteral(".tmp");
    QFile::remove(argomenti.at(1));
    if (!immagine.save(temporaneo, icona ? "PNG" : "JPG", icona ? -1 : 90) ||
        !QFile::rename(temporaneo, argomenti.at(1))) {
        QFile::remove(temporaneo);
        std::fprintf(stderr, "zelmar-svgjpeg: cannot write %s\n", qPrintable(argomenti.at(1)));
        return 1;
    }
    return 0;
}
