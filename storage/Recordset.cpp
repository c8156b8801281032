#include "Recordset.h"

#include "DbException.h"

namespace {

// The current row of a cursor, read field by field.
class RigaDelCursore : public RigaLetta
{
public:
    RigaDelCursore(const Recordset& cursore, const QStringList& colonne)
        : cursore_(cursore), colonne_(colonne)
    {
    }
    std::optional<double> Numero(int colonna) const override
    {
        const QVariant valore = Valore(colonna);
        bool numero = false;
        const double v = valore.toDouble(&numero);
        if (valore.isNull() || !numero || valore.typeId() == QMetaType::QString)
            return std::nullopt;
        return v;
    }
    QVariant Valore(int colonna) const override { return cursore_.Field(colonne_.at(colonna)); }

private:
    const Recordset& cursore_;
    const QStringList& colonne_;
};

} // namespace

void Recordset::LeggiColonne(const QStringList& colonne, const std::function<bool(const RigaLetta&)>& riga)
{
    for (const QString& colonna : colonne)
        if (!HasField(colonna))
            throw DbException(DbErrore::ElementoNonTrovato,
                              QStringLiteral("La tabella non ha il campo «%1».").arg(colonna));
    const RigaDelCursore corrente(*this, colonne);
    for (MoveFirst(); !Eof(); MoveNext())
        if (!riga(corrente))
            return;
}
