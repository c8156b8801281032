// Reads Jet files in a reader process (zelmar-lettore-jet, beside the program): libmdb
// trusts the bytes it walks, and a damaged file can make it crash, loop or eat memory.
// The reader runs with a time and a memory limit; when it fails, the file is refused
// with a message and the program goes on. Files read are kept (the last few, by path
// and content), since the list and the entry display open a file again on every click.
#pragma once

#include "FileJetLetto.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace LettoreJetIsolato {

// The file's tables, or the error that stopped the reading in codiceErrore. contenuto
// is the file's content: the reader is handed these bytes, not the path.
std::shared_ptr<const FileJetLetto> Leggi(const QString& percorso, const QByteArray& contenuto);

// The reader beside the program (or in the build tree); empty when there is none, and
// the files are then read in this process.
QString ProgrammaPredefinito();
// Another reader, or none (empty: read in this process). Forgets the files read.
void ImpostaProgramma(const QString& programma);
void ImpostaTempoMassimo(int millisecondi);

// The reader's side: reads a file's bytes from standard input, writes what it read to
// standard output. percorso names the file in the messages. Returns the exit status.
int Servi(const QString& percorso);

} // namespace LettoreJetIsolato
