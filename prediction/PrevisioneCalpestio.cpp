#include "prediction/PrevisioneCalpestio.h"

#include <array>
#include <cmath>

namespace {

// EN 12354-2:2000, 4.3, Table 1: the correction K for flanking transmission, dB, by the mass
// per unit area of the separating floor (rows) and the mean mass per unit area of the
// homogeneous flanking elements not covered by linings (columns), kg/m².
constexpr std::array<int, 13> MasseSolaio{100, 150, 200, 250, 300, 350, 400, 450, 500, 600, 700, 800, 900};
constexpr std::array<int, 9> MasseFianchi{100, 150, 200, 250, 300, 350, 400, 450, 500};
constexpr int TabellaK[13][9] = {
    {1, 0, 0, 0, 0, 0, 0, 0, 0}, {1, 1, 0, 0, 0, 0, 0, 0, 0}, {2, 1, 1, 0, 0, 0, 0, 0, 0},
    {2, 1, 1, 1, 0, 0, 0, 0, 0}, {3, 2, 1, 1, 1, 0, 0, 0, 0}, {3, 2, 1, 1, 1, 1, 0, 0, 0},
    {4, 2, 2, 1, 1, 1, 1, 0, 0}, {4, 3, 2, 2, 1, 1, 1, 1, 1}, {4, 3, 2, 2, 1, 1, 1, 1, 1},
    {5, 4, 3, 2, 2, 1, 1, 1, 1}, {5, 4, 3, 3, 2, 2, 1, 1, 1}, {6, 4, 4, 3, 2, 2, 2, 1, 1},
    {6, 5, 4, 3, 3, 2, 2, 2, 2},
};

// The place of the tabulated mass nearest to m; halfway between two, the heavier one with
// versoLaPiuPesante (for the floor: the larger K), else the lighter (for the flanking elements:
// the larger K too).
template <size_t n> int Vicina(const std::array<int, n>& masse, double m, bool versoLaPiuPesante)
{
    int migliore = 0;
    for (int i = 1; i < int(n); ++i) {
        const double scarto = std::abs(masse[i] - m), daBattere = std::abs(masse[migliore] - m);
        if (scarto < daBattere || (scarto == daBattere && versoLaPiuPesante))
            migliore = i;
    }
    return migliore;
}

} // namespace

int PrevisioneCalpestio::K(double massaSolaio, double massaFianchi)
{
    return TabellaK[Vicina(MasseSolaio, massaSolaio, true)][Vicina(MasseFianchi, massaFianchi, false)];
}

RisultatoPrevisione PrevisioneCalpestio::Calcola(const SituazioneCalpestio& s)
{
    RisultatoPrevisione r;
    // EN 12354-2:2000, Annex B: Ln,w,eq = 164 - 35 lg(m'/1 kg/m²) for a homogeneous floor,
    // unless its Ln,w was measured.
    r.lnwEq = s.lnw ? *s.lnw : 164.0 - 35.0 * std::log10(s.massa);
    r.k = K(s.massa, s.massaFianchi);
    // EN 12354-2:2000, 4.3, formula (21): L'n,w = Ln,w,eq - ΔLw + K.
    r.valore = *r.lnwEq - s.dlw + *r.k;
    r.indice = Arrotonda(*r.valore);
    // EN 12354-2:2000, formula (3): L'nT = L'n - 10 lg(0.032 V).
    r.normalizzato = Arrotonda(*r.valore - 10.0 * std::log10(0.032 * s.v));
    return r;
}
