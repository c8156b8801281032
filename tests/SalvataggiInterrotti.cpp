// A program that only saves: given a custom database file and a first seed, it saves new
// entries and modifies each one right after, as the editor does, for ever, and writes a
// line on its output each time a save has returned done. The crash test kills it at
// random moments and checks the file against what it was told.
//   SalvataggiInterrotti <database file> <first seed>
#include "VoceDiProva.h"

#include "model/Categorie.h"

#include <QCoreApplication>
#include <QLocale>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication applicazione(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    if (argc != 3)
        return 2;
    const QString percorso = QString::fromLocal8Bit(argv[1]);
    std::printf("pronto\n");
    std::fflush(stdout);
    for (int seme = QString::fromLatin1(argv[2]).toInt();; ++seme) {
        const QString nome = QStringLiteral("Prova %1").arg(seme);
        for (bool modifica : {false, true}) {
            const auto valori = VoceDiProva::ValoriVoce(
                catRwLaboratorio, modifica ? nome + QStringLiteral(" bis") : nome, seme + modifica);
            const auto esito = SalvataggioMateriale::Salva(
                VoceDiProva::Richiesta(percorso, catRwLaboratorio, valori, modifica, nome));
            if (esito.tipo != SalvataggioMateriale::Esito::Ok) {
                std::fprintf(stderr, "%d %s\n", int(esito.tipo), qPrintable(esito.descrizione));
                return 1;
            }
            std::printf("%s %d\n", modifica ? "modifica" : "nuova", seme);
            std::fflush(stdout);
        }
    }
}
