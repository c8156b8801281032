#include "SqliteRecordset.h"

#include "SqliteSchema.h"

#include <QLocale>
#include <cmath>
#include <limits>
#include <optional>
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

QString TestoColonna(sqlite3_stmt* istruzione, int indice)
{
    const auto* testo = static_cast<const char*>(sqlite3_column_blob(istruzione, indice));
    return QString::fromUtf8(testo, sqlite3_column_bytes(istruzione, indice));
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
    default:
        return TestoColonna(riga, indice);
    }
}

// Upper-casing works character by character and turns each ASCII character into one
// ASCII character (a-z into A-Z), so the ASCII start of a text is compared without
// converting it: a difference there settles it. Only a text that reaches a non-ASCII
// character with its start still equal needs the full comparison (nullopt).
std::optional<bool> ConfrontaMaiuscoloAscii(const char* testo, int lunghezza, const QString& maiuscolo)
{
    for (int i = 0; i < lunghezza; ++i) {
        const auto c = static_cast<unsigned char>(testo[i]);
        if (c >= 0x80)
            return std::nullopt;
        const auto grande = char16_t((c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c);
        if (i >= maiuscolo.size() || maiuscolo.at(i).unicode() != grande)
            return false;
    }
    return lunghezza == maiuscolo.size();
}

QString Quota(const QString& nome)
{
    return SqliteSchema::QuotaIdentificatore(nome);
}

} // namespace

SqliteRecordset::SqliteRecordset(std::shared_ptr<SqliteConnessione> connessione, const QString& tabella)
    : connessione_(std::move(connessione)), tabella_(tabella)
{
    TrovaTabella(tabella);
    LeggiColonne();
    PreparaLettura();
    Posiziona(PrimaRiga);
}

const SqliteConnessione& SqliteRecordset::Connessione() const
{
    if (!connessione_)
        throw DbException(DbErrore::Generico,
                          QStringLiteral("La tabella «%1» è già stata chiusa.").arg(tabella_));
    return *connessione_;
}

