// The program's own settings for newer commands (which chart layers are shown, ...), kept
// for each user in the user's configuration folder; never in Zelmar.ini, which the program
// only reads.
#pragma once

#include <QString>
#include <QVariant>

class ImpostazioniUtente
{
public:
    static QVariant Leggi(const QString& chiave, const QVariant& predefinito = {});
    static void Scrivi(const QString& chiave, const QVariant& valore);
};
