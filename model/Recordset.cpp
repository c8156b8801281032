#include "Recordset.h"

#include <QByteArray>
#include <vector>

void Recordset::LeggiTesti(const QStringList& colonne,
                           const std::function<void(const TestoLetto* valori)>& riga)
{
    if (RecordCount() == 0)
        return;
    const size_t n = size_t(colonne.size());
    std::vector<QByteArray> testi(n);
    std::vector<TestoLetto> valori(n);
    for (MoveFirst(); !Eof(); MoveNext()) {
        for (size_t i = 0; i < n; ++i) {
            const QVariant valore = Field(colonne.at(qsizetype(i)));
            testi[i] = valore.isNull() ? QByteArray() : valore.toString().toUtf8();
            valori[i] = {testi[i].constData(), testi[i].size(), valore.isNull()};
        }
        riga(valori.data());
    }
}

bool Recordset::ContieneMaiuscolo(const QString& colonna, const QString& maiuscolo)
{
    bool trovato = false;
    LeggiTesti({colonna}, [&](const TestoLetto* valori) {
        if (!trovato && !valori[0].nullo)
            trovato = valori[0].Testo().toUpper() == maiuscolo;
    });
    return trovato;
}
