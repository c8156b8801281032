#include "rating/Valutazione.h"

std::optional<double> Valutazione::SommaDeviazioni() const
{
    if (!deviazioniDecimi)
        return std::nullopt;
    return *deviazioniDecimi / 10.0;
}
