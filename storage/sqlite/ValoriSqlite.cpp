#include "ValoriSqlite.h"

#include "SqliteSchema.h"

namespace ValoriSqlite {

QByteArray Byte(sqlite3_stmt* istruzione, int indice)
{
    return QByteArray::fromRawData(static_cast<const char*>(sqlite3_column_blob(istruzione, indice)),
                                   sqlite3_column_bytes(istruzione, indice));
}

QString Testo(sqlite3_stmt* istruzione, int indice)
{
    return QString::fromUtf8(Byte(istruzione, indice));
}

QVariant Valore(sqlite3_stmt* riga, int indice)
{
    switch (sqlite3_column_type(riga, indice)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return double(sqlite3_column_int64(riga, indice));
    case SQLITE_FLOAT:
        return sqlite3_column_double(riga, indice);
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(riga, indice)),
                          sqlite3_column_bytes(riga, indice));
    default:
        return Testo(riga, indice);
    }
}

QByteArray Utf8(sqlite3_stmt* riga, int indice)
{
    const int tipo = sqlite3_column_type(riga, indice);
    if (tipo == SQLITE_INTEGER || tipo == SQLITE_FLOAT)
        return NumeroUtf8(Valore(riga, indice).toDouble());
    return Byte(riga, indice);
}

QByteArray NumeroUtf8(double numero)
{
    return QVariant(numero).toString().toUtf8();
}

QString Quota(const QString& nome)
{
    return SqliteSchema::QuotaIdentificatore(nome);
}

} // namespace ValoriSqlite
