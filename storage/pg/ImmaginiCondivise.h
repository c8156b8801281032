// The pictures of a shared custom database: a picture chosen on one workstation is stored
// on the server under its category folder and file name, and a workstation that shows an
// entry whose picture its own image folder lacks fetches it from there into the folder,
// from which the display then loads it as always.
#pragma once

#include <QString>

namespace ImmaginiCondivise {
// Stores the file on the server of the database at percorsoDatabase, unless the server has
// a picture of that folder and name already. Nothing when the database is a file. Throws
// DbException when the server cannot be reached.
void Condividi(const QString& percorsoDatabase, const QString& cartella, const QString& nome,
               const QString& file);
// Writes the server's picture of that folder and name to destinazione when destinazione is
// missing (in any letter case) and the server has one; never replaces a file. True when destinazione exists
// afterwards. Every failure (no server, no picture, no folder) is a false.
bool Procura(const QString& percorsoDatabase, const QString& cartella, const QString& nome,
             const QString& destinazione);
} // namespace ImmaginiCondivise
