// A design project's report on paper or in a PDF file, one or two A4 pages: the situation,
// the elements with the entries they came from, the result against the limit and the class,
// the paths, the chart, the date and the standards' editions; in the interface language,
// numbers in its form.
#pragma once

#include "prediction/FonteVoce.h"
#include "prediction/RisultatoPrevisione.h"
#include "prediction/Situazione.h"

#include <QCoreApplication>
#include <QList>
#include <optional>

class QPagedPaintDevice;

class RapportoProgetto
{
    Q_DECLARE_TR_FUNCTIONS(RapportoProgetto)

public:
    struct Elemento
    {
        QString posto;      // "fianchi[1].F"
        QString didascalia; // the slot's caption
        QString valori;     // "Rw 52 dB, m' 230 kg/m², bands"
        std::optional<FonteVoce> fonte;
    };
    struct Contenuto
    {
        QString file; // the project's file name; empty when not saved
        Situazione situazione;
        RisultatoPrevisione risultato;
        QList<Elemento> elementi;
    };

    // The pages laid out by a text document (which reports no failure: the caller checks
    // its file or printer).
    static bool Stampa(QPagedPaintDevice& pagine, const Contenuto& contenuto);
    // The report as HTML, the chart referred to as "grafico.png".
    static QString Html(const Contenuto& contenuto);
};
