// Numbers as the user reads them in the boxes: the locale's decimal separator, no digit
// grouping, no fixed number of decimals (45,5 or 40 under Italian settings). Documents pass
// the locale of their language (LocaleDocumenti).
#pragma once

#include <QLocale>
#include <QString>
#include <QVariant>

class FormatoNumero
{
public:
    // Shortest text that reads back as the same double.
    static QString Testo(double valore, const QLocale& locale = QLocale());
    // Shortest text that reads back as the same single-precision value (band values).
    static QString TestoSingolo(float valore);
    // Whether a stored value is held as a number (integer or floating point) rather than text.
    static bool Numerico(const QVariant& valore);
    // A stored value as text: numbers formatted as above, text as it is, Null as "".
    static QString TestoCampo(const QVariant& valore, const QLocale& locale = QLocale());
};
