#include "PgConnessione.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QMutexLocker>
#include <future>
#include <libpq-fe.h>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

// Kept for later: a handler's connection, once it is done, for the next handler.
constexpr size_t ConnessioniTenute = 4;

struct Tenute
{
    QMutex mutex;
    std::map<QString, std::vector<std::unique_ptr<PgConnessione>>> perStringa;
};

Tenute& ConnessioniInattive()
{
    static Tenute tenute;
    return tenute;
}

QString Testo(const char* c)
{
    return QString::fromUtf8(c ? c : "").trimmed();
}

// A value of the parsed string, or libpq's default for it (PG* variables included).
QString Opzione(PQconninfoOption* opzioni, PQconninfoOption* predefinite, const char* chiave)
{
    for (PQconninfoOption* o = opzioni; o && o->keyword; ++o)
        if (qstrcmp(o->keyword, chiave) == 0 && o->val && *o->val)
            return QString::fromUtf8(o->val);
    for (PQconninfoOption* o = predefinite; o && o->keyword; ++o)
        if (qstrcmp(o->keyword, chiave) == 0 && o->val && *o->val)
            return QString::fromUtf8(o->val);
    return {};
}

// Which failures are whose: the server gone, a table or column missing, a refusal.
int NumeroErrore(const QString& stato)
{
    if (stato.startsWith(QLatin1String("08")) || stato.startsWith(QLatin1String("57P")))
        return DbErrore::ConnessioneServer;
    if (stato == QLatin1String("42P01"))
        return DbErrore::TabellaNonTrovata;
    if (stato == QLatin1String("42703"))
        return DbErrore::ElementoNonTrovato;
    if (stato == QLatin1String("42501"))
        return DbErrore::PermessoNegato;
    if (stato == QLatin1String("55P03") || stato == QLatin1String("40001") || stato == QLatin1String("40P01"))
        return DbErrore::FileInUso;
    if (stato == QLatin1String("25006"))
        return DbErrore::SolaLettura;
    if (stato.startsWith(QLatin1String("53")))
        return DbErrore::ErroreDisco;
    if (stato == QLatin1String("22P02"))
        return DbErrore::ConversioneTipo;
    return DbErrore::Generico;
}

// Waits up to ms for the socket to have something to read (or room to write). epoll rather
// than poll: the hardened build has no checked form of poll for a single descriptor.
bool AspettaSocket(int socket, bool scrittura, int ms)
{
    const int attesa = epoll_create1(EPOLL_CLOEXEC);
    if (attesa < 0)
        return true;
    epoll_event evento{};
    evento.events = scrittura ? EPOLLOUT : EPOLLIN;
    epoll_event pronto{};
    const bool fatto =
        epoll_ctl(attesa, EPOLL_CTL_ADD, socket, &evento) != 0 || epoll_wait(attesa, &pronto, 1, ms) != 0;
    close(attesa);
    return fatto;
}

// How long a connection may take to be made.
constexpr int AttesaConnessioneMs = 10000;

// Whether the thread is already inside a listener's call: a statement made while the
// listener shows the wait (a repaint) waits without it.
thread_local bool nelRichiamo = false;

} // namespace

// A statement's wait: since when, and whether the thread's listener has been told.
struct PgConnessione::Attesa
{
    QElapsedTimer tempo;
    std::shared_ptr<AttesaServer> ascoltatore;
    bool avvisato = false;

    Attesa() { tempo.start(); }
    ~Attesa()
    {
        if (avvisato)
            ascoltatore->Fine();
    }
    // Tells the thread's listener, once the wait has gone on long enough; false when it gives up.
    bool Continua(const QString& server, const QString& azione)
    {
        const int trascorsi = int(tempo.elapsed());
        if (trascorsi < AttesaServer::PrimoAvvisoMs || nelRichiamo)
            return true;
        if (!avvisato)
            ascoltatore = AttesaServer::DelFilo();
        if (!ascoltatore)
            return true;
        avvisato = true;
        nelRichiamo = true;
        const bool continua = ascoltatore->Continua(server, azione, trascorsi);
        nelRichiamo = false;
        return continua;
    }
};

void LiberaRisultatoPg::operator()(PGresult* risultato) const
{
    PQclear(risultato);
}

ParametroPg ParametroPg::Testo(const QString& testo)
{
    return {testo.toUtf8(), false};
}

