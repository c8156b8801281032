#include "SqliteDatabase.h"

#include "SqliteRecordset.h"
#include "SqliteSchema.h"

SqliteDatabase::SqliteDatabase(std::shared_ptr<SqliteConnessione> connessione)
    : connessione_(std::move(connessione)), percorso_(connessione_->Percorso())
{
}

std::unique_ptr<SqliteDatabase> SqliteDatabase::Apri(const QString& percorso, Modo modo)
{
    return std::unique_ptr<SqliteDatabase>(new SqliteDatabase(SqliteConnessione::Apri(percorso, modo)));
}

std::unique_ptr<SqliteDatabase> SqliteDatabase::Apri(const QString& percorso, Modo modo,
                                                     const std::vector<DefinizioneTabella>& previste)
{
    std::unique_ptr<SqliteDatabase> database = Apri(percorso, modo);
    if (previste.empty() || database->Mancanti(previste).empty())
        return database;
    try {
        if (modo == Modo::SolaLettura) {
            // A connection that only reads may hold the file so that no other can write it.
            database.reset();
            Apri(percorso, Modo::Condiviso)->CreaMancanti(previste);
            return Apri(percorso, modo);
        }
        database->CreaMancanti(previste);
    } catch (const DbException& e) {
        if (!database)
            database = Apri(percorso, modo);
        for (const DefinizioneTabella* t : database->Mancanti(previste))
            database->nonCreate_[t->nome.toLower()] =
                QStringLiteral("Il file «%1» non ha la tabella «%2», che il programma crea quando apre il "
                               "file, e non ha potuto crearla: %3 Il resto del file si legge come sempre.")
                    .arg(database->percorso_, t->nome, e.Descrizione());
    }
    return database;
}

std::vector<const DefinizioneTabella*>
SqliteDatabase::Mancanti(const std::vector<DefinizioneTabella>& previste)
{
    const QStringList presenti = TableNames();
    std::vector<const DefinizioneTabella*> mancanti;
    for (const DefinizioneTabella& t : previste)
        if (!presenti.contains(t.nome, Qt::CaseInsensitive))
            mancanti.push_back(&t);
    return mancanti;
}

// Looked for again inside the transaction: another program may have made them meanwhile.
void SqliteDatabase::CreaMancanti(const std::vector<DefinizioneTabella>& previste)
{
    BeginTrans();
    try {
        for (const DefinizioneTabella* t : Mancanti(previste))
            CreaTabellaMateriale(t->nome, t->colonne, t->isNumerica);
        CommitTrans();
    } catch (const DbException&) {
        Rollback();
        throw;
    }
}

std::unique_ptr<SqliteDatabase> SqliteDatabase::Crea(const QString& percorso)
{
    return Apri(percorso, Modo::Creazione);
}

std::unique_ptr<SqliteDatabase> SqliteDatabase::ApriImmagine(std::shared_ptr<const QByteArray> immagine,
                                                             const QString& percorso)
{
    return std::unique_ptr<SqliteDatabase>(
        new SqliteDatabase(SqliteConnessione::ApriImmagine(std::move(immagine), percorso)));
}

const SqliteConnessione& SqliteDatabase::Connessione() const
{
    if (!connessione_)
        throw DbException(DbErrore::Generico,
                          QStringLiteral("Il database «%1» è già stato chiuso.").arg(percorso_));
    return *connessione_;
}

std::unique_ptr<Recordset> SqliteDatabase::OpenRecordset(const QString& tabella)
{
    Connessione();
    try {
        return std::make_unique<SqliteRecordset>(connessione_, tabella);
    } catch (const DbException& e) {
        const auto perche = nonCreate_.find(tabella.toLower());
        if (e.Numero() != DbErrore::TabellaNonTrovata || perche == nonCreate_.end())
            throw;
        throw DbException(DbErrore::TabellaNonTrovata, perche->second);
    }
}

QStringList SqliteDatabase::TableNames()
{
    const SqliteConnessione& c = Connessione();
    const QString azione = QStringLiteral("elencare le tabelle del file «%1»").arg(percorso_);
    Istruzione elenco = c.Prepara(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                                 "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid"),
                                  azione);
    QStringList nomi;
    while (c.Passo(elenco.get(), azione))
        nomi << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(elenco.get(), 0)));
    return nomi;
}

QString SqliteDatabase::AzioneTransazione() const
{
    return QStringLiteral("salvare nel file «%1»").arg(percorso_);
}

void SqliteDatabase::BeginTrans()
{
    Connessione().Inizia(AzioneTransazione());
}

void SqliteDatabase::CommitTrans()
{
    Connessione().Conferma(AzioneTransazione());
}

void SqliteDatabase::Rollback()
{
    Connessione().Annulla();
}

void SqliteDatabase::IniziaLettura()
{
    Connessione().Esegui(QStringLiteral("BEGIN"), QStringLiteral("leggere il file «%1»").arg(percorso_));
}

std::optional<qint64> SqliteDatabase::Versione(const QString&)
{
    return Connessione().ContatoreModifiche();
}

void SqliteDatabase::Close()
{
    if (connessione_)
        connessione_->Annulla();
    connessione_.reset();
}

void SqliteDatabase::Execute(const QString& sql)
{
    Connessione().Esegui(sql, QStringLiteral("eseguire il comando sul file «%1»").arg(percorso_));
}

void SqliteDatabase::InBlocco(const QString& azione, const std::function<void()>& fai)
{
    const SqliteConnessione& c = Connessione();
    c.Esegui(QStringLiteral("SAVEPOINT blocco"), azione);
    try {
        fai();
    } catch (const DbException&) {
        try {
            c.Esegui(QStringLiteral("ROLLBACK TO blocco; RELEASE blocco"), azione);
        } catch (const DbException&) {
            // The first failure is the one the user needs to read.
        }
        throw;
    }
    c.Esegui(QStringLiteral("RELEASE blocco"), azione);
}

void SqliteDatabase::CreaTabella(const QString& tabella, const QStringList& colonne,
                                 const std::function<bool(const QString&)>& isNumerica)
{
    Connessione().Esegui(SqliteSchema::CreaTabella(tabella, colonne, isNumerica),
                         QStringLiteral("creare la tabella «%1»").arg(tabella));
}

void SqliteDatabase::CreaTabellaMateriale(const QString& tabella, const QStringList& colonne,
                                          const std::function<bool(const QString&)>& isNumerica)
{
    const QString azione = QStringLiteral("creare la tabella «%1»").arg(tabella);
    InBlocco(azione, [&] {
        Connessione().Esegui(SqliteSchema::CreaTabella(tabella, colonne, isNumerica), azione);
        Connessione().Esegui(SqliteSchema::CreaIndiceNome(tabella), azione);
    });
}
