// Where each part of a data sheet lies on its page, in millimetres from the page's top left
// corner: laid out on A4 (fixed heights for the texts and the band table, the chart taking
// what is left), and scaled to fit a page of another size.
#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>

struct ImpaginazioneScheda
{
    static constexpr double Margine = 15;

    QRectF titolo;      // the entry's name
    QRectF tipo;        // kind and where the entry lies
    QRectF valutazione; // stored and computed rating lines
    QRectF descrizione;
    QRectF immagine;
    QRectF certificato; // certificate, test date, testing body, requesting company
    QRectF fisici;      // physical data
    QRectF grafico;
    QRectF legenda; // what the chart's lines are
    QRectF bande;   // the table of the 21 bands
    QRectF piede;

    // The layout for a page of the given size (A4: 210 x 297 mm).
    static ImpaginazioneScheda Per(const QSizeF& paginaMm);
    // Every box, in the order above.
    QList<QRectF> Riquadri() const;

private:
    static ImpaginazioneScheda SuA4(const QSizeF& paginaMm);
    QList<QRectF*> Puntatori();
};
