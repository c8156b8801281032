// One entry as stored: every column read from its row, by column name, each a value
// (text, or a number for numeric columns) or Null.
#pragma once

#include "RecordSchema.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QVariant>
#include <optional>

class RecordMateriale
{
public:
    void Imposta(const QString& colonna, const QVariant& valore) { valori_.insert(colonna, valore); }
    // A null QVariant for Null and for a column that was not read.
    QVariant Valore(const QString& colonna) const { return valori_.value(colonna); }
    QVariant Valore(RecordSchema::Campo campo) const { return Valore(RecordSchema::Nome(campo)); }
    QVariant Banda(RecordSchema::Grandezza grandezza, int banda) const
    {
        return Valore(RecordSchema::NomeColonnaBanda(grandezza, banda));
    }
    // The value as a number; nothing for Null, a column not read or a text that is no number.
    std::optional<double> Numero(RecordSchema::Campo campo) const { return ComeNumero(Valore(campo)); }
    std::optional<double> NumeroBanda(RecordSchema::Grandezza grandezza, int banda) const
    {
        return ComeNumero(Banda(grandezza, banda));
    }
    // The test date, stored as text day first, as the editor writes it; invalid when the
    // entry has none or it cannot be read as a date.
    QDate DataProva() const;
    // A "Data Prova" text read the same way.
    static QDate LeggiData(const QString& testo);
    bool operator==(const RecordMateriale&) const = default;

private:
    static std::optional<double> ComeNumero(const QVariant& valore);

    QHash<QString, QVariant> valori_;
};
