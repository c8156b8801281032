// The main window as its command helpers see it: its controls, the table and the entry it
// shows, and the gestures that change them. Form1 is one; the helpers know no more of it.
#pragma once

#include "ControlliForm1.h"
#include "model/RecordMateriale.h"
#include "model/TabellaCorrente.h"

#include <functional>
#include <optional>

class Form3;
class QMainWindow;

class FinestraPrincipale
{
public:
    virtual ~FinestraPrincipale() = default;

    virtual QMainWindow* Finestra() = 0;
    virtual const ControlliForm1& Controlli() const = 0;
    // True when start-up found no usable catalogue: the window shows and does nothing.
    virtual bool Inerte() const = 0;
    virtual const TabellaCorrente& Corrente() const = 0;
    // The stored row of the entry the display shows; nothing when none is shown.
    virtual const std::optional<RecordMateriale>& RecordMostrato() const = 0;
    // Chooses, as a click on its node would, the first table of the tree that accetta takes.
    // False when none does.
    virtual bool ScegliTabella(const std::function<bool(const TabellaCorrente&)>& accetta) = 0;
    // Opens the editor (mode "0" new, "1" modify) on what the window shows; prepara may fill
    // its boxes before it is shown.
    virtual void ApriEditor(const QString& modo, const std::function<void(Form3&)>& prepara) = 0;
    virtual void DisegnaGrafico() = 0;
};
