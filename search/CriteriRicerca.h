// What a search asks of the entries: every criterion is optional and all of them must hold.
// Kinds and databases choose the tables; the others test each entry.
#pragma once

#include "Intervallo.h"
#include "model/TabelleCartellaDati.h"

#include <QDate>
#include <QSet>
#include <QString>
#include <optional>

struct CriteriRicerca
{
    // Kind codes; empty: every kind.
    QSet<int> tipi;
    // The database files searched, relative to the data folder with "/"; none: every file.
    std::optional<QSet<QString>> file;
    // Contained in the name, keyword, description, certificate, testing body or requesting
    // company, letter case and accents ignored.
    QString testo;
    // The table's first rating column; that plus its second or third column (Rw + C,
    // Rw + Ctr; Lnw + Ci).
    Intervallo<double> indice;
    Intervallo<double> indicePiuPrimo;
    Intervallo<double> indicePiuSecondo;
    Intervallo<double> massa;
    Intervallo<double> spessore;
    Intervallo<double> area;
    // "Data Prova" read day first; a text that is no date is outside any bound.
    Intervallo<QDate> data;
    // Some stored rating differs from the one computed from the entry's curve.
    bool difforme = false;

    bool CercaIn(const TabelleCartellaDati::Tabella& tabella) const
    {
        return (tipi.isEmpty() || tipi.contains(tabella.codice)) &&
               (!file || file->contains(tabella.relativo));
    }
};
