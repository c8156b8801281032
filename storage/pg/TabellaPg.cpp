#include "TabellaPg.h"

#include "PgConnessione.h"
#include "PgSchema.h"

#include <libpq-fe.h>

std::shared_ptr<const TabellaPg> TabellaPg::Leggi(PgConnessione& connessione, const QString& nome)
{
    const auto trovata = connessione.tabelle.find(nome);
    if (trovata != connessione.tabelle.end())
        return trovata->second;
    const QString azione = tr("read the table «%1»").arg(nome);
    const RisultatoPg righe = connessione.Esegui(
        QStringLiteral(
            "WITH t AS (SELECT c.oid, c.relname FROM pg_class c WHERE c.relkind IN ('r', 'p') "
            "AND c.relnamespace = current_schema()::regnamespace AND lower(c.relname) = lower($1) "
            "ORDER BY c.relname <> $1, c.oid LIMIT 1) "
            "SELECT t.relname, a.attname, ty.typcategory = 'N', a.atttypid = 'bytea'::regtype, "
            "EXISTS (SELECT 1 FROM pg_index i WHERE i.indrelid = t.oid AND i.indnatts = 1 "
            "AND i.indkey[0] = a.attnum AND i.indexprs IS NULL AND i.indpred IS NULL) "
            "FROM t JOIN pg_attribute a ON a.attrelid = t.oid JOIN pg_type ty ON ty.oid = a.atttypid "
            "WHERE a.attnum > 0 AND NOT a.attisdropped ORDER BY a.attnum"),
        azione, {ParametroPg::Testo(nome)});
    PGresult* r = righe.get();
    if (PQntuples(r) == 0)
        throw DbException(DbErrore::TabellaNonTrovata,
                          tr("The database %1 has no table «%2».").arg(connessione.Server(), nome));
    auto tabella = std::make_shared<TabellaPg>();
    tabella->nome = QString::fromUtf8(PQgetvalue(r, 0, 0));
    tabella->quotato = PgSchema::Quota(tabella->nome);
    bool conOrdine = false;
    QStringList selezione{PgSchema::Quota(PgSchema::ColonnaOrdine)};
    for (int i = 0; i < PQntuples(r); ++i) {
        const QString colonna = QString::fromUtf8(PQgetvalue(r, i, 1));
        if (colonna == PgSchema::ColonnaOrdine) {
            conOrdine = true;
            continue;
        }
        const auto vero = [&](int campo) { return *PQgetvalue(r, i, campo) == 't'; };
        tabella->colonne.push_back({colonna, vero(2), vero(3), vero(4)});
        selezione << PgSchema::Quota(colonna);
    }
    if (!conOrdine)
        throw DbException(DbErrore::Generico,
                          tr("The table «%1» of the database %2 has no column «%3», which keeps its entries "
                             "in the order they were stored.")
                              .arg(tabella->nome, connessione.Server(), PgSchema::ColonnaOrdine));
    tabella->selezione = selezione.join(QStringLiteral(", "));
    connessione.tabelle[nome] = tabella;
    return tabella;
}

int TabellaPg::Indice(const QString& colonna) const
{
    for (int i = 0; i < colonne.size(); ++i)
        if (colonne[i].nome.compare(colonna, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}
