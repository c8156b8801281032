// What a prediction finds: the in-situ ratings, the band values of the detailed model, every
// transmission path with its value and its share of the transmitted sound energy, and how the
// result stands against the law's limit and the acoustic classes.
#pragma once

#include "rating/MotoreValutazione.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

// An in-situ rating in whole decibels from its unrounded value, a half rounded up.
inline int Arrotonda(double valore)
{
    return int(std::floor(valore + 0.5));
}

enum class TipoPercorso
{
    Dd, // direct, through the separating element
    Ff, // flanking element to flanking element
    Fd, // flanking element in the source room to the separating element
    Df, // separating element to the flanking element in the receiving room
    E,  // a facade element
    P,  // a small element of a facade
};

struct Percorso
{
    TipoPercorso tipo = TipoPercorso::Dd;
    int numero = 0; // of the junction or element, from 1; 0 for Dd
    // Simplified model: the path's single-number value to full precision; detailed model: the
    // ISO 717-1 rating of its band curve. In dB.
    double valore = 0;
    // Share of the transmitted sound energy, 0 to 1. Simplified model: of 10^(-value/10);
    // detailed model: of the A-weighted pink noise transmitted over the bands computed.
    double quota = 0;

    std::string Nome() const; // "Dd", "Ff1", "Fd2", "E1", "P1"
};

// The quantity a limit judges, with the limit.
struct EsitoRequisito
{
    const char* grandezza; // "R'w", "D2m,nT,w", "L'n,w"
    int limite;
    bool rispettato;
};

struct RisultatoPrevisione
{
    bool perBande = false; // computed in bands (detailed model)
    // The in-situ single number before rounding (simplified models): R'w or L'n,w.
    std::optional<double> valore;
    // R'w (C; Ctr), or L'n,w.
    std::optional<int> indice, c, ctr;
    // DnT,w (C; Ctr), or L'nT,w, or D2m,nT,w.
    std::optional<int> normalizzato, normalizzatoC, normalizzatoCtr;
    // Detailed model: R' and DnT (or D2m,nT) per band, unrounded.
    MotoreValutazione::Bande bande{}, bandeNormalizzate{};
    std::vector<Percorso> percorsi; // in the order of the input

    // Impact: the flanking correction K and the equivalent Ln,w,eq of the bare floor.
    std::optional<int> k;
    std::optional<double> lnwEq;

    // Against DPCM 5-12-1997 (when a building category is given), and the UNI 11367 class
    // (1 to 4; nothing when below class IV).
    std::optional<EsitoRequisito> requisito;
    std::optional<int> classe;
};
