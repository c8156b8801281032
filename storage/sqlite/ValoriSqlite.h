// A statement's column as the program reads it: text as UTF-8, a number as a double,
// bytes as they are, Null as a null QVariant; and names quoted for a statement.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <sqlite3.h>

namespace ValoriSqlite {
// The bytes without a copy: valid until the statement steps on.
QByteArray Byte(sqlite3_stmt* istruzione, int indice);
QString Testo(sqlite3_stmt* istruzione, int indice);
QVariant Valore(sqlite3_stmt* istruzione, int indice);
// A value's bytes as the list shows it: text as stored, a number as Valore reads it.
QByteArray Utf8(sqlite3_stmt* istruzione, int indice);
// A number as text, as the list shows it.
QByteArray NumeroUtf8(double numero);
// "name" with embedded quotes doubled: safe for any table or column name.
QString Quota(const QString& nome);
} // namespace ValoriSqlite
