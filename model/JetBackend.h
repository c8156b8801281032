// Read-only access to genuine Jet ".mdb" files, behind the same interface as the
// program's own engine.
#pragma once

#include "Database.h"

#include <QByteArray>

namespace JetBackend {
// True when the first bytes of a file are those of a Jet 3 or Jet 4 database.
bool IsJetHeader(const QByteArray& primiByte);
// Throws DbException when the file cannot be read as a Jet database.
std::unique_ptr<Database> Open(const QString& percorso);
} // namespace JetBackend
