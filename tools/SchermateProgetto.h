// zelmar-screenshot's pictures of the design window on the demo data: a wall between two rooms
// with four junctions, an impact situation and a facade, each built as a user would, from the
// main window's entries and typed values.
#pragma once

#include <QString>
#include <functional>

class Form1;
class QWidget;

namespace SchermateProgetto {
// Progetto-aereo.png, Progetto-calpestio.png and Progetto-facciata.png in the folder, each
// written with salva; false when one could not be.
bool Salva(Form1& form, const QString& cartella, const std::function<bool(QWidget*, const QString&)>& salva);
} // namespace SchermateProgetto
