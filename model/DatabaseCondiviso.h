// A laboratory's custom database: the custom tables of the table of kinds, which a custom
// database file gets when it lacks them, and the file's path put on the server named by a
// libpq connection string, so that the list, the display, the save and the deletion use
// the server without knowing it.
#pragma once

#include "storage/DefinizioneTabella.h"

#include <QString>
#include <vector>

namespace DatabaseCondiviso {
// The custom table of every kind that has one, with its columns, in the tree's order.
std::vector<DefinizioneTabella> Tabelle();
// The custom database file at percorso gets the custom tables it lacks whenever it is opened.
void Prevedi(const QString& percorso);
// Puts the database file at percorso on the server (and Prevedi). A password in the string is left out
// (the password comes from ~/.pgpass or PGPASSWORD, as libpq reads them); the result then
// says so, for the user. Empty otherwise.
QString Collega(const QString& percorso, const QString& conninfo);
} // namespace DatabaseCondiviso
