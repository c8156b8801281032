// The shared database on a PostgreSQL server, behind the same interface as a database file:
// opens table cursors, lists the tables, and runs write transactions in which every table
// the transaction opens is locked against other writers (readers go on), so that the
// checks made before a write still hold when it is committed. The program's tables are
// created on first use. The connection may be kept for the next handler; no transaction
// outlives the handle that began it.
#pragma once

#include "PgConnessione.h"
#include "TabellaPg.h"
#include "storage/Database.h"
#include "storage/DefinizioneTabella.h"

#include <QSet>
#include <QVariant>
#include <functional>
#include <vector>

class PgDatabase : public Database
{
    Q_DECLARE_TR_FUNCTIONS(PgDatabase)

public:
    // Connects (or takes a kept connection) and makes sure the tables exist, creating the
    // missing ones with their indexes, the pictures' table and the group's privileges.
    // Throws DbException naming the server when it cannot connect or create them.
    static std::unique_ptr<PgDatabase> Apri(const QString& conninfo,
                                            const std::vector<DefinizioneTabella>& tabelle);

    // Throws TabellaNonTrovata when the server's database has no such table. Inside a
    // transaction the table is locked against other writers first.
    std::unique_ptr<Recordset> OpenRecordset(const QString& tabella) override;
    // The material tables in the order they were created.
    QStringList TableNames() override;
    void BeginTrans() override;
    void CommitTrans() override;
    void Rollback() override;
    void Close() override;
    // The table's count of changes, which a trigger raises by one at every statement that
    // changes it; none for a table laid out without that trigger.
    std::optional<qint64> Versione(const QString& tabella) override;

    QString Server() const { return server_; }

    // For copying whole tables (zelmar-condividi). A read of several tables as of one moment,
    // ended by Rollback; the tables locked against every other writer for a copy into them;
    // all rows of a table deleted (the table then held against readers too until the end of
    // the transaction); a table's columns as the server types them.
    void IniziaLettura() override;
    void BloccaPerCopia(const QStringList& tabelle);
    void Svuota(const QString& tabella);
    QVector<TabellaPg::Colonna> Colonne(const QString& tabella);
    // Rows added in COPY's text form (TestoCopiaPg), values in the order of colonne:
    // produci hands each batch of lines to the function it is given. Whatever produci throws
    // ends the copy undone, and is thrown on.
    using Invio = std::function<void(const QByteArray& lotto)>;
    void AggiungiRighe(const QString& tabella, const QStringList& colonne,
                       const std::function<void(const Invio& invia)>& produci);
    // Every row of the table in stored order, the columns in COPY's text form, one line at a
    // time (its line break included).
    void LeggiRighe(const QString& tabella, const QStringList& colonne,
                    const std::function<void(const QByteArray& riga)>& riga);

    // The pictures of the entries: stored under their category folder and file name unless
    // one of that name is there already; read back, nullopt when there is none.
    void SalvaImmagine(const QString& cartella, const QString& nome, const QByteArray& dati);
    std::optional<QByteArray> LeggiImmagine(const QString& cartella, const QString& nome);

private:
    PgDatabase(std::shared_ptr<PgConnessione> connessione);
    PgConnessione& Connessione() const;
    void PreparaTabelle(const std::vector<DefinizioneTabella>& tabelle);
    void Blocca(const QString& tabellaQuotata, const char* modo);

    std::shared_ptr<PgConnessione> connessione_;
    QString server_;
    bool inScrittura_ = false;
    QSet<QString> svuotate_; // emptied in this transaction
};
