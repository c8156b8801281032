#include "LettoreJetIsolato.h"

#include "ConversioniRicordate.h"
#include "LetturaJet.h"
#include "storage/DbException.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QProcess>
#include <QProcessEnvironment>
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

using Conversione = ConversioniRicordate::Conversione;

const QString NomeLettore = QStringLiteral("zelmar-lettore-jet");
constexpr rlim_t MemoriaLettore = rlim_t(2) << 30;
// A conversion may be larger than the file (indexes, texts of Jet 3 files widened to
// UTF-8), never by this much.
constexpr qint64 UscitaMassimaFissa = qint64(64) << 20;
constexpr qint64 UscitaMassimaPerByte = 16;
// The conversions kept in memory, all together.
constexpr qint64 MemoriaConversioni = qint64(256) << 20;

struct Stato
{
    QMutex mutex;
    std::optional<QString> programma;
    int tempoMassimo = 30000;
    ConversioniRicordate ricordate{MemoriaConversioni};
};

Stato& Condiviso()
{
    static Stato stato;
    return stato;
}

Conversione Danneggiato(const QString& percorso, const QString& motivo)
{
    return {nullptr, DbErrore::FormatoNonRiconosciuto,
            QStringLiteral("Il file «%1» è un database Jet danneggiato o incompleto (%2).")
                .arg(percorso, motivo)};
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
    Conversione conversione;
    bool daRicordare = true; // false when it may go otherwise next time: a stall, a reader missing
};

Lettura NonAvviato(const QString& percorso, const QString& motivo)
{
    return {{nullptr, DbErrore::Generico,
             QStringLiteral("Impossibile leggere il file Access «%1»: %2.").arg(percorso, motivo)},
            false};
}

// What the reader wrote: the image, or an error number and description on two lines.
Conversione Risposta(const QString& percorso, int stato, const QByteArray& uscita)
{
    if (stato == 0 && uscita.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return {std::make_shared<const QByteArray>(uscita), 0, QString()};
    const qsizetype aCapo = uscita.indexOf('\n');
    bool numero = false;
    const int codice = aCapo > 0 ? uscita.left(aCapo).toInt(&numero) : 0;
    if (stato == 1 && numero && codice != 0)
        return {nullptr, codice, QString::fromUtf8(uscita.mid(aCapo + 1))};
    return Danneggiato(percorso, QStringLiteral("la lettura si è interrotta"));
}

Lettura LeggiNelLettore(const QString& programma, const QString& percorso, const QByteArray& contenuto,
                        int tempoMassimo)
{
    if (programma.isEmpty())
        return NonAvviato(
            percorso,
            QStringLiteral("il programma di lettura %1 non è accanto al programma").arg(NomeLettore));
    QProcess lettore;
    lettore.setProcessEnvironment(AmbienteLettore());
    lettore.setChildProcessModifier(LimitaLettore);
    lettore.setStandardErrorFile(QProcess::nullDevice());
    lettore.start(programma, {percorso});
    if (!lettore.waitForStarted())
        return NonAvviato(percorso, QStringLiteral("il programma di lettura «%1» non si avvia (%2)")
                                        .arg(programma, lettore.errorString()));
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
                return {Danneggiato(percorso, QStringLiteral("la lettura non termina")), false};
            return {Danneggiato(percorso, QStringLiteral("la lettura non ha fine"))};
        }
        lettore.waitForReadyRead(static_cast<int>(std::min<qint64>(scadenza.remainingTime(), 200)));
        uscita += lettore.readAllStandardOutput();
    }
    uscita += lettore.readAllStandardOutput();
    const int stato = lettore.exitStatus() == QProcess::NormalExit ? lettore.exitCode() : -1;
    return {Risposta(percorso, stato, uscita)};
}

QByteArray ContenutoDelFile(const QString& percorso)
{
    QFile file(percorso);
    QByteArray contenuto;
    if (file.open(QIODevice::ReadOnly))
        contenuto = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError)
        throw DbException(
            DbErrore::ErroreDisco,
            QStringLiteral("Impossibile leggere il file «%1»: %2.").arg(percorso, file.errorString()));
    return contenuto;
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
    stato.ricordate.Dimentica();
}

void ImpostaTempoMassimo(int millisecondi)
{
    Stato& stato = Condiviso();
    QMutexLocker blocco(&stato.mutex);
    stato.tempoMassimo = millisecondi;
}

std::shared_ptr<const QByteArray> Converti(const QString& percorso)
{
    Stato& stato = Condiviso();
    const auto chiave = ConversioniRicordate::ChiaveDi(percorso);
    if (!chiave || !QFileInfo(percorso).isFile())
        throw DbException(DbErrore::FileNonTrovato, QStringLiteral("Il file «%1» non esiste.").arg(percorso));
    std::optional<Conversione> conversione = stato.ricordate.Trova(*chiave);
    if (!conversione) {
        const QByteArray contenuto = ContenutoDelFile(percorso);
        // Files that are plainly not Jet databases are refused without starting the reader.
        LetturaJet::ControllaFile(contenuto, percorso);
        QMutexLocker blocco(&stato.mutex);
        if (!stato.programma)
            stato.programma = ProgrammaPredefinito();
        const Lettura lettura = LeggiNelLettore(*stato.programma, percorso, contenuto, stato.tempoMassimo);
        if (lettura.daRicordare)
            stato.ricordate.Ricorda(*chiave, lettura.conversione);
        conversione = lettura.conversione;
    }
    if (!conversione->immagine)
        throw DbException(conversione->codiceErrore, conversione->errore);
    return conversione->immagine;
}

int Servi(const QString& percorso)
{
    QFile ingresso;
    if (!ingresso.open(stdin, QIODevice::ReadOnly))
        return 2;
    const QByteArray contenuto = ingresso.readAll();
    int stato = 0;
    QByteArray uscita;
    try {
        uscita = LetturaJet::Converti(contenuto, percorso);
    } catch (const DbException& e) {
        stato = 1;
        uscita = QByteArray::number(e.Numero()) + '\n' + e.Descrizione().toUtf8();
    }
    QFile standard;
    if (!standard.open(stdout, QIODevice::WriteOnly) || standard.write(uscita) != uscita.size())
        return 3;
    standard.flush();
    return stato;
}

} // namespace LettoreJetIsolato
