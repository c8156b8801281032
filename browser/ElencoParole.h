// The main window's keyword box: the user chooses a keyword by picking a line of its list,
// with the mouse or the arrow keys. Letters typed while it has the focus do nothing, so
// that typing never filters the material list by itself (a plain box would jump to the
// first keyword starting with them and report it as chosen).
#pragma once

#include <QComboBox>

class ElencoParole : public QComboBox
{
    Q_OBJECT
public:
    explicit ElencoParole(QWidget* padre = nullptr);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
};
