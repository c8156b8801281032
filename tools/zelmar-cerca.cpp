// zelmar-cerca: the entries of every database of a data folder (custom, theoretical,
// experimental, Access files too) that meet the criteria given, written as CSV.
//
//   zelmar-cerca DATA_FOLDER [--tipo CODE]... [--testo TEXT] [--indice-min X] [--indice-max X]
//                [--massa-min X] [--massa-max X] [--dal D/M/YYYY] [--al D/M/YYYY] [--difforme]
#include "app/Traduzioni.h"
#include "app/ZelmarCommonModule.h"
#include "avvio/CartelleUtente.h"
#include "exchange/ScritturaCsv.h"
#include "model/Categorie.h"
#include "search/LetturaValori.h"
#include "search/RicercaTabelle.h"
#include "tools/NomiNonUtf8.h"
#include "tools/Strumenti.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMutex>
#include <QThread>
#include <cstdio>

using namespace Strumenti;

namespace {

class Strumento
{
    Q_DECLARE_TR_FUNCTIONS(ZelmarCerca)

public:
    static int Esegui(const QStringList& argomenti);

private:
    static QString Sintassi();
    static int Errore(const QString& messaggio);
    static int Cerca(const QString& cartellaDati, const CriteriRicerca& criteri);
};

QString Strumento::Sintassi()
{
    return tr(
        "Usage: zelmar-cerca DATA_FOLDER [--tipo CODE]... [--testo TEXT] [--indice-min X] [--indice-max X]\n"
        "                    [--massa-min X] [--massa-max X] [--dal D/M/YYYY] [--al D/M/YYYY] "
        "[--difforme]\n");
}

int Strumento::Errore(const QString& messaggio)
{
    Scrivi(stderr, QStringLiteral("zelmar-cerca: ") + messaggio + QLatin1Char('\n') + Sintassi() +
                       tr("(--help for details)\n"));
    return UsoErrato;
}

int Strumento::Esegui(const QStringList& argomenti)
{
    if (argomenti.contains(QStringLiteral("--help")) || argomenti.contains(QStringLiteral("-h"))) {
        Scrivi(stdout,
               Sintassi() +
                   tr("\n"
                      "Searches every database of the data folder (custom, theoretical, experimental,\n"
                      "Access files too) and writes the entries that meet every criterion given as CSV\n"
                      "to standard output: a header line, then one line per entry: file (relative to\n"
                      "the data folder), table, \"Nome\", kind code, value of the table's first rating\n"
                      "column; databases in the tree's order, rows in stored order.\n"
                      "  --tipo CODE        kind code; repeated, any of them. The codes:\n%1\n"
                      "  --testo TEXT       contained in \"Nome\", \"Parola chiave\", \"Descrizione\",\n"
                      "                     \"Certificato\", \"Ente di prova\" or \"Societ\u00e0 "
                      "richiedente\",\n"
                      "                     letter case and accents ignored\n"
                      "  --indice-min X, --indice-max X   the first rating column\n"
                      "  --massa-min X, --massa-max X     \"m' (kg/m\u00b2)\"\n"
                      "  --dal D/M/YYYY, --al D/M/YYYY    \"Data Prova\", read day/month/year\n"
                      "  --difforme         some stored rating differs from the one computed from the\n"
                      "                     entry's curve\n"
                      "  -h, --help         print this help\n"
                      "Numbers take \",\" or \".\" (-3,5 is a value); \"-\" alone is no bound. Bounds are\n"
                      "inclusive; an entry without the value a bound tests, or whose date is no date,\n"
                      "does not match.\n"
                      "\n"
                      "Exit status: 0 done (also with no match); 1 some file could not be read (told\n"
                      "on standard error, the rest searched); 2 wrong usage or a missing data folder\n"
                      "(the message names the argument).\n")
                       .arg(Categorie::ElencoCodici(QString(21, QLatin1Char(' ')), 88)));
        return Riuscito;
    }
    CriteriRicerca criteri;
    QString cartella;
    bool soloDati = false;
    for (int i = 0; i < argomenti.size(); ++i) {
        const QString& a = argomenti[i];
        if (soloDati || !a.startsWith(QLatin1String("--"))) {
            if (!cartella.isNull())
                return Errore(tr("unexpected argument \u00ab%1\u00bb: one data folder is searched").arg(a));
            cartella = a;
            continue;
        }
        if (a == QLatin1String("--")) {
            soloDati = true;
            continue;
        }
        if (a == QLatin1String("--difforme")) {
            criteri.difforme = true;
            continue;
        }
        static const QStringList conValore{"--tipo",      "--testo",     "--indice-min", "--indice-max",
                                           "--massa-min", "--massa-max", "--dal",        "--al"};
        if (!conValore.contains(a))
            return Errore(tr("unknown option \u00ab%1\u00bb").arg(a));
        if (i + 1 >= argomenti.size())
            return Errore(tr("%1 needs a value").arg(a));
        const QString valore = argomenti[++i];
        const bool nessuno = valore == QLatin1String("-");
        const auto numero = [&](Intervallo<double>& intervallo, bool minimo) {
            if (nessuno)
                return true;
            const std::optional<double> n = LetturaValori::Numero(valore);
            (minimo ? intervallo.minimo : intervallo.massimo) = n;
            return n.has_value();
        };
        const auto data = [&](bool dal) {
            if (nessuno)
                return true;
            const QDate d = QDate::fromString(valore, QStringLiteral("d/M/yyyy"));
            (dal ? criteri.data.minimo : criteri.data.massimo) =
                d.isValid() ? std::optional(d) : std::nullopt;
            return d.isValid();
        };
        bool ok = true;
        if (a == QLatin1String("--tipo")) {
            bool intero = false;
            const int codice = valore.toInt(&intero);
            ok = intero && Categorie::PerCodice(codice);
            criteri.tipi.insert(codice);
        } else if (a == QLatin1String("--testo")) {
            criteri.testo = nessuno ? QString() : valore;
        } else if (a == QLatin1String("--indice-min") || a == QLatin1String("--indice-max")) {
            ok = numero(criteri.indice, a.endsWith(QLatin1String("min")));
        } else if (a == QLatin1String("--massa-min") || a == QLatin1String("--massa-max")) {
            ok = numero(criteri.massa, a.endsWith(QLatin1String("min")));
        } else if (a == QLatin1String("--dal") || a == QLatin1String("--al")) {
            ok = data(a == QLatin1String("--dal"));
        } else {
            return Errore(tr("unknown option \u00ab%1\u00bb").arg(a));
        }
        if (!ok)
            return Errore(a == QLatin1String("--tipo")
                              ? tr("--tipo \u00ab%1\u00bb is no kind code, which are:\n%2")
                                    .arg(valore, Categorie::ElencoCodici(QStringLiteral("  "), 88))
                          : a == QLatin1String("--dal") || a == QLatin1String("--al")
                              ? tr("%1 \u00ab%2\u00bb is not a date D/M/YYYY").arg(a, valore)
                              : tr("%1 \u00ab%2\u00bb is not a number").arg(a, valore));
    }
    if (cartella.isNull())
        return Errore(tr("the data folder is missing"));
    if (!QFileInfo(cartella).isDir())
        return Errore(tr("the data folder \u00ab%1\u00bb does not exist").arg(cartella));
    if (!QFileInfo(cartella + QStringLiteral("/Databases/Database")).isDir())
        return Errore(
            tr("\u00ab%1\u00bb is not a data folder: it has no Databases/Database folder").arg(cartella));
    return Cerca(cartella, criteri);
}

int Strumento::Cerca(const QString& cartellaDati, const CriteriRicerca& criteri)
{
    const std::vector<TabelleCartellaDati::Tabella> tabelle = TabelleCartellaDati::Elenca(cartellaDati);
    std::fwrite(ScritturaCsv::Inizio().constData(), 1, size_t(ScritturaCsv::Inizio().size()), stdout);
    Scrivi(stdout,
           ScritturaCsv::Riga({QStringLiteral("File"), QStringLiteral("Tabella"), QStringLiteral("Nome"),
                               QStringLiteral("Tipo"), QStringLiteral("Indice")}));
    // Lines go out in the tables' order as soon as they can: those of the first table not yet
    // written straight away, the others kept as CSV text until the tables before are written.
    QMutex mutex;
    size_t prossima = 0;
    std::vector<QByteArray> inAttesa(tabelle.size());
    bool illeggibili = false;
    const std::atomic<bool> maiAnnullata{false};
    RicercaTabelle::CercaTutte(
        tabelle, criteri, QThread::idealThreadCount(), maiAnnullata,
        [&](std::vector<VoceTrovata>&& lotto) {
            const size_t i = size_t(lotto.front().tabella);
            const TabelleCartellaDati::Tabella& t = tabelle[i];
            QString righe;
            for (const VoceTrovata& v : lotto)
                righe += ScritturaCsv::Riga({ScritturaCsv::Testo(t.relativo), ScritturaCsv::Testo(t.tabella),
                                             ScritturaCsv::Testo(v.nome), QString::number(t.codice),
                                             ScritturaCsv::Valore(v.valutazioni[0])});
            const QMutexLocker blocco(&mutex);
            if (i == prossima)
                Scrivi(stdout, righe);
            else
                inAttesa[i] += righe.toUtf8();
        },
        [&](size_t i, const RicercaTabelle::EsitoTabella& esito) {
            const TabelleCartellaDati::Tabella& t = tabelle[i];
            {
                const QMutexLocker blocco(&mutex);
                prossima = i + 1;
                if (prossima < tabelle.size()) {
                    std::fwrite(inAttesa[prossima].constData(), 1, size_t(inAttesa[prossima].size()), stdout);
                    inAttesa[prossima] = {};
                }
            }
            if (!esito.errore.isEmpty()) {
                illeggibili = true;
                Scrivi(stderr,
                       esito.fileIlleggibile
                           ? tr("zelmar-cerca: %1 could not be read: %2\n").arg(t.relativo, esito.errore)
                           : tr("zelmar-cerca: %1, table %2, could not be read: %3\n")
                                 .arg(t.relativo, t.tabella, esito.errore));
            }
        });
    for (const QString& file : NomiNonUtf8::FileDatabase(cartellaDati)) {
        illeggibili = true;
        Scrivi(stderr,
               tr("zelmar-cerca: %1 could not be read: its name is not UTF-8 (rename the file)\n").arg(file));
    }
    std::fflush(stdout);
    return illeggibili ? Fallito : Riuscito;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication applicazione(argc, argv);
    // The language of the program's Zelmar.ini.
    CartelleUtente::PerStrumento();
    Traduzioni::Installa(ZelmarCommonModule::GetLingua());
    return Strumento::Esegui(QCoreApplication::arguments().mid(1));
}
