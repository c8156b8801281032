// zelmar-bench-condividi: zelmar-condividi as a user runs it, both ways, on a whole custom
// database: the rows copied a second (wall-clock time of the process) and the process's peak
// resident memory, 3 runs each way after one untimed run of each.
//
//   zelmar-bench-condividi <zelmar-condividi> <custom database file> <connection string>
//
// The file is copied to the server with --sostituisci, then the server back into a new file
// of a temporary folder. Targets: at least 50,000 rows a second and at most 150 MB each way.

#include "Misure.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Esito
{
    double millisecondi = 0;
    double piccoMB = 0;
    bool riuscito = false;
};

Esito Esegui(const QStringList& comando)
{
    std::vector<QByteArray> argomenti;
    for (const QString& a : comando)
        argomenti.push_back(QFile::encodeName(a));
    std::vector<char*> argv;
    for (QByteArray& a : argomenti)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const Cronometro cronometro;
    const pid_t figlio = fork();
    if (figlio == 0) {
        // The tool's row counts on standard error are not the benchmark's output.
        const int nulla = open("/dev/null", O_WRONLY);
        dup2(nulla, 2);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int stato = 0;
    rusage uso{};
    Esito esito;
    if (figlio < 0 || wait4(figlio, &stato, 0, &uso) != figlio)
        return esito;
    esito.millisecondi = cronometro.Millisecondi();
    esito.piccoMB = double(uso.ru_maxrss) / 1024.0; // kB on Linux
    esito.riuscito = WIFEXITED(stato) && WEXITSTATUS(stato) == 0;
    return esito;
}

// Rows of every table of the file.
qint64 Righe(const QString& file)
{
    sqlite3* db = nullptr;
    qint64 righe = 0;
    if (sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* tabelle = nullptr;
        sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = 'table'", -1, &tabelle, nullptr);
        while (sqlite3_step(tabelle) == SQLITE_ROW) {
            const QByteArray sql =
                "SELECT count(*) FROM \"" +
                QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(tabelle, 0))) + "\"";
            sqlite3_stmt* conta = nullptr;
            if (sqlite3_prepare_v2(db, sql.constData(), -1, &conta, nullptr) == SQLITE_OK &&
                sqlite3_step(conta) == SQLITE_ROW)
                righe += sqlite3_column_int64(conta, 0);
            sqlite3_finalize(conta);
        }
        sqlite3_finalize(tabelle);
    }
    sqlite3_close(db);
    return righe;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().size() != 4) {
        std::fputs(
            "usage: zelmar-bench-condividi <zelmar-condividi> <custom database file> <connection string>\n",
            stderr);
        return 2;
    }
    const QString strumento = app.arguments().at(1), file = app.arguments().at(2),
                  conninfo = app.arguments().at(3);
    const qint64 righe = Righe(file);
    QTemporaryDir cartella;
    const QString copia = cartella.filePath(QStringLiteral("copia.mdb"));
    std::printf("== zelmar-condividi, %lld rows of %s\n", static_cast<long long>(righe), qPrintable(file));
    bool ok = true;
    for (const bool versoServer : {true, false}) {
        Misure tempi;
        double picco = 0;
        for (int giro = 0; giro < 4; ++giro) {
            QFile::remove(copia);
            const Esito esito =
                Esegui(versoServer ? QStringList{strumento, "--sostituisci", "--verso-server", file, conninfo}
                                   : QStringList{strumento, "--verso-file", conninfo, copia});
            ok = ok && esito.riuscito;
            if (giro > 0) {
                tempi.Aggiungi(esito.millisecondi);
                picco = std::max(picco, esito.piccoMB);
            }
        }
        const double alSecondo = double(righe) / (tempi.Mediana() / 1000.0);
        std::printf("%-14s %s\n", versoServer ? "to the server" : "to a new file", qPrintable(tempi.Riga()));
        std::printf(
            "               %.0f rows/s (target at least 50000), peak memory %.1f MB (target at most 150)\n",
            alSecondo, picco);
        std::fflush(stdout);
    }
    if (!ok)
        std::printf("a copy failed\n");
    return ok ? 0 : 1;
}
