// Hands one file's bytes to the program the way a user would: as the message catalogue,
// as a database listed in the category tree, as the custom database the editor saves into.
// Shared by the fuzzer and by the regression test of the hostile files it found.
#pragma once

#include <QByteArray>
#include <QString>

namespace EsploraFile {

// What to do with the bytes besides reading them.
struct Opzioni
{
    int codice = 1;         // kind code used for the detail display and the save
    bool scritture = false; // also save, modify and delete entries in the file
};

// Points the program's settings at a program folder and a data folder below radice.
// Call once before Esplora.
void Prepara(const QString& radice);

// Writes the bytes as the catalogue and the custom database of the prepared data folder,
// then loads the catalogue, lists every table, shows some entries and (with scritture)
// saves and deletes. Every failure the storage layer reports is swallowed; anything else
// (a crash, an exception of another type) is a fault of the program.
// Returns how many operations the storage layer refused.
int Esplora(const QByteArray& contenuto, const Opzioni& opzioni);

} // namespace EsploraFile
