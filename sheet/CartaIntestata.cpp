#include "CartaIntestata.h"

#include "config/ImpostazioniUtente.h"

namespace {
const QString kLogo = QStringLiteral("scheda/logo");
const QString kLaboratorio = QStringLiteral("scheda/laboratorio");
} // namespace

QString CartaIntestata::FileLogo()
{
    return ImpostazioniUtente::Leggi(kLogo).toString();
}

QString CartaIntestata::Laboratorio()
{
    return ImpostazioniUtente::Leggi(kLaboratorio).toString();
}

void CartaIntestata::Imposta(const QString& fileLogo, const QString& laboratorio)
{
    ImpostazioniUtente::Scrivi(kLogo, fileLogo.trimmed());
    ImpostazioniUtente::Scrivi(kLaboratorio, laboratorio.trimmed());
}

CartaIntestata CartaIntestata::DalleImpostazioni()
{
    CartaIntestata carta;
    if (const QString file = FileLogo(); !file.isEmpty())
        carta.logo.load(file);
    carta.laboratorio = Laboratorio();
    return carta;
}
