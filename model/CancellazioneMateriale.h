// Deletes one entry, found by its name on the "Nome" index, from a table the user may
// change. Only the first of several entries with the same name goes.
#pragma once

#include "ListaMateriali.h"

#include <QString>

class CancellazioneMateriale
{
public:
    // True when a record was found and deleted; false when the table is empty or holds
    // no such name. Throws DbException when the file cannot be opened or changed
    // (read-only, locked, a format this program only reads) or the index is missing.
    // The deletion is one write transaction; versioni, when given, receives the table's
    // version before it and after its commit.
    static bool Cancella(const QString& percorso, const QString& tabella, const QString& nome,
                         ListaMateriali::Versioni* versioni = nullptr);
};
