// COPY's text form of a row, as the server reads and writes it: fields separated by tabs,
// the line ended by a line break, \N for Null, and a backslash before a backslash, tab, line
// break or carriage return within a value.
#pragma once

#include <QByteArray>
#include <optional>
#include <vector>

namespace TestoCopiaPg {
// Appends a value's bytes to the line, escaped.
void Aggiungi(QByteArray& riga, const char* byte, qsizetype lunghezza);
inline void AggiungiNull(QByteArray& riga)
{
    riga += "\\N";
}
// The fields of one line the server wrote (its line break included or not), Null as nullopt.
// False when the line is not in that form.
bool Campi(const QByteArray& riga, std::vector<std::optional<QByteArray>>& campi);
} // namespace TestoCopiaPg
