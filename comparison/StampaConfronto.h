// A comparison on paper: the chart with its legend on the first page, the table of values
// and ratings on the second, each scaled to its page.
#pragma once

#include "InsiemeConfronto.h"

class QChart;
class QPagedPaintDevice;

class StampaConfronto
{
public:
    // False when the device could not be painted on (a printer that failed to start).
    static bool Stampa(QPagedPaintDevice& pagine, QChart* grafico, const InsiemeConfronto& insieme);
};
