// A database of the program's own engine (SQLite): the material databases and the message
// catalogue, and the Access files converted for reading. Opens table cursors, lists the
// tables, runs write transactions, and lets tools and tests lay out new tables and run
// their own statements.
#pragma once

#include "SqliteConnessione.h"
#include "storage/Database.h"
#include "storage/DefinizioneTabella.h"

#include <functional>
#include <map>
#include <vector>

class SqliteDatabase : public Database
{
public:
    using Modo = SqliteConnessione::Modo;

    // Opens an existing file; throws DbException when it is missing, not a usable database,
    // or (for Condiviso and Esclusivo) held exclusively by someone else.
    static std::unique_ptr<SqliteDatabase> Apri(const QString& percorso, Modo modo = Modo::Condiviso);
    // As above, and the expected tables the file lacks are created, with their index, in one
    // write transaction (through a connection that may write, when this one only reads). When
    // the file cannot be written it opens all the same, and opening a table it lacks throws
    // TabellaNonTrovata saying so, naming the file and the table.
    static std::unique_ptr<SqliteDatabase> Apri(const QString& percorso, Modo modo,
                                                const std::vector<DefinizioneTabella>& previste);
    // Creates a new, empty file; throws DbException when the file exists already.
    static std::unique_ptr<SqliteDatabase> Crea(const QString& percorso);
    // A database image held in memory, read only; percorso names it in the messages.
    static std::unique_ptr<SqliteDatabase> ApriImmagine(std::shared_ptr<const QByteArray> immagine,
                                                        const QString& percorso);

    // Throws TabellaNonTrovata when the file has no such table.
    std::unique_ptr<Recordset> OpenRecordset(const QString& tabella) override;
    // User tables in the order they were created.
    QStringList TableNames() override;
    void BeginTrans() override;
    void CommitTrans() override;
    void Rollback() override;
    void IniziaLettura() override;
    // The file's change counter, which every commit of a change raises by one; none for a
    // file in WAL mode, whose commits leave it as it is, or a database image.
    std::optional<qint64> Versione(const QString& tabella) override;
    // Releases the file; cursors still open keep it until they are closed. A transaction
    // not committed is given up.
    void Close() override;

    QString Percorso() const { return percorso_; }

    // Runs statements that return no rows (for tools and tests); throws DbException.
    void Execute(const QString& sql);
    // A table with these columns in order, numeric columns as the predicate says.
    void CreaTabella(const QString& tabella, const QStringList& colonne,
                     const std::function<bool(const QString&)>& isNumerica);
    // A material table: a table as above with its index on "Nome", created together or
    // not at all.
    void CreaTabellaMateriale(const QString& tabella, const QStringList& colonne,
                              const std::function<bool(const QString&)>& isNumerica);

private:
    explicit SqliteDatabase(std::shared_ptr<SqliteConnessione> connessione);
    const SqliteConnessione& Connessione() const;
    QString AzioneTransazione() const;
    // Runs fai() inside a savepoint: all of its statements take effect, or none.
    void InBlocco(const QString& azione, const std::function<void()>& fai);
    std::vector<const DefinizioneTabella*> Mancanti(const std::vector<DefinizioneTabella>& previste);
    void CreaMancanti(const std::vector<DefinizioneTabella>& previste);

    std::shared_ptr<SqliteConnessione> connessione_;
    QString percorso_;
    std::map<QString, QString> nonCreate_; // an expected table in lower case -> why it is missing
};
