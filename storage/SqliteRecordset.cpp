#include "SqliteRecordset.h"

#include "SqliteSchema.h"
#include "TestiVisti.h"
#include "TestoNumerico.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

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

QByteArray ByteColonna(sqlite3_stmt* istruzione, int indice)
{
    return QByteArray::fromRawData(static_cast<const char*>(sqlite3_column_blob(istruzione, indice)),
                                   sqlite3_column_bytes(istruzione, indice));
}

QString TestoColonna(sqlite3_stmt* istruzione, int indice)
{
    return QString::fromUtf8(ByteColonna(istruzione, indice));
}

QVariant ValoreColonna(sqlite3_stmt* riga, int indice)
{
    switch (sqlite3_column_type(riga, indice)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return double(sqlite3_column_int64(riga, indice));
    case SQLITE_FLOAT:
        return sqlite3_column_double(riga, indice);
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(riga, indice)),
                          sqlite3_column_bytes(riga, indice));
    default:
        return TestoColonna(riga, indice);
    }
}

// A value's bytes as the list shows it: text as stored, a number as Field reads it.
QByteArray Utf8Colonna(sqlite3_stmt* riga, int indice)
{
    const int tipo = sqlite3_column_type(riga, indice);
    if (tipo == SQLITE_INTEGER || tipo == SQLITE_FLOAT)
        return ValoreColonna(riga, indice).toString().toUtf8();
    return ByteColonna(riga, indice);
}

QString Quota(const QString& nome)
{
    return SqliteSchema::QuotaIdentificatore(nome);
}

} // namespace

SqliteRecordset::SqliteRecordset(std::shared_ptr<SqliteConnessione> connessione, const QString& tabella,
                                 const QString& solaLettura)
    : connessione_(std::move(connessione)), solaLettura_(solaLettura), tabella_(tabella)
{
    TrovaTabella(tabella);
    LeggiColonne();
    QStringList elenco{numeroRiga_};
    for (const Colonna& colonna : colonne_)
        elenco << Quota(colonna.nome);
    lettura_ =
        Connessione().Prepara(QStringLiteral("SELECT %1 FROM %2 WHERE %3 >= ?1 ORDER BY %3")
                                  .arg(elenco.join(QStringLiteral(", ")), tabellaQuotata_, numeroRiga_),
                              azioneLettura_);
    Posiziona(PrimaRiga);
}

const SqliteConnessione& SqliteRecordset::Connessione() const
{
    if (!connessione_)
        throw DbException(DbErrore::Generico,
                          QStringLiteral("La tabella «%1» è già stata chiusa.").arg(tabella_));
    return *connessione_;
}

QString SqliteRecordset::AzioneSalvataggio() const
{
    return QStringLiteral("salvare la riga nella tabella «%1»").arg(tabella_);
}

void SqliteRecordset::TrovaTabella(const QString& nome)
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
    tabella_ = TestoColonna(cerca.get(), 0);
    tabellaQuotata_ = Quota(tabella_);
    azioneLettura_ = QStringLiteral("leggere la tabella «%1»").arg(tabella_);
}

void SqliteRecordset::LeggiColonne()
{
    const SqliteConnessione& c = Connessione();
    // hidden = 1 marks the internal columns of virtual tables; generated columns are read.
    Istruzione elenco = c.Prepara(
        QStringLiteral("SELECT name, type FROM pragma_table_xinfo(?1) WHERE hidden <> 1 ORDER BY cid"),
        azioneLettura_);
    c.Lega(elenco.get(), 1, tabella_, azioneLettura_);
    while (c.Passo(elenco.get(), azioneLettura_))
        colonne_.push_back({TestoColonna(elenco.get(), 0), TipoNumerico(TestoColonna(elenco.get(), 1))});
    // A column may itself be called rowid; the engine knows the row number by three names.
    for (const char* nome : {"rowid", "_rowid_", "oid"}) {
        if (IndiceColonna(QString::fromLatin1(nome)) < 0) {
            numeroRiga_ = QString::fromLatin1(nome);
            return;
        }
    }
    throw DbException(
        DbErrore::Generico,
        QStringLiteral("Impossibile leggere la tabella «%1»: le sue colonne nascondono il numero di riga.")
            .arg(tabella_));
}

