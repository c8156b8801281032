// What the design window takes from the main window, which opens it: the entry the main
// window shows (its file, table, kind and stored row) and the pick of an entry in the search
// window.
#pragma once

#include "model/RecordMateriale.h"
#include "model/TabelleCartellaDati.h"

#include <QString>
#include <functional>
#include <optional>

struct CollegamentiProgetto
{
    struct VoceMostrata
    {
        QString file; // the database file's full path
        QString tabella;
        int codice = 0; // the kind of the table
        RecordMateriale record;
    };
    // Nothing when the main window shows no entry.
    std::function<std::optional<VoceMostrata>()> voceMostrata;
    // Opens the search window for the user to pick one entry (perche says what for), which
    // goes to scelta.
    using Scelta = std::function<void(const TabelleCartellaDati::Tabella&, const QString& nome)>;
    std::function<void(const QString& perche, Scelta scelta)> scegliVoce;
};
