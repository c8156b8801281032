// A table cursor: rows in stored order, fields read and written by column name, an
// equality seek on the "Nome" index, and pending rows committed whole by Update. Also the
// two whole-table reads the material list and the save's name check make in one go.
#pragma once

#include "ElencoTesti.h"
#include "RigaLetta.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

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

    // Read: a null QVariant for Null, a QString for text, a double for numbers, a
    // QByteArray for bytes (binary columns of Access files).
    virtual QVariant Field(const QString& colonna) const = 0;
    // Write into the pending row (after AddNew or Edit). Text for a numeric column is
    // converted with the current locale's decimal separator; throws DbException on a
    // conversion error or a column the table lacks.
    virtual void SetField(const QString& colonna, const QString& testo) = 0;
    virtual bool HasField(const QString& colonna) const = 0;
    // The table's columns, in order.
    virtual QStringList FieldNames() const = 0;

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

    // What the material list shows of a table, read in one pass in stored order: the
    // names (rows without one are left out) and, when asked, the distinct keywords in
    // order of first appearance (Null left out). With soloParola only the rows whose
    // keyword equals it exactly are listed. The cursor is left past the last row.
    // With the keywords, each listed row's keyword too, as its place in paroleChiave (-1 for
    // none); left empty when some row has no name or two keywords read as one text.
    struct Elenco
    {
        ElencoTesti nomi;
        QStringList paroleChiave;
        std::vector<qint32> parolaRiga;
    };
    virtual Elenco LeggiElenco(const QString& colonnaNome, const QString& colonnaParola, bool paroleChiave,
                               const std::optional<QString>& soloParola) = 0;
    // Whether some row's value in colonna equals testo when letter case is ignored, for
    // every alphabet ("città" and "CITTÀ" are equal). Rows without a value never match.
    virtual bool ContieneIgnorandoMaiuscole(const QString& colonna, const QString& testo) = 0;

    // Reads the named columns of every row in stored order and hands each row to riga, until
    // it returns false. Throws DbException, before any row, for a column the table lacks.
    // Where the cursor stands afterwards is undefined (MoveFirst starts again). This one
    // steps the cursor row by row; an engine may read faster.
    virtual void LeggiColonne(const QStringList& colonne, const std::function<bool(const RigaLetta&)>& riga);
};
