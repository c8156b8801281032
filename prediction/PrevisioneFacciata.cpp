#include "prediction/PrevisioneFacciata.h"

#include "prediction/BandeTrasmissione.h"

#include <cmath>

namespace {

constexpr double A0 = 10.0; // reference absorption area, m²
constexpr double T0 = 0.5;  // reference reverberation time, s
constexpr int N = BandeTrasmissione::N;

// One element's part: its curve (or single number) and the area ratio it weighs by, Si/S for a
// facade element, A0/S for a small element.
struct Parte
{
    TipoPercorso tipo;
    int numero;
    const Curva* curva;
    double peso;
};

std::vector<Parte> Parti(const SituazioneFacciata& s)
{
    std::vector<Parte> parti;
    for (size_t i = 0; i < s.elementi.size(); ++i)
        parti.push_back({TipoPercorso::E, int(i) + 1, &s.elementi[i].r, s.elementi[i].area / s.s});
    for (size_t i = 0; i < s.piccoli.size(); ++i)
        parti.push_back({TipoPercorso::P, int(i) + 1, &s.piccoli[i], A0 / s.s});
    return parti;
}

void Semplificato(const SituazioneFacciata& s, double normalizzazione, RisultatoPrevisione& r)
{
    // EN 12354-3:2000, 4.2 (simplified model):
    // R'w = -10 lg[Σ (Si/S) 10^(-Ri,w/10) + Σ (A0/S) 10^(-Dn,e,i,w/10)].
    double somma = 0;
    for (const Parte& p : Parti(s)) {
        const double valore = p.curva->indice.value_or(0) - 10.0 * std::log10(p.peso);
        r.percorsi.push_back({p.tipo, p.numero, valore, BandeTrasmissione::Tau(valore)});
        somma += r.percorsi.back().quota;
    }
    for (Percorso& p : r.percorsi)
        p.quota /= somma;
    r.valore = -10.0 * std::log10(somma);
    r.indice = Arrotonda(*r.valore);
    r.normalizzato = Arrotonda(*r.valore + normalizzazione);
}

void Dettagliato(const SituazioneFacciata& s, double normalizzazione, RisultatoPrevisione& r)
{
    // EN 12354-3:2000, 4.1 (detailed model), formula (10): the same sum band by band.
    const std::vector<Parte> parti = Parti(s);
    std::vector<BandeTrasmissione> curve;
    std::array<double, N> somma{};
    std::uint32_t presenti = BandeTrasmissione::Tutte;
    for (const Parte& p : parti) {
        curve.push_back(BandeTrasmissione::Da(p.curva->bande.value_or(MotoreValutazione::Bande{}))
                            .Piu(BandeTrasmissione::Costante(-10.0 * std::log10(p.peso))));
        presenti &= curve.back().presenti;
        for (int i = 0; i < N; ++i)
            somma[i] += curve.back().tau[i];
    }
    r.perBande = true;
    r.bande = BandeTrasmissione::Decibel(somma, presenti);
    r.bandeNormalizzate = BandeTrasmissione::Decibel(somma, presenti, normalizzazione);
    const Valutazione v = MotoreValutazione::Valuta(GrandezzaBande::R, r.bande);
    r.indice = v.indice, r.c = v.c, r.ctr = v.ctr;
    r.normalizzato = MotoreValutazione::Valuta(GrandezzaBande::R, r.bandeNormalizzate).indice;
    // Each element's rating, and its share of the A-weighted pink noise let in over the bands
    // computed.
    const double totale = BandeTrasmissione::EnergiaRumoreRosa(somma, presenti);
    for (size_t j = 0; j < parti.size(); ++j) {
        const std::optional<int> indice =
            MotoreValutazione::Valuta(GrandezzaBande::R, curve[j].Decibel()).indice;
        r.percorsi.push_back({parti[j].tipo, parti[j].numero, indice ? double(*indice) : NAN,
                              BandeTrasmissione::EnergiaRumoreRosa(curve[j].tau, presenti) / totale});
    }
}

} // namespace

RisultatoPrevisione PrevisioneFacciata::Calcola(const SituazioneFacciata& s)
{
    // EN 12354-3:2000, formula (13): D2m,nT = R' + ΔLfs + 10 lg(V/(6 T0 S)).
    const double normalizzazione = s.dlfs + 10.0 * std::log10(s.v / (6.0 * T0 * s.s));
    RisultatoPrevisione r;
    if (s.modello == Modello::Semplificato)
        Semplificato(s, normalizzazione, r);
    else
        Dettagliato(s, normalizzazione, r);
    return r;
}
