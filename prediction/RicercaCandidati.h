// "Which constructions pass here?": every library entry whose kind fits the separating slot of
// a situation (airborne: walls, kinds 1 and 8; impact: floors, kinds 4 and 9) put in turn into
// that slot, the rest of the situation kept, and the in-situ result computed. An entry lacking
// what the model needs is skipped (detailed: its mass or a band from 100 to 3150 Hz; simplified:
// its stored rating or mass; impact: its Lnw or mass); there is no mass-law fallback. Ratings
// come from the unrounded band values. Tables are read on worker threads, each with its own
// connection; what is found is handed over in batches as it is found.
#pragma once

#include "model/TabelleCartellaDati.h"
#include "prediction/Situazione.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct Candidato
{
    int tabella = 0; // its table's place in the list searched (the tree's order)
    qint64 riga = 0; // its place in the table, in stored order, from 0
    QString nome;
    double massa = 0;
    // R'w and DnT,w (airborne), or L'n,w and L'nT,w (impact), whole decibels.
    int indice = 0, normalizzato = 0;
    // Against the limit of the situation's building category; nothing without one.
    std::optional<bool> rispettato;
};

class RicercaCandidati
{
public:
    struct EsitoTabella
    {
        qint64 voci = 0;              // entries looked at
        qint64 saltate = 0;           // of them, lacking what the model needs
        QString errore;               // why the table could not be read (wholly); empty when it was
        bool fileIlleggibile = false; // the error is the file's: no table of it can be read
        bool annullata = false;
    };
    // A batch of candidates, and the number of entries looked at since the last batch (skipped
    // ones included), for a progress bar. Called on the worker threads, one call at a time.
    using Consegna = std::function<void(std::vector<Candidato>&& trovati, qint64 esaminate)>;

    // Whether the situation has a separating slot to try entries in: airborne or impact.
    static bool Possibile(const Situazione& situazione);
    // What the list found depends on: the situation with its separating slot emptied. Two
    // situations with the same footprint give the same list.
    static QByteArray Impronta(const Situazione& situazione);
    // The situation must be possible and hold what its model needs (LetturaSituazione checks it).
    explicit RicercaCandidati(const Situazione& situazione);
    ~RicercaCandidati();
    RicercaCandidati(const RicercaCandidati&) = delete;
    RicercaCandidati& operator=(const RicercaCandidati&) = delete;

    // Whether entries of the kind go into the separating slot searched.
    bool Adatta(int codice) const;
    bool Calpestio() const;

    // Every table of the list whose kind fits, on up to fili threads; the other tables are not
    // opened. fatta runs on the calling thread for each table in the list's order, as soon as
    // it and those before it are done. A file that cannot be opened is reported once, with its
    // first table. Stops soon after annulla turns true.
    void Cerca(const std::vector<TabelleCartellaDati::Tabella>& tabelle, int fili,
               const std::atomic<bool>& annulla, const Consegna& trovati,
               const std::function<void(size_t indice, const EsitoTabella&)>& fatta) const;

    // Best first: R'w descending (L'n,w ascending), then the tree's order of the tables, then
    // stored order.
    bool Prima(const Candidato& a, const Candidato& b) const;
    void Ordina(std::vector<Candidato>& candidati) const;

private:
    struct Motore;
    std::unique_ptr<Motore> motore_;
};
