// What the comparison, the data sheet and the exports say about an entry's kind: its
// name, the band quantity its values hold, and its computed ratings as a line and as terms.
#pragma once

#include "rating/Valutazione.h"

#include <QList>
#include <QPair>
#include <QString>
#include <optional>

namespace TipiVoce {

// "Rw (laboratory)", "L'nw (in situ)", "DRw (theoretical)"... in the interface language;
// empty for a code that is no kind.
QString Nome(int codice);
// The kind of a table from where its file lies in a data folder: a table of the custom or
// the theoretical database by its name, an experimental file by its category folder.
std::optional<int> CodiceDaPosizione(const QString& file, const QString& tabella);
// The quantity the 21 band values hold: "R", "DRi", "Ln", "DLn" or "Dn" (the theoretical
// DRw table holds DRi under columns named R).
QString GrandezzaBande(int codice);
// The quantity the rating engine rates them as; nothing for the linings (DRi).
std::optional<::GrandezzaBande> GrandezzaValutata(int codice);

// A computed term: its symbol and its value, nothing when it could not be computed.
struct Termine
{
    QString simbolo;
    std::optional<int> valore;
};
// The index and the terms of the quantity, in the order a report gives them.
QList<Termine> Termini(int codice, const Valutazione& valutazione);
// "Rw(C;Ctr)= 52(-1;-4) dB": the index and the two main terms; "-" for what could not be
// computed.
QString RigaCalcolata(int codice, const Valutazione& valutazione);
// The other terms, "C50-3150= -1 dB; C50-5000= 0 dB; ...", each term kept on one line (no-break
// spaces); empty when the quantity has none.
QString TerminiEstesi(int codice, const Valutazione& valutazione);
// The stored ratings in the same form, "Rw(C;Ctr)= 52(-1;-4) dB" ("-" for a column without a
// value); empty when no rating column holds a value.
QString RigaDichiarata(int codice, const QList<QPair<QString, std::optional<double>>>& valutazioni);

} // namespace TipiVoce
