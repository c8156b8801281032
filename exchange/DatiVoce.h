// One entry as it leaves the main window, for a comparison, a data sheet or a copy: where
// it lies, its texts and physical data, its stored ratings, its band values read from the
// record (a band without a value has none) and the ratings computed from them.
#pragma once

#include "rating/MotoreValutazione.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <optional>

struct DatiVoce
{
    // Where the entry lies: the database file, its table, the kind code of the table.
    QString file;
    QString tabella;
    int codice = 0;
    QString nome;

    QString descrizione; // line breaks as "\n"
    QString note;        // the additional information, line breaks as "\n"
    // Certificate data; the theoretical kinds have none (certificato false).
    bool certificato = false;
    QString numeroCertificato;
    QString dataProva;
    QString ente;
    QString societa;
    std::optional<QString> immagine; // the stored picture file name

    // The kind's physical columns that have a value: column name and value as text.
    QList<QPair<QString, QString>> fisici;
    // The kind's stored rating columns in the order of its rating line, with their values.
    QList<QPair<QString, std::optional<double>>> valutazioni;
    // The rating line as the main window shows it.
    QString rigaValutazione;

    MotoreValutazione::Bande bande{};
    // Computed from the bands; nothing for the linings, which have no computed rating.
    std::optional<Valutazione> calcolata;
    // The stored rating columns whose value differs from the computed one.
    QStringList diverse;

    // Entries are the same when they lie in the same table of the same file and carry the
    // same name.
    bool StessaVoce(const DatiVoce& altra) const
    {
        return file == altra.file && tabella == altra.tabella && nome == altra.nome;
    }
};