ParametroPg ParametroPg::Numero(double numero)
{
    return {QByteArray::number(numero, 'g', 17), false};
}

ParametroPg ParametroPg::Intero(qint64 numero)
{
    return {QByteArray::number(numero), false};
}

ParametroPg ParametroPg::Byte(const QByteArray& byte)
{
    return {byte, true};
}

PgConnessione::PgConnessione(PGconn* connessione, const QString& conninfo)
    : pg_(connessione), conninfo_(conninfo), server_(Descrivi(conninfo)), limiti_(AttesaServer::Attuali())
{
}

// Numbers come back with every digit they have; a transaction nobody ends (a program stopped
// in a debugger) lets go of what it holds after two minutes; no statement waits for a lock,
// or runs, longer than the limits.
QByteArray PgConnessione::Impostazioni(const AttesaServer::Limiti& limiti)
{
    return QByteArrayLiteral(
               "SET extra_float_digits = 3; SET idle_in_transaction_session_timeout = '120s'; ") +
           "SET lock_timeout = " + QByteArray::number(limiti.bloccoMs) +
           "; SET statement_timeout = " + QByteArray::number(limiti.istruzioneMs);
}

PgConnessione::~PgConnessione()
{
    PQfinish(pg_);
}

QString PgConnessione::Descrivi(const QString& conninfo)
{
    char* errore = nullptr;
    PQconninfoOption* opzioni = PQconninfoParse(conninfo.toUtf8().constData(), &errore);
    PQfreemem(errore);
    PQconninfoOption* predefinite = PQconndefaults();
    QString host = Opzione(opzioni, predefinite, "host");
    if (host.isEmpty())
        host = Opzione(opzioni, predefinite, "hostaddr");
    if (host.isEmpty())
        host = QStringLiteral("localhost");
    QString porta = Opzione(opzioni, predefinite, "port");
    QString database = Opzione(opzioni, predefinite, "dbname");
    if (database.isEmpty())
        database = Opzione(opzioni, predefinite, "user");
    PQconninfoFree(opzioni);
    PQconninfoFree(predefinite);
    return tr("«%1» on the server «%2»")
        .arg(database, porta.isEmpty() ? host : host + QLatin1Char(':') + porta);
}

bool PgConnessione::HaPassword(const QString& conninfo)
{
    char* errore = nullptr;
    PQconninfoOption* opzioni = PQconninfoParse(conninfo.toUtf8().constData(), &errore);
    PQfreemem(errore);
    bool password = false;
    for (PQconninfoOption* o = opzioni; o && o->keyword; ++o)
        password |= qstrcmp(o->keyword, "password") == 0 && o->val && *o->val;
    PQconninfoFree(opzioni);
    return password;
}

QString PgConnessione::SenzaPassword(const QString& conninfo)
{
    char* errore = nullptr;
    PQconninfoOption* opzioni = PQconninfoParse(conninfo.toUtf8().constData(), &errore);
    PQfreemem(errore);
    QStringList parti;
    for (PQconninfoOption* o = opzioni; o && o->keyword; ++o) {
        if (!o->val || qstrcmp(o->keyword, "password") == 0)
            continue;
        QString valore = QString::fromUtf8(o->val);
        valore.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
            .replace(QLatin1Char('\''), QLatin1String("\\'"));
        parti << QStringLiteral("%1='%2'").arg(QString::fromUtf8(o->keyword), valore);
    }
    PQconninfoFree(opzioni);
    return parti.join(QLatin1Char(' '));
}

QString PgConnessione::PrimoValore(const QString& conninfo, const QString& sql)
{
    PGconn* c = PQconnectdb(conninfo.toUtf8().constData());
    PGresult* r = PQexec(c, sql.toUtf8().constData());
    const ExecStatusType stato = PQresultStatus(r);
    const bool riuscito = stato == PGRES_TUPLES_OK || stato == PGRES_COMMAND_OK;
    const QString valore =
        QString::fromUtf8(riuscito ? (PQntuples(r) > 0 ? PQgetvalue(r, 0, 0) : "") : PQerrorMessage(c));
    PQclear(r);
    PQfinish(c);
    if (!riuscito)
        throw DbException(DbErrore::Generico, valore);
    return valore;
}

