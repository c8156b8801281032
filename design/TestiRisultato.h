// A prediction's result in words, as the design window shows it and its report prints it: the
// ratings, the limit and whether it is met, the class, the paths weakest first. Numbers in
// the locale given (the window's, or the documents' language).
#pragma once

#include "prediction/Requisiti.h"
#include "prediction/RisultatoPrevisione.h"

#include <QCoreApplication>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

class TestiRisultato
{
    Q_DECLARE_TR_FUNCTIONS(TestiRisultato)

public:
    // "R'w (C; Ctr) = 52 (-1; -4) dB", or "L'n,w = 60 dB"; "D2m,nT,w = 41 dB" for a facade.
    static QString Principale(Requisiti::Calcolo calcolo, const RisultatoPrevisione& r,
                              const QLocale& locale);
    // "DnT,w (C; Ctr) = 54 (-1; -4) dB", "L'nT,w = 58 dB", or for a facade its R'w (C; Ctr).
    static QString Secondario(Requisiti::Calcolo calcolo, const RisultatoPrevisione& r,
                              const QLocale& locale);
    // "Limit of category A: R'w ≥ 50 dB - met" ("✓"/"✗" and the words, never a colour alone);
    // empty without a category.
    static QString Requisito(const RisultatoPrevisione& r, char categoria, const QLocale& locale);
    static bool Rispettato(const RisultatoPrevisione& r) { return r.requisito && r.requisito->rispettato; }
    // "UNI 11367 class: II", or below class IV.
    static QString Classe(const RisultatoPrevisione& r);

    struct RigaPercorso
    {
        QString nome;   // "Dd", "Ff1"...
        QString valore; // dB
        QString quota;  // "%"
        double peso = 0;
    };
    // Every path, the one carrying the most energy (the weakest) first.
    static QList<RigaPercorso> Percorsi(const RisultatoPrevisione& r, const QLocale& locale);
    // The editions of the standards the prediction follows.
    static QString Norme();
};
