// Another copy of the program working on the same data folder, for the tests of two
// copies at once and of saves cut short. One command per run, with a line on its output
// each time it is done:
//   AltraIstanza salva <database file> <name>     saves a new entry as the editor does
//   AltraIstanza modifica <database file> <name> <new name>  modifies an entry as the editor does
//   AltraIstanza cancella <database file> <name>  deletes an entry as the browser does
//   AltraIstanza tieni <database file>            holds the file as a modify-mode save
//                                                 does, until its input closes
//   AltraIstanza ripeti <database file> <seed>    saves new entries for ever, seed after
//                                                 seed, and modifies each right after
// With ZELMAR_PROVA_SERVER set (a libpq connection string), the database file given is the
// shared database on that server, as a workstation configured for it sees it.
#include "VoceDiProva.h"

#include "model/CancellazioneMateriale.h"
#include "model/Categorie.h"
#include "model/DatabaseCondiviso.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"

#include <QCoreApplication>
#include <QLocale>
#include <cstdio>

namespace {

void Scrivi(const QString& riga)
{
    std::printf("%s\n", qPrintable(riga));
    std::fflush(stdout);
}

QString Salva(const QString& percorso, const QString& nome, int seme, bool modifica = false,
              const QString& selezionato = {})
{
    const auto esito = SalvataggioMateriale::Salva(
        VoceDiProva::Richiesta(percorso, catRwLaboratorio,
                               VoceDiProva::ValoriVoce(catRwLaboratorio, nome, seme), modifica, selezionato));
    if (esito.tipo == SalvataggioMateriale::Esito::NomeDuplicato)
        return QStringLiteral("nome doppio");
    if (esito.tipo == SalvataggioMateriale::Esito::NonTrovato)
        return QStringLiteral("non trovata");
    return esito.tipo == SalvataggioMateriale::Esito::Ok ? QString() : esito.descrizione;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication applicazione(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    const QStringList a = applicazione.arguments();
    const QString comando = a.value(1);
    if (qEnvironmentVariableIsSet("ZELMAR_PROVA_SERVER"))
        DatabaseCondiviso::Collega(a.value(2), qEnvironmentVariable("ZELMAR_PROVA_SERVER"));
    try {
        if (comando == QLatin1String("salva")) {
            const QString errore = Salva(a.value(2), a.value(3), 5);
            Scrivi(errore.isEmpty() ? QStringLiteral("salvato") : errore);
        } else if (comando == QLatin1String("modifica")) {
            const QString errore = Salva(a.value(2), a.value(4), 6, true, a.value(3));
            Scrivi(errore.isEmpty() ? QStringLiteral("salvato") : errore);
        } else if (comando == QLatin1String("cancella")) {
            const bool fatto = CancellazioneMateriale::Cancella(
                a.value(2), VoceDiProva::Tabella(catRwLaboratorio), a.value(3));
            Scrivi(fatto ? QStringLiteral("cancellato") : QStringLiteral("nessuna"));
        } else if (comando == QLatin1String("tieni")) {
            auto database = DBEngine::OpenDatabase(a.value(2), true);
            Scrivi(QStringLiteral("tengo"));
            while (std::getchar() != EOF) {
            }
        } else if (comando == QLatin1String("ripeti")) {
            Scrivi(QStringLiteral("pronto"));
            for (int seme = a.value(3).toInt();; ++seme) {
                const QString nome = QStringLiteral("Prova %1").arg(seme);
                for (bool modifica : {false, true}) {
                    const QString errore = Salva(a.value(2), modifica ? nome + QStringLiteral(" bis") : nome,
                                                 seme + modifica, modifica, nome);
                    if (!errore.isEmpty())
                        return std::fprintf(stderr, "%s\n", qPrintable(errore)), 1;
                    Scrivi(QStringLiteral("%1 %2").arg(modifica ? "modifica" : "nuova").arg(seme));
                }
            }
        } else {
            return 2;
        }
    } catch (const DbException& e) {
        Scrivi(e.Descrizione());
    }
    return 0;
}
