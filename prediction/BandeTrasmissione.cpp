#include "prediction/BandeTrasmissione.h"

#include <cmath>

BandeTrasmissione BandeTrasmissione::Da(const MotoreValutazione::Bande& bande, double fattore)
{
    const MotoreValutazione::Bande lette = MotoreValutazione::SenzaZeriNonMisurati(bande);
    BandeTrasmissione b;
    b.presenti = 0;
    for (int i = 0; i < N; ++i) {
        if (!lette[i] || !std::isfinite(*lette[i]))
            continue;
        b.db[i] = *lette[i] * fattore;
        b.tau[i] = Tau(b.db[i]);
        b.presenti |= 1u << i;
    }
    return b;
}

BandeTrasmissione BandeTrasmissione::Costante(double db)
{
    BandeTrasmissione b;
    b.db.fill(db);
    b.tau.fill(Tau(db));
    return b;
}

BandeTrasmissione BandeTrasmissione::Piu(const BandeTrasmissione& altra) const
{
    BandeTrasmissione somma;
    for (int i = 0; i < N; ++i) {
        somma.db[i] = db[i] + altra.db[i];
        somma.tau[i] = tau[i] * altra.tau[i];
    }
    somma.presenti = presenti & altra.presenti;
    return somma;
}

MotoreValutazione::Bande BandeTrasmissione::Decibel() const
{
    MotoreValutazione::Bande bande;
    for (int i = 0; i < N; ++i)
        if (presenti & (1u << i))
            bande[i] = db[i];
    return bande;
}

MotoreValutazione::Bande BandeTrasmissione::Decibel(const std::array<double, N>& tau, std::uint32_t presenti,
                                                    double aggiunta)
{
    MotoreValutazione::Bande bande;
    for (int i = 0; i < N; ++i)
        if (presenti & (1u << i))
            bande[i] = -10.0 * std::log10(tau[i]) + aggiunta;
    return bande;
}

double BandeTrasmissione::EnergiaRumoreRosa(const std::array<double, N>& tau, std::uint32_t presenti)
{
    const std::array<double, N>& pesi = MotoreValutazione::PesiRumoreRosa();
    double energia = 0;
    for (int i = 0; i < N; ++i)
        if (presenti & (1u << i))
            energia += pesi[i] * tau[i];
    return energia;
}

std::optional<int> BandeTrasmissione::BandaMancante(const MotoreValutazione::Bande& bande)
{
    const std::uint32_t presenti = Da(bande).presenti;
    for (int i = 0; i < N; ++i)
        if ((Valutate & (1u << i)) && !(presenti & (1u << i)))
            return i;
    return std::nullopt;
}

double BandeTrasmissione::Tau(double db)
{
    static const double MenoLn10Su10 = -std::log(10.0) / 10.0;
    return std::exp(db * MenoLn10Su10);
}
