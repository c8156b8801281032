// The Italian law's limits for a building's passive acoustic requirements (DPCM 5-12-1997,
// table B) and the acoustic classes of UNI 11367:2010, judged on the rounded in-situ rating.
#pragma once

#include "prediction/RisultatoPrevisione.h"

#include <optional>

class Requisiti
{
public:
    enum class Calcolo
    {
        Aereo,     // between rooms: R'w
        Calpestio, // impact: L'n,w
        Facciata,  // facade: D2m,nT,w
    };

    // Whether a building category, 'A' to 'G', is one of the table's.
    static bool CategoriaValida(char categoria);
    // The limit of the category for the result's quantity, and whether the result meets it;
    // nothing when the result has no rating.
    static std::optional<EsitoRequisito> Verifica(Calcolo calcolo, char categoria,
                                                  const RisultatoPrevisione& r);
    // The class, 1 (I) to 4 (IV); nothing below class IV or without a rating.
    static std::optional<int> Classe(Calcolo calcolo, const RisultatoPrevisione& r);
};
