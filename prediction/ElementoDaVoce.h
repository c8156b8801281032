// A library entry made into an element of a situation: its bands (a Null, or a stored 0 at
// 50-80 and 4000-5000 Hz, is a band without a value), its stored single-number rating and its
// "m' (kg/m²)", read by the facts of its kind from the table of kinds; or the message that
// refuses an entry whose kind does not fit the slot (an impact level in a wall's slot).
#pragma once

#include "model/RecordMateriale.h"
#include "prediction/PostoElemento.h"
#include "prediction/Situazione.h"

#include <QCoreApplication>
#include <QString>
#include <variant>

class ElementoDaVoce
{
    Q_DECLARE_TR_FUNCTIONS(ElementoDaVoce)

public:
    // The element, or the message (in the interface language) naming the entry, its kind and
    // the slot's kind. codice is the kind code of the entry's table.
    using Esito = std::variant<Elemento, QString>;
    static Esito Da(const RecordMateriale& voce, int codice, TipoPosto posto);
    // The same, without asking whether the kind fits (for a kind the caller knows fits).
    static Elemento Leggi(const RecordMateriale& voce, int codice);
};
