// The toolbar's look: a light blue-grey tile drawn in code, tiled from the toolbar's
// top-left corner, and the command icons.
#pragma once

#include <QIcon>
#include <QPixmap>

class QToolBar;

namespace ModuleToolbarColor {
constexpr int LarghezzaTassello = 982;
constexpr int AltezzaTassello = 30;
QPixmap CreaSfondoToolbar();
// Paints the toolbar's background with the tile; mode 1 is the only mode.
void ImpostaSfondoToolbar(QToolBar* toolbar, const QPixmap& tassello, int modo);
QIcon IconaInserisci();
QIcon IconaModifica();
QIcon IconaCancella();
// The commands that take the shown entry out of the window.
QIcon IconaConfronto();      // add to the comparison: two curves
QIcon IconaScheda();         // data sheet as PDF: a page with a curve
QIcon IconaStampa();         // print the data sheet: a printer
QIcon IconaCopiaBande();     // copy the band values: a clipboard with rows of values
QIcon IconaRicerca();        // search every database: a magnifying glass
QIcon IconaCopiaPersonale(); // copy the entry into the custom database: a page and an arrow
} // namespace ModuleToolbarColor
