// Finds one entry again by its name (one seek on the "Nome" index) and reads its row:
// every column the kind's tables carry.
#pragma once

#include "RecordMateriale.h"

#include <QString>
#include <optional>

class DettaglioMateriale
{
public:
    // Opens the file and the table, seeks the name and closes both again. nullopt when no
    // entry has the name, or the code is no kind. Throws DbException when the file, table,
    // index or a column cannot be read.
    static std::optional<RecordMateriale> Leggi(const QString& percorso, const QString& tabella, int codice,
                                                const QString& nome);
};
