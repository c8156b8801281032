// The impact sound level under a floor predicted from its single-number data (EN 12354-2, the
// simplified model): L'n,w, L'nT,w and the flanking correction K.
#pragma once

#include "prediction/RisultatoPrevisione.h"
#include "prediction/Situazione.h"

class PrevisioneCalpestio
{
public:
    static RisultatoPrevisione Calcola(const SituazioneCalpestio& situazione);
    // K of EN 12354-2's Table 1 for the floor's mass and the flanking elements' mean mass, read
    // at the nearest tabulated masses (outside the table, at its end rows and columns).
    static int K(double massaSolaio, double massaFianchi);
};
