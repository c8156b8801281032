#include "SqliteRecordset.h"

#include "ValoriSqlite.h"

#include <limits>

using ValoriSqlite::Quota;

namespace {

constexpr qint64 PrimaRiga = std::numeric_limits<qint64>::min();

// The engine's own rule for the kind of a column from its declared type: INTEGER, REAL
// and NUMERIC columns hold numbers; TEXT columns and columns without a type hold text.
bool TipoNumerico(const QString& tipoDichiarato)
{
    const QString tipo = tipoDichiarato.toUpper();
    if (tipo.contains(QLatin1String("INT")))
        return true;
    for (const char* testuale : {"CHAR", "CLOB", "TEXT", "BLOB"})
        if (tipo.contains(QLatin1String(testuale)))
            return false;
    return !tipo.isEmpty();
}

} // namespace

SqliteRecordset::SqliteRecordset(std::shared_ptr<SqliteConnessione> connessione, const QString& tabella,
                                 const QString& solaLettura)
    : connessione_(std::move(connessione))
{
    ColonneTabella colonne = LeggiTabella(tabella);
    numeroRiga_ = NumeroRiga(colonne);
    tabellaQuotata_ = Quota(colonne.tabella);
    QStringList elenco{numeroRiga_};
    for (const ColonneTabella::Colonna& colonna : colonne.colonne)
        elenco << Quota(colonna.nome);
    auto letture = std::make_unique<LettureSqlite>(connessione_, colonne, numeroRiga_, solaLettura.isEmpty());
    letture_ = letture.get();
    Imposta(std::move(colonne), std::move(letture), solaLettura);
    lettura_ =
        Connessione().Prepara(QStringLiteral("SELECT %1 FROM %2 WHERE %3 >= ?1 ORDER BY %3")
                                  .arg(elenco.join(QStringLiteral(", ")), tabellaQuotata_, numeroRiga_),
                              azioneLettura_);
    Posiziona(PrimaRiga);
}

const SqliteConnessione& SqliteRecordset::Connessione() const
{
    VerificaAperto();
    return *connessione_;
}

QString SqliteRecordset::AzioneSalvataggio() const
{
    return QStringLiteral("salvare la riga nella tabella «%1»").arg(Tabella());
}

ColonneTabella SqliteRecordset::LeggiTabella(const QString& nome)
{
    const SqliteConnessione& c = Connessione();
    const QString azione = QStringLiteral("aprire la tabella «%1»").arg(nome);
    Istruzione cerca = c.Prepara(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE"),
        azione);
    c.Lega(cerca.get(), 1, nome, azione);
    if (!c.Passo(cerca.get(), azione))
        throw DbException(
            DbErrore::TabellaNonTrovata,
            QStringLiteral("La tabella «%1» non esiste nel file «%2».").arg(nome, c.Percorso()));
    ColonneTabella colonne;
    colonne.tabella = ValoriSqlite::Testo(cerca.get(), 0);
    azioneLettura_ = QStringLiteral("leggere la tabella «%1»").arg(colonne.tabella);
    // hidden = 1 marks the internal columns of virtual tables; generated columns are read.
    Istruzione elenco = c.Prepara(
        QStringLiteral("SELECT name, type FROM pragma_table_xinfo(?1) WHERE hidden <> 1 ORDER BY cid"),
        azioneLettura_);
    c.Lega(elenco.get(), 1, colonne.tabella, azioneLettura_);
    while (c.Passo(elenco.get(), azioneLettura_))
        colonne.colonne.push_back(
            {ValoriSqlite::Testo(elenco.get(), 0), TipoNumerico(ValoriSqlite::Testo(elenco.get(), 1))});
    return colonne;
}

// A column may itself be called rowid; the engine knows the row number by three names.
QString SqliteRecordset::NumeroRiga(const ColonneTabella& colonne) const
{
    for (const char* nome : {"rowid", "_rowid_", "oid"})
        if (colonne.Indice(QString::fromLatin1(nome)) < 0)
            return QString::fromLatin1(nome);
    throw DbException(
        DbErrore::Generico,
        QStringLiteral("Impossibile leggere la tabella «%1»: le sue colonne nascondono il numero di riga.")
            .arg(colonne.tabella));
}

qint64 SqliteRecordset::ChiaveCorrente() const
{
    Connessione();
    if (!suRiga_)
        NessunaRigaCorrente();
    return riga_;
}

void SqliteRecordset::Posiziona(qint64 daRiga)
{
    const SqliteConnessione& c = Connessione();
    sqlite3_reset(lettura_.get());
    suRiga_ = false;
    rigaEliminata_ = false;
    c.Lega(lettura_.get(), 1, daRiga, azioneLettura_);
    if (c.Passo(lettura_.get(), azioneLettura_))
        LeggiRigaCorrente();
}

