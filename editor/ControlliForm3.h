// The controls of the material editor at their design places (in twips, 15 to a pixel),
// each named as the rest of the program and the tests know it, with its design text.
#pragma once

#include "model/RecordSchema.h"

#include <QPalette>
#include <array>

class CasellaNumerica;
class QCalendarWidget;
class QComboBox;
class QDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class SegnoParolaChiave;
class ValutazioniEditor;

struct ControlliForm3
{
    static constexpr int NumeroValutazioni = 3;
    static constexpr int NumeroStruttura = 5;

    // The four framed areas, each under its title bar.
    QFrame* FrameInfogenerali = nullptr;
    QLabel* Label4 = nullptr; // " Informazioni generali"
    QFrame* FrameCertificato = nullptr;
    QLabel* Label5 = nullptr; // " Informazioni certificato"
    QFrame* Frame1 = nullptr;
    QLabel* Label3 = nullptr; // " Caratteristiche acustiche"
    QFrame* FrameMateriale = nullptr;
    QLabel* Label6 = nullptr; // " Caratteristiche struttura"

    // General information, each box under its caption (a "Label1(n)").
    QLabel* didascaliaNome = nullptr;         // Label1(11)
    QLineEdit* Text15 = nullptr;              // the name
    QLabel* didascaliaParolaChiave = nullptr; // Label1(14)
    QComboBox* Combo1 = nullptr;
    SegnoParolaChiave* segnoParola = nullptr; // the stored keyword, when the box holds another
    QLabel* didascaliaDescrizione = nullptr;  // Label1(13)
    QLineEdit* Text3 = nullptr;
    QLabel* didascaliaNote = nullptr; // Label1(15)
    QLineEdit* Text8 = nullptr;
    QLabel* didascaliaImmagine = nullptr; // Label1(5)
    QLineEdit* Text9 = nullptr;           // the picture's file name, or "senza"
    QPushButton* Command1 = nullptr;      // chooses the picture
    QLabel* didascaliaCantiere = nullptr; // Label1(1), shown for the in-situ kinds
    QLineEdit* Text16 = nullptr;

    // The certificate.
    QLabel* didascaliaCertificato = nullptr; // Label1(12)
    QLineEdit* Text4 = nullptr;
    QLabel* didascaliaEnte = nullptr; // Label1(2)
    QLineEdit* Text6 = nullptr;
    QLabel* didascaliaSocieta = nullptr; // Label1(3)
    QLineEdit* Text7 = nullptr;
    QLabel* didascaliaData = nullptr; // Label1(4)
    QCalendarWidget* MonthView1 = nullptr;

    // The band column and the ratings beside it.
    QLabel* didascaliaFrequenze = nullptr;                           // Label1(0)
    QLabel* Label2 = nullptr;                                        // over the band values
    std::array<QLineEdit*, RecordSchema::NumeroBande> frequenze{};   // Text1(0..20), read only
    std::array<CasellaNumerica*, RecordSchema::NumeroBande> bande{}; // Text2(0..20)
    std::array<QLineEdit*, NumeroValutazioni> nomiValutazioni{};     // Text1(21..23), read only
    std::array<CasellaNumerica*, NumeroValutazioni> valutazioni{};   // Text2(21..23)
    ValutazioniEditor* valutazioniCalcolate = nullptr;               // computed beside the rating boxes
    QPushButton* IncollaBande = nullptr;

    // The structure row, by the place RecordSchema::Posizione gives a physical column.
    std::array<QLabel*, NumeroStruttura> didascalieStruttura{}; // Label1(6..10)
    std::array<CasellaNumerica*, NumeroStruttura> struttura{};  // Text10..Text14

    QPushButton* Command2 = nullptr; // "Ok"
    QPushButton* Command3 = nullptr; // "Annulla"

    // Creates every control on the window with its design text and place, in tab order.
    static ControlliForm3 Crea(QDialog* finestra);

    // Every "Label1(n)" caption of a box but the band column's.
    std::array<QLabel*, 15> DidascalieCaselle() const;

    static void ImpostaColore(QWidget* w, QPalette::ColorRole ruolo, const QColor& colore);
};
