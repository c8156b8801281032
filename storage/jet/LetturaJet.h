// The conversion of a Jet ".mdb" file through libmdb: the checks made before libmdb sees
// the bytes, and every table of the file read into a database of the program's own
// engine held in memory. libmdb trusts what it reads, so the program does this in a
// reader process of its own (LettoreJetIsolato); a file that crashes or stalls libmdb
// then costs that process, not the program.
#pragma once

#include <QByteArray>
#include <QString>

namespace LetturaJet {

// 3 or 4 for a file whose header and size are those of a Jet 3 or Jet 4 database; throws
// DbException, with a message naming percorso, for any other file.
int ControllaFile(const QByteArray& contenuto, const QString& percorso);

// The file converted, as the image of a database of the program's own engine: the same
// tables in the same order, columns, values and stored order, and the "Nome" index
// wherever a table has a "Nome" column. A table that cannot be read is left out and
// named, with the reason, in the list DatabaseAccess reads. Throws DbException when the
// file itself cannot be read.
QByteArray Converti(const QByteArray& contenuto, const QString& percorso);

} // namespace LetturaJet
