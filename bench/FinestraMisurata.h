// The main window the window benchmarks drive: a temporary program folder pointing at the
// data folder, the window loaded on it, shown offscreen, with the custom walls' table chosen
// as a click on its tree node chooses it.
#pragma once

#include "CartellaProgrammaBench.h"
#include "browser/Form1.h"

#include <QString>

class ElencoNomi;

constexpr const char* TabellaMisurata = "Rw_laboratorio";

struct FinestraMisurata
{
    explicit FinestraMisurata(const QString& cartellaDati);

    const CartellaProgrammaBench programma; // before the window, which reads its settings
    const QString file;                     // the custom database file
    const QString tabella = QString::fromLatin1(TabellaMisurata);
    Form1 finestra;
    // The material list of the table, or nullptr (the reason printed) when it did not open.
    ElencoNomi* elenco = nullptr;
};
