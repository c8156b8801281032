// The list of entries found as a CSV file: a heading line with the list's column titles,
// then one line per entry as the list shows it (masses and thicknesses as numbers).
#pragma once

class ModelloRisultati;
class QIODevice;

namespace CsvRisultati {
// Writes the whole list a few thousand lines at a time; false when a write failed.
bool Scrivi(const ModelloRisultati& modello, QIODevice& file);
} // namespace CsvRisultati
