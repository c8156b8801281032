#include "DatabaseCondiviso.h"

#include "Categorie.h"
#include "storage/PgConnessione.h"
#include "storage/ServerCondiviso.h"

#include <QCoreApplication>
#include <libpq-fe.h>

namespace DatabaseCondiviso {

namespace {

// The string without its password (libpq writes it back in its own form).
QString SenzaPassword(const QString& conninfo)
{
    char* errore = nullptr;
    PQconninfoOption* opzioni = PQconninfoParse(conninfo.toUtf8().constData(), &errore);
    PQfreemem(errore);
    QStringList parti;
    for (PQconninfoOption* o = opzioni; o && o->keyword; ++o) {
        if (!o->val || qstrcmp(o->keyword, "password") == 0)
            continue;
        QString valore = QString::fromUtf8(o->val);
        valore.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
            .replace(QLatin1Char('\''), QLatin1String("\\'"));
        parti << QStringLiteral("%1='%2'").arg(QString::fromUtf8(o->keyword), valore);
    }
    PQconninfoFree(opzioni);
    return parti.join(QLatin1Char(' '));
}

} // namespace

std::vector<DefinizioneTabella> Tabelle()
{
    std::vector<DefinizioneTabella> tabelle;
    for (const TipoMateriale& tipo : Categorie::Tutte())
        if (tipo.tabellaPersonale)
            tabelle.push_back({QString::fromUtf8(tipo.tabellaPersonale),
                               Categorie::ColonneTabella(tipo.codice), RecordSchema::IsNumerica});
    return tabelle;
}

QString Collega(const QString& percorso, const QString& conninfo)
{
    const bool password = PgConnessione::HaPassword(conninfo);
    ServerCondiviso::Collega(percorso, {password ? SenzaPassword(conninfo) : conninfo, Tabelle()});
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
