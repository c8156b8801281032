// The check of the stored ratings against the ratings computed from the curves: every entry
// of each table, in stored order, rated by ValutazioneMateriale; what differs is collected
// per table. Tables are checked on worker threads, each with its own connection, and
// handed back in their order.
#pragma once

#include "RecordSchema.h"
#include "TabelleCartellaDati.h"

#include <QVariant>
#include <atomic>
#include <functional>
#include <vector>

class VerificaValutazioni
{
public:
    struct Differenza
    {
        QString nome; // the entry's "Nome"
        RecordSchema::Campo colonna;
        QVariant memorizzato;
        int calcolato;
    };
    struct EsitoTabella
    {
        std::vector<Differenza> diverse; // in stored order
        qint64 voci = 0;                 // entries rated
        QString errore;                  // why the table could not be read (wholly); empty when it was
        bool fileIlleggibile = false;    // the error is the file's: no table of it can be read
        bool annullata = false;          // stopped before its end
    };

    // The header of the differences written as CSV: file, table, name, column, stored and
    // computed value (fixed names, whatever the interface language).
    static QStringList IntestazioneCsv();

    // One table. Stops where it is, with what it found, when annulla turns true.
    static EsitoTabella Verifica(const TabelleCartellaDati::Tabella& tabella,
                                 const std::atomic<bool>& annulla);
    // Every table, on up to fili threads; fatta runs on the calling thread for each table in
    // the list's order, as soon as it and those before it are done. A file that cannot be
    // opened is reported once, with its first table; its other tables are skipped.
    static void VerificaTutte(const std::vector<TabelleCartellaDati::Tabella>& tabelle, int fili,
                              const std::atomic<bool>& annulla,
                              const std::function<void(size_t indice, const EsitoTabella&)>& fatta);
};
