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
    // The information window's boxes ("Text1(k)" there), by what they hold; the physical
    // data take the boxes from CasellaPrimaFisica on, in the record schema's order.
    enum Casella
    {
        CasellaCertificato = 0,
        CasellaDataProva = 1,
        CasellaEnteProva = 2,
        CasellaSocieta = 3,
        CasellaNote = 4,
        CasellaImmagine = 5,
        CasellaPrimaFisica = 6,
        CasellaQuartaFisica = 9,  // "Vr" by design, captioned by the kind
        CasellaQuintaFisica = 10, // "Ve" by design, captioned by the kind
        CasellaCantiere = 11,
        NumeroCaselle = 12,
    };

    std::optional<QString> immagine;    // "Immagine"; nullopt when the field has no value
    std::optional<QString> descrizione; // line breaks already replaced by blanks
    QString rigaValutazione;
    std::array<float, RecordSchema::NumeroBande> bande{}; // a band without a value is 0
    std::array<std::optional<double>, NumeroValoriConservati> conservati;

    // Information window: text of each box ("" when the field has no value).
    std::array<QString, NumeroCaselle> caselle;
    // Visibility of the physical and site boxes (and their captions), by box; unset for the others.
    std::array<std::optional<bool>, NumeroCaselle> visibile;
    // Captions of the kind for the boxes CasellaQuartaFisica and CasellaQuintaFisica, when it has its own.
    std::optional<QString> etichetta9;
    std::optional<QString> etichetta10;

    // Experimental and custom kinds carry certificate data and a test date.
    bool certificato = false;
    QString dataProva; // as stored; "" when absent

    static SchedaMateriale Da(const RecordMateriale& record, const TipoMateriale& tipo);
};
