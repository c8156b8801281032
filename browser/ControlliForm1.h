// The controls of the main window at their design places (in twips, 15 to a pixel),
// each named as the rest of the program and the tests know it.
#pragma once

#include "AlberoNodi.h"
#include "model/RecordSchema.h"

#include <array>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class ElencoNomi;
class QMainWindow;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QToolBar;
class QWidget;
class Picture1;
class RiquadroImmagine;

struct ControlliForm1
{
    QWidget* client = nullptr; // the client area: every position is relative to it
    QToolBar* Toolbar1 = nullptr;
    QAction* Inserisci = nullptr;     // "Toolbar1.Buttons(1)": a new entry
    QAction* Modifica = nullptr;      // "Toolbar1.Buttons(2)": the selected entry changed
    QAction* Elimina = nullptr;       // "Toolbar1.Buttons(3)": the selected entry deleted
    QLabel* PictureToolbar = nullptr; // hidden: holds the toolbar's background tile
    QMenu* MenuElementi = nullptr;
    QAction* Cancella = nullptr;
    QAction* ImportaJet = nullptr; // converts the data folder's Jet files

    AlberoNodi* TreeView1 = nullptr;
    QLabel* Label7 = nullptr; // current database, under the tree
    QLabel* Label1 = nullptr; // "Parola chiave"
    QComboBox* Combo1 = nullptr;
    ElencoNomi* List1 = nullptr;
    QLabel* Label5 = nullptr; // "Immagine"
    RiquadroImmagine* Image1 = nullptr;
    QPushButton* CommandInfoAgg = nullptr;
    QLabel* Label2 = nullptr; // "Descrizione"
    QPlainTextEdit* Text2 = nullptr;
    QLabel* Label3 = nullptr; // rating line

    QGroupBox* Frame1 = nullptr;
    std::array<QLineEdit*, RecordSchema::NumeroBande> Text1{}; // the band values, by band
    // The captions of a row of seven bands: "Label32(n)" and "Label33(n)", n = 5, 4, 3 from the top.
    struct RigaBande
    {
        QLabel* frequenza = nullptr; // "Frequenza [Hz]"
        QLabel* grandezza = nullptr; // the quantity of the kind, as "Ri [dB]"
    };
    std::array<RigaBande, 3> righeBande{};

    Picture1* grafico = nullptr;       // "Picture1", the frequency chart
    QLabel* massimo = nullptr;         // "Label4(3)": the top of the chart's scale
    QLabel* minimo = nullptr;          // "Label4(4)": its bottom
    QLabel* titoloFrequenze = nullptr; // "Label4(2)": "Frequenza [Hz]" under the chart
    QLabel* Label6 = nullptr;          // "[dB]"

    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

    // Creates every control on the window with its design text and place.
    static ControlliForm1 Crea(QMainWindow* finestra);
};
