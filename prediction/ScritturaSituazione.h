// A situation as the JSON object LetturaSituazione reads back: the zelmar-prevedi input, to
// which a design project adds keys of its own (an element's source entry) before saving it.
#pragma once

#include "prediction/Situazione.h"

#include <QJsonObject>

class ScritturaSituazione
{
public:
    static QJsonObject InJson(const Situazione& situazione);
};
