#include "Avviatore.h"

#include "CartellaUtente.h"
#include "CopiaCartella.h"
#include "app/MessageBox.h"
#include "app/Traduzioni.h"
#include "app/ZelmarCommonModule.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
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

QString Avviatore::CartellaProgrammaUtente()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/ZELMARtek");
}

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

void Avviatore::Avvisa(const QString& testo, const QStringList& problemi)
{
    QTextStream(stderr) << testo << '\n' << problemi.join(QLatin1Char('\n')) << '\n';
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
    if (!errori.isEmpty()) {
        preparaFinestre();
        Avvisa(tr("The demo data could not be copied into %1:").arg(QDir::toNativeSeparators(dati)), errori);
    }
}

int Avviatore::SostituisciConProgramma(const QString& programma, const QStringList& argomenti)
{
    std::vector<QByteArray> testi{QFile::encodeName(programma)};
    for (const QString& argomento : argomenti)
        testi.push_back(argomento.toLocal8Bit());
    std::vector<char*> puntatori;
    for (QByteArray& testo : testi)
        puntatori.push_back(testo.data());
    puntatori.push_back(nullptr);
    execv(puntatori.front(), puntatori.data());
    QTextStream(stderr) << "zelmartek: " << programma << ": " << std::strerror(errno) << '\n';
    return 127;
}

int Avviatore::Esegui(int argc, char* argv[])
{
    QStringList argomenti;
    for (int i = 1; i < argc; ++i)
        argomenti << QString::fromLocal8Bit(argv[i]);
    const bool datiSenzaChiedere = argomenti.removeAll(OpzioneDatiDimostrativi) > 0;
    if (argomenti.contains(QStringLiteral("--help"))) {
        QTextStream(stdout)
            << "Usage: zelmartek [--dati-dimostrativi]\n"
               "Starts ZELMARtek from the user's program folder "
            << CartellaProgrammaUtente()
            << ".\n  --dati-dimostrativi  copy the demo data into a missing data folder without asking\n";
        return 0;
    }
    // Message boxes need an application: one is made only when a box is to be shown, with the
    // texts in the configured language, and is gone before the program replaces this process.
    std::unique_ptr<QApplication> applicazione;
    const auto preparaFinestre = [&applicazione, &argc, argv] {
        if (applicazione)
            return;
        applicazione = std::make_unique<QApplication>(argc, argv);
        Traduzioni::Installa(ZelmarCommonModule::GetLingua());
    };
    const QString cartella = CartellaProgrammaUtente();
    const QStringList problemi =
        CartellaUtente::Aggiorna(CartellaInstallata(ZELMAR_DA_COMANDO_A_PROGRAMMI),
                                 CartellaInstallata(ZELMAR_DA_COMANDO_A_CONDIVISI), cartella);
    ZelmarCommonModule::SetCartellaProgramma(cartella);
    if (!problemi.isEmpty()) {
        preparaFinestre();
        Avvisa(tr("The program folder %1 could not be brought up to date:")
                   .arg(QDir::toNativeSeparators(cartella)),
               problemi);
    }
    OffriDatiDimostrativi(datiSenzaChiedere, preparaFinestre);
    applicazione.reset();
    return SostituisciConProgramma(cartella + QStringLiteral("/zelmartek"), argomenti);
}
