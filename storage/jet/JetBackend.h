// Read-only access to genuine Jet ".mdb" files, converted into the program's own engine
// by the reader process and read through it.
#pragma once

#include "storage/Database.h"

#include <QByteArray>

namespace JetBackend {
// True when the first bytes of a file are those of an Access database: Jet 3 and Jet 4
// files, which Open reads, and ACE (Access 2007 and later) files, which Open refuses
// with a message that says how to convert them.
bool IsJetHeader(const QByteArray& primiByte);
// True for the first bytes of an ACE (Access 2007 and later) file.
bool IsAceHeader(const QByteArray& primiByte);
// What the user is told when a change is asked of a Jet file: the file's name, that it
// can be read but not written in this format, and how to import it.
QString MessaggioSolaLettura(const QString& percorso);
// Throws DbException when the file cannot be read as a Jet database, or the reader cannot.
std::unique_ptr<Database> Open(const QString& percorso);
} // namespace JetBackend
