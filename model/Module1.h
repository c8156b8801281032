// Which table the browser shows (set only by the category tree) and the band labels.
#pragma once

#include "RecordSchema.h"

#include <QString>
#include <array>

namespace Module1 {
extern int CategoriaCorrente;
extern QString CartellaCategoria; // "\" + folder + "\" for experimental files, "\" otherwise
extern QString NomeDatabase;      // file name without ".mdb"
extern QString NomeTabella;
extern std::array<QString, RecordSchema::NumeroBande> EtichetteBande; // "50 Hz" .. "5000 Hz"

void RiempiEtichetteBande();
// Data folder + "/Databases/Database" + CartellaCategoria + NomeDatabase + ".mdb".
QString PercorsoDatabaseCorrente(const QString& cartellaDati);
void Azzera(); // back to the state before any table was chosen (for tests)
} // namespace Module1
