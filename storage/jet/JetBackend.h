// Read-only access to genuine Jet ".mdb" files (see FirmaJet), converted into the program's
// own engine by the reader process and read through it.
#pragma once

#include "storage/Database.h"

namespace JetBackend {
// What the user is told when a change is asked of a Jet file: the file's name, that it
// can be read but not written in this format, and how to import it.
QString MessaggioSolaLettura(const QString& percorso);
// Throws DbException when the file cannot be read as a Jet database, or the reader cannot.
std::unique_ptr<Database> Open(const QString& percorso);
} // namespace JetBackend
