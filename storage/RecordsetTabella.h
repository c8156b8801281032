// What the file and server cursors share: a table of known columns, the row being written,
// the seek's outcome and the table's whole-table reads. AddNew starts a new row, Edit the
// current one; SetField checks the column and converts the text; Update hands the values to
// the engine, which inserts the new row or writes over the one being edited; moving the
// cursor gives the pending row up. An engine supplies the reading of rows (the current
// row's key and values, the seek), and the insert and the update.
#pragma once

#include "ColonneTabella.h"
#include "Recordset.h"

#include <map>
#include <memory>

class RecordsetTabella : public Recordset
{
public:
    // Column index -> value (a double for a numeric column, a QString otherwise), in column order.
    using Valori = std::map<int, QVariant>;

    QVariant Field(const QString& colonna) const override;
    void SetField(const QString& colonna, const QString& testo) override;
    bool HasField(const QString& colonna) const override;
    QStringList FieldNames() const override;
    // Only the "=" comparison is supported.
    void Seek(const QString& confronto, const QString& chiave) override;
    bool NoMatch() const override { return noMatch_; }
    void AddNew() override;
    void Edit() override;
    // Removes the current row at once; the cursor then stands where it was, without a row,
    // until it moves on.
    void Delete() override;
    void Close() override;
    LettureTabella& Letture() override;

protected:
    // The table's columns and reads; a non-empty solaLettura makes every change fail with it.
    void Imposta(ColonneTabella colonne, std::unique_ptr<LettureTabella> letture,
                 const QString& solaLettura = QString());
    const ColonneTabella& Colonne() const { return colonne_; }
    const QString& Tabella() const { return colonne_.tabella; }
    [[noreturn]] void NessunaRigaCorrente() const;
    // Throws once the cursor was closed.
    void VerificaAperto() const;
    // Throws when the cursor was closed or the file is only read.
    void VerificaScrivibile() const;
    void AnnullaModifica();
    // Commits the pending row through Inserisci or Aggiorna, then gives it up; throws, with
    // the row still pending, when there is none or the engine fails.
    void ScriviInSospeso();

    // The current row's key, and its values by column (throw NessunRecordCorrente when
    // there is none).
    virtual qint64 ChiaveCorrente() const = 0;
    virtual const QVector<QVariant>& ValoriCorrenti() const = 0;
    // Makes the first row in index order whose key equals chiave current; false when none.
    virtual bool Trova(const QString& chiave) = 0;
    // No current row, nothing pending, nothing held for reading.
    virtual void Lascia() = 0;
    // Lets go of the engine's statements and connection.
    virtual void Rilascia() = 0;
    virtual void Inserisci(const Valori& valori) = 0;
    // False when the row of that key no longer exists. Called with at least one value.
    virtual bool Aggiorna(qint64 chiave, const Valori& valori) = 0;
    virtual void Elimina(qint64 chiave) = 0;

private:
    enum class Modifica
    {
        Nessuna,
        NuovaRiga,
        RigaCorrente
    };

    ColonneTabella colonne_;
    std::unique_ptr<LettureTabella> letture_;
    QString solaLettura_;
    bool chiuso_ = false;
    bool noMatch_ = false;
    Modifica modifica_ = Modifica::Nessuna;
    qint64 chiaveInModifica_ = 0;
    Valori inSospeso_;
};
