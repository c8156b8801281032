// zelmar-valuta: the single-number ratings of one band curve by ISO 717-1 and ISO 717-2,
// printed as one JSON object; or the check of every stored rating of a data folder against
// the ratings computed from the entries' own curves, printed as CSV.
//
//   zelmar-valuta QUANTITY V1 ... V21
//   zelmar-valuta --verifica DATA_FOLDER
#include "exchange/ScritturaCsv.h"
#include "model/TabelleCartellaDati.h"
#include "model/VerificaValutazioni.h"
#include "rating/MotoreValutazione.h"
#include "rating/ValutazioneJson.h"
#include "search/LetturaValori.h"
#include "tools/Strumenti.h"

#include <QCoreApplication>
#include <QThread>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

using namespace Strumenti;

namespace {

class Strumento
{
    Q_DECLARE_TR_FUNCTIONS(Strumento)

public:
    static int Esegui(const QStringList& argomenti);

private:
    static int Valuta(const QString& grandezza, const QStringList& valori);
    static int Verifica(const QString& cartellaDati);
    // Wrong usage, told with the usage lines.
    static int Errore(const QString& messaggio) { return ErroreDUso(messaggio, Sintassi()); }
    static QString Sintassi();
};

} // namespace

QString Strumento::Sintassi()
{
    return tr("Usage: zelmar-valuta QUANTITY V1 ... V21\n"
              "       zelmar-valuta --verifica DATA_FOLDER\n");
}

int Strumento::Esegui(const QStringList& argomenti)
{
    if (argomenti.isEmpty())
        return Errore(tr("the quantity is missing: R, Dn, Ln or DLn"));
    const QString primo = argomenti[0];
    if (primo == QLatin1String("--help") || primo == QLatin1String("-h")) {
        Scrivi(stdout,
               Sintassi() +
                   tr("\n"
                      "Computes the single-number ratings of a curve from its 21 band values, 50 to\n"
                      "5000 Hz in order, and prints them as one JSON object:\n"
                      "  R, Dn  ISO 717-1: \"Rw\" (for Dn the index Dn,e,w), \"C\", \"Ctr\", the extended\n"
                      "         terms \"C50_3150\", \"C50_5000\", \"C100_5000\", \"Ctr50_3150\", "
                      "\"Ctr50_5000\",\n"
                      "         \"Ctr100_5000\" and the sum of unfavourable deviations \"deviazioni\"\n"
                      "  Ln     ISO 717-2: \"Lnw\", \"CI\", \"CI50_2500\", \"deviazioni\"\n"
                      "  DLn    ISO 717-2, on the heavy reference floor: \"DLw\", \"CIDelta\"\n"
                      "Improvements DRi have no ISO 717-1 rating and are not rated.\n"
                      "Each value is a number in dB with a decimal comma or point (-3,5 is a value, not\n"
                      "an option); \"-\" alone is a band without a value, and so is a 0 at 50, 63, 80,\n"
                      "4000 or 5000 Hz (from 100 to 3150 Hz a 0 is a value). What needs a band without\n"
                      "a value is null.\n"
                      "\n"
                      "--verifica checks every entry of every database of the data folder (custom,\n"
                      "theoretical, experimental, Access files too) and writes CSV to standard output:\n"
                      "one line for each stored rating that differs from the one computed from the\n"
                      "entry's curve (file relative to the data folder, table, \"Nome\", column, stored\n"
                      "value, computed value), databases in the tree's order, rows in stored order.\n"
                      "Compared are the main rating, C and Ctr, and Ci (CI, or CI,Delta for floor\n"
                      "coverings); a Null stored value or one that cannot be computed is not reported.\n"
                      "\n"
                      "-h, --help prints this help.\n"
                      "\n"
                      "Exit status: 0 done; 1 some file could not be read (told on standard error, the\n"
                      "rest checked); 2 wrong usage or a missing data folder (the message names the\n"
                      "argument).\n"));
        return Riuscito;
    }
    if (primo == QLatin1String("--verifica")) {
        if (argomenti.size() != 2)
            return Errore(tr("--verifica takes exactly one data folder"));
        return Verifica(argomenti[1]);
    }
    if (primo.startsWith(QLatin1String("--")))
        return Errore(tr("unknown option «%1»").arg(primo));
    return Valuta(primo, argomenti.mid(1));
}

