// Text fitted into a box of a printed page: wrapped at the box's width, as many lines as
// its height holds, the last line cut with an ellipsis when the text goes on beyond it; and
// the typeface of those pages.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

class QPaintDevice;

namespace TestoAdattato {

// The printed pages' typeface at a size in points: without ligatures, so that a PDF's text
// reads back (and is found) letter for letter.
QFont Carattere(double punti, bool grassetto = false);

// The lines to draw, in the device's units (nullptr: the screen). A box lower than one line
// still gets one line, so that something always shows.
QStringList Righe(const QString& testo, const QFont& carattere, double larghezza, double altezza,
                  QPaintDevice* dispositivo = nullptr);

} // namespace TestoAdattato
