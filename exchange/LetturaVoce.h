// Reads one entry for output: finds it by its name on the table's "Nome" index, as the
// display does (the first of equal names in index order), and rates its bands.
#pragma once

#include "exchange/DatiVoce.h"

#include <optional>

class Recordset;

class LetturaVoce
{
public:
    // Nothing when no entry carries the name or the code is no kind. Throws DbException
    // when the file, the table or a field cannot be read.
    static std::optional<DatiVoce> Leggi(const QString& file, const QString& tabella, int codice,
                                         const QString& nome);
    // The same on the current record of an open table.
    static DatiVoce LeggiCorrente(const Recordset& rs, int codice);
};
