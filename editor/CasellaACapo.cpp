#include "CasellaACapo.h"

#include <QKeyEvent>

CasellaACapo::CasellaACapo(QWidget* parent) : CasellaTesto(parent) {}

void CasellaACapo::keyPressEvent(QKeyEvent* evento)
{
    const bool invio = evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter;
    if (invio && !(evento->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        insert(QStringLiteral("\n"));
        evento->accept();
        return;
    }
    CasellaTesto::keyPressEvent(evento);
}
