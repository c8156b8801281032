#include "DatabaseAccess.h"

#include "storage/DbException.h"
#include "storage/sqlite/SqliteRecordset.h"

namespace {
const QString NomeElenco = QStringLiteral("zelmar_tabelle_access");
} // namespace

QString DatabaseAccess::CreaElenco()
{
    return QStringLiteral("CREATE TABLE %1 (nome TEXT, errore INTEGER, descrizione TEXT)").arg(NomeElenco);
}

QString DatabaseAccess::AggiungiAllElenco()
{
    return QStringLiteral("INSERT INTO %1 VALUES (?1, ?2, ?3)").arg(NomeElenco);
}

QString DatabaseAccess::MessaggioSolaLettura(const QString& percorso)
{
    return QStringLiteral("Il file «%1» è un database Jet (Access): il programma lo può leggere ma non "
                          "scrivere in questo formato. Per modificarlo, convertirlo nel formato del "
                          "programma con «Importa database Jet...» del menu del programma o con lo "
                          "strumento zelmar-importjet.")
        .arg(percorso);
}

std::unique_ptr<DatabaseAccess> DatabaseAccess::Apri(std::shared_ptr<const QByteArray> immagine,
                                                     const QString& percorso)
{
    std::unique_ptr<DatabaseAccess> db(
        new DatabaseAccess(SqliteConnessione::ApriImmagine(std::move(immagine), percorso), percorso));
    db->LeggiTabelle();
    return db;
}

DatabaseAccess::DatabaseAccess(std::shared_ptr<SqliteConnessione> connessione, const QString& percorso)
    : connessione_(std::move(connessione)), percorso_(percorso)
{
}

// Every table in order; where some table could not be read, the list says which.
void DatabaseAccess::LeggiTabelle()
{
    const QString azione = QStringLiteral("leggere l'elenco delle tabelle del file «%1»").arg(percorso_);
    const auto testo = [](sqlite3_stmt* riga, int colonna) {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(riga, colonna)));
    };
    Istruzione elenco = connessione_->Prepara(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid"), azione);
    while (connessione_->Passo(elenco.get(), azione))
        tabelle_.push_back({testo(elenco.get(), 0), 0, QString()});
    if (tabelle_.empty() || tabelle_.back().nome != NomeElenco)
        return;
    tabelle_.clear();
    elenco = connessione_->Prepara(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(NomeElenco), azione);
    while (connessione_->Passo(elenco.get(), azione))
        tabelle_.push_back(
            {testo(elenco.get(), 0), sqlite3_column_int(elenco.get(), 1), testo(elenco.get(), 2)});
}

std::unique_ptr<Recordset> DatabaseAccess::OpenRecordset(const QString& tabella)
{
    for (const TabellaAccess& t : tabelle_) {
        if (t.nome.compare(tabella, Qt::CaseInsensitive) != 0)
            continue;
        if (t.codiceErrore != 0)
            throw DbException(t.codiceErrore, t.errore);
        if (!connessione_)
            break;
        return std::make_unique<SqliteRecordset>(connessione_, t.nome, MessaggioSolaLettura(percorso_));
    }
    if (!connessione_)
        throw DbException(DbErrore::Generico,
                          QStringLiteral("Il file «%1» è già stato chiuso.").arg(percorso_));
    throw DbException(DbErrore::TabellaNonTrovata,
                      QStringLiteral("Il file «%1» non ha la tabella «%2».").arg(percorso_, tabella));
}

QStringList DatabaseAccess::TableNames()
{
    QStringList nomi;
    for (const TabellaAccess& t : tabelle_)
        nomi << t.nome;
    return nomi;
}

void DatabaseAccess::BeginTrans()
{
    throw DbException(DbErrore::SolaLettura, MessaggioSolaLettura(percorso_));
}

void DatabaseAccess::CommitTrans()
{
    BeginTrans();
}

void DatabaseAccess::Rollback() {}

void DatabaseAccess::Close()
{
    connessione_.reset();
}
