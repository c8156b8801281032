#include "prediction/Requisiti.h"

#include <array>
#include <string_view>

namespace {

// The rating a requirement judges: R'w between rooms, L'n,w under a floor, D2m,nT,w of a facade.
std::optional<int> Giudicato(Requisiti::Calcolo calcolo, const RisultatoPrevisione& r)
{
    return calcolo == Requisiti::Calcolo::Facciata ? r.normalizzato : r.indice;
}

const char* Grandezza(Requisiti::Calcolo calcolo)
{
    switch (calcolo) {
    case Requisiti::Calcolo::Aereo:
        return "R'w";
    case Requisiti::Calcolo::Calpestio:
        return "L'n,w";
    case Requisiti::Calcolo::Facciata:
        return "D2m,nT,w";
    }
    return "";
}

// Limits in the order aereo, calpestio, facciata; impact levels are met from below.
using Limiti = std::array<int, 3>;

bool Rispetta(Requisiti::Calcolo calcolo, int valore, int limite)
{
    return calcolo == Requisiti::Calcolo::Calpestio ? valore <= limite : valore >= limite;
}

} // namespace

bool Requisiti::CategoriaValida(char categoria)
{
    return categoria >= 'A' && categoria <= 'G';
}

std::optional<EsitoRequisito> Requisiti::Verifica(Calcolo calcolo, char categoria,
                                                  const RisultatoPrevisione& r)
{
    // DPCM 5 dicembre 1997, table B: R'w at least, L'n,w at most, D2m,nT,w at least, by the
    // building categories of its table A.
    constexpr std::array<Limiti, 7> Tabella{{
        {50, 63, 40}, // A residences
        {50, 55, 42}, // B offices
        {50, 63, 40}, // C hotels
        {55, 58, 45}, // D hospitals, clinics
        {50, 58, 48}, // E schools
        {50, 55, 42}, // F recreation, worship
        {50, 55, 42}, // G commerce
    }};
    const std::optional<int> valore = Giudicato(calcolo, r);
    if (!valore || !CategoriaValida(categoria))
        return std::nullopt;
    const int limite = Tabella[categoria - 'A'][int(calcolo)];
    return EsitoRequisito{Grandezza(calcolo), limite, Rispetta(calcolo, *valore, limite)};
}

std::optional<int> Requisiti::Classe(Calcolo calcolo, const RisultatoPrevisione& r)
{
    // UNI 11367:2010, table 1: classes I to IV.
    constexpr std::array<Limiti, 4> Classi{{{56, 53, 43}, {53, 58, 40}, {50, 63, 37}, {45, 68, 32}}};
    const std::optional<int> valore = Giudicato(calcolo, r);
    for (int c = 0; valore && c < 4; ++c)
        if (Rispetta(calcolo, *valore, Classi[c][int(calcolo)]))
            return c + 1;
    return std::nullopt;
}
