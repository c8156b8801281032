// zelmar-prevedi: the in-situ sound insulation of a building predicted from its elements' data
// (EN 12354-1, -2 and -3): one situation read from a JSON file, the prediction printed as one
// JSON object, with the limit of its building category (DPCM 5-12-1997) and its acoustic class
// (UNI 11367:2010).
//
//   zelmar-prevedi FILE.json     (FILE "-": standard input)
#include "prediction/LetturaSituazione.h"
#include "prediction/Previsione.h"
#include "prediction/RisultatoJson.h"
#include "tools/Strumenti.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
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
        return tr("Usage: zelmar-prevedi FILE.json\n       zelmar-prevedi -h | --help\n");
    }
    static QString Aiuto();
    static int Errore(const QString& messaggio);
    static int Stampa(QFile& file, const QString& nome);
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
        "Exit status: 0 done; 1 the file could not be read or the output written; 2 wrong\n"
        "usage or bad input (the message names the key).\n");
}

int Prevedi::Errore(const QString& messaggio)
{
    return ErroreDUso(messaggio, Sintassi());
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
    if (nome.startsWith(QLatin1String("--")))
        return Errore(tr("unknown option «%1»").arg(nome));
    if (argomenti.size() > 1)
        return Errore(tr("one input file only: «%1» is one too many").arg(argomenti[1]));
    QFile file(nome);
    if (nome == QLatin1String("-") ? !file.open(stdin, QIODevice::ReadOnly) : !QFileInfo(nome).isFile())
        return Errore(tr("the input file «%1» does not exist").arg(nome));
    if (!file.isOpen() && !file.open(QIODevice::ReadOnly)) {
        Scrivi(stderr, tr("zelmar-prevedi: %1 could not be read: %2\n").arg(nome, file.errorString()));
        return Fallito;
    }
    return Stampa(file, nome);
}

// The prediction of the situation the open file holds.
int Prevedi::Stampa(QFile& file, const QString& nome)
{
    const LetturaSituazione::Esito esito = LetturaSituazione::Leggi(file.readAll());
    if (const auto* errore = std::get_if<LetturaSituazione::Errore>(&esito)) {
        const QString chiave =
            errore->chiave.isEmpty() ? QString() : QStringLiteral("«%1»: ").arg(errore->chiave);
        Scrivi(stderr, QStringLiteral("zelmar-prevedi: %1: %2%3\n").arg(nome, chiave, errore->messaggio));
        return UsoErrato;
    }
    const Situazione& situazione = std::get<Situazione>(esito);
    const std::string json = RisultatoJson::Testo(situazione, Previsione::Calcola(situazione));
    std::printf("%s\n", json.c_str());
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        Scrivi(stderr, tr("zelmar-prevedi: the result could not be written\n"));
        return Fallito;
    }
    return Riuscito;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication applicazione(argc, argv);
    Prepara(QStringLiteral("zelmar-prevedi"));
    return Prevedi::Esegui(QCoreApplication::arguments().mid(1));
}
