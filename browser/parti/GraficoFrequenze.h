// The frequency chart as numbers: value range, range captions, grid, curve segments and
// markers in the chart's own coordinates (x = band index 0..20, y = 0 bottom .. 90 top).
// Painting is Picture1's business.
#pragma once

#include "rating/MotoreValutazione.h"

#include <QLineF>
#include <QLocale>
#include <QPointF>
#include <QString>
#include <QVector>
#include <array>

struct GeometriaGrafico
{
    bool selezione = false; // false: nothing is drawn, the captions read "max" and "min"
    float max = 0;
    float min = 0;
    double K = 0; // scale: y(v) = K * v + Off
    double Off = 0;
    QString testoMassimo = QStringLiteral("max");
    QString testoMinimo = QStringLiteral("min");
    QVector<QLineF> griglia;
    QVector<QLineF> curva;
    QVector<QPointF> marcatori;
    // Drawn on demand: the shifted reference curve over 100-3150 Hz and each band's
    // unfavourable deviation from it, a segment from the band value to the curve.
    QVector<QLineF> riferimento;
    QVector<QLineF> deviazioni;
    std::array<float, 21> valori{}; // the band values drawn
};

GeometriaGrafico CalcolaGrafico(const std::array<float, 21>& ValoriBande, bool selezione,
                                const QLocale& locale = QLocale());
// Adds the shifted reference curve and the unfavourable deviations of a computed rating; the
// value range widens to take the curve in, so that neither curve leaves the chart. Nothing
// when the rating could not be computed.
void AggiungiRiferimento(GeometriaGrafico& geometria, const Valutazione& valutazione,
                         const MotoreValutazione::Bande& bande, const QLocale& locale = QLocale());
// "###,#0.0": one decimal, at least one integer digit, digit grouping (52,0 and 1.234,5).
QString FormattaValoreGrafico(double valore, const QLocale& locale = QLocale());
