#include "SqliteConnessione.h"

#include "FiltroSqlite.h"
#include "SqliteSchema.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Long enough for another copy of the program to finish saving a row.
constexpr int AttesaFileOccupatoMs = 1000;

struct Causa
{
    int numero;
    QString testo;
};

Causa CausaErrore(int codice, const QString& motore)
{
    switch (codice & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return {DbErrore::FileInUso,
                QStringLiteral("il file è in uso da un altro utente o da un altro programma")};
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return {DbErrore::SolaLettura, QStringLiteral("il file è di sola lettura")};
    case SQLITE_FULL:
        return {DbErrore::ErroreDisco, QStringLiteral("il disco è pieno")};
    case SQLITE_IOERR:
        return {DbErrore::ErroreDisco, QStringLiteral("errore di lettura o di scrittura sul disco")};
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return {DbErrore::FormatoNonRiconosciuto,
                QStringLiteral("il file è danneggiato o non è un database riconosciuto")};
    case SQLITE_CANTOPEN:
        return {DbErrore::FileNonTrovato, QStringLiteral("il file non si può aprire")};
    case SQLITE_NOMEM:
        return {DbErrore::Generico, QStringLiteral("memoria insufficiente")};
    case SQLITE_MISMATCH:
        return {DbErrore::ConversioneTipo, QStringLiteral("tipo di valore non ammesso (%1)").arg(motore)};
    case SQLITE_CONSTRAINT:
        return {DbErrore::Generico,
                QStringLiteral("il valore viola un vincolo della tabella (%1)").arg(motore)};
    case SQLITE_TOOBIG:
        return {DbErrore::Generico, QStringLiteral("il valore è troppo grande")};
    default:
        return {DbErrore::Generico, QStringLiteral("errore del motore di database (%1)").arg(motore)};
    }
}

// "Impossibile salvare la riga nella tabella «X» del file «F»: il file è di sola lettura."
DbException Errore(int codice, const QString& file, const QString& motore, const QString& azione)
{
    Causa causa = CausaErrore(codice, motore);
    // A change writes its journal beside the file: a folder that cannot be written stops it
    // as a file that cannot be written would, but it is the folder that needs changing.
    const int tipo = codice & 0xff;
    if ((tipo == SQLITE_READONLY || tipo == SQLITE_CANTOPEN) && QFileInfo(file).isWritable() &&
        !QFileInfo(QFileInfo(file).path()).isWritable())
        causa = {DbErrore::SolaLettura,
                 QStringLiteral("la cartella che lo contiene è di sola lettura, e ogni modifica deve "
                                "scrivere accanto al file il suo giornale")};
    const QString cosa =
        azione.contains(file) ? azione : QStringLiteral("%1 del file «%2»").arg(azione, file);
    return DbException(causa.numero, QStringLiteral("Impossibile %1: %2.").arg(cosa, causa.testo));
}

QString AzioneApertura(const QString& file)
{
    return QStringLiteral("aprire il file «%1»").arg(file);
}

void CreaFileVuoto(const QString& percorso)
{
    QFile file(percorso);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return;
    if (QFileInfo::exists(percorso))
        throw DbException(
            DbErrore::Generico,
            QStringLiteral("Impossibile creare il database «%1»: il file esiste già.").arg(percorso));
    throw DbException(
        DbErrore::ErroreDisco,
        QStringLiteral("Impossibile creare il database «%1»: %2.").arg(percorso, file.errorString()));
}

// A value in upper case as the user's letters have it in every alphabet (the engine's own
// upper() changes only a to z): the key of the name check's index. Plain ASCII, nearly every
// name, is converted byte by byte without decoding it.
void Maiuscolo(sqlite3_context* contesto, int, sqlite3_value** argomenti)
{
    sqlite3_value* valore = argomenti[0];
    QByteArray testo;
    switch (sqlite3_value_type(valore)) {
    case SQLITE_NULL:
        sqlite3_result_null(contesto);
        return;
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        testo = QString::number(sqlite3_value_double(valore)).toUpper().toUtf8();
        break;
    default:
        const auto* byte = static_cast<const char*>(sqlite3_value_blob(valore));
        const int lunghezza = sqlite3_value_bytes(valore);
        testo = QByteArray(byte, lunghezza);
        for (char& c : testo) {
            if (static_cast<unsigned char>(c) >= 0x80) {
                testo = QString::fromUtf8(byte, lunghezza).toUpper().toUtf8();
                break;
            }
            if (c >= 'a' && c <= 'z')
                c = char(c - 'a' + 'A');
        }
    }
    sqlite3_result_text(contesto, testo.constData(), int(testo.size()), SQLITE_TRANSIENT);
}

} // namespace

