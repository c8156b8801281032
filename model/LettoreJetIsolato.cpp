#include "LettoreJetIsolato.h"

#include "DbException.h"
#include "LetturaJet.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QProcess>
#include <QProcessEnvironment>
#include <cstdio>
#include <list>
#include <optional>
#include <sys/resource.h>

#if defined(__SANITIZE_ADDRESS__)
#define ZELMAR_READER_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZELMAR_READER_UNDER_ASAN 1
#endif
#endif

namespace LettoreJetIsolato {

namespace {

const QString NomeLettore = QStringLiteral("zelmar-lettore-jet");
constexpr int FileRicordati = 4;
constexpr rlim_t MemoriaLettore = rlim_t(2) << 30;
// A reading is tables of values from the file: it may be larger than the file (texts
// widen to UTF-16), never by this much.
constexpr qint64 UscitaMassimaFissa = qint64(64) << 20;
constexpr qint64 UscitaMassimaPerByte = 16;

struct Ricordato
{
    QByteArray chiave;
    std::shared_ptr<const FileJetLetto> letto;
};

struct Stato
{
    QMutex mutex;
    std::optional<QString> programma;
    int tempoMassimo = 30000;
    std::list<Ricordato> ricordati; // most recent first
};

Stato& Condiviso()
{
    static Stato stato;
    return stato;
}

std::shared_ptr<const FileJetLetto> Errore(const QString& percorso, const QString& motivo)
{
    auto file = std::make_shared<FileJetLetto>();
    file->codiceErrore = DbErrore::FormatoNonRiconosciuto;
    file->errore =
        QStringLiteral("Il file «%1» è un database Jet danneggiato o incompleto (%2).").arg(percorso, motivo);
    return file;
}

QProcessEnvironment AmbienteLettore()
{
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
#ifdef ZELMAR_READER_UNDER_ASAN
    // The address sanitizer reserves more address space than any limit would allow: it
    // keeps the reader's memory within bounds itself. Its reports go nowhere.
    QString opzioni = ambiente.value(QStringLiteral("ASAN_OPTIONS"));
    if (!opzioni.isEmpty())
        opzioni += QLatin1Char(':');
    ambiente.insert(QStringLiteral("ASAN_OPTIONS"),
                    opzioni + QStringLiteral("hard_rss_limit_mb=2048:detect_leaks=0"));
#endif
    return ambiente;
}

// Runs in the reader process between fork and exec: only async-signal-safe calls.
void LimitaLettore()
{
    rlimit nessunCore{0, 0};
    setrlimit(RLIMIT_CORE, &nessunCore);
#ifndef ZELMAR_READER_UNDER_ASAN
    rlimit memoria{MemoriaLettore, MemoriaLettore};
    setrlimit(RLIMIT_AS, &memoria);
#endif
}

struct Lettura
{
    std::shared_ptr<const FileJetLetto> letto;
    bool daRicordare = true; // false when the clock stopped it: it may be slow only this time
};

// Empty when the reader could not be started at all.
std::optional<Lettura> LeggiNelLettore(const QString& programma, const QString& percorso,
                                       const QByteArray& contenuto, int tempoMassimo)
{
    QProcess lettore;
    lettore.setProcessEnvironment(AmbienteLettore());
    lettore.setChildProcessModifier(LimitaLettore);
    lettore.setStandardErrorFile(QProcess::nullDevice());
    lettore.start(programma, {percorso});
    if (!lettore.waitForStarted())
        return std::nullopt;
    lettore.write(contenuto);
    lettore.closeWriteChannel();

    const qint64 uscitaMassima = UscitaMassimaFissa + UscitaMassimaPerByte * contenuto.size();
    const QDeadlineTimer scadenza(tempoMassimo);
    QByteArray uscita;
    while (lettore.state() != QProcess::NotRunning) {
        if (scadenza.hasExpired() || uscita.size() > uscitaMassima) {
            lettore.kill();
            lettore.waitForFinished();
            if (scadenza.hasExpired())
                return Lettura{Errore(percorso, QStringLiteral("la lettura non termina")), false};
            return Lettura{Errore(percorso, QStringLiteral("la lettura non ha fine"))};
        }
        lettore.waitForReadyRead(static_cast<int>(std::min<qint64>(scadenza.remainingTime(), 200)));
        uscita += lettore.readAllStandardOutput();
    }
    uscita += lettore.readAllStandardOutput();
    auto letto = FileJetLetto::Decodifica(uscita);
    if (lettore.exitStatus() != QProcess::NormalExit || lettore.exitCode() != 0 || !letto)
        return Lettura{Errore(percorso, QStringLiteral("la lettura si è interrotta"))};
    return Lettura{std::make_shared<const FileJetLetto>(std::move(*letto))};
}

QByteArray Chiave(const QString& percorso, const QByteArray& contenuto)
{
    return percorso.toUtf8() + '\0' + QCryptographicHash::hash(contenuto, QCryptographicHash::Sha1);
}

} // namespace

QString ProgrammaPredefinito()
{
    if (QCoreApplication::instance()) {
        const QString accanto = QCoreApplication::applicationDirPath() + QLatin1Char('/') + NomeLettore;
        if (QFileInfo(accanto).isExecutable())
            return accanto;
    }
#ifdef ZELMAR_LETTORE_JET_COMPILATO
    // Tests, tools and benchmarks run from the build tree, away from the program folder.
    const QString compilato = QStringLiteral(ZELMAR_LETTORE_JET_COMPILATO);
    if (QFileInfo(compilato).isExecutable())
        return compilato;
#endif
    return QString();
}

void ImpostaProgramma(const QString& programma)
{
    Stato& stato = Condiviso();
    QMutexLocker blocco(&stato.mutex);
    stato.programma = programma;
    stato.ricordati.clear();
}

void ImpostaTempoMassimo(int millisecondi)
{
    Stato& stato = Condiviso();
    QMutexLocker blocco(&stato.mutex);
    stato.tempoMassimo = millisecondi;
}

std::shared_ptr<const FileJetLetto> Leggi(const QString& percorso, const QByteArray& contenuto)
{
    Stato& stato = Condiviso();
    const QByteArray chiave = Chiave(percorso, contenuto);
    QMutexLocker blocco(&stato.mutex);
    for (auto it = stato.ricordati.begin(); it != stato.ricordati.end(); ++it)
        if (it->chiave == chiave) {
            stato.ricordati.splice(stato.ricordati.begin(), stato.ricordati, it);
            return stato.ricordati.front().letto;
        }
    if (!stato.programma)
        stato.programma = ProgrammaPredefinito();
    std::optional<Lettura> lettura;
    if (!stato.programma->isEmpty())
        lettura = LeggiNelLettore(*stato.programma, percorso, contenuto, stato.tempoMassimo);
    if (!lettura)
        lettura = Lettura{std::make_shared<const FileJetLetto>(LetturaJet::Leggi(contenuto, percorso))};
    if (lettura->daRicordare) {
        stato.ricordati.push_front({chiave, lettura->letto});
        if (stato.ricordati.size() > FileRicordati)
            stato.ricordati.pop_back();
    }
    return lettura->letto;
}

int Servi(const QString& percorso)
{
    QFile ingresso;
    if (!ingresso.open(stdin, QIODevice::ReadOnly))
        return 2;
    const QByteArray contenuto = ingresso.readAll();
    const QByteArray uscita = LetturaJet::Leggi(contenuto, percorso).Codifica();
    QFile standard;
    if (!standard.open(stdout, QIODevice::WriteOnly) || standard.write(uscita) != uscita.size())
        return 3;
    standard.flush();
    return 0;
}

} // namespace LettoreJetIsolato
