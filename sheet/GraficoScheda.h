// The curve of a data sheet, painted: the entry's band values as a line with round markers,
// broken where a band has no value, its shifted reference curve dashed (100 to 3150 Hz), the
// logarithmic frequency axis with a grid line and a label for every band, the level axis with
// a line every 5 dB. It has the look of a comparison's first curve and needs nothing but a
// painter, so that a sheet is written without windows.
#pragma once

#include "comparison/AsseFrequenze.h"
#include "exchange/DatiVoce.h"

#include <QList>
#include <QPolygonF>
#include <QRectF>

class QPainter;

class GraficoScheda
{
public:
    // What is drawn, in the axes' units: x a band's place on the frequency axis, y in dB.
    struct Linee
    {
        QList<QPolygonF> tratti;    // the band values, one line for each run of bands with a value
        QPolygonF riferimento;      // the shifted reference curve; empty when there is no rating
        AsseFrequenze::Scala scala; // the level axis, around all of them
    };
    static Linee Calcola(const DatiVoce& voce);

    // Paints the chart filling the box (device units); pixelPerMm device units make a millimetre.
    static void Disegna(QPainter& pittore, const QRectF& box, double pixelPerMm, const DatiVoce& voce);
};
