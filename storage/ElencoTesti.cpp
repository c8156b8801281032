#include "ElencoTesti.h"

#include <cstring>

void ElencoTesti::Riserva(qsizetype testi, qsizetype byte)
{
    fine_.reserve(size_t(testi));
    testi_.reserve(size_t(byte));
}

QString ElencoTesti::at(qsizetype i) const
{
    const size_t inizio = Inizio(i);
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

qsizetype ElencoTesti::Trova(const QByteArray& utf8) const
{
    // Only a text of the same length is compared: a pass over the ends, not over the bytes.
    const size_t byte = size_t(utf8.size());
    size_t inizio = 0;
    for (size_t i = 0; i < fine_.size(); inizio = fine_[i++])
        if (fine_[i] - inizio == byte && std::memcmp(testi_.data() + inizio, utf8.constData(), byte) == 0)
            return qsizetype(i);
    return -1;
}

void ElencoTesti::Rimuovi(qsizetype i)
{
    Sostituisci(i, {});
    fine_.erase(fine_.begin() + i);
}

void ElencoTesti::Sostituisci(qsizetype i, const QByteArray& utf8)
{
    const size_t inizio = Inizio(i);
    const size_t vecchi = fine_[size_t(i)] - inizio;
    testi_.replace(inizio, vecchi, utf8.constData(), size_t(utf8.size()));
    const ptrdiff_t differenza = ptrdiff_t(utf8.size()) - ptrdiff_t(vecchi);
    for (auto fine = fine_.begin() + i; fine != fine_.end(); ++fine)
        *fine = size_t(ptrdiff_t(*fine) + differenza);
}