PGconn* PgConnessione::Connetti(const QString& conninfo)
{
    const QByteArray stringa = conninfo.toUtf8();
    // Given first, so that the string can change them: a server that does not answer, or
    // a connection that dies, is noticed in seconds rather than minutes. The encoding comes
    // last, as every text is UTF-8.
    const char* chiavi[] = {
        "connect_timeout",  "keepalives",       "keepalives_idle", "keepalives_interval", "keepalives_count",
        "tcp_user_timeout", "application_name", "dbname",          "client_encoding",     nullptr};
    const char* valori[] = {"10",   "1",    "15", "5", "3", "20000", "ZELMARtek", stringa.constData(),
                            "UTF8", nullptr};
    // Made step by step, so that a server that does not answer is waited for as a statement
    // is: within a limit, and with the thread's listener told.
    PGconn* pg = PQconnectStartParams(chiavi, valori, 1);
    const QString server = Descrivi(conninfo);
    if (!pg)
        throw DbException(DbErrore::ConnessioneServer,
                          tr("Could not connect to the database %1: out of memory.").arg(server));
    const auto fallito = [&](const QString& motivo) {
        PQfinish(pg);
        return DbException(DbErrore::ConnessioneServer,
                           tr("Could not connect to the database %1: %2").arg(server, motivo));
    };
    Attesa attesa;
    PostgresPollingStatusType stato = PGRES_POLLING_WRITING;
    while (PQstatus(pg) != CONNECTION_BAD && stato != PGRES_POLLING_OK && stato != PGRES_POLLING_FAILED) {
        if (AspettaSocket(PQsocket(pg), stato == PGRES_POLLING_WRITING, 100))
            stato = PQconnectPoll(pg);
        else if (attesa.tempo.elapsed() >= AttesaConnessioneMs)
            throw fallito(tr("the server did not answer within %1 s").arg(AttesaConnessioneMs / 1000));
        else if (!attesa.Continua(server, tr("connect")))
            throw fallito(tr("waiting for the server was given up"));
    }
    if (stato != PGRES_POLLING_OK || PQstatus(pg) != CONNECTION_OK)
        throw fallito(Testo(PQerrorMessage(pg)));
    PQsetNoticeProcessor(
        pg, [](void*, const char*) {}, nullptr);
    return pg;
}

std::shared_ptr<PgConnessione> PgConnessione::Prendi(const QString& conninfo)
{
    Tenute& tenute = ConnessioniInattive();
    std::unique_ptr<PgConnessione> scelta;
    {
        QMutexLocker blocco(&tenute.mutex);
        auto& libere = tenute.perStringa[conninfo];
        while (!libere.empty() && !scelta) {
            scelta = std::move(libere.back());
            libere.pop_back();
            if (!scelta->Viva())
                scelta.reset();
        }
    }
    if (scelta)
        scelta->appenaRipresa_ = true;
    else {
        scelta.reset(new PgConnessione(Connetti(conninfo), conninfo));
        try {
            scelta->Esegui(QString::fromUtf8(Impostazioni(scelta->limiti_)), tr("prepare the connection"));
        } catch (const DbException& e) {
            throw DbException(DbErrore::ConnessioneServer, e.Descrizione());
        }
    }
    return std::shared_ptr<PgConnessione>(scelta.release(), &PgConnessione::Restituisci);
}

void PgConnessione::Restituisci(PgConnessione* connessione)
{
    std::unique_ptr<PgConnessione> c(connessione);
    // No transaction outlives the handler that began it.
    if (PQstatus(c->pg_) == CONNECTION_OK && PQtransactionStatus(c->pg_) != PQTRANS_IDLE)
        PQclear(PQexec(c->pg_, "ROLLBACK"));
    if (PQstatus(c->pg_) != CONNECTION_OK || PQtransactionStatus(c->pg_) != PQTRANS_IDLE)
        return;
    Tenute& tenute = ConnessioniInattive();
    QMutexLocker blocco(&tenute.mutex);
    auto& libere = tenute.perStringa[c->conninfo_];
    if (libere.size() < ConnessioniTenute)
        libere.push_back(std::move(c));
}

void PgConnessione::ChiudiInattive()
{
    Tenute& tenute = ConnessioniInattive();
    QMutexLocker blocco(&tenute.mutex);
    tenute.perStringa.clear();
}

