// An Access file converted for reading: the converted database held in memory, its tables
// in the order of the Access file's catalogue, a table that could not be converted
// refused with the reason, and every change refused with a message that says how to
// import the file.
#pragma once

#include "storage/Database.h"
#include "storage/sqlite/SqliteConnessione.h"

#include <vector>

class DatabaseAccess : public Database
{
public:
    // A table of the Access file, and why it could not be read (codiceErrore 0: it was).
    struct TabellaAccess
    {
        QString nome;
        int codiceErrore = 0;
        QString errore;
    };

    // The statements that write the list of tables into a conversion where some table
    // could not be read (a conversion without it holds every table, in order).
    static QString CreaElenco();
    static QString AggiungiAllElenco(); // ?1 name, ?2 error number, ?3 description

    // What the user is told when a change is asked of an Access file: the file's name, that
    // it can be read but not written in this format, and how to import it.
    static QString MessaggioSolaLettura(const QString& percorso);

    // Throws DbException when the image is not a database.
    static std::unique_ptr<DatabaseAccess> Apri(std::shared_ptr<const QByteArray> immagine,
                                                const QString& percorso);

    // Throws the table's own error when it could not be read, TabellaNonTrovata when the
    // file has no such table.
    std::unique_ptr<Recordset> OpenRecordset(const QString& tabella) override;
    QStringList TableNames() override;
    const std::vector<TabellaAccess>& Tabelle() const { return tabelle_; }
    bool IsReadOnlyFormat() const override { return true; }
    void BeginTrans() override;
    void CommitTrans() override;
    void Rollback() override;
    void Close() override;

private:
    DatabaseAccess(std::shared_ptr<SqliteConnessione> connessione, const QString& percorso);
    void LeggiTabelle();

    std::shared_ptr<SqliteConnessione> connessione_;
    QString percorso_;
    std::vector<TabellaAccess> tabelle_;
};
