// Another copy of the program working on the same data folder, for the tests of two
// copies at once and of saves cut short. One command per run, with a line on its output
// each time it is done:
//   AltraIstanza salva <database file> <name>     says it is ready, then saves a new entry
//                                                 as the editor does
//   AltraIstanza modifica <database file> <name> [<column>]
//                                                 changes the entry of that name as the
//                                                 editor does, from the entry as it is now;
//                                                 with a column, only that one (by 1), as
//                                                 another program does
//   AltraIstanza cancella <database file> <name>  deletes the entry of that name as the
//                                                 browser does
//   AltraIstanza tieni <database file>            holds the file as a modify-mode save
//                                                 does, until its input closes
//   AltraIstanza ripeti <database file> <seed>    saves new entries for ever, seed after
//                                                 seed, and modifies each right after
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

// Empty when saved, else what stopped the save: the engine's description, or the refusal's number.
QString Salva(const QString& percorso, const QString& nome, int seme, bool modifica = false,
              const QString& selezionato = {})
{
    using Esito = SalvataggioMateriale::Esito;
    const auto esito = SalvataggioMateriale::Salva(
        VoceDiProva::Richiesta(percorso, catRwLaboratorio,
                               VoceDiProva::ValoriVoce(catRwLaboratorio, nome, seme), modifica, selezionato));
    return esito.tipo == Esito::Ok       ? QString()
           : esito.tipo == Esito::Errore ? esito.descrizione
                                         : QString::number(esito.tipo);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication applicazione(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    const QStringList a = applicazione.arguments();
    const QString comando = a.value(1);
    // A workstation of the laboratory's shared database on that server.
    if (qEnvironmentVariableIsSet("ZELMAR_PROVA_SERVER"))
        DatabaseCondiviso::Collega(a.value(2), qEnvironmentVariable("ZELMAR_PROVA_SERVER"));
    try {
        if (comando == QLatin1String("modifica") && !a.value(4).isEmpty()) {
            auto database = DBEngine::OpenDatabase(a.value(2), DBEngine::Uso::Esclusivo);
            auto tabella = database->OpenRecordset(VoceDiProva::Tabella(catRwLaboratorio));
            tabella->SetIndex(QStringLiteral("Nome"));
            tabella->Seek(QStringLiteral("="), a.value(3));
            tabella->Edit();
            tabella->SetField(a.value(4), QLocale().toString(tabella->Field(a.value(4)).toDouble() + 1));
            tabella->Update();
            Scrivi(QStringLiteral("salvato"));
        } else if (comando == QLatin1String("salva") || comando == QLatin1String("modifica")) {
            const bool modifica = comando == QLatin1String("modifica");
            if (!modifica)
                Scrivi(QStringLiteral("pronto"));
            const QString errore = Salva(a.value(2), a.value(3), 5, modifica, a.value(3));
            Scrivi(errore.isEmpty() ? QStringLiteral("salvato") : errore);
        } else if (comando == QLatin1String("cancella")) {
            const bool cancellato = CancellazioneMateriale::Cancella(
                a.value(2), VoceDiProva::Tabella(catRwLaboratorio), a.value(3));
            Scrivi(cancellato ? QStringLiteral("cancellato") : QStringLiteral("assente"));
        } else if (comando == QLatin1String("tieni")) {
            auto database = DBEngine::OpenDatabase(a.value(2), DBEngine::Uso::Esclusivo);
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
