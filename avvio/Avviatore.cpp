#include "Avviatore.h"

#include "app/MessageBox.h"
#include "config/CartelleUtente.h"
#include "config/CopiaCartella.h"
#include "config/Traduzioni.h"
#include "config/ZelmarCommonModule.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

const QString OpzioneDatiDimostrativi = QStringLiteral("--dati-dimostrativi");

// The installed folders, found from where this command lies, so that an installation
// unpacked anywhere works as one in /usr.
QString CartellaInstallata(const char* relativa)
{
    const QString comando = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return QDir::cleanPath(QFileInfo(comando).absolutePath() + QLatin1Char('/') + QLatin1String(relativa));
}

} // namespace

bool Avviatore::DatiMancanti(const QString& cartellaDati)
{
    const QDir cartella(cartellaDati);
    return !cartella.exists() || cartella.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

bool Avviatore::ChiediDatiDimostrativi(const QString& cartellaDati)
{
    const QString testo =
        tr("The data folder %1 does not exist or is empty.\n\n"
           "Copy the demo data (a few entries of every kind, and the interface texts) into it?")
            .arg(QDir::toNativeSeparators(cartellaDati));
    return MessageBox::show(nullptr, testo, MessageBox::Question, MessageBox::YesNo, MessageBox::Yes) ==
           MessageBox::Yes;
}

void Avviatore::Avvisa(const QString& testo, const QStringList& problemi,
                       const std::function<void()>& preparaFinestre)
{
    // First on standard error, which is all there is when no window can be shown.
    QTextStream(stderr) << testo << '\n' << problemi.join(QLatin1Char('\n')) << Qt::endl;
    preparaFinestre();
    MessageBox::show(nullptr, testo + QStringLiteral("\n\n") + problemi.join(QLatin1Char('\n')),
                     MessageBox::Exclamation);
}

void Avviatore::OffriDatiDimostrativi(bool senzaChiedere, const std::function<void()>& preparaFinestre)
{
    const QString dati = ZelmarCommonModule::GetCartellaDati();
    if (!DatiMancanti(dati))
        return;
    if (!senzaChiedere) {
        preparaFinestre();
        if (!ChiediDatiDimostrativi(dati))
            return;
    }
    const QStringList errori = CopiaCartella::CopiaMancanti(
        CartellaInstallata(ZELMAR_DA_COMANDO_A_CONDIVISI) + QStringLiteral("/demo/ZELMARtek"), dati);
    if (!errori.isEmpty())
        Avvisa(tr("The demo data could not be copied into %1:").arg(QDir::toNativeSeparators(dati)), errori,
               preparaFinestre);
}

QString Avviatore::SostituisciConProgramma(const QString& programma, const QStringList& argomenti)
{
    std::vector<QByteArray> testi{QFile::encodeName(programma)};
    for (const QString& argomento : argomenti)
        testi.push_back(argomento.toLocal8Bit());
    std::vector<char*> puntatori;
    for (QByteArray& testo : testi)
        puntatori.push_back(testo.data());
    puntatori.push_back(nullptr);
    execv(puntatori.front(), puntatori.data());
    return QString::fromLocal8Bit(std::strerror(errno));
}

int Avviatore::Aiuto(int argc, char* argv[])
{
    QCoreApplication applicazione(argc, argv);
    CartelleUtente::Usa();
    Traduzioni::Installa(ZelmarCommonModule::GetLingua());
    QTextStream(stdout) << tr("Usage: zelmartek [--dati-dimostrativi] [--esci-dopo-avvio]\n"
                              "Starts ZELMARtek with the settings of %1 and the pictures of %2.\n"
                              "  --dati-dimostrativi  copy the demo data into a missing data folder without "
                              "asking\n"
                              "  --esci-dopo-avvio    end as soon as the main window shows its first entry "
                              "(exit status 0), or 1 when it shows none\n"
                              "  --help               print this help\n")
                               .arg(CartelleUtente::Ini(),
                                    CartelleUtente::Programma() + QStringLiteral("/immagine"));
    return 0;
}

int Avviatore::Esegui(int argc, char* argv[])
{
    QStringList argomenti;
    for (int i = 1; i < argc; ++i)
        argomenti << QString::fromLocal8Bit(argv[i]);
    if (argomenti.contains(QStringLiteral("--help")))
        return Aiuto(argc, argv);
    const bool datiSenzaChiedere = argomenti.removeAll(OpzioneDatiDimostrativi) > 0;
    // Message boxes need an application: one is made only when a box is to be shown, with the
    // texts in the configured language, and is gone before the program replaces this process.
    std::unique_ptr<QApplication> applicazione;
    const auto preparaFinestre = [&applicazione, &argc, argv] {
        if (applicazione)
            return;
        applicazione = std::make_unique<QApplication>(argc, argv);
        Traduzioni::Installa(ZelmarCommonModule::GetLingua());
    };
    const QStringList problemi = CartelleUtente::Prepara(CartellaInstallata(ZELMAR_DA_COMANDO_A_CONDIVISI));
    CartelleUtente::Usa();
    if (!problemi.isEmpty())
        Avvisa(tr("Your folders for ZELMARtek could not be readied:"), problemi, preparaFinestre);
    OffriDatiDimostrativi(datiSenzaChiedere, preparaFinestre);
    applicazione.reset();
    const QString programma =
        CartellaInstallata(ZELMAR_DA_COMANDO_A_PROGRAMMI) + QStringLiteral("/zelmartek");
    const QString errore = SostituisciConProgramma(programma, argomenti);
    Avvisa(tr("ZELMARtek could not be started:"),
           {QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(programma), errore)}, preparaFinestre);
    return 127;
}
