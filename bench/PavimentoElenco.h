// The floor of a list fill: the list's own query over a table, every name copied into one
// block, with nothing else done; what no program listing those names can go below.
#pragma once

#include <QString>

namespace PavimentoElenco {
// Returns the number of names read (0 when the file or table cannot be read).
int LeggiECopiaNomi(const QString& file, const QString& tabella);
} // namespace PavimentoElenco
