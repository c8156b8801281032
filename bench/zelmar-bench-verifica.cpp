// zelmar-bench-verifica: the check of every stored rating of a data folder as a user runs it,
// `zelmar-valuta --verifica` as a whole process, wall-clock time with the files in the page
// cache (after one untimed run), the CSV read and counted; and the processor time the process
// took (user and system, all its threads), which a shared machine does not inflate.
//
//   zelmar-bench-verifica ZELMAR_VALUTA DATA_FOLDER [RUNS]
#include "Misure.h"

#include <QCoreApplication>
#include <QProcess>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication applicazione(argc, argv);
    const QStringList argomenti = applicazione.arguments();
    if (argomenti.size() < 3) {
        std::fprintf(stderr, "Usage: zelmar-bench-verifica ZELMAR_VALUTA DATA_FOLDER [RUNS]\n");
        return 2;
    }
    const int volte = argomenti.size() > 3 ? argomenti[3].toInt() : 3;
    qsizetype differenze = 0;
    bool fallita = false;
    Misure processore;
    int corse = 0;
    const Misure misure = Misure::Ripeti(volte, [&] {
        const double prima = MillisecondiProcessoreFigli();
        QProcess valuta;
        valuta.start(argomenti[1], {QStringLiteral("--verifica"), argomenti[2]});
        valuta.waitForFinished(-1);
        differenze = valuta.readAllStandardOutput().count('\n') - 1; // less the header
        fallita = fallita || valuta.exitStatus() != QProcess::NormalExit || valuta.exitCode() != 0;
        if (corse++ > 0) // not the untimed first run
            processore.Aggiungi(MillisecondiProcessoreFigli() - prima);
    });
    std::printf("zelmar-valuta --verifica %s: %s; %lld stored ratings differ%s\n", qPrintable(argomenti[2]),
                qPrintable(misure.Riga()), static_cast<long long>(differenze), fallita ? " (FAILED)" : "");
    std::printf("  processor time (user + system): %s\n", qPrintable(processore.Riga()));
    return fallita ? 1 : 0;
}
