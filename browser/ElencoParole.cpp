#include "ElencoParole.h"

#include <QKeyEvent>

ElencoParole::ElencoParole(QWidget* padre) : QComboBox(padre) {}

void ElencoParole::keyPressEvent(QKeyEvent* evento)
{
    const QString testo = evento->text();
    const bool comando = evento->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    // Space still opens the list, as the arrow keys and F4 still work.
    if (!comando && !testo.isEmpty() && testo.at(0).isPrint() && evento->key() != Qt::Key_Space) {
        evento->accept();
        return;
    }
    QComboBox::keyPressEvent(evento);
}
