// zelmar-valuta: the single-number ratings of one band curve by ISO 717-1 and ISO 717-2,
// printed as one JSON object.
//
//   zelmar-valuta QUANTITY V1 ... V21
#include "rating/MotoreValutazione.h"
#include "rating/ValutazioneJson.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int UsoErrato = 2;
constexpr const char* Frequenze[] = {"50",   "63",   "80",   "100",  "125",  "160",  "200",
                                     "250",  "315",  "400",  "500",  "630",  "800",  "1000",
                                     "1250", "1600", "2000", "2500", "3150", "4000", "5000"};

constexpr const char* Uso =
    "Uso: zelmar-valuta GRANDEZZA V1 ... V21\n"
    "\n"
    "Calcola gli indici di valutazione di una curva dai suoi 21 valori di banda, da 50 a 5000 Hz\n"
    "in ordine, e li stampa come un oggetto JSON:\n"
    "  R, Dn  ISO 717-1: \"Rw\" (per Dn l'indice Dn,e,w), \"C\", \"Ctr\", i termini estesi \"C50_3150\",\n"
    "         \"C50_5000\", \"C100_5000\", \"Ctr50_3150\", \"Ctr50_5000\", \"Ctr100_5000\" e la somma\n"
    "         delle deviazioni sfavorevoli \"deviazioni\"\n"
    "  Ln     ISO 717-2: \"Lnw\", \"CI\", \"CI50_2500\", \"deviazioni\"\n"
    "  DLn    ISO 717-2, sul solaio di riferimento pesante: \"DLw\", \"CIDelta\"\n"
    "I miglioramenti DRi non hanno un indice ISO 717-1 e non si valutano.\n"
    "\n"
    "Ogni valore è un numero in dB con la virgola o il punto decimale (-3,5 è un valore, non\n"
    "un'opzione); \"-\" da solo indica una banda senza valore. Ciò che richiede una banda senza\n"
    "valore vale null.\n"
    "Stato di uscita: 0 calcolo eseguito, 2 uso errato (il messaggio nomina l'argomento).\n";

int Errore(const std::string& messaggio)
{
    std::fprintf(stderr,
                 "zelmar-valuta: %s\nUso: zelmar-valuta GRANDEZZA V1 ... V21 (--help per i dettagli)\n",
                 messaggio.c_str());
    return UsoErrato;
}

// A number with "," or "." as the decimal separator: sign, digits, at most one separator.
std::optional<double> Numero(std::string_view testo)
{
    std::string cifre(testo);
    size_t inizio = 0;
    if (!cifre.empty() && (cifre[0] == '+' || cifre[0] == '-'))
        inizio = 1;
    int quanteCifre = 0;
    int separatori = 0;
    for (size_t i = inizio; i < cifre.size(); ++i) {
        if (cifre[i] >= '0' && cifre[i] <= '9') {
            ++quanteCifre;
        } else if (cifre[i] == ',' || cifre[i] == '.') {
            ++separatori;
            cifre[i] = '.';
        } else {
            return std::nullopt;
        }
    }
    if (quanteCifre == 0 || separatori > 1)
        return std::nullopt;
    const char* primo = cifre.data() + (cifre[0] == '+' ? 1 : 0);
    const char* fine = cifre.data() + cifre.size();
    double valore = 0;
    const auto [dove, esito] = std::from_chars(primo, fine, valore);
    if (esito != std::errc() || dove != fine)
        return std::nullopt;
    return valore;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string_view> argomenti(argv + 1, argv + argc);
    if (argomenti.empty())
        return Errore("manca la grandezza: R, Dn, Ln o DLn");
    const std::string_view primo = argomenti[0];
    if (primo == "--help" || primo == "-h") {
        std::fputs(Uso, stdout);
        return 0;
    }
    if (primo.starts_with("--"))
        return Errore("opzione sconosciuta «" + std::string(primo) + "»");
    const std::optional<GrandezzaBande> grandezza = GrandezzaDaPrefisso(primo);
    if (!grandezza && primo == "DRi")
        return Errore("«DRi»: i miglioramenti DRi non hanno un indice ISO 717-1; le grandezze sono R, Dn, Ln "
                      "e DLn");
    if (!grandezza)
        return Errore("grandezza sconosciuta «" + std::string(primo) +
                      "»: le grandezze sono R, Dn, Ln e DLn");
    const int valori = int(argomenti.size()) - 1;
    if (valori != MotoreValutazione::NumeroBande)
        return Errore("servono 21 valori di banda, da 50 a 5000 Hz; ne sono stati dati " +
                      std::to_string(valori));

    MotoreValutazione::Bande bande;
    for (int i = 0; i < MotoreValutazione::NumeroBande; ++i) {
        const std::string_view testo = argomenti[i + 1];
        if (testo == "-")
            continue;
        bande[i] = Numero(testo);
        if (!bande[i])
            return Errore("il valore " + std::to_string(i + 1) + " (banda " + Frequenze[i] + " Hz), «" +
                          std::string(testo) + "», non è un numero");
    }
    const std::string json = ValutazioneJson::Testo(MotoreValutazione::Valuta(*grandezza, bande));
    std::printf("%s\n", json.c_str());
    return 0;
}
