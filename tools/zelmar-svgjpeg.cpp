// zelmar-svgjpeg: renders one of the program's pictures from its SVG drawing to a JPEG file
// at build time.
//
//   zelmar-svgjpeg <drawing.svg> <picture.jpg>
//
// The picture has the drawing's own size. It is written beside its final name and moved
// into place only when complete, so that a failed build never leaves half a picture.

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
    if (argomenti.size() != 2) {
        std::fputs("usage: zelmar-svgjpeg <drawing.svg> <picture.jpg>\n", stderr);
        return 2;
    }
    QSvgRenderer disegno(argomenti.at(0));
    if (!disegno.isValid()) {
        std::fprintf(stderr, "zelmar-svgjpeg: %s is not a drawing it can read\n",
                     qPrintable(argomenti.at(0)));
        return 1;
    }
    QImage immagine(disegno.defaultSize(), QImage::Format_RGB32);
    immagine.fill(Qt::white);
    QPainter pittore(&immagine);
    disegno.render(&pittore);
    pittore.end();

    const QString temporaneo = argomenti.at(1) + QStringLiteral(".tmp");
    QFile::remove(argomenti.at(1));
    if (!immagine.save(temporaneo, "JPG", 90) || !QFile::rename(temporaneo, argomenti.at(1))) {
        QFile::remove(temporaneo);
        std::fprintf(stderr, "zelmar-svgjpeg: cannot write %s\n", qPrintable(argomenti.at(1)));
        return 1;
    }
    return 0;
}
