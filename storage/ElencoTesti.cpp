#include "ElencoTesti.h"

void ElencoTesti::Riserva(qsizetype testi, qsizetype byte)
{
    fine_.reserve(size_t(testi));
    testi_.reserve(size_t(byte));
}

QString ElencoTesti::at(qsizetype i) const
{
    const size_t inizio = i == 0 ? 0 : fine_[size_t(i - 1)];
    return QString::fromUtf8(testi_.data() + inizio, qsizetype(fine_[size_t(i)] - inizio));
}

QStringList ElencoTesti::toStringList() const
{
    QStringList elenco;
    elenco.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        elenco << at(i);
    return elenco;
}
