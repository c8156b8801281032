// zelmar-esporta: entries out of a database file without the program's windows.
//
//   zelmar-esporta --pdf OUT.pdf [--tipo CODICE] FILE_DB TABELLA NOME
//   zelmar-esporta --csv OUT.csv FILE_DB TABELLA
//
// --pdf writes the one-page data sheet of the entry NOME of TABELLA (the first of that name
// in index order, as the program's display finds it); --csv writes the whole table. Exit
// status 0 when written, 1 when OUT cannot be written or FILE_DB cannot be read, 2 for wrong
// usage or a missing file, table or entry.
#include "app/Traduzioni.h"
#include "app/ZelmarCommonModule.h"
#include "avvio/Avviatore.h"
#include "browser/SceltaImmagine.h"
#include "exchange/EsportazioneTabella.h"
#include "exchange/LetturaVoce.h"
#include "exchange/TipiVoce.h"
#include "model/Categorie.h"
#include "sheet/SchedaTecnica.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"
#include "tools/Strumenti.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <cstdio>
#include <unistd.h>

using namespace Strumenti;

namespace {

constexpr const char* Sintassi = "Uso: zelmar-esporta --pdf USCITA.pdf [--tipo CODICE] FILE_DB TABELLA NOME\n"
                                 "     zelmar-esporta --csv USCITA.csv FILE_DB TABELLA\n";

constexpr const char* Aiuto =
    "\n"
    "--pdf  scrive la scheda tecnica di una pagina A4 della voce NOME della tabella TABELLA del\n"
    "       file FILE_DB (database proprio o file Access): la prima voce con quel nome\n"
    "       nell'ordine dell'indice, come la trova il programma. Il tipo della voce viene da dove\n"
    "       sta il file nella cartella dei dati (tabelle del database personalizzato o teorico,\n"
    "       cartella di categoria di un file sperimentale), oppure da --tipo con un codice di\n"
    "       tipo: 1 Rw, 2 R'w, 3 DRw, 4 Lnw, 5 L'nw, 6 DLw, 7 Infissi, 8 Rw teorico,\n"
    "       9 Lnw teorico, 10 Dnew, 100 DRw teorico.\n"
    "--csv  scrive l'intera tabella in CSV: UTF-8 con BOM, \";\" come separatore, la riga di\n"
    "       intestazione con i nomi esatti delle colonne nell'ordine della tabella, poi le righe\n"
    "       nell'ordine in cui sono memorizzate; numeri con la virgola decimale, Null come\n"
    "       campo vuoto.\n"
    "Le opzioni vengono prima; gli argomenti dopo di esse sono dati anche se iniziano con \"-\".\n"
    "Stato di uscita: 0 scritto, 1 USCITA non scrivibile o FILE_DB illeggibile,\n"
    "2 uso errato o file, tabella o voce mancante.\n"
    "La scheda è nella lingua del file Zelmar.ini del programma.\n";

int Errore(int stato, const QString& messaggio)
{
    std::fprintf(stderr, "zelmar-esporta: %s\n", qPrintable(messaggio));
    if (stato == UsoErrato && messaggio.startsWith(QLatin1String("uso")))
        std::fprintf(stderr, "%s", Sintassi);
    return stato;
}

struct Richiesta
{
    bool pdf = false;
    QString uscita;
    std::optional<int> tipo;
    QStringList argomenti;
};

// Options first; every argument after them is data. Returns the error to print, if any.
QString Leggi(const QStringList& a, Richiesta& r)
{
    int i = 0;
    bool formato = false;
    for (; i < a.size() && a[i].startsWith(QLatin1String("--")); ++i) {
        const QString opzione = a[i];
        if (opzione == QLatin1String("--")) {
            ++i;
            break;
        }
        if (i + 1 >= a.size())
            return QStringLiteral("uso errato: %1 vuole un valore").arg(opzione);
        const QString valore = a[++i];
        if (opzione == QLatin1String("--pdf") || opzione == QLatin1String("--csv")) {
            if (formato)
                return QStringLiteral("uso errato: --pdf e --csv si escludono");
            formato = true;
            r.pdf = opzione == QLatin1String("--pdf");
            r.uscita = valore;
        } else if (opzione == QLatin1String("--tipo")) {
            bool ok = false;
            r.tipo = valore.toInt(&ok);
            if (!ok || TipiVoce::Nome(*r.tipo).isEmpty())
                return QStringLiteral("uso errato: il tipo «%1» non è un codice di tipo").arg(valore);
        } else {
            return QStringLiteral("uso errato: opzione sconosciuta «%1»").arg(opzione);
        }
    }
    r.argomenti = a.mid(i);
    if (!formato)
        return QStringLiteral("uso errato: manca --pdf o --csv");
    if (!r.pdf && r.tipo)
        return QStringLiteral("uso errato: --tipo vale solo con --pdf");
    const int attesi = r.pdf ? 3 : 2;
    if (r.argomenti.size() != attesi)
        return QStringLiteral("uso errato: servono %1 argomenti dopo le opzioni, non %2")
            .arg(attesi)
            .arg(r.argomenti.size());
    return {};
}

// The program folder: its image folders hold the pictures, its Zelmar.ini the language of the
// sheet. This tool's own folder when it is one, otherwise the build's, otherwise the user's
// folder of the installed program.
QString CartellaProgramma()
{
    const QStringList candidate = {QCoreApplication::applicationDirPath(),
                                   QStringLiteral(ZELMAR_CARTELLA_PROGRAMMA),
                                   Avviatore::CartellaProgrammaUtente()};
    for (const QString& cartella : candidate)
        if (QFileInfo(cartella + QStringLiteral("/immagine")).isDir())
            return cartella;
    return candidate.first();
}

// Opens the table, telling a missing table (2) from a file that cannot be read (1).
std::unique_ptr<Recordset> ApriTabella(Database& db, const QString& file, const QString& tabella, int& stato)
{
    bool presente = false;
    for (const QString& nome : db.TableNames())
        presente = presente || nome == tabella;
    if (!presente) {
        stato = Errore(UsoErrato, QStringLiteral("il file %1 non ha la tabella «%2»").arg(file, tabella));
        return nullptr;
    }
    return db.OpenRecordset(tabella);
}

int Csv(const Richiesta& r)
{
    const QString file = r.argomenti[0];
    const QString tabella = r.argomenti[1];
    auto db = DBEngine::OpenDatabase(file);
    int stato = Riuscito;
    auto rs = ApriTabella(*db, file, tabella, stato);
    if (!rs)
        return stato;
    QSaveFile uscita(r.uscita);
    if (!uscita.open(QIODevice::WriteOnly))
        return Errore(Fallito,
                      QStringLiteral("impossibile scrivere %1: %2").arg(r.uscita, uscita.errorString()));
    if (!EsportazioneTabella::Scrivi(*rs, uscita) || !uscita.commit())
        return Errore(Fallito,
                      QStringLiteral("impossibile scrivere %1: %2").arg(r.uscita, uscita.errorString()));
    return Riuscito;
}

int Pdf(const Richiesta& r)
{
    const QString file = r.argomenti[0];
    const QString tabella = r.argomenti[1];
    const QString nome = r.argomenti[2];
    const std::optional<int> codice = r.tipo ? r.tipo : TipiVoce::CodiceDaPosizione(file, tabella);
    if (!codice)
        return Errore(UsoErrato,
                      QStringLiteral("il tipo della tabella «%1» di %2 non si deduce dalla posizione del "
                                     "file: indicarlo con --tipo")
                          .arg(tabella, file));
    {
        auto db = DBEngine::OpenDatabase(file);
        int stato = Riuscito;
        if (!ApriTabella(*db, file, tabella, stato))
            return stato;
    }
    const std::optional<DatiVoce> voce = LetturaVoce::Leggi(file, tabella, *codice, nome);
    if (!voce)
        return Errore(UsoErrato,
                      QStringLiteral("la tabella «%1» di %2 non ha la voce «%3»").arg(tabella, file, nome));
    const QString errore = SchedaTecnica::ScriviPdf(
        r.uscita, *voce, SceltaImmagine::PropriaDellaVoce(voce->codice, voce->immagine));
    if (!errore.isEmpty())
        return Errore(Fallito, errore);
    return Riuscito;
}

} // namespace

