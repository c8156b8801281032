#include "TestoAdattato.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <cmath>

QFont TestoAdattato::Carattere(double punti, bool grassetto)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(punti);
    f.setStyleStrategy(QFont::PreferNoShaping);
    f.setBold(grassetto);
    return f;
}

QStringList TestoAdattato::Righe(const QString& testo, const QFont& carattere, double larghezza,
                                 double altezza, QPaintDevice* dispositivo)
{
    QString pulito = testo;
    pulito.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\n'), QChar::LineSeparator);
    const QFontMetricsF metrica(carattere, dispositivo);
    const int massimo = std::max(1, int(std::floor(altezza / metrica.lineSpacing())));

    QTextLayout layout(pulito, carattere, dispositivo);
    QTextOption opzione;
    opzione.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(opzione);
    QStringList righe;
    int inizioUltima = 0;
    bool altro = false;
    layout.beginLayout();
    for (QTextLine riga = layout.createLine(); riga.isValid(); riga = layout.createLine()) {
        riga.setLineWidth(larghezza);
        if (righe.size() == massimo) {
            altro = true;
            break;
        }
        inizioUltima = riga.textStart();
        righe << pulito.mid(riga.textStart(), riga.textLength()).remove(QChar::LineSeparator).trimmed();
    }
    layout.endLayout();
    if (altro) {
        // The last line takes the rest of the text (line breaks as blanks), cut where the
        // ellipsis fits.
        const QString resto =
            pulito.mid(inizioUltima).replace(QChar::LineSeparator, QLatin1Char(' ')).simplified();
        const QString ultima = metrica.elidedText(resto, Qt::ElideRight, larghezza);
        righe.last() = ultima;
    }
    return righe;
}
