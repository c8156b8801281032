// The ratings computed from an entry's own band values and the stored rating columns that
// differ from them: the one rule by which every window, check and tool compares the two.
// A computed value is compared only with the stored column of the same meaning (the main
// rating, C, Ctr, Ci); the floor tables' third column is never compared, and the linings
// get no computed rating at all.
#pragma once

#include "Categorie.h"
#include "RecordMateriale.h"
#include "rating/MotoreValutazione.h"

#include <QVariant>
#include <optional>
#include <span>
#include <vector>

class ValutazioneMateriale
{
public:
    struct Differenza
    {
        RecordSchema::Campo colonna;
        QVariant memorizzato; // as stored: a number, or a text that is none
        int calcolato;
    };
    struct Esito
    {
        // Nothing for the kinds whose bands get no rating (the linings).
        std::optional<Valutazione> calcolata;
        // In the order of the kind's rating columns.
        std::vector<Differenza> diverse;
    };

    // The quantity the engine rates the kind's bands as; nothing for the linings.
    static std::optional<GrandezzaBande> Grandezza(const TipoMateriale& tipo);
    // The computed value a stored column of this meaning is compared with; nothing when it
    // could not be computed, and always nothing for the floor tables' third column.
    static std::optional<int> Calcolato(const Valutazione& valutazione, Significato significato);
    // A stored value differs when it is not equal to the computed whole number (52,4 differs
    // from 52); a Null stored value never differs.
    static bool Diverso(const QVariant& memorizzato, int calcolato);

    // The entry's band values: a band that is Null (or not a number) has no value.
    static MotoreValutazione::Bande Bande(const RecordMateriale& record, const TipoMateriale& tipo);
    static Esito Valuta(const RecordMateriale& record, const TipoMateriale& tipo);
    // The same from values already read: the bands, and the stored value of each of the
    // kind's rating columns in the order of tipo.valutazioni.
    static Esito Valuta(const TipoMateriale& tipo, const MotoreValutazione::Bande& bande,
                        std::span<const QVariant> memorizzate);
};
