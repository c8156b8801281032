#include "LineaTwips.h"

#include <QPainter>

#include <algorithm>

LineaTwips::LineaTwips(const QString& nome, int x1, int y1, int x2, int y2, QWidget* parent)
    : QWidget(parent), x1_(x1), y1_(y1), x2_(x2), y2_(y2)
{
    setObjectName(nome);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Colloca();
}

void LineaTwips::ImpostaCoordinata(const QString& proprieta, int twips)
{
    if (proprieta == QLatin1String("x1"))
        x1_ = twips;
    else if (proprieta == QLatin1String("x2"))
        x2_ = twips;
    else if (proprieta == QLatin1String("y1"))
        y1_ = twips;
    else if (proprieta == QLatin1String("y2"))
        y2_ = twips;
    Colloca();
}

void LineaTwips::Colloca()
{
    const int sinistra = std::min(x1_, x2_) / 15;
    const int alto = std::min(y1_, y2_) / 15;
    const int larghezza = std::max(1, std::abs(x2_ - x1_) / 15 + 1);
    const int altezza = std::max(1, std::abs(y2_ - y1_) / 15 + 1);
    setGeometry(sinistra, alto, larghezza, altezza);
}

void LineaTwips::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(Qt::black, 1));
    const QPoint a((x1_ - std::min(x1_, x2_)) / 15, (y1_ - std::min(y1_, y2_)) / 15);
    const QPoint b((x2_ - std::min(x1_, x2_)) / 15, (y2_ - std::min(y1_, y2_)) / 15);
    p.drawLine(a, b);
}
