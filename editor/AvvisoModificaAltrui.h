// The message of a save refused because another copy of the program changed the entry since
// the editor opened: the columns it changed, each with the value shown and the one stored
// now, and what the user can do (Ok again saves over them, Annulla keeps them).
#pragma once

#include "model/SalvataggioMateriale.h"

#include <QCoreApplication>
#include <QString>
#include <vector>

class AvvisoModificaAltrui
{
    Q_DECLARE_TR_FUNCTIONS(AvvisoModificaAltrui)
public:
    // At most this many columns are listed; the rest are counted.
    static constexpr int ColonneElencate = 12;
    static QString Testo(const std::vector<SalvataggioMateriale::Cambiamento>& cambiate);
};
