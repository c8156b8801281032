#include "Picture1.h"

#include <QLinearGradient>
#include <QPainter>

const QColor Picture1::ColoreCurva(169, 3, 132);
const QColor Picture1::ColoreRiferimento(0x1F, 0x5F, 0x2F);
const QColor Picture1::ColoreDeviazioni(0xE0, 0x60, 0x20);

Picture1::Picture1(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont carattere = font();
    carattere.setPointSizeF(8.25);
    setFont(carattere);
}

void Picture1::Disegna(const GeometriaGrafico& geometria)
{
    geometria_ = geometria;
    update();
}

void Picture1::Pulisci()
{
    geometria_ = GeometriaGrafico();
    update();
}

QPointF Picture1::InPixel(const QPointF& punto) const
{
    const double w = width() - 1;
    const double h = height() - 1;
    return QPointF(punto.x() / 20.0 * w, (90.0 - punto.y()) / 90.0 * h);
}

void Picture1::DisegnaSfondo(QPainter& p) const
{
    p.fillRect(rect(), QColor(0xE0, 0xE0, 0xE0));
    QLinearGradient sfumatura(0, 0, 0, height());
    sfumatura.setColorAt(0, QColor(0xF4, 0xF6, 0xF9));
    sfumatura.setColorAt(1, QColor(0xDD, 0xE2, 0xE8));
    p.fillRect(rect(), sfumatura);
}

void Picture1::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    DisegnaSfondo(p);
    if (!geometria_.selezione)
        return;
    // The grid one pixel wide on whole pixels, crisp; the curves smooth.
    QPen griglia(Qt::black, 1);
    griglia.setCosmetic(true);
    p.setPen(griglia);
    for (const QLineF& l : geometria_.griglia)
        p.drawLine(InPixel(l.p1()).toPoint(), InPixel(l.p2()).toPoint());
    p.setRenderHint(QPainter::Antialiasing, true);

    if (!geometria_.riferimento.isEmpty()) {
        QPen deviazione(ColoreDeviazioni, 2.5);
        deviazione.setCapStyle(Qt::FlatCap);
        p.setPen(deviazione);
        for (const QLineF& l : geometria_.deviazioni)
            p.drawLine(InPixel(l.p1()), InPixel(l.p2()));
        QPen riferimento(ColoreRiferimento, 1.2, Qt::DashLine);
        p.setPen(riferimento);
        for (const QLineF& l : geometria_.riferimento)
            p.drawLine(InPixel(l.p1()), InPixel(l.p2()));
    }

    QPen curva(ColoreCurva, 1);
    curva.setCapStyle(Qt::RoundCap);
    curva.setJoinStyle(Qt::RoundJoin);
    p.setPen(curva);
    for (const QLineF& l : geometria_.curva)
        p.drawLine(InPixel(l.p1()), InPixel(l.p2()));

    QPen marcatore(ColoreCurva, 3);
    marcatore.setCapStyle(Qt::RoundCap);
    p.setPen(marcatore);
    for (const QPointF& punto : geometria_.marcatori)
        p.drawPoint(InPixel(punto));
}
