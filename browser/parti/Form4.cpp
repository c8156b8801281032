#include "Form4.h"

#include <QEvent>
#include <QLabel>

// A tool window's border and no title bar: no caption, no buttons; it goes when the user
// goes back to another window.
Form4::Form4(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QString());
    setFixedSize(5700 / 15, 4320 / 15);
    Image1_ = new QLabel(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setGeometry(0, 0, width(), height());
    Image1_->setScaledContents(true);
}

void Form4::MostraImmagine(const QPixmap& immagine)
{
    if (immagine.isNull())
        Image1_->clear();
    else
        Image1_->setPixmap(immagine);
}

void Form4::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow())
        hide();
    QWidget::changeEvent(event);
}
