// The ratings of one curve as one JSON object, as zelmar-valuta prints it: the keys of the
// quantity, whole decibels as JSON integers, the deviation sum with one decimal, and null
// for what could not be computed.
#pragma once

#include "rating/Valutazione.h"

#include <string>

class ValutazioneJson
{
public:
    // One line, without a line break at the end.
    static std::string Testo(const Valutazione& valutazione);
};
