// Entry point of the storage layer: opens a database file with the right backend.
#pragma once

#include "Database.h"

namespace DBEngine {
enum class Uso
{
    Lettura,   // reads only: changes no byte of the file (but to add the tables expected of
               // it, TabellePreviste) and leaves no file beside it
    Scrittura, // reads and writes, sharing the file with other programs
    Esclusivo, // reads and writes; nobody else may open the file until it is closed
};
// A path the laboratory keeps on a server (ServerCondiviso) opens the server's database.
// A file whose name differs only in letter case stands for a missing one. A file of the
// program's own engine gets the tables expected of it (TabellePreviste) that it lacks.
// Throws DbException when the file is missing, damaged, foreign or held exclusively
// elsewhere.
std::unique_ptr<Database> OpenDatabase(const QString& percorso, Uso uso = Uso::Scrittura);
// Creates a new, empty database file of the program's own engine (for tools and tests).
std::unique_ptr<Database> CreateDatabase(const QString& percorso);
} // namespace DBEngine
