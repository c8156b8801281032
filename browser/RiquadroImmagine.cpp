#include "RiquadroImmagine.h"

#include <QMouseEvent>
#include <QPainter>

RiquadroImmagine::RiquadroImmagine(QWidget* parent) : QLabel(parent) {}

void RiquadroImmagine::ImpostaImmagine(const QPixmap& immagine)
{
    if (immagine.cacheKey() == immagine_.cacheKey())
        return; // the same picture again: nothing to draw anew
    immagine_ = immagine;
    scalata_ = QPixmap();
    update();
}

void RiquadroImmagine::Rimuovi()
{
    immagine_ = QPixmap();
    scalata_ = QPixmap();
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
    // Scaled smoothly once for the size it is shown at, not at every paint.
    if (scalata_.size() != dimensione)
        scalata_ = immagine_.scaled(dimensione, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pittore.drawPixmap(destinazione.topLeft(), scalata_);
}
