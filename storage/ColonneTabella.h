// A table's name and columns in order (whether each holds numbers), as a cursor or a
// whole-table read knows them; a column is found by its name with letter case ignored, as
// the engines find it.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

struct ColonneTabella
{
    struct Colonna
    {
        QString nome;
        bool numerica = false;
    };

    QString tabella;
    QVector<Colonna> colonne;

    int Indice(const QString& colonna) const; // -1 when missing
    // Throws DbException (ElementoNonTrovato) naming the table and the column when missing.
    int IndiceEsistente(const QString& colonna) const;
    QStringList Nomi() const;
};
