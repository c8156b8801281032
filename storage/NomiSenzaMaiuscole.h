// Files copied from a system that ignores letter case keep names in any case
// ("INTERFMESS.MDB", "partizioni verticali (rw)", "MURO.JPG"): finds the file or folder a
// path means when no name of that exact case exists.
#pragma once

#include <QString>

class NomiSenzaMaiuscole
{
public:
    // The path itself when it exists; else the path whose every missing part is replaced by
    // the name in its folder that differs from it only in letter case, the first in name
    // order when several do; else the path itself. A closing "/" is kept.
    static QString Trova(const QString& percorso);
};
