// The tables the program expects in a database file of its own, by the file's path: a
// laboratory's custom database holds one table for each kind that has one. Opening such a
// file (DBEngine::OpenDatabase) creates the tables it lacks, with their columns and their
// "Nome" index, inside one write transaction; a file that cannot be written opens all the
// same, read-only, and opening a table it lacks says so, naming the file and the table.
#pragma once

#include "DefinizioneTabella.h"

#include <vector>

namespace TabellePreviste {
void Prevedi(const QString& percorso, const std::vector<DefinizioneTabella>& tabelle);
// Every path back to no expected table.
void DimenticaTutte();
// None when nothing is expected of the file.
std::vector<DefinizioneTabella> Per(const QString& percorso);
} // namespace TabellePreviste
