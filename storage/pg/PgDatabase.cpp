#include "PgDatabase.h"

#include "PgRecordset.h"
#include "PgSchema.h"
#include "TabellaPg.h"

#include <QSet>
#include <algorithm>
#include <libpq-fe.h>

namespace {

// Taken while the tables are created, so that two programs starting together do not both
// create them ("ZELM").
constexpr qint64 BloccoCreazione = 0x5A454C4D;
} // namespace

PgDatabase::PgDatabase(std::shared_ptr<PgConnessione> connessione)
    : connessione_(std::move(connessione)), server_(connessione_->Server())
{
}

std::unique_ptr<PgDatabase> PgDatabase::Apri(const QString& conninfo,
                                             const std::vector<DefinizioneTabella>& tabelle)
{
    std::unique_ptr<PgDatabase> database(new PgDatabase(PgConnessione::Prendi(conninfo)));
    database->PreparaTabelle(tabelle);
    return database;
}

PgConnessione& PgDatabase::Connessione() const
{
    if (!connessione_)
        throw DbException(DbErrore::Generico, tr("The database %1 is already closed.").arg(server_));
    return *connessione_;
}

void PgDatabase::PreparaTabelle(const std::vector<DefinizioneTabella>& tabelle)
{
    PgConnessione& c = Connessione();
    QStringList nomi{PgSchema::TabellaImmagini};
    for (const DefinizioneTabella& t : tabelle)
        nomi << t.nome;
    const QString schema = nomi.join(QLatin1Char('\n'));
    if (c.schemiPronti.contains(schema))
        return;
    const auto esistenti = [&] {
        const RisultatoPg righe =
            c.Esegui(QStringLiteral("SELECT relname FROM pg_class WHERE relkind IN ('r', 'p') "
                                    "AND relnamespace = current_schema()::regnamespace"),
                     tr("list the tables"));
        QSet<QString> insieme;
        for (int i = 0; i < PQntuples(righe.get()); ++i)
            insieme << QString::fromUtf8(PQgetvalue(righe.get(), i, 0));
        return insieme;
    };
    QSet<QString> presenti = esistenti();
    if (presenti.contains(QSet<QString>(nomi.begin(), nomi.end()))) {
        c.schemiPronti << schema;
        return;
    }
    try {
        c.Esegui(QStringLiteral("BEGIN; SELECT pg_advisory_xact_lock(%1)").arg(BloccoCreazione),
                 tr("create the tables"));
        presenti = esistenti();
        const RisultatoPg server = c.Esegui(
            QStringLiteral("SELECT EXISTS (SELECT 1 FROM pg_collation WHERE collname = 'und-x-icu'), "
                           "EXISTS (SELECT 1 FROM pg_roles WHERE rolname = $1)"),
            tr("create the tables"), {ParametroPg::Testo(PgSchema::RuoloGruppo)});
        const bool icu = *PQgetvalue(server.get(), 0, 0) == 't';
        const bool gruppo = *PQgetvalue(server.get(), 0, 1) == 't';
        const auto crea = [&](const QString& nome, const QString& sql) {
            if (!presenti.contains(nome))
                c.Esegui(sql + (gruppo ? PgSchema::Privilegi(nome) : QString()),
                         tr("create the table «%1»").arg(nome));
        };
        crea(PgSchema::TabellaImmagini, PgSchema::CreaTabellaImmagini());
        if (std::any_of(tabelle.begin(), tabelle.end(),
                        [&](const auto& t) { return !presenti.contains(t.nome); }))
            crea(PgSchema::TabellaVersioni, PgSchema::CreaVersioni());
        for (const DefinizioneTabella& t : tabelle)
            crea(t.nome, PgSchema::CreaTabella(t.nome, t.colonne, t.isNumerica, icu));
        c.Esegui(QStringLiteral("COMMIT"), tr("create the tables"));
    } catch (const DbException& e) {
        Rollback();
        throw DbException(e.Numero(),
                          e.Descrizione() + QLatin1Char(' ') +
                              tr("The program's tables are created by the first user whose role may "
                                 "create tables in that database (see the README)."));
    }
    c.schemiPronti << schema;
}

std::unique_ptr<Recordset> PgDatabase::OpenRecordset(const QString& tabella)
{
    PgConnessione& c = Connessione();
    std::shared_ptr<const TabellaPg> info = TabellaPg::Leggi(c, tabella);
    if (inScrittura_)
        Blocca(info->quotato, "SHARE ROW EXCLUSIVE");
    return std::make_unique<PgRecordset>(connessione_, std::move(info));
}

