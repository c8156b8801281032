// Where each part of a data sheet lies on its page, in millimetres from the page's top left
// corner: laid out on A4 (fixed heights for the texts and the band table, the chart taking
// what is left), and scaled to fit a page of another size. The letterhead and the picture
// are optional: without them their boxes are empty and the others take their place.
#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>

struct ImpaginazioneScheda
{
    static constexpr double Margine = 15;

    QRectF carta;       // the letterhead: logo and laboratory name
    QRectF titolo;      // the entry's name
    QRectF tipo;        // its kind
    QRectF valutazione; // declared and computed rating lines
    QRectF descrizione;
    QRectF immagine;
    QRectF certificato; // certificate, test date, testing body, requesting company
    QRectF fisici;      // physical data
    QRectF grafico;
    QRectF legenda; // what the chart's lines are
    QRectF bande;   // the table of the 21 bands
    QRectF piede;   // program, date and where the entry lies

    // The layout for a page of the given size (A4: 210 x 297 mm).
    static ImpaginazioneScheda Per(const QSizeF& paginaMm, bool carta = false, bool immagine = true);
    // Every box that is there, in the order above.
    QList<QRectF> Riquadri() const;

private:
    static ImpaginazioneScheda SuA4(const QSizeF& paginaMm, bool carta, bool immagine);
    QList<QRectF*> Puntatori();
};
