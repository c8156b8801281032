// Draws the band curves of entries on a chart: one colour and marker per entry, a line
// broken where a band has no value, optionally each entry's shifted reference curve, the
// logarithmic frequency axis with every band labelled and the level axis with a line every
// 5 dB. The comparison window draws with it; the data sheet paints its look (sheet/GraficoScheda).
#pragma once

#include "exchange/DatiVoce.h"

#include <QColor>
#include <QIcon>
#include <QList>
#include <QScatterSeries>

class QChart;
class QPainter;

class GraficoCurve
{
public:
    struct Curva
    {
        const DatiVoce* voce;
        int stile; // colour and marker
    };

    // Empties the chart and draws the curves; the chart's own legend stays hidden (its lines
    // are cut short), the caller shows Didascalia beside each marker. Returns each curve's marker series, in
    // the order of the curves (their points are the bands that have a value). Lines and markers are drawn
    // spessore times their size on screen.
    static QList<QScatterSeries*> Disegna(QChart* grafico, const QList<Curva>& curve, bool riferimenti,
                                          double spessore = 1);

    static QColor Colore(int stile);
    static QScatterSeries::MarkerShape Forma(int stile);
    // The curve's marker filling the rectangle, for legends and headings.
    static void DisegnaMarcatore(QPainter& pittore, const QRectF& dove, int stile);
    static QIcon Icona(int stile);
    // "Muro A - Rw (laboratory) - declared Rw(C;Ctr)= 52(-1;-4) dB - computed Rw(C;Ctr)= 52(-1;-4) dB",
    // the declared values that differ from the computed ones named.
    static QString Didascalia(const DatiVoce& voce);
    // The band of a point of a marker series.
    static int Banda(const QPointF& punto);
};
