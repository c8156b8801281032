#include "DatabaseCondiviso.h"

#include "Categorie.h"
#include "storage/TabellePreviste.h"
#include "storage/pg/PgConnessione.h"
#include "storage/pg/ServerCondiviso.h"

#include <QCoreApplication>

namespace DatabaseCondiviso {

std::vector<DefinizioneTabella> Tabelle()
{
    std::vector<DefinizioneTabella> tabelle;
    for (const TipoMateriale& tipo : Categorie::Tutte())
        if (tipo.tabellaPersonale)
            tabelle.push_back({QString::fromUtf8(tipo.tabellaPersonale),
                               Categorie::ColonneTabella(tipo.codice), RecordSchema::IsNumerica});
    return tabelle;
}

void Prevedi(const QString& percorso)
{
    TabellePreviste::Prevedi(percorso, Tabelle());
}

QString Collega(const QString& percorso, const QString& conninfo)
{
    Prevedi(percorso);
    const bool password = PgConnessione::HaPassword(conninfo);
    ServerCondiviso::Collega(percorso,
                             {password ? PgConnessione::SenzaPassword(conninfo) : conninfo, Tabelle()});
    if (!password)
        return {};
    return QCoreApplication::translate("DatabaseCondiviso",
                                       "The connection string of the shared database holds a password, which "
                                       "the program does not use "
                                       "from there: keep the password in the file ~/.pgpass (or in "
                                       "PGPASSWORD) and remove it from %1.")
        .arg(QStringLiteral("Zelmar.ini"));
}

} // namespace DatabaseCondiviso