// A kept connection the server closed meanwhile (a restart, an administrator) has its
// farewell waiting on the socket: reading it marks the connection bad. libpq keeps its socket
// non-blocking, so reading takes what has arrived and never waits.
bool PgConnessione::Viva()
{
    if (PQstatus(pg_) == CONNECTION_OK && !PQconsumeInput(pg_))
        return false;
    while (PGnotify* avviso = PQnotifies(pg_))
        PQfreemem(avviso);
    return PQstatus(pg_) == CONNECTION_OK && PQtransactionStatus(pg_) == PQTRANS_IDLE;
}

bool PgConnessione::InTransazione() const
{
    return PQtransactionStatus(pg_) != PQTRANS_IDLE;
}

qint64 PgConnessione::RigheToccate(const PGresult* risultato)
{
    return QByteArray(PQcmdTuples(const_cast<PGresult*>(risultato))).toLongLong();
}

RisultatoPg PgConnessione::EseguiUnaVolta(const QString& sql, const std::vector<ParametroPg>& parametri,
                                          bool binario, const QString& azione)
{
    const QByteArray testo = sql.toUtf8();
    int inviata = 0;
    if (parametri.empty() && !binario) {
        inviata = PQsendQuery(pg_, testo.constData());
    } else {
        std::vector<const char*> valori;
        std::vector<int> lunghezze, formati;
        for (const ParametroPg& p : parametri) {
            valori.push_back(p.byte ? p.byte->constData() : nullptr);
            lunghezze.push_back(p.byte ? int(p.byte->size()) : 0);
            formati.push_back(p.binario ? 1 : 0);
        }
        inviata = PQsendQueryParams(pg_, testo.constData(), int(parametri.size()), nullptr, valori.data(),
                                    lunghezze.data(), formati.data(), binario ? 1 : 0);
    }
    if (!inviata)
        return RisultatoPg(PQmakeEmptyPGresult(pg_, PGRES_FATAL_ERROR));
    return Risultato(azione);
}

void PgConnessione::AttendiRisposta(const QString& azione, Attesa& attesa)
{
    while (PQconsumeInput(pg_) && PQisBusy(pg_)) {
        const int trascorsi = int(attesa.tempo.elapsed());
        if (limiti_.rispostaMs > 0 && trascorsi >= limiti_.rispostaMs)
            Abbandona(azione, tr("the server has not answered for %1 s, so the program stopped waiting")
                                  .arg(trascorsi / 1000));
        if (!attesa.Continua(server_, azione))
            Abbandona(azione, tr("waiting for the server was given up after %1 s").arg(trascorsi / 1000));
        AspettaSocket(PQsocket(pg_), false, 100);
    }
}

RisultatoPg PgConnessione::Risultato(const QString& azione)
{
    Attesa attesa;
    RisultatoPg ultimo;
    for (;;) {
        AttendiRisposta(azione, attesa);
        RisultatoPg risultato(PQgetResult(pg_));
        if (!risultato)
            break;
        const ExecStatusType stato = PQresultStatus(risultato.get());
        // After a failure the statements that follow are not run; the failure is the answer.
        if (!ultimo || PQresultStatus(ultimo.get()) != PGRES_FATAL_ERROR)
            ultimo = std::move(risultato);
        if (stato == PGRES_COPY_IN || stato == PGRES_COPY_OUT || stato == PGRES_COPY_BOTH)
            break;
    }
    return ultimo ? std::move(ultimo) : RisultatoPg(PQmakeEmptyPGresult(pg_, PGRES_FATAL_ERROR));
}

// The connection is given up: the server is asked to cancel the statement, so that a change
// waiting for a lock is not made once the lock is free, and the socket is shut, so that libpq
// marks the connection bad and it is never kept. The request goes from a thread of its own,
// waited for a second at most: a server that answers nothing at all would keep it waiting.
void PgConnessione::Abbandona(const QString& azione, const QString& motivo)
{
    if (PGcancel* annulla = PQgetCancel(pg_)) {
        auto inviata = std::make_shared<std::promise<void>>();
        std::future<void> fatto = inviata->get_future();
        std::thread([annulla, inviata] {
            char errore[256];
            PQcancel(annulla, errore, sizeof errore);
            PQfreeCancel(annulla);
            inviata->set_value();
        }).detach();
        fatto.wait_for(std::chrono::seconds(1));
    }
    shutdown(PQsocket(pg_), SHUT_RDWR);
    PQconsumeInput(pg_);
    Dimentica();
    throw DbException(DbErrore::ConnessioneServer,
                      tr("Could not %1 in the database %2: %3.").arg(azione, server_, motivo));
}

