// The rules a flanking path follows at a junction: the vibration reduction index Kij of rigid
// junctions, its minimum, and how the linings on the two sides of a path add up in the
// single-number model.
#pragma once

#include "prediction/Situazione.h"

#include <optional>

class Giunzioni
{
public:
    struct Indici
    {
        double ff, fd, df; // KFf, KFd, KDf in dB
    };

    // Kij of the paths Ff, Fd and Df of a junction: typed, or from the rigid junction's masses.
    // Not yet raised to Kij,min.
    static Indici Kij(const Giunto& giunto, double massaSeparazione, double massaF, double massaf);
    // Kij,min of the path between elements of areas si and sj over a coupling length lf, dB.
    static double KijMinimo(double lunghezza, double si, double sj);
    // ΔR of a path whose two elements carry linings improving them by a and b dB, or nothing.
    static double Rivestimenti(std::optional<double> a, std::optional<double> b);
};
