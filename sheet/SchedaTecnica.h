// The data sheet of one entry: a single page with its name, kind, rating lines (stored and
// computed), description, picture, certificate and physical data, the curve with its
// shifted reference curve and the table of the 21 bands. Written as a PDF with real text, or
// printed; long texts are cut to their boxes, so the sheet is always one page.
#pragma once

#include "exchange/DatiVoce.h"

#include <QImage>
#include <QString>

class QPainter;
class QPrinter;

class SchedaTecnica
{
public:
    // Paints the sheet on a page of paginaMm (millimetres) at the painter's origin, in device
    // units of pixelPerMm. immagine may be null (no picture box is drawn then).
    static void Disegna(QPainter& pittore, const QSizeF& paginaMm, double pixelPerMm, const DatiVoce& voce,
                        const QImage& immagine);

    // A4 PDF. Empty when written; otherwise what went wrong.
    static QString ScriviPdf(const QString& percorso, const DatiVoce& voce, const QImage& immagine);
    // On the page size the user chose for the printer; false when printing failed.
    static bool Stampa(QPrinter& stampante, const DatiVoce& voce, const QImage& immagine);
};
