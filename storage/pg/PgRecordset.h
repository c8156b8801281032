// A table cursor on a material table of the shared database on the server: rows in the
// order they were stored (by the table's serial key), read in growing batches as the
// cursor walks, fields by column name, the equality seek on a column's own index, and a
// pending row written by one statement when Update is called, so that it is committed
// whole or not at all. Nothing is held on the server between statements: no server-side
// cursor, so the cursor outlives no handler's transaction.
#pragma once

#include "LetturePg.h"
#include "PgConnessione.h"
#include "TabellaPg.h"
#include "storage/RecordsetTabella.h"

#include <deque>

class PgRecordset : public RecordsetTabella
{
    Q_DECLARE_TR_FUNCTIONS(PgRecordset)

public:
    PgRecordset(std::shared_ptr<PgConnessione> connessione, std::shared_ptr<const TabellaPg> tabella);

    int RecordCount() override;
    void MoveFirst() override;
    void MoveNext() override;
    bool Eof() const override;
    // The current row stays the one the cursor had before AddNew or Edit.
    void Update() override;
    // A column with an index of its own.
    void SetIndex(const QString& nomeIndice) override;

private:
    struct Riga
    {
        qint64 chiave = 0;
        QVector<QVariant> valori;
    };

    PgConnessione& Connessione() const;
    QString AzioneLettura() const;
    QString AzioneSalvataggio() const;
    // The row of a result whose first field is the key, the table's columns after it.
    Riga LeggiRiga(const PGresult* r, int riga) const;
    // The cursor's place is found only when it is needed: the first row at opening, or the
    // row a write left it on.
    void Risolvi() const;
    // Reads up to n rows from the key on (the key itself included) into the rows ahead.
    void Carica(qint64 daChiave, int n) const;
    void Lascia() override;
    // Among equal keys the first stored.
    bool Trova(const QString& chiave) override;
    // The serial key.
    qint64 ChiaveCorrente() const override;
    const QVector<QVariant>& ValoriCorrenti() const override;
    void Rilascia() override;
    // The pending values as the statement's parameters, and their quoted columns.
    std::vector<ParametroPg> Parametri(const Valori& valori, QStringList& colonne) const;
    void Inserisci(const Valori& valori) override;
    bool Aggiorna(qint64 chiave, const Valori& valori) override;
    // A row someone else deleted meanwhile is gone all the same.
    void Elimina(qint64 chiave) override;

    std::shared_ptr<PgConnessione> connessione_;
    std::shared_ptr<const TabellaPg> tabella_;

    mutable std::optional<Riga> corrente_;
    mutable std::deque<Riga> davanti_;
    mutable std::optional<qint64> daPosizionare_; // the first row from this key on becomes current
    mutable bool finiti_ = false;                 // no row lies beyond davanti_
    mutable int lotto_ = 1;
    bool rigaEliminata_ = false;
    qint64 chiaveEliminata_ = 0;

    int colonnaRicerca_ = -1;
};
