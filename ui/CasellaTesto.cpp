#include "CasellaTesto.h"

#include "DidascaliaAdattata.h"

#include <QStyle>
#include <QStyleOptionFrame>

namespace {
// The blank a line edit keeps on each side of its text, inside its contents.
constexpr int MargineInterno = 2;
} // namespace

CasellaTesto::CasellaTesto(QWidget* parent) : CasellaTesto(QString(), parent) {}

CasellaTesto::CasellaTesto(const QString& testo, QWidget* parent) : QLineEdit(testo, parent)
{
    // Every text the program sets moves the caret (to the end); the user's own moves
    // happen while the box handles a key, mouse or input event.
    connect(this, &QLineEdit::cursorPositionChanged, this, [this] { TestoCambiato(); });
    connect(this, &QLineEdit::textChanged, this, [this] { TestoCambiato(); });
    setCursorPosition(0);
}

bool CasellaTesto::event(QEvent* evento)
{
    ++eventiInCorso_;
    const bool gestito = QLineEdit::event(evento);
    --eventiInCorso_;
    return gestito;
}

void CasellaTesto::resizeEvent(QResizeEvent* evento)
{
    QLineEdit::resizeEvent(evento);
    AdattaCarattere();
}

int CasellaTesto::LarghezzaPerIlTesto() const
{
    QStyleOptionFrame opzioni;
    initStyleOption(&opzioni);
    const QRect contenuto = style()->subElementRect(QStyle::SE_LineEditContents, &opzioni, this);
    // One pixel more for the caret the box leaves room for.
    return contenuto.marginsRemoved(textMargins()).width() - 2 * MargineInterno - 1;
}

void CasellaTesto::TestoCambiato()
{
    if (eventiInCorso_ > 0)
        return;
    AdattaCarattere();
    if (!hasSelectedText() && cursorPosition() != 0)
        setCursorPosition(0);
}

void CasellaTesto::AdattaCarattere()
{
    if (!isReadOnly())
        return;
    if (!adattato_)
        carattereNormale_ = font();
    const QFont scelto =
        DidascaliaAdattata::CarattereCheEntra(carattereNormale_, text(), LarghezzaPerIlTesto());
    if (scelto == font())
        return;
    adattato_ = scelto != carattereNormale_;
    setFont(scelto);
}
