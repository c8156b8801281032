// The airborne sound insulation of a facade predicted from its elements (EN 12354-3): R'w with
// C and Ctr in bands, and D2m,nT,w; each element's contribution as a path of its own.
#pragma once

#include "prediction/RisultatoPrevisione.h"
#include "prediction/Situazione.h"

class PrevisioneFacciata
{
public:
    // The situation must hold what its model needs (LetturaSituazione checks it).
    static RisultatoPrevisione Calcola(const SituazioneFacciata& situazione);
};
