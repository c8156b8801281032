#include "Recordset.h"

#include "DbException.h"

#include <algorithm>

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

// Whether one of the columns at posti holds a text the filter keeps.
bool Tiene(const FiltroTesti& filtro, const std::vector<int>& posti, const RigaLetta& riga)
{
    if (!filtro.tiene)
        return true;
    return std::any_of(posti.begin(), posti.end(), [&](int colonna) {
        if (const std::optional<QByteArrayView> utf8 = riga.TestoUtf8(colonna))
            return filtro.tiene(*utf8);
        const QVariant valore = riga.Valore(colonna);
        return !valore.isNull() && filtro.tiene(valore.toString().toUtf8());
    });
}

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

qint64 Recordset::LeggiColonneFiltrate(const QStringList& colonne, const FiltroTesti& filtro,
                                       const RigaFiltrata& riga)
{
    // The columns tested that are not asked for are read after those that are; without a test,
    // none is.
    QStringList lette = colonne;
    std::vector<int> posti;
    for (const QString& colonna : filtro.tiene ? filtro.colonne : QStringList()) {
        if (!lette.contains(colonna))
            lette << colonna;
        posti.push_back(int(lette.indexOf(colonna)));
    }
    qint64 viste = 0;
    LeggiColonne(lette, [&](const RigaLetta& corrente) {
        if (filtro.Annullato())
            return false;
        const qint64 posto = viste++;
        return !Tiene(filtro, posti, corrente) || riga(corrente, posto);
    });
    return viste;
}
