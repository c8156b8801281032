// A table cursor on a table of the program's own engine (SQLite): rows in the order
// they were stored, each read whole when the cursor reaches it, fields by column name,
// the equality seek on the "Nome" index, and a pending row written by one statement when
// Update is called. Files this program only reads refuse every change with their message.
#pragma once

#include "Recordset.h"
#include "SqliteConnessione.h"

#include <QVector>
#include <map>

class SqliteRecordset : public Recordset
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

    QVariant Field(const QString& colonna) const override;
    void SetField(const QString& colonna, const QString& testo) override;
    bool HasField(const QString& colonna) const override;
    QStringList FieldNames() const override;

    // Any index whose one column is the named column will do, whatever it is called.
    void SetIndex(const QString& nomeIndice) override;
    void Seek(const QString& confronto, const QString& chiave) override;
    bool NoMatch() const override;

    void AddNew() override;
    void Edit() override;
    // The current row stays the one the cursor had before AddNew or Edit. A failed Update
    // leaves the file unchanged and the row pending.
    void Update() override;
    void Delete() override;
    void Close() override;

    Elenco LeggiElenco(const QString& colonnaNome, const QString& colonnaParola, bool paroleChiave,
                       const std::optional<QString>& soloParola) override;
    bool ContieneIgnorandoMaiuscole(const QString& colonna, const QString& testo) override;

private:
    struct Colonna
    {
        QString nome;
        bool numerica;
    };
    enum class Modifica
    {
        Nessuna,
        NuovaRiga,
        RigaCorrente
    };

    const SqliteConnessione& Connessione() const;
    void TrovaTabella(const QString& nome);
    void LeggiColonne();
    int IndiceColonna(const QString& colonna) const; // -1 when missing
    int IndiceColonnaEsistente(const QString& colonna) const;
    QString ColonnaQuotata(const QString& colonna) const;
    void VerificaRigaCorrente() const;
    void VerificaScrivibile() const;
    QVariant ValoreDaTesto(const Colonna& colonna, const QString& testo) const;
    // Makes the first row numbered daRiga or later current (none when there is none).
    void Posiziona(qint64 daRiga);
    void LeggiRigaCorrente();
    // Back on the current row after a write (the row it was on, when eraSuRiga).
    void TornaSullaRiga(bool eraSuRiga);
    void AnnullaModifica();
    void ScriviNuovaRiga();
    void ScriviRigaCorrente();
    void LegaValore(sqlite3_stmt* istruzione, int posizione, const QVariant& valore,
                    const QString& azione) const;
    QString AzioneSalvataggio() const;

    std::shared_ptr<SqliteConnessione> connessione_;
    QString solaLettura_;
    QString tabella_;
    QString tabellaQuotata_;
    QString azioneLettura_; // "leggere la tabella «...»", for every error while reading
    QString numeroRiga_;    // the name under which the engine's row number is read (rowid)
    QVector<Colonna> colonne_;

    // Steps through the rows in row-number order from a given number, whole rows.
    Istruzione lettura_;
    bool suRiga_ = false;        // lettura_ holds the current row
    bool rigaEliminata_ = false; // the current row was just deleted
    qint64 riga_ = 0;            // row number of the current (or just deleted) row
    QVector<QVariant> valori_;   // the current row's values, by column
    Istruzione ricerca_;

    Modifica modifica_ = Modifica::Nessuna;
    qint64 rigaInModifica_ = 0;
    std::map<int, QVariant> inSospeso_; // column index -> value, in column order
    bool noMatch_ = false;
};
