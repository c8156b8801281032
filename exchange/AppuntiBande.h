// Band values through the clipboard: the text a spreadsheet or an analyser export puts
// there, read as the 21 values of 50-5000 Hz or the 16 of 100-3150 Hz, and an entry's 21
// values written as one tab-separated row.
#pragma once

#include "rating/MotoreValutazione.h"

#include <QList>
#include <QString>

namespace AppuntiBande {

struct Lettura
{
    int primaBanda = 0;   // 0 for 21 values, 3 (100 Hz) for 16
    QList<double> valori; // in band order from primaBanda
    QString errore;       // what was found instead, for the user; empty when accepted
    bool Accettata() const { return errore.isEmpty(); }
};

// Values are separated by tabs, line breaks, semicolons or blanks, with "," or "." as the
// decimal separator. An empty cell between two values (two tabs or semicolons in a row)
// names its band and refuses the text, as does any other count or anything not a number.
Lettura Leggi(const QString& testo);

// One row of 21 fields separated by tabs, numbers in the locale's form, an empty field for a
// band without a value.
QString Riga(const MotoreValutazione::Bande& bande);

} // namespace AppuntiBande