void SqliteRecordset::LeggiRigaCorrente()
{
    riga_ = sqlite3_column_int64(lettura_.get(), 0);
    const int n = int(Colonne().colonne.size());
    valori_.resize(n);
    for (int i = 0; i < n; ++i)
        valori_[i] = ValoriSqlite::Valore(lettura_.get(), i + 1);
    suRiga_ = true;
}

void SqliteRecordset::Lascia()
{
    AnnullaModifica();
    if (lettura_)
        sqlite3_reset(lettura_.get());
    suRiga_ = rigaEliminata_ = false;
}

void SqliteRecordset::TornaSullaRiga(bool eraSuRiga)
{
    suRiga_ = false;
    if (!eraSuRiga)
        return;
    try {
        Posiziona(riga_);
    } catch (const DbException&) {
        // Another failure is the one to report; the cursor is left without a row.
    }
}

int SqliteRecordset::RecordCount()
{
    const SqliteConnessione& c = Connessione();
    Istruzione conta =
        c.Prepara(QStringLiteral("SELECT count(*) FROM %1").arg(tabellaQuotata_), azioneLettura_);
    return c.Passo(conta.get(), azioneLettura_) ? int(sqlite3_column_int64(conta.get(), 0)) : 0;
}

void SqliteRecordset::MoveFirst()
{
    AnnullaModifica();
    Posiziona(PrimaRiga);
}

void SqliteRecordset::MoveNext()
{
    Connessione();
    AnnullaModifica();
    if (rigaEliminata_) {
        if (riga_ == std::numeric_limits<qint64>::max())
            rigaEliminata_ = false;
        else
            Posiziona(riga_ + 1);
        return;
    }
    ChiaveCorrente();
    suRiga_ = false;
    if (Connessione().Passo(lettura_.get(), azioneLettura_))
        LeggiRigaCorrente();
}

bool SqliteRecordset::Eof() const
{
    return !suRiga_ && !rigaEliminata_;
}

const QVector<QVariant>& SqliteRecordset::ValoriCorrenti() const
{
    ChiaveCorrente();
    return valori_;
}

void SqliteRecordset::LeggiColonne(const QStringList& colonne,
                                   const std::function<bool(const RigaLetta&)>& riga)
{
    Letture();
    letture_->LeggiColonne(colonne, riga);
}

qint64 SqliteRecordset::LeggiColonneFiltrate(const QStringList& colonne, const FiltroTesti& filtro,
                                             const RigaFiltrata& riga)
{
    // Without a test there is nothing to put into the statement.
    if (!filtro.tiene)
        return Recordset::LeggiColonneFiltrate(colonne, filtro, riga);
    Letture();
    return letture_->LeggiColonneFiltrate(colonne, filtro, riga);
}

void SqliteRecordset::SetIndex(const QString& nomeIndice)
{
    const SqliteConnessione& c = Connessione();
    const QString azione =
        QStringLiteral("usare l'indice «%1» della tabella «%2»").arg(nomeIndice, Tabella());
    // An index qualifies when it covers every row and its only key is the column, compared
    // byte by byte.
    Istruzione cerca = c.Prepara(
        QStringLiteral(
            "SELECT il.name, x.name FROM pragma_index_list(?1) AS il, pragma_index_xinfo(il.name) AS x "
            "WHERE il.partial = 0 AND x.key = 1 AND x.cid >= 0 AND x.name = ?2 COLLATE NOCASE "
            "AND x.coll = 'BINARY' COLLATE NOCASE "
            "AND (SELECT count(*) FROM pragma_index_xinfo(il.name) AS y WHERE y.key = 1) = 1 "
            "ORDER BY il.seq"),
        azione);
    c.Lega(cerca.get(), 1, Tabella(), azione);
    c.Lega(cerca.get(), 2, nomeIndice, azione);
    if (!c.Passo(cerca.get(), azione))
        throw DbException(DbErrore::IndiceNonTrovato,
                          QStringLiteral("La tabella «%1» non ha l'indice «%2».").arg(Tabella(), nomeIndice));
    ricerca_ = c.Prepara(QStringLiteral("SELECT %1 FROM %2 INDEXED BY %3 WHERE %4 = ?1 ORDER BY %1 LIMIT 1")
                             .arg(numeroRiga_, tabellaQuotata_, Quota(ValoriSqlite::Testo(cerca.get(), 0)),
                                  Quota(ValoriSqlite::Testo(cerca.get(), 1))),
                         azione);
}

