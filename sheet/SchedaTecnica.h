// The data sheet of one entry, fit to send: a single page with an optional letterhead, its
// name, kind, the declared and the computed ratings, description and notes, picture,
// certificate and physical data, the curve with its shifted reference curve and the table of
// the 21 bands, and where the entry lies in a small line of the footer. Written as a PDF with
// real text, or printed; long texts are cut to their boxes, so the sheet is always one page.
#pragma once

#include "CartaIntestata.h"
#include "exchange/DatiVoce.h"

#include <QImage>
#include <QString>

class QPagedPaintDevice;
class QPainter;

class SchedaTecnica
{
public:
    // Paints the sheet on a page of paginaMm (millimetres) at the painter's origin, in device
    // units of pixelPerMm. immagine may be null (no picture box is drawn then).
    static void Disegna(QPainter& pittore, const QSizeF& paginaMm, double pixelPerMm, const DatiVoce& voce,
                        const QImage& immagine, const CartaIntestata& carta = {});

    // A4 PDF. Empty when written; otherwise what went wrong.
    static QString ScriviPdf(const QString& percorso, const DatiVoce& voce, const QImage& immagine,
                             const CartaIntestata& carta = {});
    // On the page size the user chose for the printer (or a PDF writer's); false when
    // printing failed.
    static bool Stampa(QPagedPaintDevice& pagine, const DatiVoce& voce, const QImage& immagine,
                       const CartaIntestata& carta = {});
};
