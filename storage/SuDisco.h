// Makes what was written to a file, or done to the names of a folder, last through a crash
// or a power cut: the file's or the folder's fsync.
#pragma once

#include <QString>

namespace SuDisco {
// False when the file or folder cannot be opened or synced.
bool Sincronizza(const QString& percorso);
} // namespace SuDisco