int main(int argc, char* argv[])
{
    // The sheet is drawn without a screen, and without the warning Qt gives when it has no
    // runtime folder.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime =
            QDir::tempPath() + QStringLiteral("/zelmar-esporta-") + QString::number(getuid());
        if (QDir().mkpath(runtime) &&
            QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    }
    QApplication app(argc, argv);
    ZelmarCommonModule::SetCartellaProgramma(CartellaProgramma());
    Traduzioni::Installa(ZelmarCommonModule::GetLingua());
    const QStringList argomenti = QApplication::arguments().mid(1);
    if (argomenti.size() == 1 &&
        (argomenti[0] == QLatin1String("--help") || argomenti[0] == QLatin1String("-h"))) {
        std::printf("%s%s", Sintassi, Aiuto);
        return Riuscito;
    }
    Richiesta richiesta;
    if (const QString errore = Leggi(argomenti, richiesta); !errore.isEmpty())
        return Errore(UsoErrato, errore);
    const QString file = richiesta.argomenti[0];
    if (!QFileInfo(file).isFile())
        return Errore(UsoErrato, QStringLiteral("il file %1 non esiste").arg(file));
    try {
        return richiesta.pdf ? Pdf(richiesta) : Csv(richiesta);
    } catch (const DbException& errore) {
        return Errore(Fallito, QStringLiteral("impossibile leggere %1: %2").arg(file, errore.Descrizione()));
    }
}
