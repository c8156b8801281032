// A laboratory's shared custom database: the eight custom tables of the table of kinds as
// the server keeps them, and the custom database file's path put on the server named by a
// libpq connection string, so that the list, the display, the save and the deletion use
// the server without knowing it.
#pragma once

#include "storage/DefinizioneTabella.h"

#include <QString>
#include <vector>

namespace DatabaseCondiviso {
// The custom table of every kind that has one, with its columns, in the tree's order.
std::vector<DefinizioneTabella> Tabelle();
// Puts the database file at percorso on the server. A password in the string is left out
// (the password comes from ~/.pgpass or PGPASSWORD, as libpq reads them); the result then
// says so, for the user. Empty otherwise.
QString Collega(const QString& percorso, const QString& conninfo);
} // namespace DatabaseCondiviso
