// zelmar-bench-candidati: "which constructions pass here?" on a large data folder, as the design
// window and zelmar-prevedi --candidati run it: every wall of every database (read from the
// files) put in turn into the separating slot of a four-junction airborne situation, detailed
// model (bands) and simplified one, on both cores. Wall-clock time until the first rows are
// handed over and until the whole list is sorted, 7 runs after one untimed run, with the
// process's processor time for the whole search.
//
//   zelmar-bench-candidati <data folder>
#include "Misure.h"
#include "prediction/RicercaCandidati.h"

#include <QCoreApplication>
#include <QThread>
#include <cmath>
#include <cstdio>

namespace {

constexpr int Volte = 7;

// A believable wall: sound reduction rising with frequency with a coincidence dip.
Elemento Parete(double inizio, double massa, int buca)
{
    Elemento e;
    MotoreValutazione::Bande bande;
    for (int i = 0; i < MotoreValutazione::NumeroBande; ++i)
        bande[i] = std::round((inizio + 1.4 * i - (i == buca ? 5 : 0)) * 10) / 10;
    e.r.bande = bande;
    e.r.indice = std::round(inizio + 12);
    e.massa = massa;
    return e;
}

// Two cross junctions and a T junction of rigid walls, and one more cross junction; category A.
Situazione QuattroGiunti(Modello modello)
{
    SituazioneAerea s;
    s.modello = modello;
    s.ss = 10.8;
    s.v = 48.6;
    s.separazione = Parete(35, 300, 10);
    const std::pair<double, TipoGiunto> giunti[] = {
        {2.7, TipoGiunto::Croce}, {2.7, TipoGiunto::T}, {4.0, TipoGiunto::Croce}, {4.0, TipoGiunto::Croce}};
    int n = 0;
    for (const auto& [lunghezza, tipo] : giunti) {
        Fianco f;
        f.lunghezza = lunghezza;
        f.giunto.tipo = tipo;
        f.sorgente = f.ricevente = Parete(30 + 3 * n, 150 + 60 * n, 8 + n);
        f.sorgente.area = f.ricevente.area = lunghezza * 4.5;
        s.fianchi.push_back(f);
        ++n;
    }
    Situazione situazione;
    situazione.calcolo = s;
    situazione.categoria = 'A';
    return situazione;
}

void Stampa(const char* cosa, const Misure& m)
{
    std::printf("%s: %s\n", cosa, qPrintable(m.Riga()));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication applicazione(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Usage: zelmar-bench-candidati <data folder>\n");
        return 2;
    }
    const std::vector<TabelleCartellaDati::Tabella> tabelle =
        TabelleCartellaDati::Elenca(QString::fromLocal8Bit(argv[1]));
    const int fili = std::max(2, QThread::idealThreadCount());
    for (const auto& [nome, modello] :
         {std::pair{"detailed", Modello::Dettagliato}, std::pair{"simplified", Modello::Semplificato}}) {
        const RicercaCandidati ricerca(QuattroGiunti(modello));
        Misure primi, tutti, processore;
        qint64 elencati = 0, saltati = 0;
        for (int volta = -1; volta < Volte; ++volta) {
            const double processoreInizio = MillisecondiProcessore();
            const Cronometro cronometro;
            double primo = -1;
            std::vector<Candidato> candidati;
            saltati = 0;
            const std::atomic<bool> maiAnnullata{false};
            ricerca.Cerca(
                tabelle, fili, maiAnnullata,
                [&](std::vector<Candidato>&& trovati, qint64) {
                    if (primo < 0 && !trovati.empty())
                        primo = cronometro.Millisecondi();
                    candidati.insert(candidati.end(), trovati.begin(), trovati.end());
                },
                [&](size_t, const RicercaCandidati::EsitoTabella& e) { saltati += e.saltate; });
            ricerca.Ordina(candidati);
            if (volta >= 0) {
                primi.Aggiungi(primo);
                tutti.Aggiungi(cronometro.Millisecondi());
                processore.Aggiungi(MillisecondiProcessore() - processoreInizio);
            }
            elencati = qint64(candidati.size());
        }
        std::printf("%s model, 4 junctions, %lld walls listed, %lld skipped, %d threads\n", nome, elencati,
                    saltati, fili);
        Stampa("  first rows, wall clock", primi);
        Stampa("  whole list sorted, wall clock", tutti);
        Stampa("  whole list, processor time of both threads", processore);
    }
    return 0;
}
