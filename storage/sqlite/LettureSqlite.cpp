#include "LettureSqlite.h"

#include "FiltroSqlite.h"
#include "SqliteSchema.h"
#include "ValoriSqlite.h"

#include <algorithm>

using ValoriSqlite::Quota;

namespace {

// The row the statement stands on.
class RigaIstruzione : public RigaLetta
{
public:
    explicit RigaIstruzione(sqlite3_stmt* istruzione) : istruzione_(istruzione) {}
    std::optional<double> Numero(int colonna) const override
    {
        switch (sqlite3_column_type(istruzione_, colonna)) {
        case SQLITE_FLOAT:
            return sqlite3_column_double(istruzione_, colonna);
        case SQLITE_INTEGER:
            return double(sqlite3_column_int64(istruzione_, colonna));
        default:
            return std::nullopt;
        }
    }
    QVariant Valore(int colonna) const override { return ValoriSqlite::Valore(istruzione_, colonna); }
    std::optional<QByteArrayView> TestoUtf8(int colonna) const override
    {
        if (sqlite3_column_type(istruzione_, colonna) != SQLITE_TEXT)
            return std::nullopt;
        const auto* testo = reinterpret_cast<const char*>(sqlite3_column_text(istruzione_, colonna));
        return QByteArrayView(testo, sqlite3_column_bytes(istruzione_, colonna));
    }

private:
    sqlite3_stmt* istruzione_;
};

std::optional<QByteArrayView> Campo(sqlite3_stmt* riga, int indice, QByteArray& utf8)
{
    if (sqlite3_column_type(riga, indice) == SQLITE_NULL)
        return std::nullopt;
    utf8 = ValoriSqlite::Utf8(riga, indice);
    return QByteArrayView(utf8);
}

} // namespace

LettureSqlite::LettureSqlite(std::shared_ptr<SqliteConnessione> connessione, ColonneTabella colonne,
                             const QString& numeroRiga, bool scrivibile)
    : connessione_(std::move(connessione)), colonne_(std::move(colonne)), numeroRiga_(numeroRiga),
      scrivibile_(scrivibile)
{
}

QString LettureSqlite::Azione() const
{
    return QStringLiteral("leggere la tabella «%1»").arg(colonne_.tabella);
}

QString LettureSqlite::ColonnaQuotata(const QString& colonna) const
{
    return Quota(colonne_.colonne[colonne_.IndiceEsistente(colonna)].nome);
}

LettureTabella::Elenco LettureSqlite::LeggiElenco(const QString& colonnaNome, const QString& colonnaParola,
                                                  bool paroleChiave, const std::optional<QString>& soloParola)
{
    const SqliteConnessione& c = Connessione();
    const QString azione = Azione();
    const QString tabella = Quota(colonne_.tabella);
    const bool conParola = paroleChiave || soloParola.has_value();
    // The keyword first: a table that lacks both columns is reported for the keyword.
    const QString parola = conParola ? ColonnaQuotata(colonnaParola) : QString();
    QString sql =
        QStringLiteral("SELECT %1%2 FROM %3")
            .arg(ColonnaQuotata(colonnaNome), conParola ? QStringLiteral(", ") + parola : QString(), tabella);
    if (soloParola)
        sql += QStringLiteral(" WHERE %1 = ?1 COLLATE BINARY").arg(parola);
    Istruzione elenco = c.Prepara(sql + QStringLiteral(" ORDER BY %1").arg(numeroRiga_), azione);
    if (soloParola)
        c.Lega(elenco.get(), 1, *soloParola, azione);
    // Room for the names at once, by the highest row number (a bound on the rows).
    Istruzione ultima = c.Prepara(QStringLiteral("SELECT max(%1) FROM %2").arg(numeroRiga_, tabella), azione);
    const qint64 righe = c.Passo(ultima.get(), azione)
                             ? std::clamp<qint64>(sqlite3_column_int64(ultima.get(), 0), 0, 1 << 22)
                             : 0;
    Raccolta raccolta(paroleChiave, righe, righe * 64);
    QByteArray nome, parolaLetta;
    while (c.Passo(elenco.get(), azione))
        raccolta.Aggiungi(Campo(elenco.get(), 0, nome),
                          paroleChiave ? Campo(elenco.get(), 1, parolaLetta) : std::nullopt);
    return raccolta.Fine();
}

