// The entry's picture: the file last chosen in the editor's dialog, kept while the
// program runs, and its copy into a category's image folder when the entry is saved.
#pragma once

#include <QString>

namespace ImmagineMateriale {

// Full path of the file last chosen in the dialog; empty until the first choice.
extern QString PercorsoImmagineScelta;

// The file name after the last folder separator of a path.
QString NomeFile(const QString& percorso);

// Copies PercorsoImmagineScelta into the image folder of cartellaCategoria under
// nomeFile, never replacing a file already there. Every failure is silent: the
// entry keeps the name whether or not the picture arrived.
void CopiaImmagineScelta(const QString& cartellaCategoria, const QString& nomeFile);

// Stores the picture of the image folder on the server of a shared custom database, for the
// other workstations. Every failure is silent, as the copy's.
void CondividiImmagine(const QString& percorsoDatabase, const QString& cartellaCategoria,
                       const QString& nomeFile);

} // namespace ImmagineMateriale
