// One entry made ready for output from its stored row, by the rules of its kind: the texts,
// the physical data, the stored ratings and rating line, the band values (a band without a
// value has none) and the ratings computed from them.
#pragma once

#include "exchange/DatiVoce.h"
#include "model/Categorie.h"
#include "model/RecordMateriale.h"

#include <optional>

class LetturaVoce
{
public:
    // file and tabella say where the row lies.
    static DatiVoce Da(const RecordMateriale& record, const TipoMateriale& tipo, const QString& file,
                       const QString& tabella);
    // Finds the entry by its name as the display does (the first of equal names in index
    // order). Nothing when no entry carries the name or the code is no kind. Throws
    // DbException when the file, the table or a column cannot be read.
    static std::optional<DatiVoce> Leggi(const QString& file, const QString& tabella, int codice,
                                         const QString& nome);
};
