// A table cursor on a table of the program's own engine (SQLite): rows in the order
// they were stored, each read whole when the cursor reaches it, fields by column name,
// the equality seek on the "Nome" index, and a pending row written by one statement when
// Update is called. Files this program only reads refuse every change with their message.
#pragma once

#include "LettureSqlite.h"
#include "SqliteConnessione.h"
#include "storage/RecordsetTabella.h"

#include <QVector>

class SqliteRecordset : public RecordsetTabella
{
public:
    // Positioned on the first row. Throws TabellaNonTrovata when the file has no such
    // table. A non-empty sola lettura message makes every change fail with it.
    SqliteRecordset(std::shared_ptr<SqliteConnessione> connessione, const QString& tabella,
                    const QString& solaLettura = QString());
    ~SqliteRecordset() override = default;

    int RecordCount() override;
    void MoveFirst() override;
    // After a Seek the cursor goes on in stored order; after a Delete it reaches the row
    // that followed the deleted one.
    void MoveNext() override;
    bool Eof() const override;

    // Any index whose one column is the named column will do, whatever it is called.
    void SetIndex(const QString& nomeIndice) override;

    // The current row stays the one the cursor had before AddNew or Edit. A failed Update
    // leaves the file unchanged and the row pending.
    void Update() override;
    // One statement over the table, values read straight from the engine's row.
    void LeggiColonne(const QStringList& colonne, const std::function<bool(const RigaLetta&)>& riga) override;
    // The texts tested inside that statement.
    qint64 LeggiColonneFiltrate(const QStringList& colonne, const FiltroTesti& filtro,
                                const RigaFiltrata& riga) override;

private:
    const SqliteConnessione& Connessione() const;
    // The table's own name and its columns; the name its row number is read by.
    ColonneTabella LeggiTabella(const QString& nome);
    QString NumeroRiga(const ColonneTabella& colonne) const;
    // Makes the first row numbered daRiga or later current (none when there is none).
    void Posiziona(qint64 daRiga);
    void LeggiRigaCorrente();
    // The row number.
    qint64 ChiaveCorrente() const override;
    const QVector<QVariant>& ValoriCorrenti() const override;
    bool Trova(const QString& chiave) override;
    void Lascia() override;
    // Back on the current row after a write (the row it was on, when eraSuRiga).
    void TornaSullaRiga(bool eraSuRiga);
    void Inserisci(const Valori& valori) override;
    bool Aggiorna(qint64 chiave, const Valori& valori) override;
    void Elimina(qint64 chiave) override;
    void LegaValori(sqlite3_stmt* istruzione, const Valori& valori, const QString& azione) const;
    void Rilascia() override;
    QString AzioneSalvataggio() const;

    std::shared_ptr<SqliteConnessione> connessione_;
    QString tabellaQuotata_;
    QString azioneLettura_;            // "leggere la tabella «...»", for every error while reading
    QString numeroRiga_;               // the name under which the engine's row number is read (rowid)
    LettureSqlite* letture_ = nullptr; // the base's, for the read of chosen columns

    // Steps through the rows in row-number order from a given number, whole rows.
    Istruzione lettura_;
    bool suRiga_ = false;        // lettura_ holds the current row
    bool rigaEliminata_ = false; // the current row was just deleted
    qint64 riga_ = 0;            // row number of the current (or just deleted) row
    QVector<QVariant> valori_;   // the current row's values, by column
    Istruzione ricerca_;
};
