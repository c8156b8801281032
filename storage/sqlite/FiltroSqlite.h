// The test of a filtered read made inside the engine's statement, so that a row that fails it
// is never copied out: every connection of the program has the function
// zelmar_filtro(state, column...), true for a row where some column passes the read's test.
// The state is bound to the statement as a pointer; it counts the rows the engine looked at,
// which it does once each, in stored order, for a statement that scans the table.
#pragma once

#include "storage/FiltroTesti.h"

#include <QtGlobal>
#include <sqlite3.h>

class FiltroSqlite
{
public:
    static constexpr const char* Funzione = "zelmar_filtro";

    explicit FiltroSqlite(const FiltroTesti& filtro) : filtro_(filtro) {}
    // Binds this state to the statement's parameter; it must outlive the statement's steps.
    int Lega(sqlite3_stmt* istruzione, int posizione);
    qint64 Viste() const { return viste_; }
    // The place in stored order of the row the statement stands on.
    qint64 Posto() const { return posto_; }

    static void Registra(sqlite3* db);

private:
    static void Chiama(sqlite3_context* contesto, int quanti, sqlite3_value** argomenti);
    bool Tiene(sqlite3_value* valore) const;

    const FiltroTesti& filtro_;
    qint64 viste_ = 0;
    qint64 posto_ = -1;
};
