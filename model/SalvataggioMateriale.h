// Writes one material entry into a category table of the custom database: the name
// checks, finding or starting the row, the column writes in the editor's order and the
// commit. Knows nothing of windows, so that it can run in any process.
#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class SalvataggioMateriale
{
public:
    // One column write. The marker names the caption the user sees for the value
    // ("Label1(6)", "Text1(21)"; empty for none); the context names the value in an
    // error message, and a write without context keeps the previous one.
    struct Scrittura
    {
        QString colonna;
        QString testo;
        std::optional<QString> contesto;
        QString marcatore;
    };

    // Told when a marked value starts and ends being written; a write that fails is
    // never reported as ended, so its caption keeps the mark.
    class Osservatore
    {
    public:
        virtual ~Osservatore() = default;
        virtual void InizioScrittura(const QString& marcatore) = 0;
        virtual void FineScrittura(const QString& marcatore) = 0;
    };

    struct Richiesta
    {
        QString percorsoDatabase;
        QString tabella;         // empty: the file is opened and closed, nothing is written
        bool modifica = false;   // modify the entry named nomeSelezionato, else a new one
        QString nome;            // the name being saved
        QString nomeSelezionato; // the entry's name before this save (modify only)
        std::vector<Scrittura> scritture;
    };

    struct Esito
    {
        enum Tipo
        {
            Ok,
            NomeVuoto,
            NomeDuplicato,
            NonTrovato,
            Errore
        };
        Tipo tipo = Ok;
        QString descrizione; // the engine's description (Errore)
        QString contesto;    // the value being written when it failed (Errore)
        int numero = 0;      // the engine's error number (Errore)
    };

    // Opens the file (exclusive while modifying), checks the name, writes the row and
    // commits it whole; on any failure nothing of the row is stored.
    static Esito Salva(const Richiesta& richiesta, Osservatore* osservatore = nullptr);

    // The writes of a category, in order: descriptive columns (and the site for the in-situ
    // kinds), physical columns, the three ratings and the 21 bands. testoCasella gives the
    // text of an editor box by name ("Text15", "Combo1", "MonthView1" for the date text,
    // "Text2(21)"); messaggio gives a catalogue text by number. Empty for codes that have
    // no custom table.
    static std::vector<Scrittura>
    ScrittureCategoria(int codice, const std::function<QString(const QString&)>& testoCasella,
                       const std::function<QString(int)>& messaggio);

    // day/month/year without leading zeros: 5/3/2010.
    static QString TestoDataProva(const QDate& data);
};
