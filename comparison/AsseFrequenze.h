// The axes of the curve charts: the frequency axis logarithmic, each one-third-octave band
// at its place (a tenth of a decade apart) and labelled with its nominal frequency; the
// level axis in whole 5 dB steps around the values drawn.
#pragma once

#include <QList>
#include <QString>

namespace AsseFrequenze {

// Place of band 0..20 (50..5000 Hz) on the frequency axis, in decades: log10 of the band's
// exact centre frequency.
double Posizione(int banda);
// The axis runs from half a band below 50 Hz to half a band above 5000 Hz.
double Inizio();
double Fine();
// "50", "63", ... "5000".
QString Etichetta(int banda);

constexpr int PassoDecibel = 5;
struct Scala
{
    double minimo = 0;
    double massimo = 0;
};
// The level range for the values drawn: the multiples of 5 dB just below the lowest and
// just above the highest, at least 20 dB wide; 0-60 dB when there is nothing to draw.
Scala ScalaDecibel(const QList<double>& valori);

} // namespace AsseFrequenze