// The index that serves the check is made by the first check of a file that may be
// written, inside the save's transaction; without it the check reads every row.
void LettureSqlite::IndicizzaMaiuscole(const QString& colonna) const
{
    const SqliteConnessione& c = Connessione();
    if (!scrivibile_ || c.SoloLettura())
        return;
    const QString azione = QStringLiteral("indicizzare i nomi della tabella «%1»").arg(colonne_.tabella);
    Istruzione indice =
        c.Prepara(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ?1"), azione);
    c.Lega(indice.get(), 1, SqliteSchema::NomeIndiceMaiuscolo(colonne_.tabella, colonna), azione);
    if (!c.Passo(indice.get(), azione))
        c.Esegui(SqliteSchema::CreaIndiceMaiuscolo(colonne_.tabella, colonna), azione);
}

bool LettureSqlite::ContieneIgnorandoMaiuscole(const QString& colonna, const QString& testo)
{
    const SqliteConnessione& c = Connessione();
    const QString nome = colonne_.colonne[colonne_.IndiceEsistente(colonna)].nome;
    IndicizzaMaiuscole(nome);
    Istruzione cerca = c.Prepara(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ?1 LIMIT 1")
                                     .arg(Quota(colonne_.tabella), SqliteSchema::Maiuscolo(Quota(nome))),
                                 Azione());
    c.Lega(cerca.get(), 1, testo.toUpper(), Azione());
    return c.Passo(cerca.get(), Azione());
}

// The statement that reads the columns of the rows dove keeps, in stored order: the table
// itself scanned, never an index (the filter's count of rows relies on it), so that rows come
// as stored without a sort.
QString LettureSqlite::Lettura(const QStringList& colonne, const QString& dove) const
{
    QStringList quotate;
    for (const QString& colonna : colonne)
        quotate << ColonnaQuotata(colonna);
    return QStringLiteral("SELECT %1 FROM %2 NOT INDEXED%3 ORDER BY %4")
        .arg(quotate.isEmpty() ? QStringLiteral("1") : quotate.join(QLatin1String(", ")),
             Quota(colonne_.tabella), dove.isEmpty() ? QString() : QStringLiteral(" WHERE ") + dove,
             numeroRiga_);
}

void LettureSqlite::LeggiColonne(const QStringList& colonne,
                                 const std::function<bool(const RigaLetta&)>& riga)
{
    const SqliteConnessione& c = Connessione();
    Istruzione lettura = c.Prepara(Lettura(colonne, {}), Azione());
    const RigaIstruzione corrente(lettura.get());
    while (c.Passo(lettura.get(), Azione()))
        if (!riga(corrente))
            return;
}

qint64 LettureSqlite::LeggiColonneFiltrate(const QStringList& colonne, const FiltroTesti& filtro,
                                           const std::function<bool(const RigaLetta&, qint64)>& riga)
{
    QStringList argomenti{QStringLiteral("?1")};
    for (const QString& colonna : filtro.colonne)
        argomenti << ColonnaQuotata(colonna);
    const SqliteConnessione& c = Connessione();
    Istruzione lettura =
        c.Prepara(Lettura(colonne, QStringLiteral("%1(%2)").arg(FiltroSqlite::Funzione,
                                                                argomenti.join(QLatin1String(", ")))),
                  Azione());
    FiltroSqlite stato(filtro);
    if (const int codice = stato.Lega(lettura.get(), 1); codice != SQLITE_OK)
        c.Lancia(codice, Azione());
    const RigaIstruzione corrente(lettura.get());
    while (!filtro.Annullato() && c.Passo(lettura.get(), Azione()))
        if (!riga(corrente, stato.Posto()))
            break;
    return stato.Viste();
}
