#include "rating/MotoreValutazione.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int N = MotoreValutazione::NumeroBande;
constexpr int Prima = Valutazione::PrimaBanda; // 100 Hz
constexpr int Valutate = Valutazione::NumeroBandeValutate;
constexpr int Banda500 = 10;
constexpr int Banda2500 = 17;
constexpr int Banda3150 = 18;
constexpr int Ultima = N - 1; // 5000 Hz

using Curva = std::array<int, Valutate>; // tenths of dB, 100 to 3150 Hz

// Reference values, 100 to 3150 Hz, dB: ISO 717-1 (airborne) and ISO 717-2 (impact). The
// rating is the shifted curve's value at 500 Hz.
constexpr std::array<int, Valutate> RiferimentoAereo{33, 36, 39, 42, 45, 48, 51, 52,
                                                     53, 54, 55, 56, 56, 56, 56, 56};
constexpr std::array<int, Valutate> RiferimentoCalpestio{62, 62, 62, 62, 62, 62, 61, 60,
                                                         59, 58, 57, 54, 51, 48, 45, 42};
// The reference curve is shifted in 1 dB steps until the sum of unfavourable deviations is
// as large as possible but not more than 32,0 dB.
constexpr int SommaMassima = 320; // tenths of dB

// The heavy reference floor of ISO 717-2, Ln,r,0, 100 to 3150 Hz, in tenths of dB, and its
// own ratings Ln,r,0,w and CI,r,0 as the standard states them.
constexpr Curva SolaioRiferimento{670, 675, 680, 685, 690, 695, 700, 705,
                                  710, 715, 720, 720, 720, 720, 720, 720};
constexpr int IndiceSolaioRiferimento = 78;
constexpr int CISolaioRiferimento = -11;

// ISO 717-1 sound level spectra, 50 to 5000 Hz, dB. Spectrum 1 (A-weighted pink noise) for
// C and C50-3150 (its 4000 and 5000 Hz places unused); spectrum 1 for the ranges up to
// 5000 Hz; spectrum 2 (A-weighted urban traffic noise) for every Ctr.
constexpr std::array<int, N> SpettroC{-40, -36, -33, -29, -26, -23, -21, -19, -17, -15, -13,
                                      -12, -11, -10, -9,  -9,  -9,  -9,  -9,  0,   0};
constexpr std::array<int, N> SpettroC5000{-41, -37, -34, -30, -27, -24, -22, -20, -18, -16, -14,
                                          -13, -12, -11, -10, -10, -10, -10, -10, -10, -10};
constexpr std::array<int, N> SpettroCtr{-25, -23, -21, -20, -20, -18, -16, -15, -14, -13, -12,
                                        -11, -9,  -8,  -9,  -10, -11, -13, -15, -16, -18};

int DivisioneInGiu(long long a, long long b)
{
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return int(q);
}

// 10^(L/10) for a level L given in tenths of dB, from two small tables: whole tens of dB
// and the rest. Levels reach 1072 dB at most (a floor covering's -1000 dB on the
// reference floor).
constexpr int Decine = 120;
const std::array<double, 2 * Decine + 1> PotenzeDecine = [] {
    std::array<double, 2 * Decine + 1> t;
    for (int q = -Decine; q <= Decine; ++q)
        t[q + Decine] = std::pow(10.0, q);
    return t;
}();
const std::array<double, 100> PotenzeResto = [] {
    std::array<double, 100> t;
    for (int r = 0; r < 100; ++r)
        t[r] = std::pow(10.0, r / 100.0);
    return t;
}();
double Pot10(int decimi)
{
    const int q = DivisioneInGiu(decimi, 100);
    return PotenzeDecine[q + Decine] * PotenzeResto[decimi - 100 * q];
}

// 10^(L/10) of every level of a spectrum.
std::array<double, N> PesiSpettro(const std::array<int, N>& spettro)
{
    std::array<double, N> pesi;
    for (int i = 0; i < N; ++i)
        pesi[i] = Pot10(10 * spettro[i]);
    return pesi;
}
const std::array<double, N> PesiC = PesiSpettro(SpettroC);
const std::array<double, N> PesiC5000 = PesiSpettro(SpettroC5000);
const std::array<double, N> PesiCtr = PesiSpettro(SpettroCtr);

