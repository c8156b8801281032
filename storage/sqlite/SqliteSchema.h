// SQL text that lays out material and catalogue tables in the program's own engine,
// shared by the data builder, the importer and the tests.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace SqliteSchema {
// Written into every file the program creates, so that the files can be told apart from
// other SQLite files when someone looks at them ("ZELM").
constexpr int IdentificativoApplicazione = 0x5A454C4D;

// "name" with embedded quotes doubled: safe for any table or column name.
QString QuotaIdentificatore(const QString& nome);
// CREATE TABLE with the columns in order; numeric columns typed REAL, others TEXT.
QString CreaTabella(const QString& tabella, const QStringList& colonne,
                    const std::function<bool(const QString&)>& isNumerica);
// The "Nome" index of a table. Index names are unique per file in this engine, so the
// stored index is called "<table>.Nome"; the storage layer finds it by its column.
QString CreaIndiceNome(const QString& tabella);
// The name check's index: the column's upper-case form, as the function zelmar_maiuscolo,
// registered on every connection of the program, makes it for every alphabet ("straße" is
// "STRASSE"). Another program that lacks the function can still read the table.
QString Maiuscolo(const QString& colonnaQuotata);
QString NomeIndiceMaiuscolo(const QString& tabella, const QString& colonna);
QString CreaIndiceMaiuscolo(const QString& tabella, const QString& colonna);
} // namespace SqliteSchema
