// zelmar-bench-valutazione: the time the rating engine takes to rate one curve, on believable
// curves of each rated quantity with every band present. The time is the thread's processor
// time, so that other work on a shared machine does not count.
//
//   zelmar-bench-valutazione
#include "Misure.h"
#include "rating/MotoreValutazione.h"

#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int Curve = 20000; // per quantity
constexpr int Volte = 31;

// Curves shaped like their quantity (sound reduction rising with frequency with a dip,
// impact levels falling, improvements rising from about zero), to 0,1 dB.
std::vector<MotoreValutazione::Bande> Curvature(GrandezzaBande grandezza, std::mt19937& caso)
{
    std::uniform_real_distribution<double> base(20, 60), pendenza(0.5, 2.0), rumore(-2, 2);
    std::uniform_int_distribution<int> buca(6, 18);
    std::vector<MotoreValutazione::Bande> curve(Curve);
    for (MotoreValutazione::Bande& bande : curve) {
        const double inizio = base(caso), passo = pendenza(caso);
        const int dip = buca(caso);
        for (int i = 0; i < MotoreValutazione::NumeroBande; ++i) {
            double valore = inizio + passo * i + rumore(caso) - (i == dip ? 6 : 0);
            if (grandezza == GrandezzaBande::Ln)
                valore = 100 - valore;
            else if (grandezza == GrandezzaBande::DLn)
                valore -= inizio;
            bande[i] = std::round(valore * 10) / 10;
        }
    }
    return curve;
}

} // namespace

int main()
{
    std::mt19937 caso(1);
    long long controllo = 0; // keeps the work from being optimised away
    for (const auto& [nome, grandezza] :
         {std::pair{"R", GrandezzaBande::R}, std::pair{"Ln", GrandezzaBande::Ln},
          std::pair{"DLn", GrandezzaBande::DLn}}) {
        const std::vector<MotoreValutazione::Bande> curve = Curvature(grandezza, caso);
        Misure misure;
        for (int volta = -1; volta < Volte; ++volta) { // one untimed warm-up run
            const double inizio = MillisecondiDelFilo();
            for (const MotoreValutazione::Bande& bande : curve)
                controllo += MotoreValutazione::Valuta(grandezza, bande).indice.value_or(0);
            if (volta >= 0)
                misure.Aggiungi(MillisecondiDelFilo() - inizio);
        }
        const double perCurva = 1e6 / Curve; // ms per batch -> ns per curve
        std::printf(
            "rating one %s curve: median %.0f ns  p5 %.0f  p95 %.0f  min %.0f  max %.0f  (%d runs of %d "
            "curves)\n",
            nome, misure.Mediana() * perCurva, misure.Percentile(5) * perCurva,
            misure.Percentile(95) * perCurva, misure.Minimo() * perCurva, misure.Massimo() * perCurva, Volte,
            Curve);
        std::printf("  1.6 million such curves: %.2f s\n", misure.Mediana() * perCurva * 1.6e6 / 1e9);
    }
    std::printf("(check %lld)\n", controllo);
    return 0;
}