struct TermineAereo
{
    const std::array<double, N>* pesi; // of the spectrum
    int prima, ultima;                 // band range
    std::optional<int> Valutazione::*campo;
};
const TermineAereo TerminiAerei[] = {
    {&PesiC, Prima, Banda3150, &Valutazione::c},
    {&PesiCtr, Prima, Banda3150, &Valutazione::ctr},
    {&PesiC, 0, Banda3150, &Valutazione::c50_3150},
    {&PesiC5000, 0, Ultima, &Valutazione::c50_5000},
    {&PesiC5000, Prima, Ultima, &Valutazione::c100_5000},
    {&PesiCtr, 0, Banda3150, &Valutazione::ctr50_3150},
    {&PesiCtr, 0, Ultima, &Valutazione::ctr50_5000},
    {&PesiCtr, Prima, Ultima, &Valutazione::ctr100_5000},
};

// The terms are stated in whole dB. A value exactly halfway between two integers is rounded
// up (towards +infinity): since the rating is an integer, rounding the term or the level it
// is computed from then gives the same result.
int ArrotondaMetaInSu(double x)
{
    return int(std::floor(x + 0.5));
}

// The bands as the standard rates them, to one decimal: tenths of dB, with a mark for each
// band that has a value. A value stored with more decimals is rounded to the nearest tenth
// (halves away from zero).
struct Decimi
{
    std::array<int, N> valore{};
    std::uint32_t presenti = 0;
};
Decimi InDecimi(const MotoreValutazione::Bande& bande)
{
    Decimi d;
    for (int i = 0; i < N; ++i) {
        const std::optional<double>& b = bande[i];
        if (b && std::isfinite(*b) && std::abs(*b) <= MotoreValutazione::ValoreMassimo) {
            d.valore[i] = int(std::lround(*b * 10.0));
            d.presenti |= 1u << i;
        }
    }
    return d;
}
// Whether every band from prima to ultima has a value.
bool Presenti(const Decimi& d, int prima, int ultima)
{
    const std::uint32_t maschera = ((2u << ultima) - 1) & ~((1u << prima) - 1);
    return (d.presenti & maschera) == maschera;
}

int SommaDeviazioni(const Curva& scarti, int spostamento)
{
    int somma = 0;
    for (int scarto : scarti)
        somma += std::max(0, 10 * spostamento - scarto);
    return somma;
}

// The fitting of the reference curve, in a form shared by both standards: at shift s (dB)
// band i is unfavourable by 10 s - scarti[i] tenths of dB where that is positive. The
// largest s whose sum stays within 32,0 dB.
struct Adattamento
{
    int spostamento;
    int somma;
};
Adattamento Adatta(const Curva& scarti)
{
    long long totale = 0;
    int minimo = scarti[0];
    for (int scarto : scarti) {
        totale += scarto;
        minimo = std::min(minimo, scarto);
    }
    // No band is unfavourable at the lowest of the band shifts; the answer usually lies a
    // step or two below the mean one.
    int s = std::max(DivisioneInGiu(minimo, 10), DivisioneInGiu(totale, 10 * Valutate) - 2);
    if (SommaDeviazioni(scarti, s) > SommaMassima) {
        do
            --s;
        while (SommaDeviazioni(scarti, s) > SommaMassima);
    } else {
        while (SommaDeviazioni(scarti, s + 1) <= SommaMassima)
            ++s;
    }
    return {s, SommaDeviazioni(scarti, s)};
}

// 10 lg of the sum of 10^(L/10) over the bands prima..ultima of a curve in tenths of dB.
template <typename Livello> double SommaEnergetica(int prima, int ultima, Livello livello)
{
    double somma = 0;
    for (int i = prima; i <= ultima; ++i)
        somma += Pot10(livello(i));
    return 10.0 * std::log10(somma);
}

void ValutaAereo(const Decimi& m, Valutazione& v)
{
    if (!Presenti(m, Prima, Banda3150))
        return;
    Curva scarti;
    for (int i = 0; i < Valutate; ++i)
        scarti[i] = m.valore[Prima + i] - 10 * RiferimentoAereo[i];
    const Adattamento a = Adatta(scarti);
    const int indice = RiferimentoAereo[Banda500 - Prima] + a.spostamento;
    v.indice = indice;
    v.spostamento = a.spostamento;
    v.deviazioniDecimi = a.somma;
    for (int i = 0; i < Valutate; ++i) {
        v.riferimento[i] = RiferimentoAereo[i] + a.spostamento;
        v.deviazioni[i] = std::max(0, 10 * a.spostamento - scarti[i]) / 10.0;
    }
    // X_A = -10 lg sum 10^((L_i - X_i)/10), the term X_A - X_w.
    std::array<double, N> attenuazione{};
    for (int i = 0; i < N; ++i)
        attenuazione[i] = Pot10(-m.valore[i]);
    for (const TermineAereo& t : TerminiAerei) {
        if (!Presenti(m, t.prima, t.ultima))
            continue;
        double somma = 0;
        for (int i = t.prima; i <= t.ultima; ++i)
            somma += (*t.pesi)[i] * attenuazione[i];
        v.*t.campo = ArrotondaMetaInSu(-10.0 * std::log10(somma) - indice);
    }
}

