// A table cursor on a table of the program's own engine (SQLite): rows in the order
// they were stored, fields by column name, the equality seek on the "Nome" index, and a
// pending row written by one statement when Update is called.
#pragma once

#include "Recordset.h"
#include "SqliteConnessione.h"

#include <QHash>
#include <QVector>
#include <map>

class SqliteRecordset : public Recordset
{
public:
    // Positioned on the first row. Throws TabellaNonTrovata when the file has no such table.
    SqliteRecordset(std::shared_ptr<SqliteConnessione> connessione, const QString& tabella);
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

    void LeggiTesti(const QStringList& colonne,
                    const std::function<void(const TestoLetto* valori)>& riga) override;
    bool ContieneMaiuscolo(const QString& colonna, const QString& maiuscolo) override;

    // The table's name as the file stores it.
    const QString& Tabella() const { return tabella_; }
    QStringList NomiColonne() const override;

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

    // The reading statement walks the table in row-number order and fetches only the columns
    // asked for so far, so that listing two columns of a long table costs no more than a
    // statement written for those two. Reading a new column widens it, even from a const read.
    struct Lettura
    {
        Istruzione istruzione;
        QVector<int> posizione; // per column: its place in the statement's result, 0 when not read
        int colonneLette = 0;
        bool suRiga = false;        // the statement holds the current row
        bool rigaEliminata = false; // the current row was just deleted
        qint64 riga = 0;            // row number of the current (or just deleted) row
    };

    const SqliteConnessione& Connessione() const;
    void TrovaTabella(const QString& nome);
    void LeggiColonne();
    void PreparaLettura() const;
    void AllargaLettura(int colonna) const;
    int IndiceColonna(const QString& colonna) const; // -1 when missing
    int IndiceColonnaEsistente(const QString& colonna) const;
    void VerificaRigaCorrente() const;
    QVariant ValoreDaTesto(const Colonna& colonna, const QString& testo) const;
    void Posiziona(qint64 daRigaNumero) const;
    void SospendiLettura();
    void RipristinaDopoErrore(bool eraSuRiga);
    void AnnullaModifica();
    void ScriviNuovaRiga();
    void ScriviRigaCorrente();
    void LegaValore(sqlite3_stmt* istruzione, int posizione, const QVariant& valore,
                    const QString& azione) const;
    QString AzioneLettura() const;
    // A statement over the whole table; the cursor is left past the last row.
    Istruzione PreparaScansione(const QString& sql);
    QString AzioneSalvataggio() const;

    std::shared_ptr<SqliteConnessione> connessione_;
    QString tabella_;
    QString tabellaQuotata_;
    QString azioneLettura_; // "leggere la tabella «...»", for every error while reading
    QString numeroRiga_;    // the name under which the engine's row number is read (rowid)
    QVector<Colonna> colonne_;
    QHash<QString, int> perNome_;
    mutable Lettura lettura_;
    Istruzione conteggio_;
    Istruzione ricerca_;

    Modifica modifica_ = Modifica::Nessuna;
    qint64 rigaInModifica_ = 0;
    std::map<int, QVariant> inSospeso_; // column index -> value, in column order
    bool noMatch_ = false;
};
