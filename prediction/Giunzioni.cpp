#include "prediction/Giunzioni.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double L0 = 1.0; // reference coupling length, m

// K13 (through the junction, F and f in line) and K12 (around its corner) of a rigid junction,
// for M = lg(m'⊥/m'i): EN 12354-1:2000, Annex E, formulas (E.3) for the cross junction and
// (E.4) for the T junction with the separating element as its stem.
double K13(TipoGiunto tipo, double m)
{
    return tipo == TipoGiunto::Croce ? 8.7 + 17.1 * m + 5.7 * m * m : 5.7 + 14.1 * m + 5.7 * m * m;
}
double K12(TipoGiunto tipo, double m)
{
    return (tipo == TipoGiunto::Croce ? 8.7 : 5.7) + 5.7 * m * m;
}

} // namespace

Giunzioni::Indici Giunzioni::Kij(const Giunto& giunto, double massaSeparazione, double massaF, double massaf)
{
    if (giunto.tipo == TipoGiunto::Dato)
        return {giunto.kFf, giunto.kFd, giunto.kDf};
    // EN 12354-1:2000, Annex E: M = lg(m'⊥/m'i), the separating element perpendicular; i is F
    // for the paths Ff and Fd, f for Df. Ff crosses the junction (K13), Fd and Df turn (K12).
    const double mF = std::log10(massaSeparazione / massaF);
    const double mf = std::log10(massaSeparazione / massaf);
    return {K13(giunto.tipo, mF), K12(giunto.tipo, mF), K12(giunto.tipo, mf)};
}

double Giunzioni::KijMinimo(double lunghezza, double si, double sj)
{
    // EN 12354-1:2000, 4.4.2, formula (29): Kij,min = 10 lg[lf l0 (1/Si + 1/Sj)].
    return 10.0 * std::log10(lunghezza * L0 * (1.0 / si + 1.0 / sj));
}

double Giunzioni::Rivestimenti(std::optional<double> a, std::optional<double> b)
{
    if (!a || !b)
        return a.value_or(b.value_or(0.0));
    // EN 12354-1:2000, 4.4.1, formulas (30) and (31): the larger improvement plus half the
    // smaller; for two negative values EN ISO 12354-1:2017, 4.4.2, takes the smaller (the worse)
    // plus half the larger.
    if (*a < 0 && *b < 0)
        return std::min(*a, *b) + std::max(*a, *b) / 2;
    return std::max(*a, *b) + std::min(*a, *b) / 2;
}
