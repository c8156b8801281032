// The save request of a new custom wall as the editor hands it over: every number 45,5, every
// text "Testo di prova". The benchmarks that save entries share it.
#pragma once

#include "model/SalvataggioMateriale.h"

SalvataggioMateriale::Richiesta NuovaParete(const QString& percorso, const QString& tabella,
                                            const QString& nome);
