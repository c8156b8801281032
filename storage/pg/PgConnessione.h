// One connection to the PostgreSQL server of the shared database, through libpq: runs
// statements with their values as parameters and turns every failure into a DbException
// that names the server. Connections are kept between handlers, a few per connection
// string, so that a click costs no new connection; one the server has closed meanwhile is
// left out and a new one made. A connection is used by one holder at a time, and goes back
// to the kept ones when its last holder lets it go, never with a transaction open.
#pragma once

#include "AttesaServer.h"
#include "storage/DbException.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QSet>
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <vector>

typedef struct pg_conn PGconn;
typedef struct pg_result PGresult;
class TabellaPg;

struct LiberaRisultatoPg
{
    void operator()(PGresult* risultato) const;
};
// A statement's result, cleared on every path.
using RisultatoPg = std::unique_ptr<PGresult, LiberaRisultatoPg>;

// A statement's value: its text form (UTF-8, a number's exact digits) or its bytes; no
// value is Null.
struct ParametroPg
{
    std::optional<QByteArray> byte;
    bool binario = false;

    static ParametroPg Testo(const QString& testo);
    static ParametroPg Numero(double numero);
    static ParametroPg Intero(qint64 numero);
    static ParametroPg Byte(const QByteArray& byte);
};

class PgConnessione
{
    Q_DECLARE_TR_FUNCTIONS(PgConnessione)

public:
    // A connection to the server of the connection string. Throws DbException
    // (ConnessioneServer) naming the server when it cannot connect.
    static std::shared_ptr<PgConnessione> Prendi(const QString& conninfo);
    // Closes the connections kept for later.
    static void ChiudiInattive();
    // How the messages name a server's database: "«lab» on the server «host:5432»", from the
    // string and libpq's defaults (PG* variables included), without connecting.
    static QString Descrivi(const QString& conninfo);
    // Whether the string holds a password; the string without it (in libpq's own form).
    static bool HaPassword(const QString& conninfo);
    static QString SenzaPassword(const QString& conninfo);
    // Runs statements on a connection of their own, closed at once, without the program's
    // settings (for set-up and tests): the first value of the last result ("" when it has
    // none). Throws DbException with the server's message when they fail.
    static QString PrimoValore(const QString& conninfo, const QString& sql);

    ~PgConnessione();
    PgConnessione(const PgConnessione&) = delete;
    PgConnessione& operator=(const PgConnessione&) = delete;

    const QString& Server() const { return server_; }
    // Runs a statement (several when there are no parameters). azione says what was being
    // done, for the message: "read the table «X»". Throws DbException on any failure.
    RisultatoPg Esegui(const QString& sql, const QString& azione,
                       const std::vector<ParametroPg>& parametri = {}, bool risultatoBinario = false);
    // After a COPY ... FROM STDIN statement: sends rows in COPY's text form, then ends the
    // copy; rinuncia (a reason) ends it undone instead.
    void Copia(const QByteArray& righe, const QString& azione);
    void FineCopia(const QString& azione, const QString& rinuncia = {});
    // After a COPY ... TO STDOUT statement: the next row in COPY's text form, its line
    // break included; false once every row was read.
    bool RigaCopia(QByteArray& riga, const QString& azione);
    bool InTransazione() const;
    // Number of rows the statement changed.
    static qint64 RigheToccate(const PGresult* risultato);

    // What the connection has learnt of the server's tables, forgotten whenever a statement
    // finds a table or column gone.
    std::map<QString, std::shared_ptr<const TabellaPg>> tabelle;
    QSet<QString> schemiPronti; // sets of tables known to exist
    std::optional<bool> collazioneIcu;

private:
    PgConnessione(PGconn* connessione, const QString& conninfo);
    static PGconn* Connetti(const QString& conninfo);
    static void Restituisci(PgConnessione* connessione);
    bool Viva();
    static QByteArray Impostazioni(const AttesaServer::Limiti& limiti);
    RisultatoPg EseguiUnaVolta(const QString& sql, const std::vector<ParametroPg>& parametri, bool binario,
                               const QString& azione);
    // Waits, within the limits and as long as the thread's listener lets it, until the
    // server has answered; the results of the statements sent, the last or the failed one.
    RisultatoPg Risultato(const QString& azione);
    struct Attesa;
    void AttendiRisposta(const QString& azione, Attesa& attesa);
    [[noreturn]] void Abbandona(const QString& azione, const QString& motivo);
    [[noreturn]] void Lancia(const PGresult* risultato, const QString& azione);
    void Dimentica();

    PGconn* pg_;
    QString conninfo_;
    QString server_;
    bool appenaRipresa_ = false; // taken from the kept ones and not used yet
    AttesaServer::Limiti limiti_;
};
