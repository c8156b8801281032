// A table cursor: rows in stored order, fields read and written by column name, an
// equality seek on the "Nome" index, and pending rows committed whole by Update. The
// whole-table reads of the use cases are LettureTabella's, reached from here.
#pragma once

#include "FiltroTesti.h"
#include "LettureTabella.h"
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

    // The whole-table reads of the list and the name check (LettureTabella), made apart
    // from the cursor, which is left with no current row and nothing pending.
    using Elenco = LettureTabella::Elenco;
    Elenco LeggiElenco(const QString& colonnaNome, const QString& colonnaParola, bool paroleChiave,
                       const std::optional<QString>& soloParola)
    {
        return Letture().LeggiElenco(colonnaNome, colonnaParola, paroleChiave, soloParola);
    }
    bool ContieneIgnorandoMaiuscole(const QString& colonna, const QString& testo)
    {
        return Letture().ContieneIgnorandoMaiuscole(colonna, testo);
    }
    // The table's whole-table reads, once the cursor has let go of its row.
    virtual LettureTabella& Letture() = 0;

    // Reads the named columns of every row in stored order and hands each row to riga, until
    // it returns false. Throws DbException, before any row, for a column the table lacks.
    // Where the cursor stands afterwards is undefined (MoveFirst starts again). This one
    // steps the cursor row by row; an engine may read faster.
    virtual void LeggiColonne(const QStringList& colonne, const std::function<bool(const RigaLetta&)>& riga);
    // As LeggiColonne, for the rows the filter keeps; riga also gets the row's place in stored
    // order (0 for the first row). Returns the number of rows looked at. This one tests each
    // row as LeggiColonne hands it over; an engine may test inside its own read.
    using RigaFiltrata = std::function<bool(const RigaLetta&, qint64 posto)>;
    virtual qint64 LeggiColonneFiltrate(const QStringList& colonne, const FiltroTesti& filtro,
                                        const RigaFiltrata& riga);
};
