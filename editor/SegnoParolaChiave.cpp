#include "SegnoParolaChiave.h"

#include <QComboBox>
#include <QFontMetrics>

SegnoParolaChiave::SegnoParolaChiave(QComboBox* parole, QWidget* parent)
    : QToolButton(parent), parole_(parole)
{
    setObjectName(QStringLiteral("SegnoParolaChiave"));
    setAutoRaise(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus); // a mouse shortcut: the keyboard reaches the box itself
    setStyleSheet(QStringLiteral("QToolButton { color: #B00000; font-weight: bold; padding: 0px; }"));
    connect(parole_, &QComboBox::currentTextChanged, this, &SegnoParolaChiave::Aggiorna);
    connect(parole_, &QComboBox::editTextChanged, this, &SegnoParolaChiave::Aggiorna);
    connect(this, &QToolButton::clicked, this, &SegnoParolaChiave::Ripristina);
    hide();
}

void SegnoParolaChiave::ImpostaMemorizzata(const std::optional<QString>& parola)
{
    memorizzata_ = parola && !parola->isEmpty() ? parola : std::nullopt;
    Aggiorna();
}

void SegnoParolaChiave::Aggiorna()
{
    const bool diversa = memorizzata_ && parole_->currentText() != *memorizzata_;
    if (diversa) {
        // The keyword as much as fits on the mark, the whole of it in the tooltip.
        const QString testo = tr("↶ stored: %1");
        const int spazio =
            width() - 8 - fontMetrics().horizontalAdvance(QString(testo).remove(QStringLiteral("%1")));
        setText(testo.arg(fontMetrics().elidedText(*memorizzata_, Qt::ElideRight, spazio)));
        setToolTip(tr("This entry stores the keyword «%1»; Ok saves the one in the box. Click to "
                      "put the stored keyword back.")
                       .arg(*memorizzata_));
    }
    setVisible(diversa);
}

void SegnoParolaChiave::Ripristina()
{
    if (memorizzata_)
        parole_->setEditText(*memorizzata_);
}

void SegnoParolaChiave::resizeEvent(QResizeEvent* evento)
{
    QToolButton::resizeEvent(evento);
    Aggiorna();
}
