// Computed ratings as the windows write them, in the interface language: the rating and
// its main terms on one line ("Rw 52 dB (C -1 dB; Ctr -4 dB)"), every term for a tooltip,
// and the stored ratings that differ ("Ctr (dB): stored -3, computed -4").
#pragma once

#include "ValutazioneMateriale.h"

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

class TestoValutazione
{
    Q_DECLARE_TR_FUNCTIONS(TestoValutazione)

public:
    // "Rw", "R'w" (in situ), "Dn,e,w", "Ln,w", "L'n,w" (in situ), "ΔLw".
    static QString Simbolo(int codice, GrandezzaBande grandezza);
    // The terms of the quantity after the rating itself, in the order a report gives them
    // (the two main ones first), each with its symbol.
    using ElencoTermini = std::vector<std::pair<QString, std::optional<int>>>;
    static ElencoTermini TerminiDi(const Valutazione& valutazione);
    // The standard that rates the quantity: "ISO 717-1" or "ISO 717-2".
    static QString Norma(GrandezzaBande grandezza);
    // The rating and its two main terms (one for a floor covering) on one line; when the
    // rating cannot be computed, the bands of 100-3150 Hz that have no value.
    static QString Riga(const TipoMateriale& tipo, const Valutazione& valutazione,
                        const MotoreValutazione::Bande& bande);
    // Every term and the deviation sum, one per line.
    static QString Termini(const TipoMateriale& tipo, const Valutazione& valutazione);
    // Why the kind's entries get no computed rating.
    static QString SenzaValutazione();
    // One differing stored rating: column, stored value, computed value.
    static QString Differenza(const ValutazioneMateriale::Differenza& differenza);
    // A stored value as the boxes show numbers (52,4), or as the text it is.
    static QString Memorizzato(const QVariant& valore);
};