// Ln,w of a curve of impact levels (tenths of dB, 100 to 3150 Hz) and its CI: the fitting
// written for impact levels, which are unfavourable above the curve.
struct Calpestio
{
    Adattamento adattamento; // shift of the reference curve, negated
    Curva scarti;
    int indice;
    int ci;
};
Calpestio ValutaLivelli(const Curva& livelli)
{
    Calpestio c;
    for (int i = 0; i < Valutate; ++i)
        c.scarti[i] = 10 * RiferimentoCalpestio[i] - livelli[i];
    c.adattamento = Adatta(c.scarti);
    c.indice = RiferimentoCalpestio[Banda500 - Prima] - c.adattamento.spostamento;
    // CI = Ln,sum - 15 - Ln,w, Ln,sum over 100 to 2500 Hz.
    const double somma = SommaEnergetica(Prima, Banda2500, [&](int i) { return livelli[i - Prima]; });
    c.ci = ArrotondaMetaInSu(somma - 15 - c.indice);
    return c;
}

void Deviazioni(const Calpestio& c, Valutazione& v)
{
    const int t = c.adattamento.spostamento;
    v.spostamento = -t;
    v.deviazioniDecimi = c.adattamento.somma;
    for (int i = 0; i < Valutate; ++i)
        v.deviazioni[i] = std::max(0, 10 * t - c.scarti[i]) / 10.0;
}

void ValutaCalpestio(const Decimi& m, Valutazione& v)
{
    if (!Presenti(m, Prima, Banda3150))
        return;
    Curva livelli;
    std::copy_n(m.valore.begin() + Prima, Valutate, livelli.begin());
    const Calpestio c = ValutaLivelli(livelli);
    v.indice = c.indice;
    v.ci = c.ci;
    Deviazioni(c, v);
    for (int i = 0; i < Valutate; ++i)
        v.riferimento[i] = RiferimentoCalpestio[i] + *v.spostamento;
    if (Presenti(m, 0, Banda2500)) {
        const double somma = SommaEnergetica(0, Banda2500, [&](int i) { return m.valore[i]; });
        v.ci50_2500 = ArrotondaMetaInSu(somma - 15 - c.indice);
    }
}

// A floor covering is rated on the heavy reference floor: Ln,r = Ln,r,0 - ΔL,
// ΔLw = Ln,r,0,w - Ln,r,w and CI,Δ = CI,r,0 - CI,r.
void ValutaRivestimento(const Decimi& m, Valutazione& v)
{
    if (!Presenti(m, Prima, Banda3150))
        return;
    Curva livelli;
    for (int i = 0; i < Valutate; ++i)
        livelli[i] = SolaioRiferimento[i] - m.valore[Prima + i];
    const Calpestio c = ValutaLivelli(livelli);
    v.indice = IndiceSolaioRiferimento - c.indice;
    v.ciDelta = CISolaioRiferimento - c.ci;
    Deviazioni(c, v);
    for (int i = 0; i < Valutate; ++i)
        v.riferimento[i] = (SolaioRiferimento[i] - 10 * (RiferimentoCalpestio[i] + *v.spostamento)) / 10.0;
}

} // namespace

Valutazione MotoreValutazione::Valuta(GrandezzaBande grandezza, const Bande& bande)
{
    Valutazione v;
    v.grandezza = grandezza;
    const Decimi misure = InDecimi(SenzaZeriNonMisurati(bande));
    switch (grandezza) {
    case GrandezzaBande::R:
    case GrandezzaBande::Dn:
        ValutaAereo(misure, v);
        break;
    case GrandezzaBande::Ln:
        ValutaCalpestio(misure, v);
        break;
    case GrandezzaBande::DLn:
        ValutaRivestimento(misure, v);
        break;
    }
    return v;
}

MotoreValutazione::Bande MotoreValutazione::SenzaZeriNonMisurati(Bande bande)
{
    for (int i : {0, 1, 2, NumeroBande - 2, NumeroBande - 1})
        if (bande[i] == 0.0)
            bande[i].reset();
    return bande;
}

const std::array<double, MotoreValutazione::NumeroBande>& MotoreValutazione::PesiRumoreRosa()
{
    return PesiC5000;
}