bool SqliteRecordset::Trova(const QString& chiave)
{
    const SqliteConnessione& c = Connessione();
    if (!ricerca_)
        throw DbException(
            DbErrore::IndiceNonTrovato,
            QStringLiteral("Nessun indice scelto per la ricerca nella tabella «%1».").arg(Tabella()));
    Lascia();
    const QString azione = QStringLiteral("cercare «%1» nella tabella «%2»").arg(chiave, Tabella());
    c.Lega(ricerca_.get(), 1, chiave, azione);
    if (!c.Passo(ricerca_.get(), azione))
        return false;
    const qint64 trovata = sqlite3_column_int64(ricerca_.get(), 0);
    sqlite3_reset(ricerca_.get());
    Posiziona(trovata);
    suRiga_ = suRiga_ && riga_ == trovata;
    return suRiga_;
}

void SqliteRecordset::LegaValori(sqlite3_stmt* istruzione, const Valori& valori, const QString& azione) const
{
    int posizione = 1;
    for (const auto& [indice, valore] : valori) {
        if (valore.typeId() == QMetaType::Double)
            Connessione().Lega(istruzione, posizione++, valore.toDouble(), azione);
        else
            Connessione().Lega(istruzione, posizione++, valore.toString(), azione);
    }
}

void SqliteRecordset::Inserisci(const Valori& valori)
{
    const SqliteConnessione& c = Connessione();
    const QString azione = AzioneSalvataggio();
    QStringList nomi;
    QStringList segnaposto;
    for (const auto& [indice, valore] : valori) {
        nomi << Quota(Colonne().colonne[indice].nome);
        segnaposto << QStringLiteral("?%1").arg(nomi.size());
    }
    const QString sql = nomi.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(tabellaQuotata_)
                                       : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                             .arg(tabellaQuotata_, nomi.join(QStringLiteral(", ")),
                                                  segnaposto.join(QStringLiteral(", ")));
    Istruzione inserisci = c.Prepara(sql, azione);
    LegaValori(inserisci.get(), valori, azione);
    c.Scrivi(inserisci.get(), azione);
}

bool SqliteRecordset::Aggiorna(qint64 chiave, const Valori& valori)
{
    const SqliteConnessione& c = Connessione();
    const QString azione = AzioneSalvataggio();
    QStringList assegnazioni;
    for (const auto& [indice, valore] : valori)
        assegnazioni << QStringLiteral("%1 = ?%2")
                            .arg(Quota(Colonne().colonne[indice].nome))
                            .arg(assegnazioni.size() + 1);
    const int posizioneRiga = int(assegnazioni.size()) + 1;
    Istruzione aggiorna =
        c.Prepara(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?%4")
                      .arg(tabellaQuotata_, assegnazioni.join(QStringLiteral(", ")), numeroRiga_)
                      .arg(posizioneRiga),
                  azione);
    LegaValori(aggiorna.get(), valori, azione);
    c.Lega(aggiorna.get(), posizioneRiga, chiave, azione);
    c.Scrivi(aggiorna.get(), azione);
    return c.RigheModificate() > 0;
}

void SqliteRecordset::Update()
{
    Connessione();
    const bool eraSuRiga = suRiga_;
    // Writes are never made while the reading statement is in the middle of the table.
    sqlite3_reset(lettura_.get());
    try {
        ScriviInSospeso();
    } catch (const DbException&) {
        TornaSullaRiga(eraSuRiga);
        throw;
    }
    // The row is written: a failure to read it again only loses the cursor's place, and
    // the next read reports it.
    TornaSullaRiga(eraSuRiga);
}

void SqliteRecordset::Elimina(qint64 chiave)
{
    const SqliteConnessione& c = Connessione();
    sqlite3_reset(lettura_.get());
    const QString azione = QStringLiteral("eliminare la riga dalla tabella «%1»").arg(Tabella());
    try {
        Istruzione elimina = c.Prepara(
            QStringLiteral("DELETE FROM %1 WHERE %2 = ?1").arg(tabellaQuotata_, numeroRiga_), azione);
        c.Lega(elimina.get(), 1, chiave, azione);
        c.Scrivi(elimina.get(), azione);
    } catch (const DbException&) {
        TornaSullaRiga(true);
        throw;
    }
    suRiga_ = false;
    rigaEliminata_ = true;
}

void SqliteRecordset::Rilascia()
{
    letture_ = nullptr;
    ricerca_.reset();
    lettura_.reset();
    connessione_.reset();
    suRiga_ = rigaEliminata_ = false;
}
