// What the main window shows of the selected entry, handed to the editor when it opens:
// in modify mode the editor starts from exactly this, not from the database.
#pragma once

#include "model/Categorie.h"
#include "model/RecordMateriale.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

struct MaterialeMostrato
{
    QString nomeSelezionato;               // the selected line of the material list
    std::optional<RecordMateriale> record; // the entry shown; none while the display is blank
    // The ratings the main window keeps, from the last entries that had them.
    std::array<double, NumeroValoriConservati> conservati{};
    QStringList paroleChiave; // every line of the main window's keyword box, line 0 included
    // The information window's calendar: the entry's test date, or for an entry without one
    // what the calendar kept of the entries shown before; invalid when nothing is shown.
    QDate dataCalendario;
};
