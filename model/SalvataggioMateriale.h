// Writes one material entry into a category table of the custom database, column by
// column: the name checks, finding or starting the row, the writes in the order the editor
// has always made them and the commit, all in one write transaction on one connection.
// Knows nothing of windows, so that it can run in any process.
#pragma once

#include "ListaMateriali.h"
#include "RecordMateriale.h"

#include <QDate>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class SalvataggioMateriale
{
public:
    // One column write: the column, the user's text for it, and what names the value in
    // a failure message (a write without one keeps the previous one).
    struct Scrittura
    {
        QString colonna;
        QString testo;
        std::optional<QString> contesto;
        bool banda = false; // a band value: a finite number that single precision holds
    };

    // Told when a column starts and ends being written (a write that fails is never
    // reported as ended): lets a caller act on the file between the writes.
    class Osservatore
    {
    public:
        virtual ~Osservatore() = default;
        virtual void InizioScrittura(const QString& colonna) = 0;
        virtual void FineScrittura(const QString& colonna) = 0;
    };

    struct Richiesta
    {
        QString percorsoDatabase;
        QString tabella;         // empty: the file is opened and closed, nothing is written
        bool modifica = false;   // modify the entry named nomeSelezionato, else a new one
        QString nome;            // the name being saved
        QString nomeSelezionato; // the entry's name before this save (modify only)
        std::vector<Scrittura> scritture;
        // Modify only: the entry as the user was shown it when the editor opened; none when
        // nothing was shown. A row that no longer holds it in every column written is
        // not written over: someone else changed it meanwhile.
        std::optional<RecordMateriale> mostrato;
    };

    // A column another copy changed since the entry was shown: what was shown, what is stored.
    struct Cambiamento
    {
        QString colonna;
        QVariant mostrato, memorizzato;
        bool operator==(const Cambiamento&) const = default;
    };

    struct Esito
    {
        enum Tipo
        {
            Ok,
            NomeVuoto,
            NomeDuplicato,
            NonTrovato,
            Errore,
            ModificatoDaAltri, // the row changed since it was shown: nothing written
        };
        Tipo tipo = Ok;
        QString descrizione; // the engine's description (Errore)
        QString contesto;    // the value being written when it failed (Errore)
        QString colonna;     // the column being written when it failed (Errore), or none
        int numero = 0;      // the engine's error number (Errore)
        // ModificatoDaAltri: the columns written that changed, in the order of the writes.
        std::vector<Cambiamento> cambiate;
        ListaMateriali::Versioni versioni; // the table's, before the save and after it (Ok)
    };

    // Opens the file (exclusive while modifying), checks the name and, in modify mode, that
    // the row still holds what was shown, writes the row and commits it whole, all in one
    // write transaction; on any failure nothing of the row is stored.
    static Esito Salva(const Richiesta& richiesta, Osservatore* osservatore = nullptr);

    // The writes of a kind, in order: the descriptive columns (the site after the test
    // date, for the in-situ kinds), the physical columns, the ratings and the 21 bands.
    // testo gives the user's text for a column; messaggio a catalogue text by number. Empty
    // for kinds without a custom table.
    static std::vector<Scrittura>
    ScrittureCategoria(int codice, const std::function<QString(const QString& colonna)>& testo,
                       const std::function<QString(int)>& messaggio);

    // day/month/year without leading zeros: 5/3/2010.
    static QString TestoDataProva(const QDate& data);
};
