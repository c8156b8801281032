// What a click on a node of the category tree chooses: the database file, the table, the
// kind code and which editing commands the kind of database allows.
#pragma once

#include <QString>
#include <optional>

class SceltaTabella
{
public:
    struct Esito
    {
        QString didascalia;   // caption of the current-database box
        QString nomeDatabase; // file name without ".mdb"
        // Set only when the caption of the root or of the node picks a table.
        std::optional<QString> cartellaCategoria; // "/" or "/<category folder>/"
        std::optional<QString> nomeTabella;
        std::optional<int> codice;
        bool inserisciModifica = false; // toolbar buttons 1, 2 and the insert button
        bool cancella = false;          // toolbar button 3 and the menu item
    };

    // radice: caption of the node's root; nodo: caption of the database node (the clicked
    // child, or the first child of a clicked root).
    static Esito Scegli(const QString& radice, const QString& nodo);
};
