// One open connection to a database of the program's own engine (SQLite), a file opened
// in the chosen sharing mode or a database image held in memory: prepares and runs
// statements, and turns every engine failure into a DbException with a number and an
// Italian description for the user. Shared by a database handle and its cursors, so that
// it closes when the last one goes.
#pragma once

#include "storage/DbException.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <sqlite3.h>

struct FinalizzaIstruzione
{
    void operator()(sqlite3_stmt* istruzione) const { sqlite3_finalize(istruzione); }
};
// A prepared statement, finalized on every path.
using Istruzione = std::unique_ptr<sqlite3_stmt, FinalizzaIstruzione>;

class SqliteConnessione
{
public:
    enum class Modo
    {
        Condiviso,   // others may read and write; waits briefly for a save by another program
        Esclusivo,   // holds the file locked until closed; fails when anyone else has it open
        SolaLettura, // never writes, nor leaves a file beside it once closed
        Creazione,   // a new, empty file
    };

    // Throws DbException when the file cannot be opened in that mode or is not a usable database.
    static std::shared_ptr<SqliteConnessione> Apri(const QString& percorso, Modo modo);
    // A database image (a whole file's bytes) read in place, never written; percorso names
    // it in the messages. The connection keeps the image alive.
    static std::shared_ptr<SqliteConnessione> ApriImmagine(std::shared_ptr<const QByteArray> immagine,
                                                           const QString& percorso);
    ~SqliteConnessione();
    SqliteConnessione(const SqliteConnessione&) = delete;
    SqliteConnessione& operator=(const SqliteConnessione&) = delete;

    // The functions the program's files may name in their schema (zelmar_maiuscolo, which
    // the name check's index uses), for a connection opened elsewhere (tools, tests).
    static void RegistraFunzioni(sqlite3* db);

    const QString& Percorso() const { return percorso_; }
    bool SoloLettura() const { return modo_ == Modo::SolaLettura; }

    // azione says what was being done, for the description: "leggere la tabella «X»".
    Istruzione Prepara(const QString& sql, const QString& azione) const;
    // Runs one or more statements that return no rows.
    void Esegui(const QString& sql, const QString& azione) const;
    // Steps a statement: true on a row, false when done. On failure the statement is reset
    // and a DbException thrown.
    bool Passo(sqlite3_stmt* istruzione, const QString& azione) const;

    void Lega(sqlite3_stmt* istruzione, int posizione, const QString& testo, const QString& azione) const;
    void Lega(sqlite3_stmt* istruzione, int posizione, double numero, const QString& azione) const;
    void Lega(sqlite3_stmt* istruzione, int posizione, qint64 numero, const QString& azione) const;

    // Steps a statement that changes the file, as Passo does; outside a transaction it is
    // committed at once, as Conferma commits.
    void Scrivi(sqlite3_stmt* istruzione, const QString& azione) const;
    // A write transaction: Inizia takes the file for writing, Conferma commits, Annulla
    // gives everything up (never failing). A file held exclusively is let go for the
    // commit and taken back at once: held, it would be committed by blanking the journal
    // and syncing it, and a failing sync would then report as failed a change that is
    // already in the file; let go, the commit is the journal's removal.
    void Inizia(const QString& azione) const;
    void Conferma(const QString& azione) const;
    void Annulla() const;

    // The change counter in the file's header, read under the engine's shared lock (the
    // transaction's, or one taken for the read); none in WAL mode and for an image.
    std::optional<qint64> ContatoreModifiche() const;

    // Number of rows changed by the last write.
    int RigheModificate() const;

    // The DbException for an engine result code, with the engine's last message.
    [[noreturn]] void Lancia(int codice, const QString& azione) const;

private:
    // What lies beside a file in WAL mode: "-wal", its changes not yet folded into the file,
    // and "-shm", their index.
    struct FileWal
    {
        bool wal = false;
        bool registro = false; // "-wal" exists
        bool indice = false;   // "-shm" exists
        static FileWal Di(const QString& percorso);
        // Throws what the user needs to know instead of errore when opening failed because
        // the files beside a WAL file can be neither found nor made.
        void SpiegaErrore(const QString& percorso, const DbException& errore) const;
    };

    SqliteConnessione(sqlite3* db, const QString& percorso, Modo modo);
    void Prepara(Modo modo, const FileWal& wal);
    void VerificaFile() const;
    void RiprendiEsclusiva() const;
    // Runs fai() as a commit: with the exclusive hold let go around it.
    void ComeCommit(const std::function<void()>& fai, const QString& azione) const;

    sqlite3* db_;
    QString percorso_;
    Modo modo_;
    std::shared_ptr<const QByteArray> immagine_;
};
