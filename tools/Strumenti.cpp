#include "Strumenti.h"

#include "NomiNonUtf8.h"
#include "config/CartelleUtente.h"
#include "config/Traduzioni.h"
#include "config/ZelmarCommonModule.h"
#include "exchange/ScritturaCsv.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace Strumenti {

namespace {
// The texts' context.
struct Testi
{
    Q_DECLARE_TR_FUNCTIONS(Strumenti)
};
QString Nome()
{
    return QCoreApplication::applicationName();
}
} // namespace

void Prepara(const QString& nome)
{
    QCoreApplication::setApplicationName(nome);
    CartelleUtente::PerStrumento();
    Traduzioni::Installa(ZelmarCommonModule::GetLingua());
}

int ErroreDUso(const QString& messaggio, const QString& sintassi)
{
    Scrivi(stderr, Nome() + QStringLiteral(": ") + messaggio + QLatin1Char('\n') + sintassi +
                       Testi::tr("(--help for details)\n"));
    return UsoErrato;
}

QString RifiutoCartellaDati(const QString& cartella)
{
    if (cartella.isNull())
        return Testi::tr("the data folder is missing");
    if (!QFileInfo(cartella).isDir())
        return Testi::tr("the data folder \u00ab%1\u00bb does not exist").arg(cartella);
    if (!QFileInfo(cartella + QStringLiteral("/Databases/Database")).isDir())
        return Testi::tr("\u00ab%1\u00bb is not a data folder: it has no Databases/Database folder")
            .arg(cartella);
    return {};
}

void IniziaCsv(const QStringList& intestazione)
{
    QStringList campi;
    for (const QString& campo : intestazione)
        campi << ScritturaCsv::Testo(campo);
    std::fwrite(ScritturaCsv::Inizio().constData(), 1, size_t(ScritturaCsv::Inizio().size()), stdout);
    Scrivi(stdout, ScritturaCsv::Riga(campi));
}

void TabellaIlleggibile(const TabelleCartellaDati::Tabella& tabella, const QString& errore,
                        bool fileIlleggibile)
{
    Scrivi(stderr, fileIlleggibile
                       ? Testi::tr("%1: %2 could not be read: %3\n").arg(Nome(), tabella.relativo, errore)
                       : Testi::tr("%1: %2, table %3, could not be read: %4\n")
                             .arg(Nome(), tabella.relativo, tabella.tabella, errore));
}

int Concludi(const QString& cartellaDati, bool illeggibili)
{
    for (const QString& file : NomiNonUtf8::FileDatabase(cartellaDati)) {
        illeggibili = true;
        Scrivi(stderr, Testi::tr("%1: %2 could not be read: its name is not UTF-8 (rename the file)\n")
                           .arg(Nome(), file));
    }
    std::fflush(stdout);
    return illeggibili ? Fallito : Riuscito;
}

} // namespace Strumenti
