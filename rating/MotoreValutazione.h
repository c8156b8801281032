// The rating engine: the single-number ratings of a one-third-octave band curve and their
// spectrum adaptation terms, by ISO 717-1 (airborne sound) and ISO 717-2 (impact sound).
#pragma once

#include "rating/GrandezzaBande.h"
#include "rating/Valutazione.h"

#include <array>
#include <optional>

class MotoreValutazione
{
public:
    static constexpr int NumeroBande = 21; // 50, 63, 80, 100, ..., 4000, 5000 Hz
    // Band values in dB in band order; nothing for a band without a value.
    using Bande = std::array<std::optional<double>, NumeroBande>;
    // A value further from 0 dB than this (or not finite) is no measurement: it counts as
    // a band without a value.
    static constexpr double ValoreMassimo = 1000.0;
    // Centre frequencies of the bands, in Hz.
    static constexpr std::array<int, NumeroBande> Frequenze{50,   63,   80,   100,  125,  160,  200,
                                                            250,  315,  400,  500,  630,  800,  1000,
                                                            1250, 1600, 2000, 2500, 3150, 4000, 5000};

    // Rates the bands as the given quantity; the caller decides which quantity its bands
    // hold (see GrandezzaDaPrefisso). The bands are read by SenzaZeriNonMisurati first, so
    // that every window, check and tool rates a curve alike. Allocates nothing and may run
    // on any thread.
    static Valutazione Valuta(GrandezzaBande grandezza, const Bande& bande);

    // Bands as the databases keep them: a 0 at 50, 63, 80, 4000 or 5000 Hz means that band
    // was not measured (certificates to 100-3150 Hz leave those bands at 0), so it has no
    // value; from 100 to 3150 Hz a 0 stays a value. The one place of this rule: the rating
    // and the prediction read their bands through it.
    static Bande SenzaZeriNonMisurati(Bande bande);
    // 10^(L/10) of ISO 717-1 spectrum No. 1 (A-weighted pink noise) at each band: the relative
    // sound energy of the source that C rates against.
    static const std::array<double, NumeroBande>& PesiRumoreRosa();
};
