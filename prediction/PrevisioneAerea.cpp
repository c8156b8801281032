#include "prediction/PrevisioneAerea.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double L0 = 1.0; // reference coupling length, m
constexpr int N = BandeTrasmissione::N;

// ΔR per band of a lining in the detailed model; 0 dB where there is none.
BandeTrasmissione Rivestimento(const Curva& rivestimento, Modello modello)
{
    if (modello == Modello::Dettagliato && rivestimento.bande)
        return BandeTrasmissione::Da(*rivestimento.bande);
    return BandeTrasmissione::Costante(0);
}

// A path of the detailed model: the sum in dB of its source-side and receiving-side halves and
// a constant (Kij and the geometry).
struct PercorsoBande
{
    TipoPercorso tipo;
    int numero;
    const BandeTrasmissione* sorgente;
    const BandeTrasmissione* ricevente;
    double costante;
};

} // namespace

PrevisioneAerea::PrevisioneAerea(const SituazioneAerea& s)
    : modello_(s.modello), separazione_(s.separazione), ss_(s.ss),
      // EN 12354-1:2000, formula (5b): DnT = R' + 10 lg(0.32 V/Ss).
      normalizzazione_(10.0 * std::log10(0.32 * s.v / s.ss)), drSorgente_(s.rivestimentoSorgente.indice),
      drRicevente_(s.rivestimentoRicevente.indice),
      rivSorgente_(Rivestimento(s.rivestimentoSorgente, s.modello)),
      rivRicevente_(Rivestimento(s.rivestimentoRicevente, s.modello))
{
    fianchi_.reserve(s.fianchi.size());
    for (const Fianco& f : s.fianchi) {
        FiancoPronto p;
        p.sorgente = Prepara(f.sorgente, f.rivestimentoSorgente, modello_);
        p.ricevente = Prepara(f.ricevente, f.rivestimentoRicevente, modello_);
        p.giunto = f.giunto;
        // EN 12354-1:2000, 4.4.1, formula (28a), and the detailed model of 4.2 with the
        // equivalent absorption length a = S/l0: the geometric term 10 lg(Ss/(l0 lf)).
        p.geometria = 10.0 * std::log10(ss_ / (L0 * f.lunghezza));
        const double areaF = f.sorgente.area.value_or(0), areaf = f.ricevente.area.value_or(0);
        p.minFf = Giunzioni::KijMinimo(f.lunghezza, areaF, areaf);
        p.minFd = Giunzioni::KijMinimo(f.lunghezza, areaF, ss_);
        p.minDf = Giunzioni::KijMinimo(f.lunghezza, ss_, areaf);
        fianchi_.push_back(p);
    }
}

PrevisioneAerea::Lato PrevisioneAerea::Prepara(const Elemento& elemento, const Curva& rivestimento,
                                               Modello modello)
{
    Lato lato;
    lato.rw = elemento.r.indice.value_or(0);
    lato.drw = rivestimento.indice;
    lato.massa = elemento.massa.value_or(0);
    if (modello == Modello::Dettagliato) {
        // EN 12354-1:2000, 4.2 (detailed model): a path takes half each element's R, plus the
        // ΔR of its lining.
        BandeTrasmissione meta;
        if (elemento.r.bande)
            meta = BandeTrasmissione::Da(*elemento.r.bande, 0.5);
        else
            meta.presenti = 0;
        lato.meta = meta.Piu(Rivestimento(rivestimento, modello));
    }
    return lato;
}

Giunzioni::Indici PrevisioneAerea::K(const FiancoPronto& fianco, double massaSeparazione)
{
    const Giunzioni::Indici k =
        Giunzioni::Kij(fianco.giunto, massaSeparazione, fianco.sorgente.massa, fianco.ricevente.massa);
    // EN 12354-1:2000, 4.4.2: no Kij is taken below its Kij,min.
    return {std::max(k.ff, fianco.minFf), std::max(k.fd, fianco.minFd), std::max(k.df, fianco.minDf)};
}

RisultatoPrevisione PrevisioneAerea::Calcola(Dettaglio dettaglio) const
{
    return Calcola(separazione_, dettaglio);
}

RisultatoPrevisione PrevisioneAerea::Calcola(const Elemento& separazione, Dettaglio dettaglio) const
{
    return modello_ == Modello::Semplificato ? Semplificato(separazione, dettaglio)
                                             : Dettagliato(separazione, dettaglio);
}

