// Which rows a whole-table read hands over, by their texts: a row is kept when one of the
// chosen columns holds a value that, read as text in UTF-8, passes the test. An engine may
// make the test while it reads, so that a row that fails it is never copied out.
#pragma once

#include <QByteArrayView>
#include <QStringList>
#include <atomic>
#include <functional>

struct FiltroTesti
{
    // The columns tested, which need not be among those read. Without a test every row is
    // kept; with one and no column, none.
    QStringList colonne;
    std::function<bool(QByteArrayView utf8)> tiene;
    // When set, the read stops soon after, as when its riga returns false.
    const std::atomic<bool>* annulla = nullptr;

    bool Annullato() const { return annulla && annulla->load(std::memory_order_relaxed); }
};
