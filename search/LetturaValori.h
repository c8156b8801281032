// Numbers and dates as users type them into a search: "," or "." as the decimal separator;
// test dates day/month/year.
#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace LetturaValori {

// Sign, digits and at most one "," or "."; nothing for any other text.
std::optional<double> Numero(const QString& testo);
// A stored "Data Prova" read as the program reads it (day first); invalid when it is no date.
QDate DataProva(const QString& testo);

} // namespace LetturaValori
