// A text box of the editor that takes Enter as a line break, as the name, description,
// notes and site boxes always have: the save keeps what stands before the first line break
// ("Misura", Enter, "H3" saves "Misura"), and Enter never presses a button.
#pragma once

#include "ui/CasellaTesto.h"

class CasellaACapo : public CasellaTesto
{
    Q_OBJECT
public:
    explicit CasellaACapo(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
};
