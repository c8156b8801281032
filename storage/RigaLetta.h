// One row of a whole-table read (Recordset::LeggiColonne): the values of the columns that
// were asked for, by their place in the request.
#pragma once

#include <QByteArrayView>
#include <QVariant>
#include <optional>

class RigaLetta
{
public:
    virtual ~RigaLetta() = default;
    // The value as a number; nothing for Null and for a value that is not a number.
    virtual std::optional<double> Numero(int colonna) const = 0;
    // The value as Recordset::Field reads it.
    virtual QVariant Valore(int colonna) const = 0;
    // A text value as the engine holds it, in UTF-8, without a copy; nothing when the
    // engine cannot give it so (then read Valore).
    virtual std::optional<QByteArrayView> TestoUtf8(int) const { return std::nullopt; }
};
