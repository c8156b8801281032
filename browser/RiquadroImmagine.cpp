#include "RiquadroImmagine.h"

#include <QMouseEvent>
#include <QPainter>

RiquadroImmagine::RiquadroImmagine(QWidget* parent) : QLabel(parent) {}

void RiquadroImmagine::ImpostaImmagine(const QPixmap& immagine)
{
    immagine_ = immagine;
    update();
}

void RiquadroImmagine::Rimuovi()
{
    immagine_ = QPixmap();
    update();
}

void RiquadroImmagine::mouseDoubleClickEvent(QMouseEvent* evento)
{
    evento->accept();
    emit doppioClick();
}

void RiquadroImmagine::paintEvent(QPaintEvent* evento)
{
    QLabel::paintEvent(evento);
    if (immagine_.isNull())
        return;
    QPainter pittore(this);
    pittore.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect area = contentsRect();
    QSize dimensione = immagine_.size();
    dimensione.scale(area.size(), Qt::KeepAspectRatio);
    QRect destinazione(QPoint(0, 0), dimensione);
    destinazione.moveCenter(area.center());
    pittore.drawPixmap(destinazione, immagine_);
}
