// Jet files read in the reader process: what comes back is what the same reading gives
// in this process, for every table of the genuine Access files; a reader that crashes,
// stalls, talks nonsense or does not stop talking costs the file a refusal with a
// message, never the program; a stall is tried again, a changed file read again; the
// reader runs bounded in memory and leaves no core dump.
#include "JetDiProva.h"
#include "TestSupport.h"

#include "storage/DbException.h"
#include "model/JetDatabase.h"
#include "storage/LettoreJetIsolato.h"
#include "storage/LetturaJet.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The error of opening the file, empty when it opens.
QString ErroreApertura(const QString& percorso)
{
    try {
        JetDatabase::Apri(percorso)->TableNames();
    } catch (const DbException& e) {
        return e.Descrizione();
    }
    return QString();
}

// The error of opening a copy of a genuine Access file, in dir, through a reader that
// runs the shell commands corpo.
QString ErroreConLettore(const QTemporaryDir& dir, const QString& corpo)
{
    LettoreJetIsolato::ImpostaProgramma(
        JetDiProva::ScriviLettore(dir.path(), QStringLiteral("lettore"), corpo));
    const QString file = dir.filePath(QStringLiteral("prova.mdb"));
    if (!QFile::copy(JetDiProva::Percorso(JetDiProva::File().first()), file))
        return QStringLiteral("copia non riuscita");
    return ErroreApertura(file);
}

TabellaLetta Tabella(const QString& nome, std::vector<QVector<QVariant>> righe)
{
    auto t = std::make_shared<TabellaJet>();
    t->nome = nome;
    t->colonne = {{QStringLiteral("Nome"), TipoColonnaJet::Testo},
                  {QStringLiteral("Rw"), TipoColonnaJet::Numero},
                  {QStringLiteral("Foto"), TipoColonnaJet::Binario}};
    t->righe = std::move(righe);
    return {nome, t, 0, QString()};
}

