// What the main window shows for the selected entry, handed to the editor in modify
// mode: the editor copies its initial values from here, not from the database.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>

struct MaterialeMostrato
{
    QString nomeSelezionato;           // text of the selected line of the material list
    QString descrizione;               // the main window's description box
    std::array<QString, 21> bande;     // the main window's band boxes Text1(0..20)
    std::array<QString, 12> form2;     // the information window's boxes Text1(0..11)
    QDate dataCalendario;              // the information window's calendar
    QStringList paroleChiave;          // every line of the main window's keyword box, line 0 included

    // Ratings kept from the last entries shown.
    double ValoreRw = 0;
    double ValoreLnw = 0;
    double ValoreDLw = 0;
    double ValoreDnew = 0;
    double ValoreC = 0;
    double ValoreCtr = 0;
    double ValoreCi = 0;
    double ValoreCEsteso = 0;
};
