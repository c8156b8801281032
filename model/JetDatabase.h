// A genuine Microsoft Jet ".mdb" file (Jet 3, Access 97; Jet 4, Access 2000 to 2003),
// opened read-only through libmdb. The whole file is read into memory and checked before
// libmdb sees it, so that a truncated or damaged file gives a DbException, not a crash.
// Tables are read whole when a cursor is opened on them.
#pragma once

#include "Database.h"
#include "JetRecordset.h"

#include <QByteArray>
#include <memory>

// libmdb's handle of the open file (its type cannot be declared ahead of its header).
struct FileMdb;

class JetDatabase : public Database
{
public:
    // Throws DbException when the file is missing, unreadable, not a Jet 3 or Jet 4
    // database, or damaged.
    static std::unique_ptr<JetDatabase> Apri(const QString& percorso);
    ~JetDatabase() override;
    JetDatabase(const JetDatabase&) = delete;
    JetDatabase& operator=(const JetDatabase&) = delete;

    // Throws TabellaNonTrovata for a table the file lacks, FormatoNonRiconosciuto when
    // the table cannot be read whole.
    std::unique_ptr<Recordset> OpenRecordset(const QString& tabella) override;
    // User tables, in the order of the file's catalogue.
    QStringList TableNames() override;
    bool IsReadOnlyFormat() const override { return true; }
    void Close() override;

    // Every column and row of a table, with the kind of each column (for the importer).
    std::shared_ptr<const TabellaJet> LeggiTabella(const QString& tabella);
    QString Percorso() const { return percorso_; }
    // 3 or 4.
    int VersioneJet() const { return versione_; }

private:
    JetDatabase(const QString& percorso, QByteArray contenuto, int versione);
    void ApriMdb();
    FileMdb& Mdb() const;
    [[noreturn]] void Danneggiato(const QString& motivo) const;

    QString percorso_;
    QByteArray contenuto_; // libmdb reads from this buffer; it outlives mdb_
    int versione_;
    std::unique_ptr<FileMdb> mdb_;
    QStringList tabelle_;
};
