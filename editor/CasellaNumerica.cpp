#include "CasellaNumerica.h"

#include <QKeyEvent>
#include <QKeySequence>

CasellaNumerica::CasellaNumerica(ModuleTextControl::Filtro filtro, bool consentiNegativo,
                                 bool selezionaSuFocus, QWidget* parent)
    : CasellaTesto(parent), filtro_(filtro), consentiNegativo_(consentiNegativo),
      selezionaSuFocus_(selezionaSuFocus)
{
}

std::optional<int> CasellaNumerica::CodiceCarattere(const QKeyEvent& evento)
{
    const int tasto = evento.key();
    const bool controllo = evento.modifiers().testFlag(Qt::ControlModifier);
    switch (tasto) {
    case Qt::Key_Backspace:
        return controllo ? 127 : ModuleTextControl::TastoBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return controllo ? 10 : 13;
    default:
        break;
    }
    if (controllo && tasto >= Qt::Key_A && tasto <= Qt::Key_Z)
        return tasto - Qt::Key_A + 1;
    const QString testo = evento.text();
    if (testo.isEmpty())
        return std::nullopt;
    const int codice = testo.at(0).unicode();
    // Keys such as Delete or Escape may carry a control character as text: they are
    // editing keys, not typed characters.
    if (codice == 127 || codice == 27 || tasto == Qt::Key_Tab || tasto == Qt::Key_Backtab)
        return std::nullopt;
    return codice;
}

void CasellaNumerica::keyPressEvent(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_Up)
        emit frecciaSu();
    else if (evento->key() == Qt::Key_Down)
        emit frecciaGiu();

    const std::optional<int> codice = CodiceCarattere(*evento);
    if (!codice || evento->matches(QKeySequence::SelectAll)) {
        CasellaTesto::keyPressEvent(evento);
        return;
    }
    const int risultato = filtro_(*codice, consentiNegativo_, text(), cursorPosition(), selectedText(),
                                  ModuleTextControl::SeparatoriLocali().decimale);
    if (risultato == 0) {
        evento->accept();
        return;
    }
    if (risultato == *codice) {
        CasellaTesto::keyPressEvent(evento);
        return;
    }
    insert(QString(QChar(risultato)));
    evento->accept();
}

void CasellaNumerica::focusInEvent(QFocusEvent* evento)
{
    CasellaTesto::focusInEvent(evento);
    if (!selezionaSuFocus_)
        return;
    SelezionaTutto();
    fuocoDalClic_ = evento->reason() == Qt::MouseFocusReason;
}

// The press of the click that gave the focus put the caret under the mouse: unless the
// user dragged over part of the text, the whole of it is selected again.
void CasellaNumerica::mouseReleaseEvent(QMouseEvent* evento)
{
    CasellaTesto::mouseReleaseEvent(evento);
    if (fuocoDalClic_ && !hasSelectedText())
        SelezionaTutto();
    fuocoDalClic_ = false;
}

// The caret at the start, as the box has always selected.
void CasellaNumerica::SelezionaTutto()
{
    setSelection(int(text().size()), -int(text().size()));
}
