// The places of a situation an element can take (its slots), named by the JSON path of what
// they fill in the zelmar-prevedi input, junctions and elements counted from 1:
//   "separazione"                               the separating wall or floor (R/Rw, massa)
//   "separazione.DR_sorgente", "separazione.DR_ricevente"   its linings (ΔR/ΔRw)
//   "fianchi[N].F", "fianchi[N].f"              a flanking element in the source / receiving room
//   "fianchi[N].F.DR", "fianchi[N].f.DR"        its lining
//   "Lnw"                                       impact: the bare floor (Lnw, massa)
//   "DLw"                                       impact: the floor covering or floating floor (ΔLw)
//   "elementi[N]"                               a facade element (R/Rw)
//   "piccoli[N]"                                a small element of a facade (Dn,e/Dn,e,w)
// Each slot is of one kind, which decides which kinds of library entry fit it: the one table
// of that here.
#pragma once

#include "prediction/Situazione.h"

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <span>

enum class TipoPosto
{
    Separazione,           // separating wall or floor, airborne
    Rivestimento,          // lining of a wall or floor, airborne
    Fianco,                // flanking element
    Solaio,                // floor under impact sound
    RivestimentoPavimento, // floor covering or floating floor, impact
    ElementoFacciata,      // facade element: wall, window or door
    PiccoloElemento,       // small element of a facade: vent, box, duct
};

class PostoElemento
{
    Q_DECLARE_TR_FUNCTIONS(PostoElemento)

public:
    // The kind of slot a path names; nothing for a path that names no slot.
    static std::optional<TipoPosto> Tipo(const QString& posto);
    // The slot's kind in words for messages, in the interface language: "separating element".
    static QString Nome(TipoPosto tipo);
    // The kind codes of the library entries that fit a slot of this kind, best first.
    static std::span<const int> Codici(TipoPosto tipo);
    static bool Accetta(TipoPosto tipo, int codice);

    // The slots a situation has, in the order of its input.
    static QStringList Posti(const Situazione& situazione);
    // What a situation holds in a slot, as an element: its curve (R, ΔR, Dn,e or, in "Lnw"
    // and "DLw", only the single number) and, where the slot has one, its mass; nothing
    // for a path that is no slot of this situation.
    static std::optional<Elemento> Leggi(const Situazione& situazione, const QString& posto);
    // Puts an element into a slot of the situation: its curve and mass (a flanking element's
    // area, the situation's geometry and the other slots kept; "Lnw" takes the rating and
    // the mass, "DLw" the rating). False for a path that is no slot of this situation.
    static bool Imposta(Situazione& situazione, const QString& posto, const Elemento& elemento);
};