void PgDatabase::Blocca(const QString& tabellaQuotata, const char* modo)
{
    try {
        Connessione().Esegui(
            QStringLiteral("LOCK TABLE %1 IN %2 MODE").arg(tabellaQuotata, QLatin1String(modo)),
            tr("save in the table %1").arg(tabellaQuotata));
    } catch (const DbException& e) {
        if (e.Numero() != DbErrore::FileInUso)
            throw;
        throw DbException(e.Numero(),
                          tr("Could not save in the table %1 of the database %2: another user has "
                             "been saving in it for a while. Try again in a moment.")
                              .arg(tabellaQuotata, server_));
    }
}

QStringList PgDatabase::TableNames()
{
    const RisultatoPg righe = Connessione().Esegui(
        QStringLiteral("SELECT relname FROM pg_class WHERE relkind IN ('r', 'p') AND relname <> $1 "
                       "AND relname <> $2 AND relnamespace = current_schema()::regnamespace ORDER BY oid"),
        tr("list the tables"),
        {ParametroPg::Testo(PgSchema::TabellaImmagini), ParametroPg::Testo(PgSchema::TabellaVersioni)});
    QStringList nomi;
    for (int i = 0; i < PQntuples(righe.get()); ++i)
        nomi << QString::fromUtf8(PQgetvalue(righe.get(), i, 0));
    return nomi;
}

void PgDatabase::BeginTrans()
{
    Connessione().Esegui(QStringLiteral("BEGIN"), tr("begin saving"));
    inScrittura_ = true;
}

void PgDatabase::CommitTrans()
{
    PgConnessione& c = Connessione();
    inScrittura_ = false;
    RisultatoPg fatto;
    try {
        fatto = c.Esegui(QStringLiteral("COMMIT"), tr("confirm the save"));
    } catch (const DbException& e) {
        if (e.Numero() != DbErrore::ConnessioneServer)
            throw;
        throw DbException(e.Numero(),
                          e.Descrizione() + QLatin1Char(' ') +
                              tr("Whether the change reached the database before the connection was "
                                 "lost cannot be told: look at the list again."));
    }
    if (qstrcmp(PQcmdStatus(fatto.get()), "COMMIT") != 0)
        throw DbException(
            DbErrore::Generico,
            tr("Could not save in the database %1: the change was undone after an earlier failure.")
                .arg(server_));
}

void PgDatabase::Rollback()
{
    inScrittura_ = false;
    if (!connessione_ || !connessione_->InTransazione())
        return;
    try {
        connessione_->Esegui(QStringLiteral("ROLLBACK"), tr("undo the change"));
    } catch (const DbException&) {
        // A connection that cannot even undo is given up when it is let go.
    }
}

void PgDatabase::Close()
{
    Rollback();
    connessione_.reset();
}

std::optional<qint64> PgDatabase::Versione(const QString& tabella)
{
    PgConnessione& c = Connessione();
    const QString nome = TabellaPg::Leggi(c, tabella)->nome;
    const QString azione = tr("read the table «%1»").arg(tabella);
    const RisultatoPg contata = c.Esegui(
        QStringLiteral("SELECT to_regclass($1) IS NOT NULL AND EXISTS (SELECT 1 FROM pg_trigger "
                       "WHERE tgrelid = to_regclass($2) AND tgname = $3)"),
        azione,
        {ParametroPg::Testo(PgSchema::Quota(PgSchema::TabellaVersioni)),
         ParametroPg::Testo(PgSchema::Quota(nome)), ParametroPg::Testo(PgSchema::NomeTriggerVersione)});
    if (*PQgetvalue(contata.get(), 0, 0) != 't')
        return std::nullopt;
    const RisultatoPg versione = c.Esegui(QStringLiteral("SELECT versione FROM %1 WHERE tabella = $1")
                                              .arg(PgSchema::Quota(PgSchema::TabellaVersioni)),
                                          azione, {ParametroPg::Testo(nome)});
    // A table not changed since the trigger was laid out has no row yet.
    return PQntuples(versione.get()) == 0 ? 0 : QByteArray(PQgetvalue(versione.get(), 0, 0)).toLongLong();
}

void PgDatabase::IniziaLettura()
{
    Connessione().Esegui(QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY"),
                         tr("read the tables"));
}

void PgDatabase::BloccaPerCopia(const QStringList& tabelle)
{
    if (!Connessione().InTransazione())
        BeginTrans();
    for (const QString& tabella : tabelle)
        Blocca(TabellaPg::Leggi(Connessione(), tabella)->quotato, "EXCLUSIVE");
}

// Emptied at once, without a dead row left behind: the table is held against readers too
// until the copy is committed.
void PgDatabase::Svuota(const QString& tabella)
{
    Connessione().Esegui(QStringLiteral("TRUNCATE %1").arg(TabellaPg::Leggi(Connessione(), tabella)->quotato),
                         tr("empty the table «%1»").arg(tabella));
    svuotate_ << tabella;
}

