// What the file and server cursors share: a table of known columns and the row being
// written. AddNew starts a new row, Edit the current one; SetField checks the column and
// converts the text; Update hands the values to the engine, which inserts the new row or
// writes over the one being edited; moving the cursor gives the pending row up. An engine
// supplies the reading of rows, the current row's key, and the insert and the update.
#pragma once

#include "ColonneTabella.h"
#include "Recordset.h"

#include <map>

class RecordsetTabella : public Recordset
{
public:
    // Column index -> value (a double for a numeric column, a QString otherwise), in column order.
    using Valori = std::map<int, QVariant>;

    void SetField(const QString& colonna, const QString& testo) override;
    bool HasField(const QString& colonna) const override;
    QStringList FieldNames() const override;
    void AddNew() override;
    void Edit() override;

protected:
    // tabella names the table in messages; a non-empty solaLettura makes every change fail
    // with it.
    void Imposta(ColonneTabella colonne, const QString& solaLettura = QString());
    const ColonneTabella& Colonne() const { return colonne_; }
    const QString& Tabella() const { return colonne_.tabella; }
    [[noreturn]] void NessunaRigaCorrente() const;
    // Throws when the cursor was closed or the file is only read.
    void VerificaScrivibile() const;
    void AnnullaModifica();
    // Commits the pending row through Inserisci or Aggiorna, then gives it up; throws, with
    // the row still pending, when there is none or the engine fails.
    void ScriviInSospeso();

    // Throws when the cursor was closed.
    virtual void VerificaAperto() const = 0;
    // The current row's key (throws NessunRecordCorrente when there is none).
    virtual qint64 ChiaveCorrente() const = 0;
    virtual void Inserisci(const Valori& valori) = 0;
    // False when the row of that key no longer exists. Called with at least one value.
    virtual bool Aggiorna(qint64 chiave, const Valori& valori) = 0;

private:
    enum class Modifica
    {
        Nessuna,
        NuovaRiga,
        RigaCorrente
    };

    ColonneTabella colonne_;
    QString solaLettura_;
    Modifica modifica_ = Modifica::Nessuna;
    qint64 chiaveInModifica_ = 0;
    Valori inSospeso_;
};
