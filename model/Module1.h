// The shown table under its long-standing module-level names: a mirror the main window writes
// when its tree chooses a table. Nothing reads it to decide anything; the table is handed on
// as a TabellaCorrente. And the band labels.
#pragma once

#include "RecordSchema.h"
#include "TabellaCorrente.h"

#include <QString>
#include <array>

namespace Module1 {
extern int CategoriaCorrente;
extern QString CartellaCategoria; // "\" + folder + "\" for experimental files, "\" otherwise
extern QString NomeDatabase;      // file name without ".mdb"
extern QString NomeTabella;
extern std::array<QString, RecordSchema::NumeroBande> EtichetteBande; // "50 Hz" .. "5000 Hz"

void RiempiEtichetteBande();
// The main window's only write of the four names above.
void Rispecchia(const TabellaCorrente& corrente);
} // namespace Module1
