// Finds one entry again by its name (one seek on the "Nome" index) and reads the fields
// that the detail display shows for the entry's kind.
#pragma once

#include "SchedaMateriale.h"

#include <QString>

class Recordset;

class DettaglioMateriale
{
public:
    // Opens the file and the table, seeks the name and closes both again. A code that is
    // no kind reads nothing. Throws DbException when the file, table, index or a field
    // cannot be read.
    static SchedaMateriale Leggi(const QString& percorso, const QString& tabella, int codice,
                                 const QString& nome);

    // The same reading on a record that is already current.
    static SchedaMateriale LeggiCorrente(const Recordset& rs, int codice);

    // "Rw(C,Ctr)= 52(-1, -4) dB": the kind's pieces with the record's values; a field
    // without a value leaves its place empty.
    static QString RigaValutazione(const Recordset& rs, const VistaTipo& vista);
};
