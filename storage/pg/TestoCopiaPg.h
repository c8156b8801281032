// COPY's text form of a row, as the server reads and writes it: fields separated by tabs,
// the line ended by a line break, \N for Null, and a backslash before a backslash, tab, line
// break or carriage return within a value.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

namespace TestoCopiaPg {
// Appends a value's bytes to the line, escaped.
void Aggiungi(QByteArray& riga, const char* byte, qsizetype lunghezza);
inline void AggiungiNull(QByteArray& riga)
{
    riga += "\\N";
}
// One value of a line: where its bytes are, unescaped, in the values' buffer; Null has none.
struct Campo
{
    qsizetype inizio = 0;
    qsizetype lunghezza = 0; // -1 for Null

    bool Nullo() const { return lunghezza < 0; }
    // The value's bytes; a Null has none.
    QByteArrayView In(const QByteArray& valori) const
    {
        return {valori.constData() + inizio, Nullo() ? 0 : lunghezza};
    }
};
// The values of one line the server wrote (its line break included or not), unescaped into
// valori. False when the line is not in that form.
bool Campi(QByteArrayView riga, QByteArray& valori, std::vector<Campo>& campi);
} // namespace TestoCopiaPg
