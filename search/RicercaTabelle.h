// The search through the tables of a data folder: each table read once, in stored order,
// only the columns the criteria and the result list need, the text tested inside the engine's
// read where the engine can; entries found handed over in
// batches as they are found. Tables are searched on worker threads, each with its own
// connection; a file that cannot be read is reported and the search goes on.
#pragma once

#include "CriteriRicerca.h"
#include "VoceTrovata.h"
#include "model/TabelleCartellaDati.h"

#include <atomic>
#include <functional>
#include <vector>

class RicercaTabelle
{
public:
    struct EsitoTabella
    {
        qint64 voci = 0;              // entries looked at
        QString errore;               // why the table could not be read (wholly); empty when it was
        bool fileIlleggibile = false; // the error is the file's: no table of it can be read
        bool annullata = false;
    };
    using Consegna = std::function<void(std::vector<VoceTrovata>&&)>;

    // One table (indice: its place in the list, copied into each entry found). Tables the
    // criteria leave out are not opened.
    static EsitoTabella Cerca(int indice, const TabelleCartellaDati::Tabella& tabella,
                              const CriteriRicerca& criteri, const std::atomic<bool>& annulla,
                              const Consegna& consegna);
    // Every table, on up to fili threads. trovate runs on any of them, for each batch as it
    // is found; fatta on the calling thread for each table in the list's order. A file that
    // cannot be opened is reported once, with its first table.
    static void CercaTutte(const std::vector<TabelleCartellaDati::Tabella>& tabelle,
                           const CriteriRicerca& criteri, int fili, const std::atomic<bool>& annulla,
                           const Consegna& trovate,
                           const std::function<void(size_t indice, const EsitoTabella&)>& fatta);
};
