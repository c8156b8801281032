// zelmar-prevedi: the in-situ sound insulation of a building predicted from its elements' data
// (EN 12354-1, -2 and -3): one situation read from a JSON file, the prediction printed as one
// JSON object, with the limit of its building category (DPCM 5-12-1997) and its acoustic class
// (UNI 11367:2010).
//
// With --candidati, every wall (or floor) of a data folder put in turn into the separating
// slot of the situation, the results listed as CSV, best first.
//
//   zelmar-prevedi FILE.json     (FILE "-": standard input)
//   zelmar-prevedi --candidati DATA_FOLDER FILE
#include "app/Traduzioni.h"
#include "app/ZelmarCommonModule.h"
#include "avvio/CartelleUtente.h"
#include "exchange/ScritturaCsv.h"
#include "prediction/FileProgetto.h"
#include "prediction/LetturaSituazione.h"
#include "prediction/Previsione.h"
#include "prediction/RicercaCandidati.h"
#include "prediction/RisultatoJson.h"
#include "tools/NomiNonUtf8.h"
#include "tools/Strumenti.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cstdio>

using namespace Strumenti;

namespace {

class Prevedi
{
    Q_DECLARE_TR_FUNCTIONS(Prevedi)

public:
    static int Esegui(const QStringList& argomenti);

private:
    static QString Sintassi()
    {
        return tr("Usage: zelmar-prevedi FILE.json\n       zelmar-prevedi --candidati DATA_FOLDER FILE\n"
                  "       zelmar-prevedi -h | --help\n");
    }
    static QString Aiuto();
    static int Errore(const QString& messaggio);
    static int ErroreIngresso(const QString& nome, const LetturaSituazione::Errore& errore);
    static std::variant<Situazione, int> Ingresso(const QString& nome);
    static int Stampa(const QString& nome);
    static int Candidati(const QString& cartellaDati, const QString& nome);
    static QString Riga(const TabelleCartellaDati::Tabella& tabella, const Candidato& c);
};

QString Prevedi::Aiuto()
{
    return tr(
        "\n"
        "Predicts the sound insulation in the building from its elements' data and prints it as\n"
        "one JSON object. FILE holds one JSON object (\"-\": standard input); keys it does not\n"
        "know are ignored, so a design project is read as it is. \"calcolo\" says what:\n"
        "  aereo      between two rooms, EN 12354-1:2000: \"modello\" \"semplificato\" (single\n"
        "             numbers) or \"dettagliato\" (bands); \"Ss\", \"V\"; \"separazione\" {\"R\" | \"Rw\",\n"
        "             \"massa\", \"DR_sorgente\", \"DR_ricevente\"}; \"fianchi\" [{\"lunghezza\",\n"
        "             \"giunto\": \"croce\" | \"T\" | {\"KFf\", \"KFd\", \"KDf\"}, \"F\" and \"f\" {\"R\" | "
        "\"Rw\",\n"
        "             \"massa\", \"area\", \"DR\"}}]. Prints \"R'w\", \"C\", \"Ctr\", \"DnT,w\", \"DnT_C\",\n"
        "             \"DnT_Ctr\", \"percorsi\" and, in bands, \"R'\" and \"DnT\".\n"
        "  calpestio  impact under a floor, EN 12354-2:2000: \"massa\", \"Lnw\", \"DLw\",\n"
        "             \"massa_fianchi\", \"V\". Prints \"L'n,w\", \"L'nT,w\", \"K\", \"Ln,w,eq\".\n"
        "  facciata   a facade, EN 12354-3:2000: \"S\", \"V\", \"DLfs\", \"elementi\" [{\"area\",\n"
        "             \"R\" | \"Rw\"}], \"piccoli\" [{\"Dne\" | \"Dnew\"}]. Prints \"R'w\", \"C\", \"Ctr\",\n"
        "             \"D2m,nT,w\", \"percorsi\" and, in bands, \"R'\" and \"D2m,nT\".\n"
        "Bands are 21 values, 50 to 5000 Hz, or 16, 100 to 3150 Hz; null, or 0 at 50-80 and\n"
        "4000-5000 Hz, is a band without a value. With \"categoria\" \"A\" to \"G\" the output has\n"
        "\"requisito\" (DPCM 5-12-1997, table B); \"classe\" is the class of UNI 11367:2010.\n"
        "\n"
        "--candidati DATA_FOLDER FILE\n"
        "  puts every entry of every database of the data folder that can be the separating\n"
        "  element of FILE (a design project or an input of \"calcolo\" \"aereo\" or \"calpestio\")\n"
        "  in its place in turn: airborne, the walls of kinds Rw (laboratory) and Rw (theoretical),\n"
        "  with their bands and mass in the detailed model, their Rw and mass in the simplified;\n"
        "  impact, the floors of kinds Lnw (laboratory) and Lnw (theoretical), with their Lnw and\n"
        "  mass. Entries lacking them (in bands, any value from 100 to 3150 Hz) are skipped and\n"
        "  counted on standard error. Prints CSV, best first: File;Tabella;Nome;R'w;DnT,w;\n"
        "  Rispettato;m' (kg/m²) (impact: L'n,w;L'nT,w), Rispettato against \"categoria\".\n"
        "\n"
        "Exit status: 0 done; 1 a file could not be read (the rest is done) or the output\n"
        "written; 2 wrong usage or bad input (the message names the key).\n");
}

int Prevedi::Errore(const QString& messaggio)
{
    Scrivi(stderr, QStringLiteral("zelmar-prevedi: ") + messaggio + QLatin1Char('\n') + Sintassi() +
                       tr("(--help for details)\n"));
    return UsoErrato;
}

int Prevedi::Esegui(const QStringList& argomenti)
{
    if (argomenti.isEmpty())
        return Errore(tr("the input file is missing"));
    const QString nome = argomenti[0];
    if (nome == QLatin1String("--help") || nome == QLatin1String("-h")) {
        Scrivi(stdout, Sintassi() + Aiuto());
        return Riuscito;
    }
    if (nome == QLatin1String("--candidati")) {
        if (argomenti.size() != 3)
            return Errore(argomenti.size() < 3
                              ? tr("--candidati needs a data folder and an input file")
                              : tr("one input file only: «%1» is one too many").arg(argomenti[3]));
        return Candidati(argomenti[1], argomenti[2]);
    }
    if (nome.startsWith(QLatin1String("--")))
        return Errore(tr("unknown option «%1»").arg(nome));
    if (argomenti.size() > 1)
        return Errore(tr("one input file only: «%1» is one too many").arg(argomenti[1]));
    return Stampa(nome);
}

// The situation of the input file (standard input for "-"), or the exit status, its fault told.
std::variant<Situazione, int> Prevedi::Ingresso(const QString& nome)
{
    QFile file(nome);
    if (nome == QLatin1String("-") ? !file.open(stdin, QIODevice::ReadOnly) : !QFileInfo(nome).isFile())
        return Errore(tr("the input file «%1» does not exist").arg(nome));
    if (!file.isOpen() && !file.open(QIODevice::ReadOnly)) {
        Scrivi(stderr, tr("zelmar-prevedi: %1 could not be read: %2\n").arg(nome, file.errorString()));
        return Fallito;
    }
    // A design project is its input with the sources of its elements: read alike, sources checked.
    FileProgetto::Esito esito = FileProgetto::Leggi(file.readAll());
    if (const auto* errore = std::get_if<LetturaSituazione::Errore>(&esito))
        return ErroreIngresso(nome, *errore);
    return std::move(std::get<Progetto>(esito).situazione);
}

// The prediction of the input's situation.
int Prevedi::Stampa(const QString& nome)
{
    const std::variant<Situazione, int> ingresso = Ingresso(nome);
    if (const int* stato = std::get_if<int>(&ingresso))
        return *stato;
    const Situazione& situazione = std::get<Situazione>(ingresso);
    const std::string json = RisultatoJson::Testo(situazione, Previsione::Calcola(situazione));
    std::printf("%s\n", json.c_str());
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        Scrivi(stderr, tr("zelmar-prevedi: the result could not be written\n"));
        return Fallito;
    }
    return Riuscito;
}

