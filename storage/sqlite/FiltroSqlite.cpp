#include "FiltroSqlite.h"

#include "ValoriSqlite.h"

namespace {
constexpr const char* TipoPuntatore = "zelmar_filtro_stato";
}

int FiltroSqlite::Lega(sqlite3_stmt* istruzione, int posizione)
{
    return sqlite3_bind_pointer(istruzione, posizione, this, TipoPuntatore, nullptr);
}

void FiltroSqlite::Registra(sqlite3* db)
{
    // Direct only: a view or trigger of a file whose schema is not trusted cannot call it.
    sqlite3_create_function(db, Funzione, -1, SQLITE_UTF8 | SQLITE_DIRECTONLY, nullptr, Chiama, nullptr,
                            nullptr);
}

// A value as the program reads it as text: a number as the list shows it, text and bytes as
// stored.
bool FiltroSqlite::Tiene(sqlite3_value* valore) const
{
    switch (sqlite3_value_type(valore)) {
    case SQLITE_NULL:
        return false;
    case SQLITE_INTEGER:
        return filtro_.tiene(ValoriSqlite::NumeroUtf8(double(sqlite3_value_int64(valore))));
    case SQLITE_FLOAT:
        return filtro_.tiene(ValoriSqlite::NumeroUtf8(sqlite3_value_double(valore)));
    case SQLITE_BLOB:
        return filtro_.tiene(QByteArrayView(static_cast<const char*>(sqlite3_value_blob(valore)),
                                            sqlite3_value_bytes(valore)));
    default: {
        const auto* testo = reinterpret_cast<const char*>(sqlite3_value_text(valore));
        return filtro_.tiene(QByteArrayView(testo, sqlite3_value_bytes(valore)));
    }
    }
}

void FiltroSqlite::Chiama(sqlite3_context* contesto, int quanti, sqlite3_value** argomenti)
{
    auto* stato =
        quanti > 0 ? static_cast<FiltroSqlite*>(sqlite3_value_pointer(argomenti[0], TipoPuntatore)) : nullptr;
    if (!stato) {
        sqlite3_result_error(contesto, "zelmar_filtro: nessuna lettura in corso", -1);
        return;
    }
    const qint64 posto = stato->viste_++;
    // Once cancelled every row passes, so that the reader sees one at once and stops.
    bool tiene = !stato->filtro_.tiene || stato->filtro_.Annullato();
    for (int i = 1; i < quanti && !tiene; ++i)
        tiene = stato->Tiene(argomenti[i]);
    if (tiene)
        stato->posto_ = posto;
    sqlite3_result_int(contesto, tiene ? 1 : 0);
}
