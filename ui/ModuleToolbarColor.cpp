#include "ModuleToolbarColor.h"

#include "Colori.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QToolBar>

namespace ModuleToolbarColor {

namespace {

const QColor& kBlu = Colori::BluScuro;

QPixmap Tela(int lato)
{
    QPixmap pixmap(lato, lato);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// Draws one icon at several sizes so it stays crisp on high-density screens.
template <typename Disegno> QIcon Icona(Disegno disegna)
{
    QIcon icona;
    for (int lato : {16, 24, 32, 48, 64}) {
        QPixmap pixmap = Tela(lato);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(lato / 24.0, lato / 24.0);
        disegna(p);
        p.end();
        icona.addPixmap(pixmap);
    }
    return icona;
}

void Foglio(QPainter& p)
{
    QPainterPath foglio;
    foglio.moveTo(5, 2.5);
    foglio.lineTo(14.5, 2.5);
    foglio.lineTo(19.5, 7.5);
    foglio.lineTo(19.5, 21.5);
    foglio.lineTo(5, 21.5);
    foglio.closeSubpath();
    p.setPen(QPen(kBlu, 1.3));
    p.setBrush(QColor(0xFA, 0xFC, 0xFF));
    p.drawPath(foglio);
    p.drawLine(QPointF(14.5, 2.5), QPointF(14.5, 7.5));
    p.drawLine(QPointF(14.5, 7.5), QPointF(19.5, 7.5));
}

} // namespace

QPixmap CreaSfondoToolbar()
{
    QPixmap tassello(LarghezzaTassello, AltezzaTassello);
    QPainter p(&tassello);
    QLinearGradient sfumatura(0, 0, 0, AltezzaTassello);
    sfumatura.setColorAt(0.0, QColor(0xEE, 0xF2, 0xF8));
    sfumatura.setColorAt(0.5, QColor(0xDD, 0xE5, 0xF0));
    sfumatura.setColorAt(1.0, QColor(0xC9, 0xD4, 0xE3));
    p.fillRect(tassello.rect(), sfumatura);
    p.setPen(QColor(0xB4, 0xC1, 0xD3));
    p.drawLine(0, AltezzaTassello - 1, LarghezzaTassello, AltezzaTassello - 1);
    p.setPen(QColor(0xF8, 0xFA, 0xFD));
    p.drawLine(0, 0, LarghezzaTassello, 0);
    return tassello;
}

void ImpostaSfondoToolbar(QToolBar* toolbar, const QPixmap& tassello, int modo)
{
    if (!toolbar || modo != 1)
        return;
    QPalette tavolozza = toolbar->palette();
    tavolozza.setBrush(QPalette::Window, QBrush(tassello));
    toolbar->setPalette(tavolozza);
    // A toolbar fills its background with the button colour; the tile is its window's.
    toolbar->setBackgroundRole(QPalette::Window);
    toolbar->setAutoFillBackground(true);
}

QIcon IconaInserisci()
{
    return Icona([](QPainter& p) {
        Foglio(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2E, 0x8B, 0x3E));
        p.drawEllipse(QPointF(16.5, 17.5), 6, 6);
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16.5, 14.5), QPointF(16.5, 20.5));
        p.drawLine(QPointF(13.5, 17.5), QPointF(19.5, 17.5));
    });
}

QIcon IconaModifica()
{
    return Icona([](QPainter& p) {
        Foglio(p);
        p.translate(15, 14);
        p.rotate(45);
        p.setPen(QPen(kBlu, 1.1));
        p.setBrush(QColor(0xF2, 0xB1, 0x34));
        p.drawRect(QRectF(-2.2, -9, 4.4, 13));
        p.setBrush(QColor(0xF3, 0xD9, 0xB1));
        QPainterPath punta;
        punta.moveTo(-2.2, 4);
        punta.lineTo(2.2, 4);
        punta.lineTo(0, 8.5);
        punta.closeSubpath();
        p.drawPath(punta);
    });
}

QIcon IconaCancella()
{
    return Icona([](QPainter& p) {
        Foglio(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xC6, 0x28, 0x28));
        p.drawEllipse(QPointF(16.5, 17.5), 6, 6);
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14.3, 15.3), QPointF(18.7, 19.7));
        p.drawLine(QPointF(18.7, 15.3), QPointF(14.3, 19.7));
    });
}

} // namespace ModuleToolbarColor
