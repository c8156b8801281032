#include "prediction/RisultatoJson.h"

#include "prediction/Previsione.h"

#include <charconv>
#include <cmath>

namespace {

std::string Intero(const std::optional<int>& valore)
{
    return valore ? std::to_string(*valore) : std::string("null");
}

// A number with the given decimals and a decimal point whatever the user's locale; null when
// it is not finite.
std::string Decimale(double valore, int decimali)
{
    if (!std::isfinite(valore))
        return "null";
    char testo[400];
    const auto fine =
        std::to_chars(testo, testo + sizeof testo, valore, std::chars_format::fixed, decimali).ptr;
    std::string s(testo, fine);
    if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos)
        s.erase(0, 1); // -0.0
    return s;
}

// The band values as the input gave them: 21 from 50 Hz, or 16 from 100 Hz.
std::string Bande(const MotoreValutazione::Bande& bande, int numeroBande)
{
    const int prima = numeroBande == MotoreValutazione::NumeroBande ? 0 : Valutazione::PrimaBanda;
    std::string testo = "[";
    for (int i = prima; i < prima + numeroBande; ++i)
        testo += (i > prima ? ", " : "") + (bande[i] ? Decimale(*bande[i], 1) : std::string("null"));
    return testo + "]";
}

std::string Percorsi(const RisultatoPrevisione& r)
{
    std::string testo = "[";
    for (const Percorso& p : r.percorsi) {
        testo += testo.size() > 1 ? ", " : "";
        testo += "{\"percorso\": \"" + p.Nome() + "\", \"Rw\": " + Decimale(p.valore, r.perBande ? 0 : 1) +
                 ", \"quota\": " + Decimale(p.quota, 3) + "}";
    }
    return testo + "]";
}

struct Voce
{
    const char* chiave;
    std::string valore;
};

std::vector<Voce> Indici(Requisiti::Calcolo calcolo, const RisultatoPrevisione& r, int numeroBande)
{
    if (calcolo == Requisiti::Calcolo::Calpestio)
        return {{"L'n,w", Intero(r.indice)},
                {"L'nT,w", Intero(r.normalizzato)},
                {"K", Intero(r.k)},
                {"Ln,w,eq", Decimale(r.lnwEq.value_or(NAN), 1)}};
    const bool aereo = calcolo == Requisiti::Calcolo::Aereo;
    std::vector<Voce> voci{{"R'w", Intero(r.indice)}, {"C", Intero(r.c)}, {"Ctr", Intero(r.ctr)}};
    if (aereo)
        voci.insert(voci.end(), {{"DnT,w", Intero(r.normalizzato)},
                                 {"DnT_C", Intero(r.normalizzatoC)},
                                 {"DnT_Ctr", Intero(r.normalizzatoCtr)}});
    else
        voci.push_back({"D2m,nT,w", Intero(r.normalizzato)});
    voci.push_back({"percorsi", Percorsi(r)});
    if (r.perBande) {
        voci.push_back({"R'", Bande(r.bande, numeroBande)});
        voci.push_back({aereo ? "DnT" : "D2m,nT", Bande(r.bandeNormalizzate, numeroBande)});
    }
    return voci;
}

} // namespace

std::string RisultatoJson::Testo(const Situazione& situazione, const RisultatoPrevisione& r)
{
    std::vector<Voce> voci = Indici(Previsione::CalcoloDi(situazione), r, situazione.numeroBande);
    static const char* const Classi[] = {"I", "II", "III", "IV"};
    voci.push_back({"classe", r.classe ? std::string("\"") + Classi[*r.classe - 1] + "\"" : "null"});
    if (r.requisito)
        voci.push_back({"requisito", std::string("{\"grandezza\": \"") + r.requisito->grandezza +
                                         "\", \"limite\": " + std::to_string(r.requisito->limite) +
                                         ", \"rispettato\": " + (r.requisito->rispettato ? "true" : "false") +
                                         "}"});
    std::string testo = "{";
    for (const Voce& v : voci)
        testo += (testo.size() > 1 ? ", \"" : "\"") + std::string(v.chiave) + "\": " + v.valore;
    return testo + "}";
}