FileJetLetto FileDiProva()
{
    FileJetLetto file;
    file.tabelle.push_back(Tabella(QStringLiteral("Rw_laboratorio"),
                                   {{QStringLiteral("Muro è"), 52.5, QByteArray("\x00\xff", 2)},
                                    {QString::fromLatin1(""), QVariant(), QByteArray()},
                                    {QVariant(), -0.0, QVariant()}}));
    file.tabelle.push_back(
        {QStringLiteral("Rotta"), nullptr, DbErrore::FormatoNonRiconosciuto, QStringLiteral("danneggiata")});
    file.tabelle.push_back(Tabella(QStringLiteral("Vuota"), {}));
    return file;
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

    // Null, an empty text, a text, numbers, bytes and a table that failed all travel.
    void codificaFedele()
    {
        const FileJetLetto originale = FileDiProva();
        const auto letto = FileJetLetto::Decodifica(originale.Codifica());
        QVERIFY(letto);
        QCOMPARE(letto->Codifica(), originale.Codifica());
        const TabellaJet& t = *letto->tabelle[0].tabella;
        QCOMPARE(t.righe[1][0], QVariant(QString::fromLatin1("")));
        QVERIFY(!t.righe[1][0].isNull());
        QVERIFY(t.righe[2][0].isNull());
        QCOMPARE(t.righe[0][2], QVariant(QByteArray("\x00\xff", 2)));
        QVERIFY(!letto->tabelle[1].tabella);
        QCOMPARE(letto->tabelle[1].errore, QStringLiteral("danneggiata"));
    }

    // A reader killed mid-way leaves a cut encoding: every cut is refused.
    void codificaTroncataRifiutata()
    {
        const QByteArray intera = FileDiProva().Codifica();
        for (qsizetype n = 0; n < intera.size(); ++n)
            QVERIFY2(!FileJetLetto::Decodifica(intera.left(n)), qPrintable(QString::number(n)));
        QVERIFY(!FileJetLetto::Decodifica(intera + QByteArray(1, '\0')));
    }

    void comeNelProgramma_data()
    {
        QTest::addColumn<QString>("nome");
        for (const QString& f : JetDiProva::File())
            QTest::newRow(qPrintable(f)) << f;
    }

    // The reader process and this process read the same file into the same tables.
    void comeNelProgramma()
    {
        QFETCH(QString, nome);
        const QString percorso = JetDiProva::Percorso(nome);
        const QByteArray contenuto = JetDiProva::Contenuto(percorso);
        const auto nelLettore = LettoreJetIsolato::Leggi(percorso, contenuto);
        QCOMPARE(nelLettore->errore, QString());
        QVERIFY(!nelLettore->tabelle.empty());
        QCOMPARE(nelLettore->Codifica(), LetturaJet::Leggi(contenuto, percorso).Codifica());
    }

    void lettoreGuasto_data()
    {
        QTest::addColumn<QString>("corpo");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("si schianta") << "kill -SEGV $$"
                                     << "la lettura si è interrotta";
        QTest::newRow("esce con errore") << "cat >/dev/null; exit 1"
                                         << "la lettura si è interrotta";
        QTest::newRow("non dice nulla") << "cat >/dev/null"
                                        << "la lettura si è interrotta";
        QTest::newRow("dice altro") << "echo ZJET; cat >/dev/null"
                                    << "la lettura si è interrotta";
        QTest::newRow("non si ferma") << "exec sleep 600"
                                      << "la lettura non termina";
        QTest::newRow("parla senza fine") << "exec cat /dev/zero"
                                          << "la lettura non ha fine";
    }

    // Whatever the reader does, the file is refused with a message naming it.
    void lettoreGuasto()
    {
        QFETCH(QString, corpo);
        QFETCH(QString, motivo);
        QTemporaryDir dir;
        LettoreJetIsolato::ImpostaTempoMassimo(1500);
        const QString errore = ErroreConLettore(dir, corpo);
        QVERIFY2(errore.contains(dir.filePath(QStringLiteral("prova.mdb"))) && errore.contains(motivo),
                 qPrintable(errore));
    }

    // A reader that was only slow once: the next opening tries again and reads the file.
    void lettoreLentoRiprovato()
    {
        QTemporaryDir dir;
        const QString segno = dir.filePath(QStringLiteral("lento"));
        LettoreJetIsolato::ImpostaProgramma(JetDiProva::ScriviLettore(
            dir.path(), QStringLiteral("lettore"),
            QStringLiteral("if [ ! -e '%1' ]; then touch '%1'; exec sleep 600; fi\nexec '%2' \"$@\"")
                .arg(segno, LettoreJetIsolato::ProgrammaPredefinito())));
        LettoreJetIsolato::ImpostaTempoMassimo(1500);
        const QString file = JetDiProva::Percorso(JetDiProva::File().first());
        QVERIFY(ErroreApertura(file).contains(QStringLiteral("la lettura non termina")));
        LettoreJetIsolato::ImpostaTempoMassimo(30000);
        QCOMPARE(ErroreApertura(file), QString());
    }

    // The reader runs with no core dumps and a bound on its memory: the address space, or
    // under the address sanitizer (which reserves more than any such bound) its own limit.
    void lettoreLimitato()
    {
        QTemporaryDir dir;
        const QString rapporto = dir.filePath(QStringLiteral("limiti"));
        const QString corpo =
            QStringLiteral("cat >/dev/null; { ulimit -c; ulimit -v; echo \"$ASAN_OPTIONS\"; } >'%1'; exit 1")
                .arg(rapporto);
        QVERIFY(ErroreConLettore(dir, corpo).contains(QStringLiteral("la lettura si è interrotta")));
        const QStringList righe = QString::fromUtf8(JetDiProva::Contenuto(rapporto)).split(QLatin1Char('\n'));
        QVERIFY2(righe.size() >= 3, qPrintable(righe.join(QLatin1Char('|'))));
        QCOMPARE(righe[0], QStringLiteral("0"));
        const bool spazioLimitato = righe[1] == QStringLiteral("2097152");
        const bool limiteSanitizer = righe[2].contains(QStringLiteral("hard_rss_limit_mb=2048"));
        QVERIFY2(spazioLimitato || limiteSanitizer, qPrintable(righe.join(QLatin1Char('|'))));
    }

    // Files read are remembered by content: a file replaced under the same name is read anew.
    void fileCambiatoRiletto()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("prova.mdb"));
        QStringList primi, secondi;
        const QStringList nomi = JetDiProva::File();
        QVERIFY(nomi.size() >= 2);
        QVERIFY(JetDiProva::Scrivi(file, JetDiProva::Contenuto(JetDiProva::Percorso(nomi[0]))));
        primi = JetDatabase::Apri(file)->TableNames();
        QVERIFY(JetDiProva::Scrivi(file, JetDiProva::Contenuto(JetDiProva::Percorso(nomi[1]))));
        secondi = JetDatabase::Apri(file)->TableNames();
        QCOMPARE(secondi, LetturaJet::Leggi(JetDiProva::Contenuto(file), file).NomiTabelle());
        QVERIFY(primi != secondi);
    }

    // Without a reader the program reads in its own process, and reads the same.
    void senzaLettore()
    {
        LettoreJetIsolato::ImpostaProgramma(QString());
        const QString file = JetDiProva::Percorso(JetDiProva::File().first());
        QCOMPARE(ErroreApertura(file), QString());
        LettoreJetIsolato::ImpostaProgramma(QStringLiteral("/nonexistent/zelmar-lettore-jet"));
        QCOMPARE(ErroreApertura(file), QString());
    }
};

QTEST_GUILESS_MAIN(TestLettoreJetIsolato)
#include "TestLettoreJetIsolato.moc"
