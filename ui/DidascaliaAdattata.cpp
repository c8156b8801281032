#include "DidascaliaAdattata.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

namespace {

constexpr int StringimentoMinimo = 75; // percent of the normal width
constexpr qreal PuntiMinimi = 6.0;
constexpr qreal PassoPunti = 0.25;

bool Entra(const QFont& carattere, const QString& testo, int larghezza)
{
    return QFontMetricsF(carattere).horizontalAdvance(testo) <= larghezza;
}

} // namespace

DidascaliaAdattata::DidascaliaAdattata(const QString& testo, QWidget* parent) : QLabel(testo, parent) {}

QFont DidascaliaAdattata::CarattereCheEntra(const QFont& base, const QString& testo, int larghezza)
{
    if (Entra(base, testo, larghezza))
        return base;
    QFont carattere = base;
    for (int stringimento = 90; stringimento >= StringimentoMinimo; stringimento -= 5) {
        carattere.setStretch(stringimento);
        if (Entra(carattere, testo, larghezza))
            return carattere;
    }
    qreal punti = base.pointSizeF();
    if (punti <= 0) // a font sized in pixels
        return carattere;
    while (punti - PassoPunti >= PuntiMinimi) {
        punti -= PassoPunti;
        carattere.setPointSizeF(punti);
        if (Entra(carattere, testo, larghezza))
            break;
    }
    return carattere;
}

QRect DidascaliaAdattata::AreaTesto() const
{
    return contentsRect().adjusted(margin(), margin(), -margin(), -margin());
}

QFont DidascaliaAdattata::CarattereDisegnato() const
{
    // Wrapped and rich texts are laid out by the label itself.
    if (wordWrap() || textFormat() == Qt::RichText)
        return font();
    return CarattereCheEntra(font(), text(), AreaTesto().width());
}

void DidascaliaAdattata::paintEvent(QPaintEvent* evento)
{
    const QFont carattere = CarattereDisegnato();
    if (carattere == font()) {
        QLabel::paintEvent(evento);
        return;
    }
    QPainter pittore(this);
    drawFrame(&pittore);
    pittore.setFont(carattere);
    style()->drawItemText(&pittore, AreaTesto(), QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), text(), foregroundRole());
}
