// One entry as the main window and the information window show it: every text ready for
// its box, the band values for the chart and the ratings kept for the editor, made from
// the entry's stored row by the rules of its kind.
#pragma once

#include "model/Categorie.h"
#include "model/RecordMateriale.h"

#include <QString>
#include <array>
#include <optional>

struct SchedaMateriale
{
    std::optional<QString> immagine;    // "Immagine"; nullopt when the field has no value
    std::optional<QString> descrizione; // line breaks already replaced by blanks
    QString rigaValutazione;
    std::array<float, RecordSchema::NumeroBande> bande{}; // a band without a value is 0
    std::array<std::optional<double>, NumeroValoriConservati> conservati;

    // Information window: text of each box ("" when the field has no value).
    std::array<QString, 12> caselle;
    // Visibility of the boxes 6..11 (and their captions), by box index; unset for 0..5.
    std::array<std::optional<bool>, 12> visibile;
    std::optional<QString> etichetta9;
    std::optional<QString> etichetta10;

    // Experimental and custom kinds carry certificate data and a test date.
    bool certificato = false;
    QString dataProva; // as stored; "" when absent

    static SchedaMateriale Da(const RecordMateriale& record, const TipoMateriale& tipo);
};
