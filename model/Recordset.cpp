#include "Recordset.h"

#include <vector>

void Recordset::LeggiTutte(const QStringList& colonne,
                           const std::function<void(const QVariant* valori)>& riga)
{
    if (RecordCount() == 0)
        return;
    std::vector<QVariant> valori(size_t(colonne.size()));
    for (MoveFirst(); !Eof(); MoveNext()) {
        for (int i = 0; i < colonne.size(); ++i)
            valori[size_t(i)] = Field(colonne.at(i));
        riga(valori.data());
    }
}

bool Recordset::ContieneMaiuscolo(const QString& colonna, const QString& maiuscolo)
{
    bool trovato = false;
    LeggiTutte({colonna}, [&](const QVariant* valori) {
        if (!trovato && !valori[0].isNull())
            trovato = valori[0].toString().toUpper() == maiuscolo;
    });
    return trovato;
}
