// What the installed "zelmartek" command does before the program starts: it keeps the user's
// own program folder up to date (CartellaUtente), offers to copy the demo data into a data
// folder that does not exist yet, and then runs the program from the user's folder with the
// arguments it was given.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>

class Avviatore
{
    Q_DECLARE_TR_FUNCTIONS(Avviatore)

public:
    // The user's program folder: the user's data folder (XDG) + "/ZELMARtek".
    static QString CartellaProgrammaUtente();
    // True when the data folder is missing or empty: the demo data may be copied there.
    static bool DatiMancanti(const QString& cartellaDati);
    // The whole launch; returns only when the program could not be started.
    static int Esegui(int argc, char* argv[]);

private:
    // Offers (or, senzaChiedere, goes on) to copy the demo data into a missing data folder.
    static void OffriDatiDimostrativi(bool senzaChiedere, const std::function<void()>& preparaFinestre);
    static bool ChiediDatiDimostrativi(const QString& cartellaDati);
    static void Avvisa(const QString& testo, const QStringList& problemi);
    // Runs the program in place of this process; returns only when it could not be started.
    static int SostituisciConProgramma(const QString& programma, const QStringList& argomenti);
};