QString SqliteRecordset::AzioneLettura() const
{
    return azioneLettura_;
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
    const QString azione = AzioneLettura();
    // hidden = 1 marks the internal columns of virtual tables; generated columns are read.
    Istruzione elenco = c.Prepara(
        QStringLiteral("SELECT name, type FROM pragma_table_xinfo(?1) WHERE hidden <> 1 ORDER BY cid"),
        azione);
    c.Lega(elenco.get(), 1, tabella_, azione);
    while (c.Passo(elenco.get(), azione)) {
        const Colonna colonna{TestoColonna(elenco.get(), 0), TipoNumerico(TestoColonna(elenco.get(), 1))};
        perNome_.insert(colonna.nome, int(colonne_.size()));
        colonne_.push_back(colonna);
    }
    lettura_.posizione.fill(0, colonne_.size());
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

void SqliteRecordset::PreparaLettura() const
{
    QStringList elenco{numeroRiga_};
    for (int i = 0; i < colonne_.size(); ++i)
        if (lettura_.posizione[i] > 0) {
            lettura_.posizione[i] = int(elenco.size());
            elenco << Quota(colonne_[i].nome);
        }
    lettura_.suRiga = false;
    lettura_.istruzione.reset();
    lettura_.istruzione =
        Connessione().Prepara(QStringLiteral("SELECT %1 FROM %2 WHERE %3 >= ?1 ORDER BY %3")
                                  .arg(elenco.join(QStringLiteral(", ")), tabellaQuotata_, numeroRiga_),
                              AzioneLettura());
}

// After a few columns the reader is likely to want the whole row (the detail display does).
void SqliteRecordset::AllargaLettura(int colonna) const
{
    constexpr int ColonneLetteUnaAUna = 4;
    if (++lettura_.colonneLette > ColonneLetteUnaAUna)
        lettura_.posizione.fill(1);
    else
        lettura_.posizione[colonna] = 1;
    const qint64 riga = lettura_.riga;
    PreparaLettura();
    Posiziona(riga);
    if (!lettura_.suRiga || lettura_.riga != riga) {
        lettura_.suRiga = false;
        throw DbException(
            DbErrore::NessunRecordCorrente,
            QStringLiteral("Impossibile leggere la tabella «%1»: la riga corrente non esiste più.")
                .arg(tabella_));
    }
}

QStringList SqliteRecordset::NomiColonne() const
{
    QStringList nomi;
    for (const Colonna& colonna : colonne_)
        nomi << colonna.nome;
    return nomi;
}

int SqliteRecordset::IndiceColonna(const QString& colonna) const
{
    const auto trovata = perNome_.constFind(colonna);
    if (trovata != perNome_.constEnd())
        return trovata.value();
    // The engine ignores letter case in column names; so do we.
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

void SqliteRecordset::VerificaRigaCorrente() const
{
    Connessione();
    if (!lettura_.suRiga)
        throw DbException(DbErrore::NessunRecordCorrente,
                          QStringLiteral("Nessun record corrente nella tabella «%1».").arg(tabella_));
}

void SqliteRecordset::Posiziona(qint64 daRigaNumero) const
{
    const SqliteConnessione& c = Connessione();
    sqlite3_reset(lettura_.istruzione.get());
    lettura_.suRiga = false;
    lettura_.rigaEliminata = false;
    c.Lega(lettura_.istruzione.get(), 1, daRigaNumero, AzioneLettura());
    lettura_.suRiga = c.Passo(lettura_.istruzione.get(), AzioneLettura());
    if (lettura_.suRiga)
        lettura_.riga = sqlite3_column_int64(lettura_.istruzione.get(), 0);
}

// Writes are never made while the reading statement is in the middle of the table.
void SqliteRecordset::SospendiLettura()
{
    sqlite3_reset(lettura_.istruzione.get());
}

void SqliteRecordset::RipristinaDopoErrore(bool eraSuRiga)
{
    lettura_.suRiga = false;
    if (!eraSuRiga)
        return;
    try {
        Posiziona(lettura_.riga);
    } catch (const DbException&) {
        // The first failure is the one to report; the cursor is left without a row.
    }
}

int SqliteRecordset::RecordCount()
{
    const SqliteConnessione& c = Connessione();
    if (!conteggio_)
        conteggio_ =
            c.Prepara(QStringLiteral("SELECT count(*) FROM %1").arg(tabellaQuotata_), AzioneLettura());
    if (!c.Passo(conteggio_.get(), AzioneLettura()))
        return 0;
    const qint64 righe = sqlite3_column_int64(conteggio_.get(), 0);
    sqlite3_reset(conteggio_.get());
    return int(righe);
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
    if (lettura_.rigaEliminata) {
        if (lettura_.riga == std::numeric_limits<qint64>::max())
            lettura_.rigaEliminata = false;
        else
            Posiziona(lettura_.riga + 1);
        return;
    }
    VerificaRigaCorrente();
    lettura_.suRiga = false;
    lettura_.suRiga = Connessione().Passo(lettura_.istruzione.get(), AzioneLettura());
    if (lettura_.suRiga)
        lettura_.riga = sqlite3_column_int64(lettura_.istruzione.get(), 0);
}

bool SqliteRecordset::Eof() const
{
    return !lettura_.suRiga && !lettura_.rigaEliminata;
}

QVariant SqliteRecordset::Field(const QString& colonna) const
{
    Connessione();
    const int colonnaTabella = IndiceColonnaEsistente(colonna);
    VerificaRigaCorrente();
    if (lettura_.posizione[colonnaTabella] == 0)
        AllargaLettura(colonnaTabella);
    return ValoreColonna(lettura_.istruzione.get(), lettura_.posizione[colonnaTabella]);
}

void SqliteRecordset::LeggiTesti(const QStringList& colonne,
                                 const std::function<void(const TestoLetto* valori)>& riga)
{
    QStringList elenco;
    for (const QString& colonna : colonne)
        elenco << Quota(colonne_[IndiceColonnaEsistente(colonna)].nome);
    if (elenco.isEmpty())
        elenco << numeroRiga_;
    Istruzione tutte =
        PreparaScansione(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                             .arg(elenco.join(QStringLiteral(", ")), tabellaQuotata_, numeroRiga_));
    const size_t n = size_t(colonne.size());
    std::vector<TestoLetto> valori(n);
    std::vector<QByteArray> numeri(n); // numbers written out as text
    sqlite3_stmt* lettura = tutte.get();
    while (Connessione().Passo(lettura, azioneLettura_)) {
        for (size_t i = 0; i < n; ++i) {
            const int colonna = int(i);
            switch (sqlite3_column_type(lettura, colonna)) {
            case SQLITE_NULL:
                valori[i] = {};
                break;
            case SQLITE_INTEGER:
            case SQLITE_FLOAT:
                numeri[i] = ValoreColonna(lettura, colonna).toString().toUtf8();
                valori[i] = {numeri[i].constData(), numeri[i].size(), false};
                break;
            default:
                // The blob's bytes, as Field reads them, for text and blob values alike.
                const auto* byte = static_cast<const char*>(sqlite3_column_blob(lettura, colonna));
                valori[i] = {byte ? byte : "", sqlite3_column_bytes(lettura, colonna), false};
            }
        }
        riga(valori.data());
    }
}

bool SqliteRecordset::ContieneMaiuscolo(const QString& colonna, const QString& maiuscolo)
{
    // Without an order the engine reads the column from its index when it has one: a
    // fraction of the pages of the whole table.
    Istruzione scansione =
        PreparaScansione(QStringLiteral("SELECT %1 FROM %2 WHERE %1 IS NOT NULL")
                             .arg(Quota(colonne_[IndiceColonnaEsistente(colonna)].nome), tabellaQuotata_));
    while (Connessione().Passo(scansione.get(), azioneLettura_)) {
        sqlite3_stmt* riga = scansione.get();
        if (sqlite3_column_type(riga, 0) == SQLITE_TEXT) {
            const auto* testo = reinterpret_cast<const char*>(sqlite3_column_text(riga, 0));
            const auto confronto = ConfrontaMaiuscoloAscii(testo, sqlite3_column_bytes(riga, 0), maiuscolo);
            if (confronto && *confronto)
                return true;
            if (confronto)
                continue;
        }
        if (ValoreColonna(riga, 0).toString().toUpper() == maiuscolo)
            return true;
    }
    return false;
}

Istruzione SqliteRecordset::PreparaScansione(const QString& sql)
{
    const SqliteConnessione& c = Connessione();
    AnnullaModifica();
    lettura_.suRiga = false;
    lettura_.rigaEliminata = false;
    return c.Prepara(sql, azioneLettura_);
}

bool SqliteRecordset::HasField(const QString& colonna) const
{
    return IndiceColonna(colonna) >= 0;
}

QVariant SqliteRecordset::ValoreDaTesto(const Colonna& colonna, const QString& testo) const
{
    if (!colonna.numerica)
        return testo;
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double numero = locale.toDouble(testo, &ok);
    if (!ok || !std::isfinite(numero))
        throw DbException(
            DbErrore::ConversioneTipo,
            QStringLiteral("Il valore «%1» non è un numero valido per il campo «%2» della tabella «%3» "
                           "(usare la forma %4).")
                .arg(testo, colonna.nome, tabella_, locale.toString(52.5)));
    return numero;
}

void SqliteRecordset::SetField(const QString& colonna, const QString& testo)
{
    Connessione();
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
    const QString indice = TestoColonna(cerca.get(), 0);
    const QString colonna = TestoColonna(cerca.get(), 1);
    ricerca_ = c.Prepara(QStringLiteral("SELECT %1 FROM %2 INDEXED BY %3 WHERE %4 = ?1 ORDER BY %1 LIMIT 1")
                             .arg(numeroRiga_, tabellaQuotata_, Quota(indice), Quota(colonna)),
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
    SospendiLettura();
    lettura_.suRiga = false;
    lettura_.rigaEliminata = false;
    noMatch_ = true;
    const QString azione = QStringLiteral("cercare «%1» nella tabella «%2»").arg(chiave, tabella_);
    c.Lega(ricerca_.get(), 1, chiave, azione);
    if (!c.Passo(ricerca_.get(), azione))
        return;
    const qint64 trovata = sqlite3_column_int64(ricerca_.get(), 0);
    sqlite3_reset(ricerca_.get());
    Posiziona(trovata);
    noMatch_ = !lettura_.suRiga || lettura_.riga != trovata;
    if (noMatch_)
        lettura_.suRiga = false;
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
    Connessione();
    inSospeso_.clear();
    modifica_ = Modifica::NuovaRiga;
}

void SqliteRecordset::Edit()
{
    VerificaRigaCorrente();
    inSospeso_.clear();
    modifica_ = Modifica::RigaCorrente;
    rigaInModifica_ = lettura_.riga;
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
    Connessione();
    if (modifica_ == Modifica::Nessuna)
        throw DbException(
            DbErrore::AggiornamentoSenzaModifica,
            QStringLiteral("Impossibile salvare nella tabella «%1»: nessuna riga in inserimento o in "
                           "modifica.")
                .arg(tabella_));
    const bool eraSuRiga = lettura_.suRiga;
    SospendiLettura();
    try {
        if (modifica_ == Modifica::NuovaRiga)
            ScriviNuovaRiga();
        else
            ScriviRigaCorrente();
    } catch (const DbException&) {
        RipristinaDopoErrore(eraSuRiga);
        throw;
    }
    AnnullaModifica();
    lettura_.suRiga = false;
    if (!eraSuRiga)
        return;
    // The row is written: a failure to read it again only loses the cursor's place, and
    // the next read reports it.
    try {
        Posiziona(lettura_.riga);
    } catch (const DbException&) {
        lettura_.suRiga = false;
    }
}

void SqliteRecordset::Delete()
{
    VerificaRigaCorrente();
    const SqliteConnessione& c = Connessione();
    AnnullaModifica();
    SospendiLettura();
    const QString azione = QStringLiteral("eliminare la riga dalla tabella «%1»").arg(tabella_);
    try {
        Istruzione elimina = c.Prepara(
            QStringLiteral("DELETE FROM %1 WHERE %2 = ?1").arg(tabellaQuotata_, numeroRiga_), azione);
        c.Lega(elimina.get(), 1, lettura_.riga, azione);
        c.Scrivi(elimina.get(), azione);
    } catch (const DbException&) {
        RipristinaDopoErrore(true);
        throw;
    }
    lettura_.suRiga = false;
    lettura_.rigaEliminata = true;
}

void SqliteRecordset::Close()
{
    AnnullaModifica();
    ricerca_.reset();
    conteggio_.reset();
    lettura_.istruzione.reset();
    connessione_.reset();
    lettura_.suRiga = false;
    lettura_.rigaEliminata = false;
}
