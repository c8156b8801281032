// An open database file. Backends (the program's own engine, read-only Jet files)
// implement it; DBEngine picks the backend from the file's header.
#pragma once

#include "Recordset.h"

#include <QStringList>
#include <memory>

class Database
{
public:
    virtual ~Database() = default;
    // Opens a table-type cursor on the table, positioned on its first row.
    virtual std::unique_ptr<Recordset> OpenRecordset(const QString& tabella) = 0;
    virtual QStringList TableNames() = 0;
    virtual bool IsReadOnlyFormat() const { return false; }
    virtual void Close() = 0;
};
