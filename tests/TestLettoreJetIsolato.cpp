// Access files converted in the reader process (what comes back is compared with
// mdb-export by TestJetDatabase): a reader that crashes, stalls, talks nonsense, never
// stops talking, is missing or cannot start costs the file a refusal with a message naming
// the file and the problem, never the program; a stall is tried again, a changed file
// converted again; the reader runs bounded in memory and leaves no core dump.
#include "JetDiProva.h"
#include "TestSupport.h"

#include "storage/DBEngine.h"
#include "storage/jet/LettoreJetIsolato.h"

#include <QTest>

namespace {

// The error of opening the file, empty when it opens.
QString ErroreApertura(const QString& percorso)
{
    return TestSupport::Prova([&] { DBEngine::OpenDatabase(percorso)->TableNames(); }).descrizione;
}

// The error of opening a copy of a genuine Access file through a reader running corpo.
QString ErroreConLettore(const QTemporaryDir& dir, const QString& corpo)
{
    LettoreJetIsolato::ImpostaProgramma(
        JetDiProva::ScriviLettore(dir.path(), QStringLiteral("lettore"), corpo));
    const QString file = dir.filePath(QStringLiteral("prova.mdb"));
    QFile::copy(JetDiProva::Percorso(JetDiProva::File().first()), file);
    return ErroreApertura(file);
}

} // namespace

class TestLettoreJetIsolato : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::PreparaAmbiente();
        QVERIFY2(!LettoreJetIsolato::ProgrammaPredefinito().isEmpty(), "the reader was not built");
    }
    void cleanup()
    {
        LettoreJetIsolato::ImpostaProgramma(LettoreJetIsolato::ProgrammaPredefinito());
        LettoreJetIsolato::ImpostaTempoMassimo(30000);
    }

    // Whatever the reader does, the file is refused with a message naming it.
    void lettoreGuasto()
    {
        const char* righe[][2] = {{"kill -SEGV $$", "la lettura si è interrotta"},
                                  {"cat >/dev/null; exit 1", "la lettura si è interrotta"},
                                  {"cat >/dev/null", "la lettura si è interrotta"},
                                  {"echo SQLite; cat >/dev/null", "la lettura si è interrotta"},
                                  {"exec sleep 600", "la lettura non termina"},
                                  {"exec cat /dev/zero", "la lettura non ha fine"},
                                  {"@", "non si avvia"}, // a folder in the reader's place
                                  {"", "non è accanto al programma"}};
        for (const auto& [corpo, motivo] : righe) {
            QTemporaryDir dir;
            // Only the stalling reader meets the short bound: the others get a generous one,
            // so that a loaded machine cannot turn their failure into a stall.
            const bool stallo = QString::fromUtf8(motivo).contains(QStringLiteral("non termina"));
            LettoreJetIsolato::ImpostaTempoMassimo(stallo ? 1500 : 60000);
            QString errore;
            if (*corpo == '@' || !*corpo) {
                LettoreJetIsolato::ImpostaProgramma(*corpo ? dir.path() : QString());
                errore = ErroreApertura(JetDiProva::Percorso(JetDiProva::File().first()));
            } else {
                errore = ErroreConLettore(dir, QString::fromUtf8(corpo));
            }
            QVERIFY2(errore.contains(QStringLiteral(".mdb")) && errore.contains(QString::fromUtf8(motivo)),
                     qPrintable(errore));
        }
    }

    // A reader that was only slow once: the next opening tries again and reads the file.
    void lettoreLentoRiprovato()
    {
        QTemporaryDir dir;
        const QString segno = dir.filePath(QStringLiteral("lento"));
        LettoreJetIsolato::ImpostaTempoMassimo(1500);
        const QString errore = ErroreConLettore(
            dir, QStringLiteral("if [ ! -e '%1' ]; then touch '%1'; exec sleep 600; fi\nexec '%2' \"$@\"")
                     .arg(segno, LettoreJetIsolato::ProgrammaPredefinito()));
        QVERIFY(errore.contains(QStringLiteral("la lettura non termina")));
        LettoreJetIsolato::ImpostaTempoMassimo(30000);
        QCOMPARE(ErroreApertura(dir.filePath(QStringLiteral("prova.mdb"))), QString());
    }

    // The reader runs with no core dumps and a bound on its memory: the address space, or
    // under the address sanitizer (which reserves more than any such bound) its own limit.
    void lettoreLimitato()
    {
        QTemporaryDir dir;
        const QString rapporto = dir.filePath(QStringLiteral("limiti"));
        ErroreConLettore(
            dir, QStringLiteral("cat >/dev/null; { ulimit -c; ulimit -v; echo \"$ASAN_OPTIONS\"; } >'%1'")
                     .arg(rapporto));
        const QStringList righe =
            QString::fromUtf8(TestSupport::Contenuto(rapporto)).split(QLatin1Char('\n'));
        QVERIFY2(righe.size() >= 3 && righe[0] == QLatin1String("0"), qPrintable(righe.join('|')));
        QVERIFY2(righe[1] == QLatin1String("2097152") ||
                     righe[2].contains(QStringLiteral("hard_rss_limit_mb=2048")),
                 qPrintable(righe.join('|')));
    }

    // A file converted is remembered while it stays the same file: replaced under the
    // same name, it is converted anew.
    void fileCambiatoRiconvertito()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("prova.mdb"));
        const QStringList nomi = JetDiProva::File();
        QVERIFY(TestSupport::Scrivi(file, TestSupport::Contenuto(JetDiProva::Percorso(nomi[0]))));
        const QStringList primi = DBEngine::OpenDatabase(file)->TableNames();
        QVERIFY(TestSupport::Scrivi(file, TestSupport::Contenuto(JetDiProva::Percorso(nomi[1]))));
        const QStringList secondi = DBEngine::OpenDatabase(file)->TableNames();
        QVERIFY(primi != secondi);
        QCOMPARE(secondi, DBEngine::OpenDatabase(JetDiProva::Percorso(nomi[1]))->TableNames());
    }
};

QTEST_GUILESS_MAIN(TestLettoreJetIsolato)
#include "TestLettoreJetIsolato.moc"
