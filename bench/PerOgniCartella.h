// The main loop of the benchmarks that open the real windows on data folders named on the
// command line: each folder measured in turn, with the message boxes answered automatically.
#pragma once

#include <QStringList>
#include <functional>

// Runs misura on every folder of cartelle: 0 when each went through, 1 when one did not, 2
// (with the usage printed) when no folder was named.
int PerOgniCartella(const QStringList& cartelle, const char* programma,
                    const std::function<bool(const QString&)>& misura);
// False, with the message printed, when a message box came up since the folder's start.
bool NessunMessaggio();
