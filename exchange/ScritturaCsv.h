// CSV as the program's exports write it: UTF-8 with a byte-order mark, ";" between fields,
// a field holding ";", a double quote or a line break enclosed in double quotes with inner
// quotes doubled, numbers with "," as the decimal separator and no grouping in the shortest
// text that reads back the same value, Null as an empty field.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace ScritturaCsv {

// A text field, quoted when it has to be.
QString Testo(const QString& testo);
// A number field.
QString Numero(double valore);
// A stored value: Null empty, numbers as Numero, everything else as Testo.
QString Valore(const QVariant& valore);
// One line of fields already written by the functions above, with its line break.
QString Riga(const QStringList& campi);
// The byte-order mark that starts the file.
QByteArray Inizio();

} // namespace ScritturaCsv
