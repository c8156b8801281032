// A program that only saves: given a custom database file and a first seed, it saves new
// entries and modifies each one right after, as the editor does, for ever, and writes a
// line on its output each time a save has returned done. The crash test kills it at
// random moments and checks the file against what it was told.
//   SalvataggiInterrotti <database file> <first seed>
#include "VoceDiProva.h"

#include "model/Categorie.h"
#include "model/SalvataggioMateriale.h"

#include <QCoreApplication>
#include <QLocale>
#include <cstdio>

namespace {

bool Salvato(const SalvataggioMateriale::Esito& esito)
{
    if (esito.tipo == SalvataggioMateriale::Esito::Ok)
        return true;
    std::fprintf(stderr, "%d %s\n", int(esito.tipo), qPrintable(esito.descrizione));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication applicazione(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    if (argc != 3)
        return 2;
    const QString percorso = QString::fromLocal8Bit(argv[1]);
    const int primo = QString::fromLatin1(argv[2]).toInt();
    std::printf("pronto\n");
    std::fflush(stdout);
    for (int seme = primo;; ++seme) {
        const QString nome = QStringLiteral("Prova %1").arg(seme);
        const auto nuova = VoceDiProva::CaselleVoce(catRwLaboratorio, nome, seme);
        const auto esitoNuova =
            SalvataggioMateriale::Salva(VoceDiProva::Richiesta(percorso, catRwLaboratorio, nuova));
        if (!Salvato(esitoNuova))
            return 1;
        std::printf("nuova %d\n", seme);
        std::fflush(stdout);

        const auto modificata =
            VoceDiProva::CaselleVoce(catRwLaboratorio, nome + QStringLiteral(" bis"), seme + 1);
        const auto esitoModifica = SalvataggioMateriale::Salva(
            VoceDiProva::Richiesta(percorso, catRwLaboratorio, modificata, true, nome));
        if (!Salvato(esitoModifica))
            return 1;
        std::printf("modifica %d\n", seme);
        std::fflush(stdout);
    }
}
