// The table the browser shows: its kind, folder, database file and table, chosen in the category
// tree and handed to the list, the display, the editor and the save.
#pragma once

#include <QString>

struct TipoMateriale;

struct TabellaCorrente
{
    int categoria = 0;         // kind code; 0 before any table is chosen
    QString cartellaCategoria; // "\" + folder + "\" for experimental files, "\" otherwise
    QString nomeDatabase;      // file name without ".mdb"
    QString nomeTabella;

    bool scelta() const { return categoria != 0 && !nomeTabella.isEmpty(); }
    // The kind of the table; nullptr before any table is chosen.
    const TipoMateriale* tipo() const;
    // Data folder + "/Databases/Database" + folder + database + ".mdb".
    QString percorso(const QString& cartellaDati) const;

    friend bool operator==(const TabellaCorrente&, const TabellaCorrente&) = default;
};
