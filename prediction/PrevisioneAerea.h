// The airborne sound insulation between two rooms predicted from the elements (EN 12354-1), in
// the simplified model (single numbers) or the detailed one (one-third-octave bands). Built once
// for a situation, it computes it again with any other separating element in place: what does
// not involve the separating element (the flanking elements with their linings, the junctions'
// geometry and minimum Kij) is prepared once, so that a whole library can be tried in turn.
#pragma once

#include "prediction/BandeTrasmissione.h"
#include "prediction/Giunzioni.h"
#include "prediction/RisultatoPrevisione.h"
#include "prediction/Situazione.h"

#include <optional>
#include <vector>

class PrevisioneAerea
{
public:
    enum class Dettaglio
    {
        Completo,   // every path's value and share too
        SoloIndici, // the ratings only: R'w (C; Ctr), DnT,w (C; Ctr) and the bands
    };

    // The situation must hold what its model needs (LetturaSituazione checks it): single
    // numbers, or bands with a value at every band from 100 to 3150 Hz; masses where a junction
    // is rigid; the flanking elements' areas.
    explicit PrevisioneAerea(const SituazioneAerea& situazione);

    RisultatoPrevisione Calcola(Dettaglio dettaglio = Dettaglio::Completo) const;
    // With another separating element in place (its R or Rw, and its mass), the linings kept.
    RisultatoPrevisione Calcola(const Elemento& separazione, Dettaglio dettaglio = Dettaglio::Completo) const;

private:
    // A flanking element with its lining, as its paths take it.
    struct Lato
    {
        BandeTrasmissione meta; // detailed: R/2 + ΔR per band
        double rw = 0;          // simplified: Rw
        std::optional<double> drw;
        double massa = 0;
    };
    struct FiancoPronto
    {
        Lato sorgente, ricevente;
        Giunto giunto;
        double geometria = 0;                   // 10 lg(Ss/(l0 lf)), dB
        double minFf = 0, minFd = 0, minDf = 0; // Kij,min
    };

    static Lato Prepara(const Elemento& elemento, const Curva& rivestimento, Modello modello);
    static Giunzioni::Indici K(const FiancoPronto& fianco, double massaSeparazione);
    RisultatoPrevisione Semplificato(const Elemento& separazione, Dettaglio dettaglio) const;
    RisultatoPrevisione Dettagliato(const Elemento& separazione, Dettaglio dettaglio) const;

    Modello modello_;
    Elemento separazione_;
    double ss_;
    double normalizzazione_;                         // DnT - R', dB
    std::optional<double> drSorgente_, drRicevente_; // simplified: ΔRw of the separating linings
    BandeTrasmissione rivSorgente_, rivRicevente_;   // detailed: their ΔR
    std::vector<FiancoPronto> fianchi_;
};
