// What the rating engine finds in one band curve: the single-number rating and its terms,
// each unavailable when a band it needs has no value, and the shifted reference curve with
// the unfavourable deviations that a chart draws over 100-3150 Hz.
#pragma once

#include "rating/GrandezzaBande.h"

#include <array>
#include <optional>

struct Valutazione
{
    static constexpr int PrimaBanda = 3;           // 100 Hz, among the bands 50..5000 Hz
    static constexpr int NumeroBandeValutate = 16; // 100 to 3150 Hz

    GrandezzaBande grandezza = GrandezzaBande::R;

    // Rw (R), Dn,e,w (Dn), Ln,w (Ln) or ΔLw (DLn), in dB. Needs every band of 100-3150 Hz;
    // the shift, the deviations and the reference curve are there exactly when it is.
    std::optional<int> indice;
    // How far the reference curve was shifted, in whole dB (for DLn: the curve that rates
    // Ln,r, the heavy reference floor with the covering).
    std::optional<int> spostamento;
    // Sum of the unfavourable deviations at that shift, in tenths of dB (at most 320).
    std::optional<int> deviazioniDecimi;
    // Band PrimaBanda + i: the shifted reference curve on the scale of the band values, and
    // the band's unfavourable deviation from it (0 where favourable), in dB. Impact levels
    // (Ln) are unfavourable above the curve, the other quantities below it. For DLn the
    // curve is drawn on the ΔL scale, Ln,r,0 minus the shifted reference: ΔL lies below it
    // by exactly as much as Ln,r lies above the shifted reference.
    std::array<double, NumeroBandeValutate> riferimento{};
    std::array<double, NumeroBandeValutate> deviazioni{};

    // ISO 717-1 spectrum adaptation terms (R, Dn), in dB.
    std::optional<int> c, ctr;
    std::optional<int> c50_3150, c50_5000, c100_5000;
    std::optional<int> ctr50_3150, ctr50_5000, ctr100_5000;
    // ISO 717-2 spectrum adaptation terms (Ln), in dB.
    std::optional<int> ci, ci50_2500;
    // ISO 717-2 term of a floor covering (DLn), in dB.
    std::optional<int> ciDelta;

    // The deviation sum in dB.
    std::optional<double> SommaDeviazioni() const;
};
