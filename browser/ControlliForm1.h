// The controls of the main window at their design places (in twips, 15 to a pixel),
// each named as the rest of the program and the tests know it.
#pragma once

#include "AlberoNodi.h"

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
    std::array<QAction*, 4> pulsanti{}; // toolbar buttons by index 1..3; element 0 unused
    QLabel* PictureToolbar = nullptr;   // hidden: holds the toolbar's background tile
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
    std::array<QLineEdit*, 21> Text1{};
    std::array<QLabel*, 21> Label36{};
    std::array<QLabel*, 6> Label32{}; // elements 3..5
    std::array<QLabel*, 6> Label33{}; // elements 3..5

    Picture1* grafico = nullptr; // "Picture1", the frequency chart
    std::array<QLabel*, 6> Label4{};
    QLabel* Label6 = nullptr; // "[dB]"

    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

    // Creates every control on the window with its design text and place.
    static ControlliForm1 Crea(QMainWindow* finestra);
};