int Prevedi::ErroreIngresso(const QString& nome, const LetturaSituazione::Errore& errore)
{
    const QString chiave = errore.chiave.isEmpty() ? QString() : QStringLiteral("«%1»: ").arg(errore.chiave);
    Scrivi(stderr, QStringLiteral("zelmar-prevedi: %1: %2%3\n").arg(nome, chiave, errore.messaggio));
    return UsoErrato;
}

QString Prevedi::Riga(const TabelleCartellaDati::Tabella& tabella, const Candidato& c)
{
    const QString rispettato = c.rispettato ? (*c.rispettato ? tr("yes") : tr("no")) : QString();
    return ScritturaCsv::Riga({ScritturaCsv::Testo(tabella.relativo), ScritturaCsv::Testo(tabella.tabella),
                               ScritturaCsv::Testo(c.nome), ScritturaCsv::Numero(c.indice),
                               ScritturaCsv::Numero(c.normalizzato), ScritturaCsv::Testo(rispettato),
                               ScritturaCsv::Numero(c.massa)});
}

// Every fitting entry of the data folder in the separating slot of the situation, as CSV.
int Prevedi::Candidati(const QString& cartellaDati, const QString& nome)
{
    if (!QFileInfo(cartellaDati + QStringLiteral("/Databases/Database")).isDir())
        return Errore(tr("«%1» is not a data folder: it has no Databases/Database folder").arg(cartellaDati));
    const std::variant<Situazione, int> ingresso = Ingresso(nome);
    if (const int* stato = std::get_if<int>(&ingresso))
        return *stato;
    const Situazione& situazione = std::get<Situazione>(ingresso);
    if (!RicercaCandidati::Possibile(situazione))
        return ErroreIngresso(
            nome, {QStringLiteral("calcolo"), tr("--candidati needs \"aereo\" or \"calpestio\"")});

    const RicercaCandidati ricerca(situazione);
    const std::vector<TabelleCartellaDati::Tabella> tabelle = TabelleCartellaDati::Elenca(cartellaDati);
    std::vector<Candidato> candidati;
    qint64 saltate = 0;
    bool illeggibili = false;
    const std::atomic<bool> maiAnnullata{false};
    ricerca.Cerca(
        tabelle, QThread::idealThreadCount(), maiAnnullata,
        [&](std::vector<Candidato>&& trovati, qint64) {
            candidati.insert(candidati.end(), trovati.begin(), trovati.end());
        },
        [&](size_t i, const RicercaCandidati::EsitoTabella& e) {
            saltate += e.saltate;
            if (e.errore.isEmpty())
                return;
            illeggibili = true;
            Scrivi(stderr,
                   e.fileIlleggibile
                       ? tr("zelmar-prevedi: %1 could not be read: %2\n").arg(tabelle[i].relativo, e.errore)
                       : tr("zelmar-prevedi: %1, table %2, could not be read: %3\n")
                             .arg(tabelle[i].relativo, tabelle[i].tabella, e.errore));
        });
    for (const QString& file : NomiNonUtf8::FileDatabase(cartellaDati)) {
        illeggibili = true;
        Scrivi(
            stderr,
            tr("zelmar-prevedi: %1 could not be read: its name is not UTF-8 (rename the file)\n").arg(file));
    }
    ricerca.Ordina(candidati);

    QStringList intestazione;
    for (const char* campo : {"File", "Tabella", "Nome", ricerca.Calpestio() ? "L'n,w" : "R'w",
                              ricerca.Calpestio() ? "L'nT,w" : "DnT,w", "Rispettato", "m' (kg/m²)"})
        intestazione << ScritturaCsv::Testo(QString::fromUtf8(campo));
    QString testo = ScritturaCsv::Riga(intestazione);
    for (const Candidato& c : candidati)
        testo += Riga(tabelle[size_t(c.tabella)], c);
    std::fwrite(ScritturaCsv::Inizio().constData(), 1, size_t(ScritturaCsv::Inizio().size()), stdout);
    Scrivi(stdout, testo);
    Scrivi(stderr, tr("zelmar-prevedi: entries skipped, lacking what the model needs: %1\n").arg(saltate));
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        Scrivi(stderr, tr("zelmar-prevedi: the result could not be written\n"));
        return Fallito;
    }
    return illeggibili ? Fallito : Riuscito;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication applicazione(argc, argv);
    CartelleUtente::PerStrumento();
    Traduzioni::Installa(ZelmarCommonModule::GetLingua());
    return Prevedi::Esegui(QCoreApplication::arguments().mid(1));
}
