// The number a user's text stands for in a numeric column, read as every engine reads it:
// with the current locale's decimal separator, no group separators, finite values only.
#pragma once

#include <QString>

namespace TestoNumerico {
// Throws DbException (ConversioneTipo) naming the text, the column and the table when the
// text is no such number.
double Leggi(const QString& testo, const QString& colonna, const QString& tabella);
} // namespace TestoNumerico
