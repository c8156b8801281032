// The band quantities the rating engine rates, named by their band prefix, and which
// standard rates each.
#pragma once

#include <optional>
#include <string_view>

enum class GrandezzaBande
{
    R,   // sound reduction index R, R' (ISO 717-1): Rw, C, Ctr and the extended-range terms
    Dn,  // element-normalised level difference Dn,e (ISO 717-1): Dn,e,w and the same terms
    Ln,  // normalised impact sound level Ln, L'n (ISO 717-2): Ln,w, CI, CI,50-2500
    DLn, // impact sound reduction of a floor covering, ΔL (ISO 717-2): ΔLw, CI,Δ
};

// The quantity of a band prefix: "R", "Dn", "Ln", "DLn". Nothing for "DRi" (an improvement
// ΔR has no ISO 717-1 rating) or any other text. The theoretical linings table names its
// improvements with the prefix R: the caller, which knows the table, does not ask for it.
std::optional<GrandezzaBande> GrandezzaDaPrefisso(std::string_view prefisso);

// Impact levels are unfavourable above the reference curve; the other quantities below it.
constexpr bool SfavorevoleSopra(GrandezzaBande grandezza)
{
    return grandezza == GrandezzaBande::Ln;
}
