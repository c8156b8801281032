// A range a value is searched in: either bound may be missing; both bounds count.
#pragma once

#include <optional>

template <typename T> struct Intervallo
{
    std::optional<T> minimo;
    std::optional<T> massimo;

    bool Attivo() const { return minimo || massimo; }
    // A range without bounds takes everything; one with a bound never takes a missing value.
    bool Contiene(const std::optional<T>& valore) const
    {
        if (!Attivo())
            return true;
        return valore && (!minimo || !(*valore < *minimo)) && (!massimo || !(*massimo < *valore));
    }
};
