// How the main window follows its size: half of the extra width widens the tree and the
// list column, the chart block moves right by one and a half times that, all extra height
// goes to the tree and the list. Never below the design layout.
#pragma once

#include <QString>
#include <vector>

class QWidget;

struct ValoreLayout
{
    QString controllo;
    QString proprieta; // "left", "top", "width", "height", "x1", "x2", "y1", "y2"
    int valore;        // twips
};

// Round to the nearest whole number, an exact half to the even neighbour.
int ArrotondaPari(double valore);
// Every laid-out property for the window's outer size in twips, in the order applied.
std::vector<ValoreLayout> CalcolaLayout(int larghezzaEsterna, int altezzaEsterna);
// Finds each control among form's children by objectName and applies the values.
void ApplicaLayout(QWidget* form, int larghezzaEsterna, int altezzaEsterna);
// Creates the tick lines Line1(0), (2), (3), (4), (5) of the chart at their design places.
void CreaLinee(QWidget* client);

constexpr int LarghezzaEsternaProgetto = 12105;
constexpr int AltezzaEsternaProgetto = 8700;
