// SQL text that lays out the shared database on the server: the material tables with the
// program's columns (numbers in double precision, texts as text), the key that keeps their
// rows in the order they were stored, the indexes on "Nome" (as it is, and in upper case
// for the name check), the pictures, and the privileges of the engineers' group.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace PgSchema {
// The serial key of every material table: its rows in the order they were stored.
inline const QString ColonnaOrdine = QStringLiteral("zelmar_ordine");
// The pictures of the entries: category folder, file name and the file's bytes.
inline const QString TabellaImmagini = QStringLiteral("zelmar_immagini");
// Every material table's count of changes, raised by one at every statement that changes
// the table, by a trigger of the table: a list kept aside knows by it whether it is still
// what the table holds.
inline const QString TabellaVersioni = QStringLiteral("zelmar_versioni");
inline const QString NomeTriggerVersione = QStringLiteral("zelmar_versione");
// The group role whose members, the engineers' own roles, read and write the tables.
inline const QString RuoloGruppo = QStringLiteral("zelmar_utenti");

// "name" with embedded quotes doubled: safe for any table or column name.
QString Quota(const QString& nome);
// A material table with its key, its columns in order, and its indexes, as statements.
QString CreaTabella(const QString& tabella, const QStringList& colonne,
                    const std::function<bool(const QString&)>& isNumerica, bool collazioneIcu);
QString CreaTabellaImmagini();
// The table of the counts and the function their triggers run.
QString CreaVersioni();
// Reading and writing for the group role.
QString Privilegi(const QString& tabella);
// The expression whose value the name check compares: the column in upper case for every
// alphabet where the server has ICU's collations ("straße" is "STRASSE"), by the database's
// own rules otherwise.
QString Maiuscolo(const QString& colonnaQuotata, bool collazioneIcu);
} // namespace PgSchema
