// Where an element of a design project came from: a library entry, named by its database
// file (relative to the data folder, with "/"), its table and its "Nome".
#pragma once

#include <QString>

struct FonteVoce
{
    QString file;    // "Databases/Database/Database_sperimentale.mdb"
    QString tabella; // "Rw_laboratorio"
    QString nome;    // the entry's "Nome"
    bool operator==(const FonteVoce&) const = default;
};
