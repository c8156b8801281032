// The main window the window benchmarks drive: loaded on the data folder in use, shown
// offscreen, with the custom walls' table chosen as a click on its tree node chooses it.
#pragma once

#include <QString>

class ElencoNomi;
class Form1;

constexpr const char* TabellaMisurata = "Rw_laboratorio";

// The material list of the table, or nullptr (the reason printed) when it did not open.
ElencoNomi* ApriTabellaMisurata(Form1& finestra, const QString& cartellaDati);
