#include "TabellaCorrente.h"

#include "Categorie.h"

const TipoMateriale* TabellaCorrente::tipo() const
{
    return Categorie::PerCodice(categoria);
}

QString TabellaCorrente::percorso(const QString& cartellaDati) const
{
    QString cartella = cartellaCategoria;
    cartella.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return cartellaDati + QStringLiteral("/Databases/Database") + cartella + nomeDatabase +
           QStringLiteral(".mdb");
}
