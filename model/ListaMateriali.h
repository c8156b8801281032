// Reads what the material list and the keyword box show of one table: the names in
// table order, the distinct keywords in order of first appearance, the first description.
#pragma once

#include "storage/ElencoTesti.h"

#include <QString>
#include <QStringList>
#include <optional>

class ListaMateriali
{
public:
    struct Richiesta
    {
        bool paroleChiave = false;     // collect the distinct keywords
        bool primaDescrizione = false; // read "Descrizione" of the first record
        // List only the records whose "Parola chiave" equals this text exactly; every
        // record when unset. A keyword without a value never matches.
        std::optional<QString> soloParola;
    };

    struct Contenuto
    {
        bool vuota = true;        // the table holds no row
        ElencoTesti nomi;         // names in table order; a record without a name is left out
        QStringList paroleChiave; // distinct, first appearance first; Null values left out
        QString primaDescrizione; // as stored; "" when absent
    };

    // Opens the file and the table, reads it in one pass and closes both again.
    // Throws DbException when the file, the table or a field cannot be read.
    static Contenuto Leggi(const QString& percorso, const QString& tabella, const Richiesta& richiesta);
};
