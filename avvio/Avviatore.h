// What the installed "zelmartek" command does before the program starts: it readies the
// user's folders (CartelleUtente) and points the program at them, offers to copy the demo data
// into a data folder that does not exist yet, and then runs the installed program in its
// place with the arguments it was given. Whatever goes wrong is shown in a message box.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>

class Avviatore
{
    Q_DECLARE_TR_FUNCTIONS(Avviatore)

public:
    // True when the data folder is missing or empty: the demo data may be copied there.
    static bool DatiMancanti(const QString& cartellaDati);
    // The whole launch; returns only when the program could not be started.
    static int Esegui(int argc, char* argv[]);

private:
    static int Aiuto(int argc, char* argv[]);
    // Offers (or, senzaChiedere, goes on) to copy the demo data into a missing data folder.
    static void OffriDatiDimostrativi(bool senzaChiedere, const std::function<void()>& preparaFinestre);
    static bool ChiediDatiDimostrativi(const QString& cartellaDati);
    // Tells what went wrong on standard error and in a message box.
    static void Avvisa(const QString& testo, const QStringList& problemi,
                       const std::function<void()>& preparaFinestre);
    // Runs the program in place of this process; returns what went wrong when it could not.
    static QString SostituisciConProgramma(const QString& programma, const QStringList& argomenti);
};