int Strumento::Valuta(const QString& nome, const QStringList& valori)
{
    const std::optional<GrandezzaBande> grandezza = GrandezzaDaPrefisso(nome.toStdString());
    if (!grandezza && nome == QLatin1String("DRi"))
        return Errore(tr("«DRi»: improvements DRi have no ISO 717-1 rating; the quantities are R, "
                         "Dn, Ln and DLn"));
    if (!grandezza)
        return Errore(tr("unknown quantity «%1»: the quantities are R, Dn, Ln and DLn").arg(nome));
    if (valori.size() != MotoreValutazione::NumeroBande)
        return Errore(tr("21 band values are needed, 50 to 5000 Hz; %1 were given").arg(valori.size()));

    MotoreValutazione::Bande bande;
    for (int i = 0; i < MotoreValutazione::NumeroBande; ++i) {
        if (valori[i] == QLatin1String("-"))
            continue;
        bande[i] = LetturaValori::Numero(valori[i]);
        if (!bande[i])
            return Errore(tr("value %1 (band %2 Hz), «%3», is not a number")
                              .arg(i + 1)
                              .arg(RecordSchema::Frequenze[i])
                              .arg(valori[i]));
        if (std::abs(*bande[i]) > MotoreValutazione::ValoreMassimo)
            return Errore(
                tr("value %1 (band %2 Hz), «%3», is out of range: band values from -%4 to %4 dB are rated")
                    .arg(i + 1)
                    .arg(RecordSchema::Frequenze[i])
                    .arg(valori[i])
                    .arg(MotoreValutazione::ValoreMassimo));
    }
    const std::string json = ValutazioneJson::Testo(MotoreValutazione::Valuta(*grandezza, bande));
    std::printf("%s\n", json.c_str());
    return Riuscito;
}

int Strumento::Verifica(const QString& cartellaDati)
{
    if (const QString rifiuto = RifiutoCartellaDati(cartellaDati); !rifiuto.isEmpty())
        return Errore(rifiuto);
    const std::vector<TabelleCartellaDati::Tabella> tabelle = TabelleCartellaDati::Elenca(cartellaDati);
    IniziaCsv(VerificaValutazioni::IntestazioneCsv());

    bool illeggibili = false;
    const std::atomic<bool> maiAnnullata{false};
    VerificaValutazioni::VerificaTutte(
        tabelle, QThread::idealThreadCount(), maiAnnullata,
        [&](size_t i, const VerificaValutazioni::EsitoTabella& esito) {
            const TabelleCartellaDati::Tabella& t = tabelle[i];
            QString righe;
            for (const VerificaValutazioni::Differenza& d : esito.diverse)
                righe += ScritturaCsv::Riga(
                    {ScritturaCsv::Testo(t.relativo), ScritturaCsv::Testo(t.tabella),
                     ScritturaCsv::Testo(d.nome), ScritturaCsv::Testo(RecordSchema::Nome(d.colonna)),
                     ScritturaCsv::Valore(d.memorizzato), ScritturaCsv::Numero(d.calcolato)});
            Scrivi(stdout, righe);
            if (!esito.errore.isEmpty()) {
                illeggibili = true;
                TabellaIlleggibile(t, esito.errore, esito.fileIlleggibile);
            }
        });
    return Concludi(cartellaDati, illeggibili);
}

int main(int argc, char** argv)
{
    QCoreApplication applicazione(argc, argv);
    Prepara(QStringLiteral("zelmar-valuta"));
    return Strumento::Esegui(QCoreApplication::arguments().mid(1));
}
