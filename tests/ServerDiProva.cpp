#include "ServerDiProva.h"

#include "storage/DbException.h"
#include "storage/pg/PgConnessione.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <arpa/inet.h>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A port nobody listens on now, for the cluster (two test programs never race for one).
int PortaLibera()
{
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in indirizzo{};
    indirizzo.sin_family = AF_INET;
    indirizzo.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t lunghezza = sizeof indirizzo;
    bind(s, reinterpret_cast<sockaddr*>(&indirizzo), sizeof indirizzo);
    getsockname(s, reinterpret_cast<sockaddr*>(&indirizzo), &lunghezza);
    close(s);
    return ntohs(indirizzo.sin_port);
}

QString NuovaCartella()
{
    QByteArray modello = QDir::tempPath().toUtf8() + "/zelmar-pg-XXXXXX";
    return QString::fromUtf8(mkdtemp(modello.data()));
}

} // namespace

ServerDiProva* ServerDiProva::Avviato(QString* motivo)
{
    static std::unique_ptr<ServerDiProva> server;
    static QString perche;
    if (!server && perche.isEmpty()) {
        std::unique_ptr<ServerDiProva> nuovo(new ServerDiProva);
        if (nuovo->Parti(&perche))
            server = std::move(nuovo);
    }
    if (motivo)
        *motivo = perche;
    return server.get();
}

bool ServerDiProva::Parti(QString* motivo)
{
    cartella_ = NuovaCartella();
    const QString ambiente = cartella_ + QStringLiteral("/ambiente");
    const QString registro = cartella_ + QStringLiteral("/pg_virtualenv.log");
    int tubo[2];
    // The write end is closed in every program started later (a server restarted by a test
    // would otherwise keep the cluster alive after this process ends).
    if (cartella_.isEmpty() || pipe2(tubo, O_CLOEXEC) != 0)
        return *motivo = QStringLiteral("no temporary folder"), false;
    qputenv("PGPORT", QByteArray::number(PortaLibera()));
    const QByteArray log = QFile::encodeName(registro);
    const QByteArray file = QFile::encodeName(ambiente);
    processo_ = fork();
    if (processo_ == 0) {
        dup2(tubo[0], 0);
        close(tubo[1]);
        const int uscita = ::open(log.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(uscita, 1);
        dup2(uscita, 2);
        // The cluster lives while cat waits on the pipe: when this process ends, so does it.
        // The tests' locale may not be installed; the cluster needs none of its own.
        execlp("env", "env", "LANG=C.UTF-8", "LC_ALL=C.UTF-8", "pg_virtualenv", "-t", "sh", "-c",
               "env > \"$0.tmp\" && mv \"$0.tmp\" \"$0\"; exec cat", file.constData(),
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(tubo[0]);
    ingresso_ = tubo[1];
    for (int attesa = 0; attesa < 1200 && !QFile::exists(ambiente); ++attesa) {
        if (waitpid(processo_, nullptr, WNOHANG) == processo_) {
            processo_ = -1;
            QFile log(registro);
            log.open(QIODevice::ReadOnly);
            return *motivo = QStringLiteral("pg_virtualenv failed: ") + QString::fromLocal8Bit(log.readAll()),
                   false;
        }
        QThread::msleep(100);
    }
    QFile variabili(ambiente);
    if (!variabili.open(QIODevice::ReadOnly))
        return *motivo = QStringLiteral("pg_virtualenv started no server within two minutes"), false;
    for (const QByteArray& riga : variabili.readAll().split('\n')) {
        const qsizetype uguale = riga.indexOf('=');
        if (riga.startsWith("PG") && uguale > 0)
            qputenv(riga.left(uguale).constData(), riga.mid(uguale + 1));
    }
    return true;
}

ServerDiProva::~ServerDiProva()
{
    if (processo_ > 0) {
        close(ingresso_);
        int attesa = 0;
        while (waitpid(processo_, nullptr, WNOHANG) != processo_ && ++attesa < 600)
            QThread::msleep(100);
        if (attesa == 600)
            kill(processo_, SIGTERM);
    }
    if (!cartella_.isEmpty())
        QDir(cartella_).removeRecursively();
}

QString ServerDiProva::Esegui(const QString& sql)
{
    try {
        return PgConnessione::PrimoValore(QString(), sql);
    } catch (const DbException& e) {
        return QStringLiteral("errore: ") + e.Descrizione();
    }
}

QString ServerDiProva::NuovoSchema(const QString& utente)
{
    const QString schema = QStringLiteral("prova%1").arg(++schemi_);
    Esegui(QStringLiteral("CREATE SCHEMA %1").arg(schema));
    QString conninfo = QStringLiteral("options='-c search_path=%1'").arg(schema);
    if (!utente.isEmpty()) {
        Esegui(QStringLiteral("GRANT USAGE ON SCHEMA %1 TO %2").arg(schema, utente));
        conninfo += QStringLiteral(" user=") + utente;
    }
    return conninfo;
}

void ServerDiProva::TroncaConnessioni()
{
    Esegui(QStringLiteral("SELECT count(pg_terminate_backend(pid)) FROM pg_stat_activity "
                          "WHERE pid <> pg_backend_pid() AND backend_type = 'client backend'"));
}

bool ServerDiProva::Cluster(const QString& azione)
{
    QStringList argomenti{qEnvironmentVariable("PGVERSION"), QStringLiteral("regress"), azione};
    if (azione == QLatin1String("stop"))
        argomenti << QStringLiteral("-m") << QStringLiteral("fast");
    return QProcess::execute(QStringLiteral("pg_ctlcluster"), argomenti) == 0;
}

bool ServerDiProva::Ferma()
{
    return Cluster(QStringLiteral("stop"));
}

bool ServerDiProva::Avvia()
{
    return Cluster(QStringLiteral("start"));
}
