// A PostgreSQL server of the tests' own: a throw-away cluster that Debian's pg_virtualenv
// starts for the test process and drops when the process ends, or dies. Its connection
// settings become the process's PG* variables, which libpq and the programs the test
// starts read. The superuser lays things out, cuts connections and stops the server.
#pragma once

#include <QString>
#include <QStringList>

class ServerDiProva
{
public:
    // The server of this process, started on first use; nullptr, with the reason, when it
    // cannot be started.
    static ServerDiProva* Avviato(QString* motivo = nullptr);

    // A connection string to a schema of its own, new at every call, as a laboratory's
    // database with nothing in it; user names another role.
    QString NuovoSchema(const QString& utente = {});
    // Runs statements as the superuser: the first value of the result, or "errore: ...".
    QString Esegui(const QString& sql);
    // Ends every other session on the server, as an administrator's pg_terminate_backend.
    void TroncaConnessioni();
    bool Ferma();
    bool Avvia();

    ~ServerDiProva();

private:
    ServerDiProva() = default;
    bool Parti(QString* motivo);
    bool Cluster(const QString& azione);

    QString cartella_; // the environment pg_virtualenv gives, and its log
    int processo_ = -1;
    int ingresso_ = -1; // closing it ends pg_virtualenv, which drops the cluster
    int schemi_ = 0;
};
