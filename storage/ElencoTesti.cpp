#include "ElencoTesti.h"

#include <algorithm>
#include <string_view>

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
    const std::string_view tutti(testi_);
    const std::string_view cercato(utf8.constData(), size_t(utf8.size()));
    if (cercato.empty()) {
        for (qsizetype i = 0; i < size(); ++i)
            if (Inizio(i) == fine_[size_t(i)])
                return i;
        return -1;
    }
    for (size_t da = 0;;) {
        const size_t trovato = tutti.find(cercato, da);
        if (trovato == std::string_view::npos)
            return -1;
        // The bytes count only where a text begins and ends with them.
        const auto fine = std::lower_bound(fine_.begin(), fine_.end(), trovato + cercato.size());
        const qsizetype i = fine - fine_.begin();
        if (*fine == trovato + cercato.size() && Inizio(i) == trovato)
            return i;
        da = trovato + 1;
    }
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
