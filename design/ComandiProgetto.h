// The main window's command that opens the design window ("Acoustic design...", on its
// toolbar and in its menu). The window is created on first use and kept, with its project,
// until the program ends.
#pragma once

#include "CollegamentiProgetto.h"

#include <QObject>
#include <QPointer>

class FinestraProgetto;
class QMainWindow;
class QMenu;
class QToolBar;

class ComandiProgetto : public QObject
{
    Q_OBJECT
public:
    ComandiProgetto(QMainWindow* finestra, QToolBar* barra, QMenu* menu, CollegamentiProgetto collegamenti);

    // Opens the design window, or brings it forward.
    void Apri();
    // Nullptr before the first opening.
    FinestraProgetto* Finestra() const;

protected:
    // The main window closing closes the design window first, which may ask to save its
    // project; the main window stays open when the user keeps the project.
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    QMainWindow* finestra_;
    CollegamentiProgetto collegamenti_;
    QPointer<FinestraProgetto> progetto_;
};
