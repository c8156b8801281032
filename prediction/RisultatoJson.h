// A prediction as zelmar-prevedi prints it: one JSON object with the ratings of the kind of
// situation (whole decibels), the paths, the bands of the detailed model to 0,1 dB, the
// acoustic class and, with a building category, the law's requirement.
#pragma once

#include "prediction/RisultatoPrevisione.h"
#include "prediction/Situazione.h"

#include <string>

class RisultatoJson
{
public:
    // One line, without a line break at the end.
    static std::string Testo(const Situazione& situazione, const RisultatoPrevisione& risultato);
};
