// A table cursor: rows in stored order, fields read and written by column name,
// the "Nome" index with an equality seek, and pending rows committed whole by Update.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

class Recordset
{
public:
    virtual ~Recordset() = default;

    // Exact number of rows.
    virtual int RecordCount() = 0;
    virtual void MoveFirst() = 0;
    virtual void MoveNext() = 0;
    // True when there is no current row (past the last row, or an empty table).
    virtual bool Eof() const = 0;

    // Read: a null QVariant for Null, a QString for text, a double for numbers.
    virtual QVariant Field(const QString& colonna) const = 0;
    // Write into the pending row (after AddNew or Edit). Text for a numeric column is
    // converted with the current locale's decimal separator; throws DbException on a
    // conversion error or a column the table lacks.
    virtual void SetField(const QString& colonna, const QString& testo) = 0;
    virtual bool HasField(const QString& colonna) const = 0;
    // Every column of the table, in the table's order.
    virtual QStringList NomiColonne() const = 0;

    // Selects an index by name; only "Nome" exists in our tables.
    virtual void SetIndex(const QString& nomeIndice) = 0;
    // Only the "=" comparison is supported. Makes the first row in index order (the
    // earliest stored among equal keys) current, or sets NoMatch.
    virtual void Seek(const QString& confronto, const QString& chiave) = 0;
    virtual bool NoMatch() const = 0;

    virtual void AddNew() = 0;
    virtual void Edit() = 0;
    // Commits the pending row atomically.
    virtual void Update() = 0;
    // Removes the current row at once.
    virtual void Delete() = 0;
    // Discards any pending row.
    virtual void Close() = 0;

    // Whole-table reads for the list and the name checks. Both leave the cursor past the
    // last row and throw DbException as Field does. The plain versions walk the cursor;
    // an engine may answer them faster.

    // One value as text: UTF-8 bytes, valid until riga returns; a number reads as
    // Field(...).toString() would give it.
    struct TestoLetto
    {
        const char* utf8 = nullptr;
        qsizetype lunghezza = 0;
        bool nullo = true;
        QString Testo() const { return QString::fromUtf8(utf8, lunghezza); }
    };
    // Every row from the first in stored order: the values of the named columns, in the
    // order of colonne, handed to riga.
    virtual void LeggiTesti(const QStringList& colonne,
                            const std::function<void(const TestoLetto* valori)>& riga);
    // Whether some row's value in colonna, as text in upper case, equals maiuscolo (a text
    // already in upper case). Rows without a value never match.
    virtual bool ContieneMaiuscolo(const QString& colonna, const QString& maiuscolo);
};
