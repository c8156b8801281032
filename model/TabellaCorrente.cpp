#include "TabellaCorrente.h"

QString TabellaCorrente::percorso(const QString& cartellaDati) const
{
    QString cartella = cartellaCategoria;
    cartella.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return cartellaDati + QStringLiteral("/Databases/Database") + cartella + nomeDatabase +
           QStringLiteral(".mdb");
}
