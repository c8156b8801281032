// A genuine Microsoft Jet ".mdb" file (Jet 3, Access 97; Jet 4, Access 2000 to 2003),
// opened read-only. The file is checked, then read whole, tables and all, by a reader
// process (LettoreJetIsolato): a damaged file gives a DbException, never a crash or a
// hang of the program.
#pragma once

#include "Database.h"
#include "FileJetLetto.h"

#include <memory>

class JetDatabase : public Database
{
public:
    // Throws DbException when the file is missing, unreadable, not a Jet 3 or Jet 4
    // database, or damaged.
    static std::unique_ptr<JetDatabase> Apri(const QString& percorso);
    ~JetDatabase() override = default;
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
    JetDatabase(const QString& percorso, int versione, std::shared_ptr<const FileJetLetto> letto);
    const FileJetLetto& Letto() const;

    QString percorso_;
    int versione_;
    std::shared_ptr<const FileJetLetto> letto_;
};
