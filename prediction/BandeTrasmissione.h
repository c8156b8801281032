// A band curve in the two forms the prediction works with: in dB, and as the transmission
// factor 10^(-dB/10) that adds up over paths, with a mark for each band that has a value.
#pragma once

#include "rating/MotoreValutazione.h"

#include <array>
#include <cstdint>
#include <optional>

struct BandeTrasmissione
{
    static constexpr int N = MotoreValutazione::NumeroBande;
    static constexpr std::uint32_t Tutte = (1u << N) - 1;
    // 100 to 3150 Hz, the bands every rating needs.
    static constexpr std::uint32_t Valutate = ((1u << 19) - 1) & ~((1u << 3) - 1);

    std::array<double, N> db{};
    std::array<double, N> tau{};
    std::uint32_t presenti = Tutte; // bit i: band i has a value

    // The bands of a curve times fattore (1/2: half an R, as a flanking path takes it); a stored
    // 0 at 50, 63, 80, 4000 or 5000 Hz counts as no value, as does a value that is not finite.
    static BandeTrasmissione Da(const MotoreValutazione::Bande& bande, double fattore = 1.0);
    // The same number at every band.
    static BandeTrasmissione Costante(double db);
    // The sum of the two curves in dB: the product of their transmission factors.
    BandeTrasmissione Piu(const BandeTrasmissione& altra) const;
    // The curve in dB, nothing where no value.
    MotoreValutazione::Bande Decibel() const;
    // -10 lg of transmission factors, plus aggiunta, at the bands of presenti.
    static MotoreValutazione::Bande Decibel(const std::array<double, N>& tau, std::uint32_t presenti,
                                            double aggiunta = 0);
    // Σ w τ over the bands of presenti, w the A-weighted pink noise of ISO 717-1: the sound
    // energy let through from such a source, in relative units.
    static double EnergiaRumoreRosa(const std::array<double, N>& tau, std::uint32_t presenti);
    // The first band from 100 to 3150 Hz without a value, as Da reads the curve; nothing when
    // it has them all, as every rating and the detailed models need.
    static std::optional<int> BandaMancante(const MotoreValutazione::Bande& bande);
    // 10^(-db/10).
    static double Tau(double db);
};
