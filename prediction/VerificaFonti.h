// Whether the library entries a project's elements came from are still what they were: each
// source's entry is looked up again in the data folder and made into an element as the slot
// takes it; the values the project stores are kept whatever is found.
#pragma once

#include "prediction/Progetto.h"

#include <QString>
#include <vector>

class VerificaFonti
{
public:
    enum class Stato
    {
        Invariata,   // the entry still holds the values the project stores
        Cambiata,    // the entry holds other values (or its kind no longer fits the slot)
        Sparita,     // the file, the table or the entry is gone
        Illeggibile, // the file or the table could not be read
    };
    struct Esito
    {
        QString posto;
        FonteVoce fonte;
        Stato stato = Stato::Invariata;
        QString errore; // Illeggibile: why
    };

    // One result per source, in the order of the slots' paths.
    static std::vector<Esito> Verifica(const Progetto& progetto, const QString& cartellaDati);
};
