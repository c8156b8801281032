// Another copy of the program working on the same data folder, for the tests of two
// copies at once. One command per run, with a line on its output when done:
//   AltraIstanza salva <database file> <name> <seed>   saves a new entry as the editor does
//   AltraIstanza cancella <database file> <name>       deletes an entry as the browser does
//   AltraIstanza tieni <database file>                 holds the file as a modify-mode save
//                                                      does, until its input closes
#include "VoceDiProva.h"

#include "model/CancellazioneMateriale.h"
#include "model/Categorie.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"
#include "model/SalvataggioMateriale.h"

#include <QCoreApplication>
#include <QLocale>
#include <cstdio>

namespace {

int Salva(const QString& percorso, const QString& nome, int seme)
{
    const auto caselle = VoceDiProva::CaselleVoce(catRwLaboratorio, nome, seme);
    const auto esito =
        SalvataggioMateriale::Salva(VoceDiProva::Richiesta(percorso, catRwLaboratorio, caselle));
    std::printf("%s\n",
                esito.tipo == SalvataggioMateriale::Esito::Ok ? "salvato" : qPrintable(esito.descrizione));
    return esito.tipo == SalvataggioMateriale::Esito::Ok ? 0 : 1;
}

int Cancella(const QString& percorso, const QString& nome)
{
    const bool cancellato =
        CancellazioneMateriale::Cancella(percorso, VoceDiProva::Tabella(catRwLaboratorio), nome);
    std::printf("%s\n", cancellato ? "cancellato" : "nessuna");
    return 0;
}

int Tieni(const QString& percorso)
{
    auto database = DBEngine::OpenDatabase(percorso, true);
    std::printf("tengo\n");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    database->Close();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication applicazione(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    const QStringList argomenti = applicazione.arguments();
    try {
        if (argomenti.size() == 5 && argomenti[1] == QLatin1String("salva"))
            return Salva(argomenti[2], argomenti[3], argomenti[4].toInt());
        if (argomenti.size() == 4 && argomenti[1] == QLatin1String("cancella"))
            return Cancella(argomenti[2], argomenti[3]);
        if (argomenti.size() == 3 && argomenti[1] == QLatin1String("tieni"))
            return Tieni(argomenti[2]);
    } catch (const DbException& e) {
        std::printf("%s\n", qPrintable(e.Descrizione()));
        return 1;
    }
    return 2;
}
