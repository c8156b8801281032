// A number box of the editor: every typed character goes through its key filter,
// while navigation and editing keys keep working (Ctrl+A selects all); a box made to
// select on focus selects its whole text when it gets the focus, by the keyboard or by a
// click, so that typing replaces the value. The Up and Down arrows are reported.
#pragma once

#include "ModuleTextControl.h"

#include "ui/CasellaTesto.h"
#include <optional>

class QKeyEvent;

class CasellaNumerica : public CasellaTesto
{
    Q_OBJECT
public:
    CasellaNumerica(ModuleTextControl::Filtro filtro, bool consentiNegativo, bool selezionaSuFocus,
                    QWidget* parent = nullptr);

    // The character code a key press types (control characters included: Enter 13,
    // Ctrl+V 22), or nothing for keys that only move or edit (arrows, Home, Delete...).
    static std::optional<int> CodiceCarattere(const QKeyEvent& evento);

signals:
    void frecciaSu();
    void frecciaGiu();

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void focusInEvent(QFocusEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;

private:
    void SelezionaTutto();

    ModuleTextControl::Filtro filtro_;
    bool consentiNegativo_;
    bool selezionaSuFocus_;
    bool fuocoDalClic_ = false; // the click that gave the focus is not over yet
};
