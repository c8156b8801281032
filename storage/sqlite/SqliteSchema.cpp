#include "SqliteSchema.h"

namespace SqliteSchema {

QString QuotaIdentificatore(const QString& nome)
{
    QString q = nome;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

QString CreaTabella(const QString& tabella, const QStringList& colonne,
                    const std::function<bool(const QString&)>& isNumerica)
{
    QStringList definizioni;
    for (const QString& c : colonne)
        definizioni << QuotaIdentificatore(c) +
                           (isNumerica(c) ? QStringLiteral(" REAL") : QStringLiteral(" TEXT"));
    return QStringLiteral("CREATE TABLE %1 (%2)")
        .arg(QuotaIdentificatore(tabella), definizioni.join(QStringLiteral(", ")));
}

QString CreaIndiceNome(const QString& tabella)
{
    return QStringLiteral("CREATE INDEX %1 ON %2 (\"Nome\")")
        .arg(QuotaIdentificatore(tabella + QStringLiteral(".Nome")), QuotaIdentificatore(tabella));
}

QString Maiuscolo(const QString& colonnaQuotata)
{
    return QStringLiteral("zelmar_maiuscolo(%1)").arg(colonnaQuotata);
}

QString NomeIndiceMaiuscolo(const QString& tabella, const QString& colonna)
{
    return tabella + QLatin1Char('.') + colonna + QStringLiteral(" maiuscolo");
}

QString CreaIndiceMaiuscolo(const QString& tabella, const QString& colonna)
{
    return QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
        .arg(QuotaIdentificatore(NomeIndiceMaiuscolo(tabella, colonna)), QuotaIdentificatore(tabella),
             Maiuscolo(QuotaIdentificatore(colonna)));
}

} // namespace SqliteSchema
