// An open database file, behind which any engine may sit: the program's own files, Access
// files converted for reading, a server. Opened by DBEngine, closed within the handler
// that opened it.
#pragma once

#include "Recordset.h"

#include <QStringList>
#include <memory>
#include <optional>

class Database
{
public:
    virtual ~Database() = default;
    // Opens a table-type cursor on the table, positioned on its first row.
    virtual std::unique_ptr<Recordset> OpenRecordset(const QString& tabella) = 0;
    virtual QStringList TableNames() = 0;
    // A file this program reads but never writes (an Access file): every change is refused.
    virtual bool IsReadOnlyFormat() const { return false; }

    // A write transaction: what the cursors change from BeginTrans to CommitTrans takes
    // effect whole, and the checks made in between see the table as nobody else can change
    // it meanwhile. Rollback, or closing without CommitTrans, leaves the file as it was.
    virtual void BeginTrans() = 0;
    virtual void CommitTrans() = 0;
    virtual void Rollback() = 0;

    // A read of one moment: what the cursors read until Close is the table as it was when
    // the read began, nobody's change showing halfway.
    virtual void IniziaLettura() {}
    // A number that changes with every change anyone commits to the table (or, for a file,
    // to any of its tables), so that a copy of it kept aside can tell whether it is still
    // what the table holds; none when the engine cannot tell. Inside a transaction it is the
    // table as that transaction sees it.
    virtual std::optional<qint64> Versione(const QString& /*tabella*/) { return std::nullopt; }

    virtual void Close() = 0;
};
