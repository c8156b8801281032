// The rating line of an entry, "Rw(C,Ctr)= 52(-1, -4) dB": the kind's start and its rating
// columns' values, a column without a value leaving its place empty. The main window shows
// it in the system's number form; the comparison and the data sheet repeat it in their own.
#pragma once

#include "Categorie.h"
#include "RecordMateriale.h"

#include <QLocale>
#include <QString>

class RigaValutazione
{
public:
    static QString Di(const RecordMateriale& record, const TipoMateriale& tipo,
                      const QLocale& locale = QLocale());
};