QVector<TabellaPg::Colonna> PgDatabase::Colonne(const QString& tabella)
{
    return TabellaPg::Leggi(Connessione(), tabella)->colonne;
}

namespace {

QString Elenco(const QStringList& colonne)
{
    QStringList quotate;
    for (const QString& colonna : colonne)
        quotate << PgSchema::Quota(colonna);
    return quotate.join(QStringLiteral(", "));
}

} // namespace

void PgDatabase::AggiungiRighe(const QString& tabella, const QStringList& colonne,
                               const std::function<void(const Invio& invia)>& produci)
{
    PgConnessione& c = Connessione();
    const std::shared_ptr<const TabellaPg> info = TabellaPg::Leggi(c, tabella);
    const QString azione = tr("write the rows of the table «%1»").arg(tabella);
    // A table emptied in this transaction is filled without its indexes other than the key,
    // which are made again afterwards: building an index from every row at once is several
    // times faster than adding the rows to it one by one.
    const bool svuotata = svuotate_.contains(tabella);
    QStringList indici;
    if (svuotata) {
        const RisultatoPg definizioni = c.Esegui(
            QStringLiteral("SELECT indexrelid::regclass::text, pg_get_indexdef(indexrelid) FROM pg_index "
                           "WHERE indrelid = $1::regclass AND NOT indisprimary"),
            azione, {ParametroPg::Testo(info->quotato)});
        for (int i = 0; i < PQntuples(definizioni.get()); ++i) {
            c.Esegui(
                QStringLiteral("DROP INDEX %1").arg(QString::fromUtf8(PQgetvalue(definizioni.get(), i, 0))),
                azione);
            indici << QString::fromUtf8(PQgetvalue(definizioni.get(), i, 1));
        }
    }
    c.Esegui(
        QStringLiteral("COPY %1 (%2) FROM STDIN%3")
            .arg(info->quotato, Elenco(colonne), svuotata ? QStringLiteral(" WITH (FREEZE)") : QString()),
        azione);
    try {
        produci([&](const QByteArray& lotto) { c.Copia(lotto, azione); });
    } catch (...) {
        try {
            c.FineCopia(azione, tr("the copy was given up"));
        } catch (const DbException&) {
            // The connection is gone: nothing of the copy was committed.
        }
        throw;
    }
    c.FineCopia(azione);
    for (const QString& indice : indici)
        c.Esegui(indice, azione);
    // Without fresh statistics the planner finds a name by walking the table in stored
    // order instead of using the "Nome" index, until autovacuum comes by.
    c.Esegui(QStringLiteral("ANALYZE %1").arg(info->quotato), azione);
}

void PgDatabase::LeggiRighe(const QString& tabella, const QStringList& colonne,
                            const std::function<void(const QByteArray& riga)>& riga)
{
    PgConnessione& c = Connessione();
    const std::shared_ptr<const TabellaPg> info = TabellaPg::Leggi(c, tabella);
    const QString azione = tr("read the table «%1»").arg(tabella);
    c.Esegui(QStringLiteral("COPY (SELECT %1 FROM %2 ORDER BY %3) TO STDOUT")
                 .arg(Elenco(colonne), info->quotato, PgSchema::Quota(PgSchema::ColonnaOrdine)),
             azione);
    QByteArray letta;
    while (c.RigaCopia(letta, azione))
        riga(letta);
}

void PgDatabase::SalvaImmagine(const QString& cartella, const QString& nome, const QByteArray& dati)
{
    Connessione().Esegui(
        QStringLiteral("INSERT INTO %1 (cartella, nome, dati) VALUES ($1, $2, $3) ON CONFLICT DO NOTHING")
            .arg(PgSchema::Quota(PgSchema::TabellaImmagini)),
        tr("store the picture «%1»").arg(nome),
        {ParametroPg::Testo(cartella), ParametroPg::Testo(nome), ParametroPg::Byte(dati)});
}

std::optional<QByteArray> PgDatabase::LeggiImmagine(const QString& cartella, const QString& nome)
{
    const RisultatoPg trovata =
        Connessione().Esegui(QStringLiteral("SELECT dati FROM %1 WHERE cartella = $1 AND nome = $2")
                                 .arg(PgSchema::Quota(PgSchema::TabellaImmagini)),
                             tr("read the picture «%1»").arg(nome),
                             {ParametroPg::Testo(cartella), ParametroPg::Testo(nome)}, true);
    if (PQntuples(trovata.get()) == 0)
        return std::nullopt;
    return QByteArray(PQgetvalue(trovata.get(), 0, 0), PQgetlength(trovata.get(), 0, 0));
}