// The engine ignores letter case in column names; so do we.
int SqliteRecordset::IndiceColonna(const QString& colonna) const
{
    for (int i = 0; i < colonne_.size(); ++i)
        if (colonne_[i].nome.compare(colonna, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int SqliteRecordset::IndiceColonnaEsistente(const QString& colonna) const
{
    const int indice = IndiceColonna(colonna);
    if (indice < 0)
        throw DbException(DbErrore::ElementoNonTrovato,
                          QStringLiteral("La tabella «%1» non ha il campo «%2».").arg(tabella_, colonna));
    return indice;
}

QString SqliteRecordset::ColonnaQuotata(const QString& colonna) const
{
    return Quota(colonne_[IndiceColonnaEsistente(colonna)].nome);
}

void SqliteRecordset::VerificaRigaCorrente() const
{
    Connessione();
    if (!suRiga_)
        throw DbException(DbErrore::NessunRecordCorrente,
                          QStringLiteral("Nessun record corrente nella tabella «%1».").arg(tabella_));
}

void SqliteRecordset::VerificaScrivibile() const
{
    Connessione();
    if (!solaLettura_.isEmpty())
        throw DbException(DbErrore::SolaLettura, solaLettura_);
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
    valori_.resize(colonne_.size());
    for (int i = 0; i < colonne_.size(); ++i)
        valori_[i] = ValoreColonna(lettura_.get(), i + 1);
    suRiga_ = true;
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
    VerificaRigaCorrente();
    suRiga_ = false;
    if (Connessione().Passo(lettura_.get(), azioneLettura_))
        LeggiRigaCorrente();
}

bool SqliteRecordset::Eof() const
{
    return !suRiga_ && !rigaEliminata_;
}

QVariant SqliteRecordset::Field(const QString& colonna) const
{
    Connessione();
    const int indice = IndiceColonnaEsistente(colonna);
    VerificaRigaCorrente();
    return valori_[indice];
}

bool SqliteRecordset::HasField(const QString& colonna) const
{
    return IndiceColonna(colonna) >= 0;
}

QStringList SqliteRecordset::FieldNames() const
{
    QStringList nomi;
    for (const Colonna& colonna : colonne_)
        nomi << colonna.nome;
    return nomi;
}

Recordset::Elenco SqliteRecordset::LeggiElenco(const QString& colonnaNome, const QString& colonnaParola,
                                               bool paroleChiave, const std::optional<QString>& soloParola)
{
    const SqliteConnessione& c = Connessione();
    const bool conParola = paroleChiave || soloParola.has_value();
    // The keyword first: a table that lacks both columns is reported for the keyword.
    const QString parola = conParola ? ColonnaQuotata(colonnaParola) : QString();
    QString sql = QStringLiteral("SELECT %1%2 FROM %3")
                      .arg(ColonnaQuotata(colonnaNome), conParola ? QStringLiteral(", ") + parola : QString(),
                           tabellaQuotata_);
    if (soloParola)
        sql += QStringLiteral(" WHERE %1 = ?1 COLLATE BINARY").arg(parola);
    Istruzione elenco = c.Prepara(sql + QStringLiteral(" ORDER BY %1").arg(numeroRiga_), azioneLettura_);
    if (soloParola)
        c.Lega(elenco.get(), 1, *soloParola, azioneLettura_);
    AnnullaModifica();
    suRiga_ = rigaEliminata_ = false;

    Elenco risultato;
    // Room for the names at once, by the highest row number (a bound on the rows).
    Istruzione ultima =
        c.Prepara(QStringLiteral("SELECT max(%1) FROM %2").arg(numeroRiga_, tabellaQuotata_), azioneLettura_);
    if (c.Passo(ultima.get(), azioneLettura_)) {
        const qint64 righe = std::clamp<qint64>(sqlite3_column_int64(ultima.get(), 0), 0, 1 << 22);
        risultato.nomi.Riserva(righe, righe * 64);
        if (paroleChiave)
            risultato.parolaRiga.reserve(size_t(righe));
    }
    TestiVisti paroleViste;
    bool senzaNome = false;
    while (c.Passo(elenco.get(), azioneLettura_)) {
        const bool conNome = sqlite3_column_type(elenco.get(), 0) != SQLITE_NULL;
        if (conNome) {
            const QByteArray nome = Utf8Colonna(elenco.get(), 0);
            risultato.nomi.Aggiungi(nome.constData(), size_t(nome.size()));
        }
        senzaNome = senzaNome || !conNome;
        if (!paroleChiave)
            continue;
        qint32 numero = -1;
        if (sqlite3_column_type(elenco.get(), 1) != SQLITE_NULL) {
            const QByteArray utf8 = Utf8Colonna(elenco.get(), 1);
            numero = qint32(paroleViste.Numero(utf8.constData(), size_t(utf8.size())));
            if (numero == risultato.paroleChiave.size())
                risultato.paroleChiave << QString::fromUtf8(utf8);
        }
        if (conNome)
            risultato.parolaRiga.push_back(numero);
    }
    // Different bytes for one text (a damaged sequence) are one keyword.
    if (risultato.paroleChiave.removeDuplicates() > 0 || senzaNome)
        risultato.parolaRiga.clear();
    return risultato;
}

bool SqliteRecordset::ContieneIgnorandoMaiuscole(const QString& colonna, const QString& testo)
{
    const SqliteConnessione& c = Connessione();
    const QString nome = colonne_[IndiceColonnaEsistente(colonna)].nome;
    // The index that serves the check is made by the first check of a file that may be
    // written, inside the save's transaction; without it the check reads every row.
    if (solaLettura_.isEmpty() && !c.SoloLettura()) {
        const QString azione = QStringLiteral("indicizzare i nomi della tabella «%1»").arg(tabella_);
        Istruzione indice = c.Prepara(
            QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ?1"), azione);
        c.Lega(indice.get(), 1, SqliteSchema::NomeIndiceMaiuscolo(tabella_, nome), azione);
        if (!c.Passo(indice.get(), azione))
            c.Esegui(SqliteSchema::CreaIndiceMaiuscolo(tabella_, nome), azione);
    }
    Istruzione cerca = c.Prepara(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ?1 LIMIT 1")
                                     .arg(tabellaQuotata_, SqliteSchema::Maiuscolo(Quota(nome))),
                                 azioneLettura_);
    c.Lega(cerca.get(), 1, testo.toUpper(), azioneLettura_);
    AnnullaModifica();
    suRiga_ = rigaEliminata_ = false;
    return c.Passo(cerca.get(), azioneLettura_);
}

void SqliteRecordset::LeggiColonne(const QStringList& colonne,
                                   const std::function<bool(const RigaLetta&)>& riga)
{
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
        QVariant Valore(int colonna) const override { return ValoreColonna(istruzione_, colonna); }
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

    const SqliteConnessione& c = Connessione();
    QStringList quotate;
    for (const QString& colonna : colonne)
        quotate << ColonnaQuotata(colonna);
    Istruzione lettura =
        c.Prepara(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                      .arg(quotate.isEmpty() ? QStringLiteral("1") : quotate.join(QLatin1String(", ")),
                           tabellaQuotata_, numeroRiga_),
                  azioneLettura_);
    AnnullaModifica();
    suRiga_ = rigaEliminata_ = false;
    const RigaIstruzione corrente(lettura.get());
    while (c.Passo(lettura.get(), azioneLettura_))
        if (!riga(corrente))
            return;
}

QVariant SqliteRecordset::ValoreDaTesto(const Colonna& colonna, const QString& testo) const
{
    if (!colonna.numerica)
        return testo;
    return TestoNumerico::Leggi(testo, colonna.nome, tabella_);
}

void SqliteRecordset::SetField(const QString& colonna, const QString& testo)
{
    VerificaScrivibile();
    const int indice = IndiceColonnaEsistente(colonna);
    if (modifica_ == Modifica::Nessuna)
        throw DbException(
            DbErrore::AggiornamentoSenzaModifica,
            QStringLiteral("Impossibile scrivere il campo «%1» della tabella «%2»: nessuna riga in "
                           "inserimento o in modifica.")
                .arg(colonna, tabella_));
    inSospeso_[indice] = ValoreDaTesto(colonne_[indice], testo);
}

void SqliteRecordset::SetIndex(const QString& nomeIndice)
{
    const SqliteConnessione& c = Connessione();
    const QString azione = QStringLiteral("usare l'indice «%1» della tabella «%2»").arg(nomeIndice, tabella_);
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
    c.Lega(cerca.get(), 1, tabella_, azione);
    c.Lega(cerca.get(), 2, nomeIndice, azione);
    if (!c.Passo(cerca.get(), azione))
        throw DbException(DbErrore::IndiceNonTrovato,
                          QStringLiteral("La tabella «%1» non ha l'indice «%2».").arg(tabella_, nomeIndice));
    ricerca_ = c.Prepara(QStringLiteral("SELECT %1 FROM %2 INDEXED BY %3 WHERE %4 = ?1 ORDER BY %1 LIMIT 1")
                             .arg(numeroRiga_, tabellaQuotata_, Quota(TestoColonna(cerca.get(), 0)),
                                  Quota(TestoColonna(cerca.get(), 1))),
                         azione);
}

void SqliteRecordset::Seek(const QString& confronto, const QString& chiave)
{
    const SqliteConnessione& c = Connessione();
    if (confronto.trimmed() != QLatin1String("="))
        throw DbException(
            DbErrore::Generico,
            QStringLiteral("La ricerca nella tabella «%1» ammette solo il confronto «=», non «%2».")
                .arg(tabella_, confronto));
    if (!ricerca_)
        throw DbException(
            DbErrore::IndiceNonTrovato,
            QStringLiteral("Nessun indice scelto per la ricerca nella tabella «%1».").arg(tabella_));
    AnnullaModifica();
    sqlite3_reset(lettura_.get());
    suRiga_ = rigaEliminata_ = false;
    noMatch_ = true;
    const QString azione = QStringLiteral("cercare «%1» nella tabella «%2»").arg(chiave, tabella_);
    c.Lega(ricerca_.get(), 1, chiave, azione);
    if (!c.Passo(ricerca_.get(), azione))
        return;
    const qint64 trovata = sqlite3_column_int64(ricerca_.get(), 0);
    sqlite3_reset(ricerca_.get());
    Posiziona(trovata);
    noMatch_ = !suRiga_ || riga_ != trovata;
    if (noMatch_)
        suRiga_ = false;
}

bool SqliteRecordset::NoMatch() const
{
    return noMatch_;
}

void SqliteRecordset::AnnullaModifica()
{
    modifica_ = Modifica::Nessuna;
    inSospeso_.clear();
}

void SqliteRecordset::AddNew()
{
    VerificaScrivibile();
    inSospeso_.clear();
    modifica_ = Modifica::NuovaRiga;
}

void SqliteRecordset::Edit()
{
    VerificaScrivibile();
    VerificaRigaCorrente();
    inSospeso_.clear();
    modifica_ = Modifica::RigaCorrente;
    rigaInModifica_ = riga_;
}

void SqliteRecordset::LegaValore(sqlite3_stmt* istruzione, int posizione, const QVariant& valore,
                                 const QString& azione) const
{
    if (valore.typeId() == QMetaType::Double)
        Connessione().Lega(istruzione, posizione, valore.toDouble(), azione);
    else
        Connessione().Lega(istruzione, posizione, valore.toString(), azione);
}

void SqliteRecordset::ScriviNuovaRiga()
{
    const SqliteConnessione& c = Connessione();
    const QString azione = AzioneSalvataggio();
    QStringList nomi;
    QStringList segnaposto;
    for (const auto& [indice, valore] : inSospeso_) {
        nomi << Quota(colonne_[indice].nome);
        segnaposto << QStringLiteral("?%1").arg(nomi.size());
    }
    const QString sql = nomi.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(tabellaQuotata_)
                                       : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                             .arg(tabellaQuotata_, nomi.join(QStringLiteral(", ")),
                                                  segnaposto.join(QStringLiteral(", ")));
    Istruzione inserisci = c.Prepara(sql, azione);
    int posizione = 1;
    for (const auto& [indice, valore] : inSospeso_)
        LegaValore(inserisci.get(), posizione++, valore, azione);
    c.Scrivi(inserisci.get(), azione);
}

void SqliteRecordset::ScriviRigaCorrente()
{
    if (inSospeso_.empty())
        return;
    const SqliteConnessione& c = Connessione();
    const QString azione = AzioneSalvataggio();
    QStringList assegnazioni;
    for (const auto& [indice, valore] : inSospeso_)
        assegnazioni
            << QStringLiteral("%1 = ?%2").arg(Quota(colonne_[indice].nome)).arg(assegnazioni.size() + 1);
    const int posizioneRiga = int(assegnazioni.size()) + 1;
    Istruzione aggiorna =
        c.Prepara(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?%4")
                      .arg(tabellaQuotata_, assegnazioni.join(QStringLiteral(", ")), numeroRiga_)
                      .arg(posizioneRiga),
                  azione);
    int posizione = 1;
    for (const auto& [indice, valore] : inSospeso_)
        LegaValore(aggiorna.get(), posizione++, valore, azione);
    c.Lega(aggiorna.get(), posizioneRiga, rigaInModifica_, azione);
    c.Scrivi(aggiorna.get(), azione);
    if (c.RigheModificate() == 0)
        throw DbException(
            DbErrore::NessunRecordCorrente,
            QStringLiteral("Impossibile salvare la riga nella tabella «%1»: la riga non esiste più.")
                .arg(tabella_));
}

void SqliteRecordset::Update()
{
    VerificaScrivibile();
    if (modifica_ == Modifica::Nessuna)
        throw DbException(
            DbErrore::AggiornamentoSenzaModifica,
            QStringLiteral("Impossibile salvare nella tabella «%1»: nessuna riga in inserimento o in "
                           "modifica.")
                .arg(tabella_));
    const bool eraSuRiga = suRiga_;
    // Writes are never made while the reading statement is in the middle of the table.
    sqlite3_reset(lettura_.get());
    try {
        if (modifica_ == Modifica::NuovaRiga)
            ScriviNuovaRiga();
        else
            ScriviRigaCorrente();
    } catch (const DbException&) {
        TornaSullaRiga(eraSuRiga);
        throw;
    }
    AnnullaModifica();
    // The row is written: a failure to read it again only loses the cursor's place, and
    // the next read reports it.
    TornaSullaRiga(eraSuRiga);
}

void SqliteRecordset::Delete()
{
    VerificaScrivibile();
    VerificaRigaCorrente();
    const SqliteConnessione& c = Connessione();
    AnnullaModifica();
    sqlite3_reset(lettura_.get());
    const QString azione = QStringLiteral("eliminare la riga dalla tabella «%1»").arg(tabella_);
    try {
        Istruzione elimina = c.Prepara(
            QStringLiteral("DELETE FROM %1 WHERE %2 = ?1").arg(tabellaQuotata_, numeroRiga_), azione);
        c.Lega(elimina.get(), 1, riga_, azione);
        c.Scrivi(elimina.get(), azione);
    } catch (const DbException&) {
        TornaSullaRiga(true);
        throw;
    }
    suRiga_ = false;
    rigaEliminata_ = true;
}

void SqliteRecordset::Close()
{
    AnnullaModifica();
    ricerca_.reset();
    lettura_.reset();
    connessione_.reset();
    suRiga_ = rigaEliminata_ = false;
}
