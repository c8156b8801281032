// Which database file of the program lives on a server instead: a laboratory's custom
// database, shared by its engineers. Every opening of that path (DBEngine::OpenDatabase)
// opens the server's database, whose tables are created on first use as described here.
#pragma once

#include "storage/DefinizioneTabella.h"

#include <QString>
#include <optional>
#include <vector>

namespace ServerCondiviso {

struct Collegamento
{
    QString conninfo; // a libpq connection string
    std::vector<DefinizioneTabella> tabelle;
};

void Collega(const QString& percorso, const Collegamento& collegamento);
// Every path back to its file.
void ScollegaTutti();
std::optional<Collegamento> Per(const QString& percorso);
// How messages name the database of a path: «lab» on the server «host:5432», or «path».
QString NomePerMessaggi(const QString& percorso);

} // namespace ServerCondiviso
