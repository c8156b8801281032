// Converts Access files in a reader process (zelmar-lettore-jet, beside the program):
// libmdb trusts the bytes it walks, and a damaged file can make it crash, loop or eat
// memory. The reader runs with a time and a memory limit; when it fails, the file is
// refused with a message and the program goes on. The reader sends the conversion back
// as a database image; files converted are remembered (ConversioniRicordate).
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

namespace LettoreJetIsolato {

// The image of the file converted into the program's own engine (LetturaJet::Converti).
// Throws DbException, with a message naming the file, when the file is missing, is no
// Jet file, is damaged, or the reader cannot be found or started.
std::shared_ptr<const QByteArray> Converti(const QString& percorso);

// The reader beside the program (or in the build tree); empty when there is none.
QString ProgrammaPredefinito();
// Another reader (for tests and benchmarks). Forgets the files converted.
void ImpostaProgramma(const QString& programma);
void ImpostaTempoMassimo(int millisecondi);

// The reader's side: reads a file's bytes from standard input and writes the image of
// its conversion to standard output (exit status 0), or the error number and description
// on two lines (exit status 1). percorso names the file in the messages.
int Servi(const QString& percorso);

} // namespace LettoreJetIsolato
