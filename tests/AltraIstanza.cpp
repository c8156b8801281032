// Another copy of the program working on the same data folder, for the tests of two
// copies at once. One command per run, with a line on its output when done:
//   AltraIstanza salva <database file> <name>     saves a new entry as the editor does
//   AltraIstanza cancella <database file> <name>  deletes an entry as the browser does
//   AltraIstanza tieni <database file>            holds the file as a modify-mode save
//                                                 does, until its input closes
#include "VoceDiProva.h"

#include "model/CancellazioneMateriale.h"
#include "model/Categorie.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"

#include <QCoreApplication>
#include <QLocale>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication applicazione(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    const QStringList a = applicazione.arguments();
    const QString comando = a.value(1);
    QString risposta;
    try {
        if (comando == QLatin1String("salva")) {
            const auto esito = SalvataggioMateriale::Salva(VoceDiProva::Richiesta(
                a.value(2), catRwLaboratorio, VoceDiProva::ValoriVoce(catRwLaboratorio, a.value(3), 5)));
            risposta =
                esito.tipo == SalvataggioMateriale::Esito::Ok ? QStringLiteral("salvato") : esito.descrizione;
        } else if (comando == QLatin1String("cancella")) {
            const bool fatto = CancellazioneMateriale::Cancella(
                a.value(2), VoceDiProva::Tabella(catRwLaboratorio), a.value(3));
            risposta = fatto ? QStringLiteral("cancellato") : QStringLiteral("nessuna");
        } else if (comando == QLatin1String("tieni")) {
            auto database = DBEngine::OpenDatabase(a.value(2), true);
            std::printf("tengo\n");
            std::fflush(stdout);
            while (std::getchar() != EOF) {
            }
            return 0;
        } else {
            return 2;
        }
    } catch (const DbException& e) {
        risposta = e.Descrizione();
    }
    std::printf("%s\n", qPrintable(risposta));
    return 0;
}
