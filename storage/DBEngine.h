// Entry point of the storage layer: opens a database file with the right backend.
#pragma once

#include "Database.h"

namespace DBEngine {
// A path the laboratory keeps on a server (ServerCondiviso) opens the server's database.
// Throws DbException when the file is missing, damaged, foreign or held exclusively
// elsewhere. With esclusivo set, other connections are refused while this one is open.
std::unique_ptr<Database> OpenDatabase(const QString& percorso, bool esclusivo = false);
// Creates a new, empty database file of the program's own engine (for tools and tests).
std::unique_ptr<Database> CreateDatabase(const QString& percorso);
} // namespace DBEngine
