// What the program knows of one material table on the server, read from its catalogue:
// the table's own name, its columns in order (whether each holds numbers or bytes), and
// which columns have an index of their own. The serial key that keeps the stored order is
// not among the columns.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QVector>
#include <memory>

class PgConnessione;

class TabellaPg
{
    Q_DECLARE_TR_FUNCTIONS(TabellaPg)

public:
    struct Colonna
    {
        QString nome;
        bool numerica = false;
        bool binaria = false;
        bool indicizzata = false; // has an index of its own
    };

    // The table of the current schema with that name, letter case ignored (the exact name
    // first). Throws TabellaNonTrovata when there is none.
    static std::shared_ptr<const TabellaPg> Leggi(PgConnessione& connessione, const QString& nome);

    QString nome;
    QString quotato;
    QVector<Colonna> colonne;
    QString selezione; // the key and every column, for a SELECT

    int Indice(const QString& colonna) const; // letter case ignored; -1 when missing
};
