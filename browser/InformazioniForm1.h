// Fills the information window with the sheet of the entry the main window shows.
#pragma once

#include <QDate>

class Form2;
struct SchedaMateriale;

namespace InformazioniForm1 {
// dataProva: the entry's test date as a date; invalid when it is none.
void Mostra(Form2& info, const SchedaMateriale& scheda, QDate dataProva);
} // namespace InformazioniForm1
