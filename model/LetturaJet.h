// The reading of a Jet ".mdb" file through libmdb: the checks made before libmdb sees
// the bytes, and the whole file read into tables. libmdb trusts what it reads, so the
// program does this in a reader process of its own (LettoreJetIsolato); a file that
// crashes or stalls libmdb then costs that process, not the program.
#pragma once

#include "FileJetLetto.h"

#include <QByteArray>
#include <QString>

namespace LetturaJet {

// 3 or 4 for a file whose header and size are those of a Jet 3 or Jet 4 database; throws
// DbException, with a message naming percorso, for any other file.
int ControllaFile(const QByteArray& contenuto, const QString& percorso);

// Reads every user table of the file. Never throws: a file that cannot be opened comes
// back with its error, a table that cannot be read with the table's.
FileJetLetto Leggi(const QByteArray& contenuto, const QString& percorso);

} // namespace LetturaJet
