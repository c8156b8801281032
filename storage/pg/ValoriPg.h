// A field of a server's result as the program reads it: a number with every digit the
// server sent, bytes from their hex form, text as UTF-8, Null as a null QVariant.
#pragma once

#include "TabellaPg.h"

#include <QByteArray>
#include <QVariant>

typedef struct pg_result PGresult;

namespace ValoriPg {
QVariant Valore(const PGresult* r, int riga, int campo, const TabellaPg::Colonna& colonna);
// A field's bytes as the list shows them: text as stored, a number as Valore reads it.
QByteArray Utf8(const PGresult* r, int riga, int campo, const TabellaPg::Colonna& colonna);
} // namespace ValoriPg