RisultatoPrevisione PrevisioneAerea::Semplificato(const Elemento& separazione, Dettaglio dettaglio) const
{
    const double rs = separazione.r.indice.value_or(0);
    std::vector<Percorso> percorsi;
    percorsi.reserve(1 + 3 * fianchi_.size());
    // EN 12354-1:2000, 4.4.1, formula (27): RDd,w = Rs,w + ΔRDd,w.
    percorsi.push_back({TipoPercorso::Dd, 0, rs + Giunzioni::Rivestimenti(drSorgente_, drRicevente_)});
    for (size_t j = 0; j < fianchi_.size(); ++j) {
        const FiancoPronto& f = fianchi_[j];
        const Giunzioni::Indici k = K(f, separazione.massa.value_or(0));
        const int n = int(j) + 1;
        // Formula (28a): Rij,w = (Ri,w + Rj,w)/2 + ΔRij,w + Kij + 10 lg(Ss/(l0 lf)).
        percorsi.push_back({TipoPercorso::Ff, n,
                            (f.sorgente.rw + f.ricevente.rw) / 2 +
                                Giunzioni::Rivestimenti(f.sorgente.drw, f.ricevente.drw) + k.ff +
                                f.geometria});
        percorsi.push_back({TipoPercorso::Fd, n,
                            (f.sorgente.rw + rs) / 2 + Giunzioni::Rivestimenti(f.sorgente.drw, drRicevente_) +
                                k.fd + f.geometria});
        percorsi.push_back({TipoPercorso::Df, n,
                            (rs + f.ricevente.rw) / 2 +
                                Giunzioni::Rivestimenti(drSorgente_, f.ricevente.drw) + k.df + f.geometria});
    }
    // Formula (26): R'w = -10 lg Σ 10^(-Rij,w/10) over the direct and every flanking path.
    double somma = 0;
    for (Percorso& p : percorsi) {
        p.quota = BandeTrasmissione::Tau(p.valore);
        somma += p.quota;
    }
    RisultatoPrevisione r;
    r.valore = -10.0 * std::log10(somma);
    r.indice = Arrotonda(*r.valore);
    r.normalizzato = Arrotonda(*r.valore + normalizzazione_);
    if (dettaglio == Dettaglio::Completo) {
        for (Percorso& p : percorsi)
            p.quota /= somma;
        r.percorsi = std::move(percorsi);
    }
    return r;
}

RisultatoPrevisione PrevisioneAerea::Dettagliato(const Elemento& separazione, Dettaglio dettaglio) const
{
    BandeTrasmissione meta;
    if (separazione.r.bande)
        meta = BandeTrasmissione::Da(*separazione.r.bande, 0.5);
    else
        meta.presenti = 0;
    const BandeTrasmissione latoS = meta.Piu(rivSorgente_), latoD = meta.Piu(rivRicevente_);
    // EN 12354-1:2000, 4.2 (detailed model), with a = S/l0 and no in-situ correction:
    // RDd = Rs + ΔRD + ΔRd; Rij = Ri/2 + ΔRi + Rj/2 + ΔRj + Kij + 10 lg(Ss/(l0 lf)).
    std::vector<PercorsoBande> percorsi;
    percorsi.reserve(1 + 3 * fianchi_.size());
    percorsi.push_back({TipoPercorso::Dd, 0, &latoS, &latoD, 0.0});
    for (size_t j = 0; j < fianchi_.size(); ++j) {
        const FiancoPronto& f = fianchi_[j];
        const Giunzioni::Indici k = K(f, separazione.massa.value_or(0));
        const int n = int(j) + 1;
        percorsi.push_back({TipoPercorso::Ff, n, &f.sorgente.meta, &f.ricevente.meta, k.ff + f.geometria});
        percorsi.push_back({TipoPercorso::Fd, n, &f.sorgente.meta, &latoD, k.fd + f.geometria});
        percorsi.push_back({TipoPercorso::Df, n, &latoS, &f.ricevente.meta, k.df + f.geometria});
    }
    // EN 12354-1:2000, 4.2 (detailed model): R' = -10 lg Σ τ over every path, band by band;
    // a band has a value where every path has one.
    std::array<double, N> somma{};
    std::uint32_t presenti = BandeTrasmissione::Tutte;
    for (const PercorsoBande& p : percorsi) {
        const double c = BandeTrasmissione::Tau(p.costante);
        presenti &= p.sorgente->presenti & p.ricevente->presenti;
        for (int i = 0; i < N; ++i)
            somma[i] += p.sorgente->tau[i] * p.ricevente->tau[i] * c;
    }
    RisultatoPrevisione r;
    r.perBande = true;
    r.bande = BandeTrasmissione::Decibel(somma, presenti);
    for (int i = 0; i < N; ++i)
        if (r.bande[i])
            r.bandeNormalizzate[i] = *r.bande[i] + normalizzazione_;
    const Valutazione v = MotoreValutazione::Valuta(GrandezzaBande::R, r.bande);
    const Valutazione vn = MotoreValutazione::Valuta(GrandezzaBande::R, r.bandeNormalizzate);
    r.indice = v.indice, r.c = v.c, r.ctr = v.ctr;
    r.normalizzato = vn.indice, r.normalizzatoC = vn.c, r.normalizzatoCtr = vn.ctr;
    if (dettaglio == Dettaglio::SoloIndici)
        return r;
    // Each path's rating, and its share of the A-weighted pink noise sent through over the
    // bands computed.
    const double totale = BandeTrasmissione::EnergiaRumoreRosa(somma, presenti);
    r.percorsi.reserve(percorsi.size());
    for (const PercorsoBande& p : percorsi) {
        const BandeTrasmissione curva =
            p.sorgente->Piu(*p.ricevente).Piu(BandeTrasmissione::Costante(p.costante));
        const std::optional<int> indice =
            MotoreValutazione::Valuta(GrandezzaBande::R, curva.Decibel()).indice;
        r.percorsi.push_back({p.tipo, p.numero, indice ? double(*indice) : NAN,
                              BandeTrasmissione::EnergiaRumoreRosa(curva.tau, presenti) / totale});
    }
    return r;
}
