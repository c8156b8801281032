// A chart with its legend under it (one line per curve: marker and caption), as the user
// exports it: PNG (at twice its size on screen), SVG or a PDF page (A4 landscape), chosen by
// the file's suffix and written whole or not at all; and drawn on a printed page.
#pragma once

#include <QList>
#include <QRectF>
#include <QString>

class QChart;
class QPainter;

namespace EsportazioneGrafico {

struct VoceLegenda
{
    QString testo;
    int stile; // the curve's colour and marker
};

// Draws the chart and the legend below it into the rectangle, the chart laid out for the
// rectangle's proportions (a page's width and height) and scaled into it.
void Disegna(QPainter& pittore, QChart* grafico, const QList<VoceLegenda>& legenda,
             const QRectF& destinazione);

// Empty when written; otherwise what went wrong, for the user.
QString Salva(QChart* grafico, const QList<VoceLegenda>& legenda, const QString& percorso);

} // namespace EsportazioneGrafico
