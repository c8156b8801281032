// Reads what the material list and the keyword box show of one table: the names in
// table order, the distinct keywords in order of first appearance, the first description.
#pragma once

#include "storage/ElencoTesti.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class Database;

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
        // With the keywords: each name's keyword as its place in paroleChiave (-1 for none),
        // when every row has a name.
        std::vector<qint32> parolaRiga;
        std::optional<qint64> versione; // the table's version (Database::Versione) as read
    };

    // The table's version before a change made in one write transaction and after its
    // commit: the change alone took the table from one to the other when dopo is prima + 1.
    struct Versioni
    {
        std::optional<qint64> prima;
        std::optional<qint64> dopo;
    };

    // The table's version after a commit: none, rather than a failure, when it cannot be
    // read (the change is committed all the same).
    static std::optional<qint64> VersioneDopo(Database& database, const QString& tabella);

    // Opens the file and the table, reads it in one pass and closes both again.
    // Throws DbException when the file, the table or a field cannot be read.
    static Contenuto Leggi(const QString& percorso, const QString& tabella, const Richiesta& richiesta);
};
