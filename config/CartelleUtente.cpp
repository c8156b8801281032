#include "CartelleUtente.h"

#include "CopiaCartella.h"
#include "config/ZelmarCommonModule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString CartelleUtente::Ini()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/ZELMARtek/Zelmar.ini");
}

QString CartelleUtente::Programma()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/ZELMARtek");
}

QStringList CartelleUtente::SpostaDalPacchettoPrecedente()
{
    QStringList problemi;
    QDir vecchia(Programma());
    // The copies of the program and of its reader, and those an interrupted update left.
    const QStringList copie{QStringLiteral("zelmartek"), QStringLiteral("zelmar-lettore-jet"),
                            QStringLiteral("zelmartek.nuovo.*"),
                            QStringLiteral("zelmar-lettore-jet.nuovo.*")};
    for (const QString& copia : vecchia.entryList(copie, QDir::Files | QDir::System | QDir::Hidden))
        if (!vecchia.remove(copia))
            problemi << tr("%1: the copy of the program an earlier version made cannot be removed")
                            .arg(QDir::toNativeSeparators(vecchia.filePath(copia)));
    const QString ini = vecchia.filePath(QStringLiteral("Zelmar.ini"));
    if (!QFileInfo::exists(ini) || QFileInfo::exists(Ini()))
        return problemi;
    if (const QString problema = CopiaCartella::CreaCartella(QFileInfo(Ini()).absolutePath());
        !problema.isEmpty())
        problemi << problema;
    else if (!QFile::rename(ini, Ini()))
        problemi << tr("%1 cannot be moved to %2")
                        .arg(QDir::toNativeSeparators(ini), QDir::toNativeSeparators(Ini()));
    return problemi;
}

QStringList CartelleUtente::Prepara(const QString& condivisi)
{
    QStringList problemi = SpostaDalPacchettoPrecedente();
    problemi << CopiaCartella::CopiaMancanti(condivisi + QStringLiteral("/Zelmar.ini"), Ini());
    problemi << CopiaCartella::CopiaMancanti(condivisi + QStringLiteral("/immagine"),
                                             Programma() + QStringLiteral("/immagine"));
    return problemi;
}

void CartelleUtente::Usa()
{
    qputenv(ZelmarCommonModule::VariabileCartellaProgramma, QFile::encodeName(Programma()));
    qputenv(ZelmarCommonModule::VariabileIni, QFile::encodeName(Ini()));
    ZelmarCommonModule::AzzeraCache();
}

void CartelleUtente::PerStrumento()
{
    if (!qEnvironmentVariableIsEmpty(ZelmarCommonModule::VariabileCartellaProgramma))
        return;
    const QString costruzione = QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                                                QLatin1String(ZELMAR_DA_STRUMENTI_A_PROGRAMMA));
    if (QFileInfo::exists(costruzione + QStringLiteral("/Zelmar.ini"))) {
        ZelmarCommonModule::SetCartellaProgramma(costruzione);
        return;
    }
    SpostaDalPacchettoPrecedente();
    Usa();
}