SqliteConnessione::FileWal SqliteConnessione::FileWal::Di(const QString& percorso)
{
    QFile file(percorso);
    const QByteArray intestazione = file.open(QIODevice::ReadOnly) ? file.read(20) : QByteArray();
    // Bytes 18 and 19 of the header, the versions for writing and reading, are 2 in WAL mode.
    if (intestazione.size() < 20 || intestazione[18] != 2 || intestazione[19] != 2)
        return {};
    return {true, QFileInfo::exists(percorso + QStringLiteral("-wal")),
            QFileInfo::exists(percorso + QStringLiteral("-shm"))};
}

void SqliteConnessione::FileWal::SpiegaErrore(const QString& percorso, const DbException& errore) const
{
    const bool scrittura =
        QList<int>{DbErrore::SolaLettura, DbErrore::FileNonTrovato, DbErrore::ErroreDisco}.contains(
            errore.Numero());
    if (!wal || (registro && indice) || !scrittura || QFileInfo(QFileInfo(percorso).path()).isWritable())
        return;
    throw DbException(
        DbErrore::SolaLettura,
        QStringLiteral("Impossibile leggere il file «%1»: è un database in modo WAL, che si legge solo con "
                       "i suoi file «%2» e «%3» accanto, e la cartella, di sola lettura, non li ha tutti e "
                       "due né li lascia creare.")
            .arg(percorso, QFileInfo(percorso).fileName() + QStringLiteral("-wal"),
                 QFileInfo(percorso).fileName() + QStringLiteral("-shm")));
}

SqliteConnessione::SqliteConnessione(sqlite3* db, const QString& percorso, Modo modo)
    : db_(db), percorso_(percorso), modo_(modo)
{
}

SqliteConnessione::~SqliteConnessione()
{
    sqlite3_close_v2(db_);
}

std::shared_ptr<SqliteConnessione> SqliteConnessione::Apri(const QString& percorso, Modo modo)
{
    const QString assoluto = QFileInfo(percorso).absoluteFilePath();
    if (modo == Modo::Creazione)
        CreaFileVuoto(assoluto);
    const FileWal wal = modo == Modo::SolaLettura ? FileWal::Di(assoluto) : FileWal{};
    // Read and write even to only read (query_only keeps it from writing): only a
    // connection that may write removes, as it closes, the files it made beside a WAL
    // file to read it. The engine falls back to reading alone when the file is protected.
    // A connection is only ever used by the thread that opened it: no locking per call.
    const int flag = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    sqlite3* db = nullptr;
    const int codice = sqlite3_open_v2(QFile::encodeName(assoluto).constData(), &db, flag, nullptr);
    // The handle is owned (and closed) from here on, even when opening failed.
    std::shared_ptr<SqliteConnessione> connessione(new SqliteConnessione(db, assoluto, modo));
    try {
        if (codice != SQLITE_OK)
            connessione->Lancia(codice, AzioneApertura(assoluto));
        connessione->Prepara(modo, wal);
    } catch (const DbException& e) {
        if (modo == Modo::Creazione) {
            connessione.reset();
            QFile::remove(assoluto);
        }
        wal.SpiegaErrore(assoluto, e);
        throw;
    }
    return connessione;
}

std::shared_ptr<SqliteConnessione> SqliteConnessione::ApriImmagine(std::shared_ptr<const QByteArray> immagine,
                                                                   const QString& percorso)
{
    sqlite3* db = nullptr;
    const int codice = sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    std::shared_ptr<SqliteConnessione> connessione(new SqliteConnessione(db, percorso, Modo::SolaLettura));
    if (codice != SQLITE_OK)
        connessione->Lancia(codice, AzioneApertura(percorso));
    connessione->immagine_ = std::move(immagine);
    // Read in place and never written: the image stays as it is for every other reader.
    auto* byte = reinterpret_cast<unsigned char*>(const_cast<char*>(connessione->immagine_->constData()));
    const auto dimensione = sqlite3_int64(connessione->immagine_->size());
    const int esito =
        sqlite3_deserialize(db, "main", byte, dimensione, dimensione, SQLITE_DESERIALIZE_READONLY);
    if (esito != SQLITE_OK)
        connessione->Lancia(esito, AzioneApertura(percorso));
    connessione->Prepara(Modo::SolaLettura, {});
    return connessione;
}

