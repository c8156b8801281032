// Every database table of a data folder, in the order the category tree lists them: the
// custom database's tables, the theoretical database's, then each category's files in
// name order; each with the kind of its entries. For whatever goes through a whole data
// folder: the check of the ratings, the search.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class TabelleCartellaDati
{
public:
    struct Tabella
    {
        QString file;     // the database file
        QString relativo; // the file relative to the data folder, with "/"
        QString tabella;
        int codice = 0;
    };

    // Looks into no file: the custom and theoretical databases are listed, as the tree lists
    // their tables, whether they exist or not.
    static std::vector<Tabella> Elenca(const QString& cartellaDati);
    // The database files of a category folder, as the tree shows them: names without
    // ".mdb", in name order.
    static QStringList FileCategoria(const QString& cartella);
};