RisultatoPg PgConnessione::Esegui(const QString& sql, const QString& azione,
                                  const std::vector<ParametroPg>& parametri, bool risultatoBinario)
{
    const bool ripresa = std::exchange(appenaRipresa_, false);
    RisultatoPg risultato = EseguiUnaVolta(sql, parametri, risultatoBinario, azione);
    // A kept connection whose server went away and came back since the last handler: its
    // first statement never reached a server that could run it, so it is sent once more on
    // a new connection.
    if (ripresa && PQstatus(pg_) == CONNECTION_BAD) {
        PQreset(pg_);
        Dimentica();
        if (PQstatus(pg_) == CONNECTION_OK) {
            PQsetNoticeProcessor(
                pg_, [](void*, const char*) {}, nullptr);
            PQclear(PQexec(pg_, Impostazioni(limiti_).constData()));
            risultato = EseguiUnaVolta(sql, parametri, risultatoBinario, azione);
        }
    }
    const ExecStatusType stato = PQresultStatus(risultato.get());
    if (stato != PGRES_COMMAND_OK && stato != PGRES_TUPLES_OK && stato != PGRES_COPY_IN &&
        stato != PGRES_COPY_OUT)
        Lancia(risultato.get(), azione);
    return risultato;
}

void PgConnessione::Copia(const QByteArray& righe, const QString& azione)
{
    if (PQputCopyData(pg_, righe.constData(), int(righe.size())) != 1)
        Lancia(nullptr, azione);
}

void PgConnessione::FineCopia(const QString& azione, const QString& rinuncia)
{
    const QByteArray motivo = rinuncia.toUtf8();
    if (PQputCopyEnd(pg_, rinuncia.isEmpty() ? nullptr : motivo.constData()) != 1)
        Lancia(nullptr, azione);
    const RisultatoPg fine = Risultato(azione);
    if (rinuncia.isEmpty() && PQresultStatus(fine.get()) != PGRES_COMMAND_OK)
        Lancia(fine.get(), azione);
}

bool PgConnessione::RigaCopia(QByteArray& riga, const QString& azione)
{
    for (;;) {
        char* dati = nullptr;
        const int letti = PQgetCopyData(pg_, &dati, 1);
        if (letti > 0) {
            riga = QByteArray(dati, letti);
            PQfreemem(dati);
            return true;
        }
        if (letti == 0) {
            AspettaSocket(PQsocket(pg_), false, 100);
            if (!PQconsumeInput(pg_))
                Lancia(nullptr, azione);
            continue;
        }
        const RisultatoPg fine = Risultato(azione);
        if (letti == -2 || PQresultStatus(fine.get()) != PGRES_COMMAND_OK)
            Lancia(fine.get(), azione);
        return false;
    }
}

void PgConnessione::Dimentica()
{
    tabelle.clear();
    schemiPronti.clear();
    collazioneIcu.reset();
}

void PgConnessione::Lancia(const PGresult* risultato, const QString& azione)
{
    const QString stato = Testo(risultato ? PQresultErrorField(risultato, PG_DIAG_SQLSTATE) : nullptr);
    int numero = NumeroErrore(stato);
    QString motivo = Testo(risultato ? PQresultErrorField(risultato, PG_DIAG_MESSAGE_PRIMARY) : nullptr);
    if (PQstatus(pg_) == CONNECTION_BAD) {
        numero = DbErrore::ConnessioneServer;
        motivo = tr("the connection to the server was lost (%1)").arg(Testo(PQerrorMessage(pg_)));
    } else if (stato == QLatin1String("55P03")) {
        motivo = tr("another connection holds what this needs, and %1 s went by waiting for it")
                     .arg(limiti_.bloccoMs / 1000.0);
    } else if (stato == QLatin1String("57014")) {
        motivo = tr("the server did not finish within %1 s").arg(limiti_.istruzioneMs / 1000.0);
    } else if (motivo.isEmpty()) {
        motivo = Testo(PQerrorMessage(pg_));
    }
    if (numero == DbErrore::TabellaNonTrovata || numero == DbErrore::ElementoNonTrovato)
        Dimentica();
    throw DbException(numero, tr("Could not %1 in the database %2: %3.").arg(azione, server_, motivo));
}
