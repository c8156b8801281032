#include "rating/ValutazioneJson.h"

#include <initializer_list>
#include <utility>

namespace {

using Voce = std::pair<const char*, std::optional<int>>;

std::string Intero(const std::optional<int>& valore)
{
    return valore ? std::to_string(*valore) : std::string("null");
}

// Tenths of dB as a number with one decimal: 31.8, 28.0.
std::string UnDecimale(const std::optional<int>& decimi)
{
    if (!decimi)
        return "null";
    const int assoluto = *decimi < 0 ? -*decimi : *decimi;
    return (*decimi < 0 ? "-" : "") + std::to_string(assoluto / 10) + "." + std::to_string(assoluto % 10);
}

std::string Oggetto(std::initializer_list<Voce> voci, const std::optional<int>* deviazioni)
{
    std::string testo = "{";
    for (const Voce& voce : voci) {
        if (testo.size() > 1)
            testo += ", ";
        testo += std::string("\"") + voce.first + "\": " + Intero(voce.second);
    }
    if (deviazioni)
        testo += ", \"deviazioni\": " + UnDecimale(*deviazioni);
    return testo + "}";
}

} // namespace

std::string ValutazioneJson::Testo(const Valutazione& v)
{
    switch (v.grandezza) {
    case GrandezzaBande::R:
    case GrandezzaBande::Dn:
        return Oggetto({{"Rw", v.indice},
                        {"C", v.c},
                        {"Ctr", v.ctr},
                        {"C50_3150", v.c50_3150},
                        {"C50_5000", v.c50_5000},
                        {"C100_5000", v.c100_5000},
                        {"Ctr50_3150", v.ctr50_3150},
                        {"Ctr50_5000", v.ctr50_5000},
                        {"Ctr100_5000", v.ctr100_5000}},
                       &v.deviazioniDecimi);
    case GrandezzaBande::Ln:
        return Oggetto({{"Lnw", v.indice}, {"CI", v.ci}, {"CI50_2500", v.ci50_2500}}, &v.deviazioniDecimi);
    case GrandezzaBande::DLn:
        return Oggetto({{"DLw", v.indice}, {"CIDelta", v.ciDelta}}, nullptr);
    }
    return "{}";
}
