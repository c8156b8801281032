#include "rating/GrandezzaBande.h"

std::optional<GrandezzaBande> GrandezzaDaPrefisso(std::string_view prefisso)
{
    if (prefisso == "R")
        return GrandezzaBande::R;
    if (prefisso == "Dn")
        return GrandezzaBande::Dn;
    if (prefisso == "Ln")
        return GrandezzaBande::Ln;
    if (prefisso == "DLn")
        return GrandezzaBande::DLn;
    return std::nullopt;
}
