// zelmar-bench-previsione: the time of a prediction of the airborne sound insulation between two
// rooms with four junctions, in the detailed model (bands) and the simplified one: one
// prediction with every path's rating and share, and 100,000 predictions of one situation with
// the separating element changing each time, as a search of the whole library runs them. Thread
// processor time, so that other work on a shared machine does not count, and wall-clock time.
//
//   zelmar-bench-previsione
#include "Misure.h"
#include "prediction/PrevisioneAerea.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int Separazioni = 100000;
constexpr int Singole = 2000; // predictions per timed batch of single predictions
constexpr int Volte = 21;

// A wall's curve: sound reduction rising with frequency with a coincidence dip, to 0,1 dB, and a
// mass that goes with it.
Elemento Parete(std::mt19937& caso)
{
    std::uniform_real_distribution<double> base(25, 45), pendenza(0.8, 2.0), rumore(-1.5, 1.5),
        massa(80, 450);
    std::uniform_int_distribution<int> buca(6, 16);
    Elemento e;
    const double inizio = base(caso), passo = pendenza(caso);
    const int dip = buca(caso);
    MotoreValutazione::Bande bande;
    for (int i = 0; i < MotoreValutazione::NumeroBande; ++i)
        bande[i] = std::round((inizio + passo * i + rumore(caso) - (i == dip ? 5 : 0)) * 10) / 10;
    e.r.bande = bande;
    e.r.indice = std::round(inizio + 12);
    e.massa = std::round(massa(caso));
    return e;
}

SituazioneAerea QuattroGiunti(Modello modello, std::mt19937& caso)
{
    SituazioneAerea s;
    s.modello = modello;
    s.ss = 10.8;
    s.v = 48.6;
    s.separazione = Parete(caso);
    for (const auto& [lunghezza, tipo] :
         {std::pair{2.7, TipoGiunto::Croce}, std::pair{2.7, TipoGiunto::T}, std::pair{4.0, TipoGiunto::Croce},
          std::pair{4.0, TipoGiunto::Croce}}) {
        Fianco f;
        f.lunghezza = lunghezza;
        f.giunto.tipo = tipo;
        f.sorgente = f.ricevente = Parete(caso);
        f.sorgente.area = f.ricevente.area = lunghezza * 4.5;
        s.fianchi.push_back(f);
    }
    return s;
}

// The processor time and the wall-clock time of each of Volte runs of lavoro, after one untimed run.
void Misura(const char* cosa, double perMillisecondo, const char* unita, const std::function<void()>& lavoro)
{
    Misure filo, orologio;
    for (int volta = -1; volta < Volte; ++volta) {
        const double inizio = MillisecondiDelFilo();
        const Cronometro cronometro;
        lavoro();
        if (volta >= 0) {
            filo.Aggiungi((MillisecondiDelFilo() - inizio) * perMillisecondo);
            orologio.Aggiungi(cronometro.Millisecondi() * perMillisecondo);
        }
    }
    for (const auto& [nome, m] : {std::pair{"processor", &filo}, std::pair{"wall clock", &orologio}})
        std::printf("%s, %s: median %.3f %s  p5 %.3f  p95 %.3f  min %.3f  max %.3f  (%d runs)\n", cosa, nome,
                    m->Mediana(), unita, m->Percentile(5), m->Percentile(95), m->Minimo(), m->Massimo(),
                    Volte);
}

} // namespace

int main()
{
    std::mt19937 caso(1);
    std::vector<Elemento> pareti;
    pareti.reserve(Separazioni);
    for (int i = 0; i < Separazioni; ++i)
        pareti.push_back(Parete(caso));
    long long controllo = 0; // keeps the work from being optimised away
    for (const auto& [nome, modello] :
         {std::pair{"detailed", Modello::Dettagliato}, std::pair{"simplified", Modello::Semplificato}}) {
        const SituazioneAerea situazione = QuattroGiunti(modello, caso);
        Misura((std::string("one ") + nome + " prediction, 4 junctions, every path").c_str(), 1e3 / Singole,
               "us", [&] {
                   const PrevisioneAerea previsione(situazione);
                   for (int i = 0; i < Singole; ++i)
                       controllo += previsione.Calcola(pareti[i]).percorsi.size();
               });
        Misura(
            (std::string("100,000 ") + nome + " predictions, separating element changing").c_str(), 1e-3, "s",
            [&] {
                const PrevisioneAerea previsione(situazione);
                for (const Elemento& parete : pareti)
                    controllo +=
                        previsione.Calcola(parete, PrevisioneAerea::Dettaglio::SoloIndici).indice.value_or(0);
            });
    }
    std::printf("(check %lld)\n", controllo);
    return 0;
}
