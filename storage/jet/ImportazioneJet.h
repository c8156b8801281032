// Converts the Jet ".mdb" files of a data folder into the program's own engine, so that
// they can be changed: same file name and place, same tables and columns, rows in stored
// order, the "Nome" index. The original is kept beside the new file as a backup; the
// new file takes the original's name only after every value has been read back equal,
// so a failure leaves the folder as it was.
#pragma once

#include <QString>
#include <QVector>
#include <atomic>
#include <functional>

class ImportazioneJet
{
public:
    struct EsitoFile
    {
        enum Stato
        {
            Convertito,
            GiaNelFormato, // already a file of the program's own engine: left alone
            Errore,        // not converted; the file is as it was
            Annullato,     // the import was cancelled before this file was swapped: as it was
        };
        QString percorso;
        Stato stato = Errore;
        QString copia;     // where the original Jet file now lies (Convertito)
        QString dettaglio; // what went wrong (Errore)
        int tabelle = 0;
        qint64 righe = 0;
    };

    struct Rapporto
    {
        QVector<EsitoFile> file;
        int Quanti(EsitoFile::Stato stato) const;
        // One line per file and a closing count, for a message box or a terminal.
        QString Testo() const;
    };

    // Told before each table of each file: the file's position (1-based) among those
    // found, how many were found, the file and the table.
    using Avanzamento =
        std::function<void(int numeroFile, int totaleFile, const QString& percorso, const QString& tabella)>;

    // Every "*.mdb" file below the folder, at any depth, in name order.
    static QStringList FileDaEsaminare(const QString& cartella);
    // Converts every Jet file below the folder (a data folder, or any folder of it). Once
    // annulla is set (from any thread), the file under way and every later one are left
    // as they were, unless the file under way was already swapped.
    static Rapporto ImportaCartella(const QString& cartella, const Avanzamento& avanzamento = {},
                                    const std::atomic_bool* annulla = nullptr);
    // Converts one file; never throws.
    static EsitoFile ImportaFile(const QString& percorso, const Avanzamento& avanzamento = {},
                                 int numeroFile = 1, int totaleFile = 1,
                                 const std::atomic_bool* annulla = nullptr);
    // The name the original gets: "<file>.jet", or "<file>.jet.2", ".3"... when that is taken.
    static QString NomeCopia(const QString& percorso);
};
