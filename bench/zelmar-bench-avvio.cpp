// zelmar-bench-avvio: start-up of the whole program, from exec to the main window drawn
// with its first entry shown, and the program's peak resident memory.
//
//   zelmar-bench-avvio <zelmartek executable> <data folder> [<data folder>...]
//
// The executable is copied into a temporary program folder whose Zelmar.ini points at each
// data folder in turn (the images of the build's program folder are linked beside it), and
// started with --esci-dopo-avvio, which ends it once the first paint is done. The time is
// the whole process: loading the libraries, the catalogue, the tree, the first list, the
// first entry, the first paint and the exit. Its target: the list-fill floor of the first
// custom table (the list's own query, names copied), measured in turn with the runs, plus
// 150 ms.

#include "CartellaProgrammaBench.h"
#include "Misure.h"
#include "PavimentoElenco.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

void Stampa(const QString& testo)
{
    std::printf("%s\n", testo.toUtf8().constData());
    std::fflush(stdout);
}

struct Esecuzione
{
    bool ok = false;
    double millisecondi = 0;
    double piccoMB = 0;
};

Esecuzione Avvia(const QString& eseguibile, const QString& runtime)
{
    const QByteArray percorso = QFile::encodeName(eseguibile);
    const QByteArray cartellaRuntime = QFile::encodeName(runtime);
    Esecuzione esito;
    const Cronometro cronometro;
    const pid_t figlio = fork();
    if (figlio == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("XDG_RUNTIME_DIR", cartellaRuntime.constData(), 1); // Qt warns on every start without one
        execl(percorso.constData(), percorso.constData(), "--esci-dopo-avvio", static_cast<char*>(nullptr));
        _exit(127);
    }
    if (figlio < 0)
        return esito;
    int stato = 0;
    rusage uso{};
    if (wait4(figlio, &stato, 0, &uso) != figlio)
        return esito;
    esito.millisecondi = cronometro.Millisecondi();
    esito.ok = WIFEXITED(stato) && WEXITSTATUS(stato) == 0;
    esito.piccoMB = double(uso.ru_maxrss) / 1024.0; // kB on Linux
    return esito;
}

bool MisuraCartella(const QString& eseguibile, const QString& cartellaDati)
{
    QTemporaryDir programma;
    const QTemporaryDir runtime; // private to the user, as Qt wants it
    const QString copia = programma.path() + QStringLiteral("/zelmartek");
    const QString immagini = QFileInfo(eseguibile).absolutePath() + QStringLiteral("/immagine");
    if (!QFile::copy(eseguibile, copia) ||
        !CartellaProgrammaBench::ScriviIni(programma.path(), cartellaDati)) {
        Stampa(QStringLiteral("cannot prepare a program folder for %1").arg(eseguibile));
        return false;
    }
    QFile::setPermissions(copia, QFile::permissions(eseguibile));
    QFile::link(immagini, programma.path() + QStringLiteral("/immagine"));

    Stampa(QStringLiteral("== start-up on %1").arg(cartellaDati));
    Avvia(copia, runtime.path()); // the first run fills the disk cache; it is not counted
    const QString file = cartellaDati + QStringLiteral("/Databases/Database/Database_sperimentale.mdb");
    Misure tempi;
    Misure pavimento;
    double picco = 0;
    for (int i = 0; i < 15; ++i) {
        const Cronometro lettura;
        PavimentoElenco::LeggiECopiaNomi(file, QStringLiteral("Rw_laboratorio"));
        pavimento.Aggiungi(lettura.Millisecondi());
        const Esecuzione e = Avvia(copia, runtime.path());
        if (!e.ok) {
            Stampa(QStringLiteral("the program did not end cleanly"));
            return false;
        }
        tempi.Aggiungi(e.millisecondi);
        picco = std::max(picco, e.piccoMB);
    }
    const double obiettivo = pavimento.Mediana() + 150;
    Stampa(QStringLiteral("floor: first list's query  %1").arg(pavimento.Riga()));
    Stampa(QStringLiteral("start-up to first entry    %1   target %2 ms (floor + 150): %3")
               .arg(tempi.Riga())
               .arg(obiettivo, 0, 'f', 1)
               .arg(tempi.Mediana() <= obiettivo ? QStringLiteral("met") : QStringLiteral("NOT met")));
    Stampa(QStringLiteral("peak memory of the program %1 MB").arg(picco, 0, 'f', 1));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList argomenti = app.arguments().mid(1);
    if (argomenti.size() < 2) {
        std::fputs("usage: zelmar-bench-avvio <zelmartek executable> <data folder> [<data folder>...]\n",
                   stderr);
        return 2;
    }
    bool ok = true;
    for (const QString& cartella : argomenti.mid(1))
        ok = MisuraCartella(QFileInfo(argomenti.at(0)).absoluteFilePath(), cartella) && ok;
    return ok ? 0 : 1;
}
