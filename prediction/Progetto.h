// A design project: a situation and, for each slot whose element came from a library entry,
// that entry (slots named as PostoElemento names them). Saved as the zelmar-prevedi input with
// each source beside the values it gave (FileProgetto).
#pragma once

#include "prediction/FonteVoce.h"
#include "prediction/Situazione.h"

#include <QString>
#include <map>

struct Progetto
{
    Situazione situazione;
    std::map<QString, FonteVoce> fonti; // slot path -> source entry
};
