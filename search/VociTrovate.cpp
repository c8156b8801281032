#include "VociTrovate.h"

#include <algorithm>
#include <cmath>

void VociTrovate::Svuota()
{
    voci_ = {};
    nomi_.Svuota();
    testi_ = {};
    posti_ = {};
    testiValutazioni_ = {};
    numeriAParte_ = {};
}

size_t VociTrovate::Posto(const VoceTrovata& prima) const
{
    const auto dove =
        std::upper_bound(voci_.begin(), voci_.end(), prima, [](const VoceTrovata& a, const Compatta& b) {
            return a.tabella != int(b.tabella) ? a.tabella < int(b.tabella) : a.riga < qint64(b.riga);
        });
    return size_t(dove - voci_.begin());
}

void VociTrovate::Inserisci(size_t posto, std::vector<VoceTrovata>&& lotto)
{
    std::vector<Compatta> compatte;
    compatte.reserve(lotto.size());
    for (const VoceTrovata& v : lotto) {
        Compatta c{quint32(v.riga),
                   nomi_.Aggiungi(v.nome),
                   Unico(v.dataProva),
                   Unico(v.ente),
                   {},
                   quint32(v.tabella),
                   0,
                   0};
        for (size_t k = 0; k < 3; ++k) {
            const QVariant& valore = v.valutazioni[k];
            bool numero = false;
            const double n = valore.toDouble(&numero);
            ConservaNumero(c, k, numero && !valore.isNull() ? std::optional(n) : std::nullopt);
            if (!numero && !valore.isNull() && !valore.toString().isEmpty()) {
                c.testoValutazione |= 1u << k;
                testiValutazioni_.insert(Chiave(c, k), valore.toString());
            }
        }
        ConservaNumero(c, Massa_, v.massa);
        ConservaNumero(c, Spessore_, v.spessore);
        compatte.push_back(c);
    }
    voci_.insert(voci_.begin() + qsizetype(posto), compatte.begin(), compatte.end());
    lotto = {};
}

VoceTrovata VociTrovate::Voce(size_t i) const
{
    const Compatta& c = voci_[i];
    VoceTrovata v{int(c.tabella), c.riga, Nome(i), {}, Massa(i), Spessore(i), DataProva(i), Ente(i)};
    for (size_t k = 0; k < 3; ++k)
        v.valutazioni[k] = Valutazione(i, k);
    return v;
}

QVariant VociTrovate::Valutazione(size_t i, size_t k) const
{
    const Compatta& c = voci_[i];
    if (c.testoValutazione & 1u << k)
        return testiValutazioni_.value(Chiave(c, k));
    const std::optional<double> n = Numero(c, k);
    return n ? QVariant(*n) : QVariant();
}

std::optional<double> VociTrovate::Numero(const Compatta& c, size_t k) const
{
    if (c.aParte & 1u << k)
        return numeriAParte_.value(Chiave(c, k));
    if (c.numeri[k] == Nessuno)
        return std::nullopt;
    return c.numeri[k] / 10.0;
}

void VociTrovate::ConservaNumero(Compatta& c, size_t k, const std::optional<double>& valore)
{
    c.numeri[k] = Nessuno;
    if (!valore)
        return;
    const double decimi = std::round(*valore * 10);
    if (std::abs(decimi) <= std::numeric_limits<qint16>::max() && decimi / 10 == *valore) {
        c.numeri[k] = qint16(decimi);
        return;
    }
    c.aParte |= 1u << k;
    numeriAParte_.insert(Chiave(c, k), *valore);
}

quint32 VociTrovate::Unico(const QString& testo)
{
    const auto trovato = posti_.constFind(testo);
    if (trovato != posti_.constEnd())
        return *trovato;
    const quint32 posto = quint32(testi_.size());
    testi_ << testo;
    posti_.insert(testo, posto);
    return posto;
}
