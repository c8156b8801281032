// Reads a database file of the program's own engine straight through the engine, past
// the program's storage layer and past any test file layer, to tell what a file really
// holds: every row of every table, and whether the engine finds the file sound.
#pragma once

#include <QString>
#include <QVariantMap>
#include <vector>

namespace FotografiaDatabase {

// One stored row: its table, its row number and its columns (a double for numbers, a
// QString for text, a null QVariant for Null).
struct Riga
{
    QString tabella;
    qint64 numero = 0;
    QVariantMap colonne;
    bool operator==(const Riga&) const = default;
};

// Every row of every table, tables by name, rows by number. Opening the file first puts
// back what an interrupted save left half-written (the engine's own recovery). An empty
// list with errore set when the file cannot be read.
std::vector<Riga> Righe(const QString& percorso, QString* errore = nullptr);

// The rows of one query (a table's layout, say), each column by its name; an empty list with
// errore set when the query cannot be run.
std::vector<QVariantMap> Interroga(const QString& percorso, const QString& sql, QString* errore = nullptr);

// The engine's own check of the whole file: "ok", or what is wrong.
QString Integrita(const QString& percorso);

} // namespace FotografiaDatabase
