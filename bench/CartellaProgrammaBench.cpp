#include "CartellaProgrammaBench.h"

#include "config/ZelmarCommonModule.h"

#include <QFile>

CartellaProgrammaBench::CartellaProgrammaBench(const QString& cartellaDati)
{
    ScriviIni(dir_.path(), cartellaDati);
    ZelmarCommonModule::SetCartellaProgramma(dir_.path());
    ZelmarCommonModule::AzzeraCache();
}

CartellaProgrammaBench::~CartellaProgrammaBench()
{
    ZelmarCommonModule::SetCartellaProgramma(QString());
    ZelmarCommonModule::AzzeraCache();
}

bool CartellaProgrammaBench::ScriviIni(const QString& cartella, const QString& cartellaDati)
{
    QFile ini(cartella + QStringLiteral("/Zelmar.ini"));
    if (!ini.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    ini.write(QStringLiteral("[Configurazione]\r\nLingua=Italiano\r\nCartellaDati=%1\r\n")
                  .arg(cartellaDati)
                  .toUtf8());
    ini.close();
    return ini.error() == QFileDevice::NoError;
}
