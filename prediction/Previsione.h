// A prediction of any kind of situation, judged against the law's limit of its building
// category and the acoustic classes: what zelmar-prevedi prints and the design window shows.
#pragma once

#include "prediction/Requisiti.h"
#include "prediction/RisultatoPrevisione.h"
#include "prediction/Situazione.h"

class Previsione
{
public:
    static Requisiti::Calcolo CalcoloDi(const Situazione& situazione);
    // The situation must hold what its model needs (LetturaSituazione checks it).
    static RisultatoPrevisione Calcola(const Situazione& situazione);
};