void SqliteConnessione::RegistraFunzioni(sqlite3* db)
{
    // Innocuous: an index of a file whose schema is not trusted may use it.
    sqlite3_create_function(db, "zelmar_maiuscolo", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS,
                            nullptr, Maiuscolo, nullptr, nullptr);
}

void SqliteConnessione::Prepara(Modo modo, const FileWal& wal)
{
    const QString azione = AzioneApertura(percorso_);
    sqlite3_extended_result_codes(db_, 1);
    RegistraFunzioni(db_);
    FiltroSqlite::Registra(db_);
    // A foreign or damaged file must not be able to make the engine misbehave.
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db_, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_busy_timeout(db_, AttesaFileOccupatoMs);
    if (modo == Modo::SolaLettura && !immagine_) {
        // Before anything reads the file. A log of changes beside it is left as it is, not
        // folded into the file as the last connection to close would.
        if (wal.registro)
            sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        // Without the index file beside it nobody has the file open: in exclusive locking
        // the engine keeps the index in memory instead of making that file.
        if (wal.wal && !wal.indice)
            Esegui(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"), azione);
        Esegui(QStringLiteral("PRAGMA query_only = ON"), azione);
    }
    Esegui(QStringLiteral("PRAGMA cell_size_check = ON"), azione);
    // Full syncs: a row is on disk whole or not at all, even when the machine stops in the
    // middle of a save. The journal mode is the file's own, never changed: a file kept in WAL
    // mode stays so (in exclusive use its index is kept in memory, as the locking mode is set
    // before the first read).
    if (modo != Modo::SolaLettura)
        Esegui(QStringLiteral("PRAGMA synchronous = FULL"), azione);
    switch (modo) {
    case Modo::Esclusivo:
        // The first write transaction takes the exclusive lock; in this locking mode it is
        // kept until the connection closes.
        Esegui(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"), azione);
        Esegui(QStringLiteral("BEGIN EXCLUSIVE"),
               QStringLiteral("aprire il file «%1» per uso esclusivo").arg(percorso_));
        try {
            VerificaFile();
        } catch (const DbException&) {
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
            throw;
        }
        Esegui(QStringLiteral("COMMIT"), azione);
        break;
    case Modo::Creazione:
        Esegui(QStringLiteral("PRAGMA application_id = %1").arg(SqliteSchema::IdentificativoApplicazione),
               azione);
        VerificaFile();
        break;
    case Modo::SolaLettura:
    case Modo::Condiviso:
        VerificaFile();
        break;
    }
}

// Reads the whole table list, so that a file that is not a database, or whose first
// page is damaged, is refused when it is opened.
void SqliteConnessione::VerificaFile() const
{
    const QString azione = AzioneApertura(percorso_);
    Istruzione elenco = Prepara(QStringLiteral("SELECT type, name, sql FROM sqlite_master"), azione);
    while (Passo(elenco.get(), azione)) {
    }
}

void SqliteConnessione::Scrivi(sqlite3_stmt* istruzione, const QString& azione) const
{
    if (sqlite3_get_autocommit(db_))
        ComeCommit([&] { Passo(istruzione, azione); }, azione);
    else
        Passo(istruzione, azione);
}

void SqliteConnessione::Inizia(const QString& azione) const
{
    Esegui(QStringLiteral("BEGIN IMMEDIATE"), azione);
}

void SqliteConnessione::Conferma(const QString& azione) const
{
    ComeCommit([&] { Esegui(QStringLiteral("COMMIT"), azione); }, azione);
}

void SqliteConnessione::Annulla() const
{
    if (!sqlite3_get_autocommit(db_))
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

void SqliteConnessione::ComeCommit(const std::function<void()>& fai, const QString& azione) const
{
    if (modo_ != Modo::Esclusivo) {
        fai();
        return;
    }
    // The lock already taken is kept until this change has been committed.
    Esegui(QStringLiteral("PRAGMA locking_mode = NORMAL"), azione);
    try {
        fai();
    } catch (const DbException&) {
        RiprendiEsclusiva();
        throw;
    }
    RiprendiEsclusiva();
}

// The change is committed, or has failed with its own message: failing to take the file
// back only ends the hold early, so it is not reported.
void SqliteConnessione::RiprendiEsclusiva() const
{
    sqlite3_exec(db_, "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE; COMMIT", nullptr, nullptr, nullptr);
    if (!sqlite3_get_autocommit(db_))
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

Istruzione SqliteConnessione::Prepara(const QString& sql, const QString& azione) const
{
    const QByteArray testo = sql.toUtf8();
    sqlite3_stmt* istruzione = nullptr;
    const int codice = sqlite3_prepare_v2(db_, testo.constData(), int(testo.size()), &istruzione, nullptr);
    Istruzione risultato(istruzione);
    if (codice != SQLITE_OK)
        Lancia(codice, azione);
    if (!risultato)
        Lancia(SQLITE_MISUSE, azione); // empty statement text: a fault of ours
    return risultato;
}

void SqliteConnessione::Esegui(const QString& sql, const QString& azione) const
{
    char* messaggio = nullptr;
    const int codice = sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &messaggio);
    const QString testo =
        messaggio ? QString::fromUtf8(messaggio) : QString::fromUtf8(sqlite3_errstr(codice));
    sqlite3_free(messaggio);
    if (codice != SQLITE_OK)
        throw Errore(codice, percorso_, testo, azione);
}

bool SqliteConnessione::Passo(sqlite3_stmt* istruzione, const QString& azione) const
{
    const int codice = sqlite3_step(istruzione);
    if (codice == SQLITE_ROW)
        return true;
    if (codice == SQLITE_DONE) {
        sqlite3_reset(istruzione);
        return false;
    }
    const QString motore = QString::fromUtf8(sqlite3_errmsg(db_));
    sqlite3_reset(istruzione);
    throw Errore(codice, percorso_, motore, azione);
}

void SqliteConnessione::Lega(sqlite3_stmt* istruzione, int posizione, const QString& testo,
                             const QString& azione) const
{
    const QByteArray utf8 = testo.toUtf8();
    // A null pointer would store Null; an empty text is stored as an empty text.
    const char* dati = utf8.isNull() ? "" : utf8.constData();
    const int codice = sqlite3_bind_text(istruzione, posizione, dati, int(utf8.size()), SQLITE_TRANSIENT);
    if (codice != SQLITE_OK)
        Lancia(codice, azione);
}

void SqliteConnessione::Lega(sqlite3_stmt* istruzione, int posizione, double numero,
                             const QString& azione) const
{
    const int codice = sqlite3_bind_double(istruzione, posizione, numero);
    if (codice != SQLITE_OK)
        Lancia(codice, azione);
}

void SqliteConnessione::Lega(sqlite3_stmt* istruzione, int posizione, qint64 numero,
                             const QString& azione) const
{
    const int codice = sqlite3_bind_int64(istruzione, posizione, numero);
    if (codice != SQLITE_OK)
        Lancia(codice, azione);
}

std::optional<qint64> SqliteConnessione::ContatoreModifiche() const
{
    if (immagine_)
        return std::nullopt;
    const QString azione = QStringLiteral("leggere il file «%1»").arg(percorso_);
    const bool propria = sqlite3_get_autocommit(db_) != 0;
    if (propria)
        Esegui(QStringLiteral("BEGIN"), azione);
    std::optional<qint64> contatore;
    try {
        // A read takes the shared lock, which the transaction keeps: nobody commits meanwhile.
        Esegui(QStringLiteral("SELECT 1 FROM sqlite_master LIMIT 1"), azione);
        sqlite3_file* file = nullptr;
        unsigned char intestazione[28] = {};
        if (sqlite3_file_control(db_, "main", SQLITE_FCNTL_FILE_POINTER, &file) == SQLITE_OK && file &&
            file->pMethods &&
            file->pMethods->xRead(file, intestazione, sizeof intestazione, 0) == SQLITE_OK &&
            intestazione[18] != 2) // bytes 18 and 19 are 2 in WAL mode
            contatore = qint64(intestazione[24]) << 24 | qint64(intestazione[25]) << 16 |
                        qint64(intestazione[26]) << 8 | qint64(intestazione[27]);
    } catch (const DbException&) {
        if (propria)
            Annulla();
        throw;
    }
    if (propria)
        Annulla(); // nothing was written: ending the read is all
    return contatore;
}

int SqliteConnessione::RigheModificate() const
{
    return sqlite3_changes(db_);
}

void SqliteConnessione::Lancia(int codice, const QString& azione) const
{
    const QString motore =
        db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString::fromUtf8(sqlite3_errstr(codice));
    throw Errore(codice, percorso_, motore, azione);
}
