// A category folder holding a genuine Access file beside one of the program's own: the
// tree lists both alike, a click on the Access file whose columns are not those of a
// category table gives a clear message and leaves the window working, and the import
// from the window's menu converts it, keeps the original and builds the tree again. An
// Access file whose reading crashes the reader process, or that once crashed libmdb, is a
// message and the window goes on.
#include "JetDiProva.h"
#include "TestForm1Ambiente.h"

#include "app/MessageBox.h"
#include "browser/ControlliForm1.h"

#include "browser/ElencoNomi.h"
#include "storage/LettoreJetIsolato.h"

#include <QAction>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using Form1Test::Ambiente;

namespace {

const QString kCartella = QStringLiteral("Partizioni verticali (Rw)");
const QString kNostro = QStringLiteral("Prove 2009");
// An experimental file's table is named after the file: the Access file's table is "test".
const QString kJet = QStringLiteral("test");

QString FileCategoria(Ambiente& a, const QString& nome)
{
    return a.dati().percorsoDatabase(kCartella + QLatin1Char('/') + nome + QStringLiteral(".mdb"));
}

QStringList Figli(QTreeWidgetItem* radice)
{
    QStringList nomi;
    for (int i = 0; radice && i < radice->childCount(); ++i)
        nomi << radice->child(i)->text(0);
    return nomi;
}

} // namespace

class TestForm1Jet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::PreparaAmbiente(); }
    void init() { MessageBox::clearShown(); }
    void alberoElencaIlFileJet();
    void colonneCheNonSonoQuelleDiUnaCategoria();
    void importazioneDalMenu();
    void fileCheFaCadereIlLettore_data();
    void fileCheFaCadereIlLettore();
};

void TestForm1Jet::alberoElencaIlFileJet()
{
    Ambiente a;
    QVERIFY(a.ok());
    QVERIFY(JetDiProva::CopiaConColonnaNome(FileCategoria(a, kJet)));
    a.apri();
    QCOMPARE(Figli(a.radice(QStringLiteral("Rw"))), (QStringList{kNostro, kJet}));
}

void TestForm1Jet::colonneCheNonSonoQuelleDiUnaCategoria()
{
    Ambiente a;
    QVERIFY(a.ok());
    const QString jet = FileCategoria(a, kJet);
    QVERIFY(JetDiProva::CopiaConColonnaNome(jet));
    a.apri();
    MessageBox::clearShown();
    a.clicca(a.figlio(QStringLiteral("Rw"), kJet));
    QCOMPARE(MessageBox::shown().size(), 1);
    const QString testo = MessageBox::lastText();
    QVERIFY2(testo.contains(jet) && testo.contains(QStringLiteral("Parola chiave")), qPrintable(testo));
    QVERIFY(a.righeElenco().isEmpty());

    // The window goes on working on the program's own file beside it.
    MessageBox::clearShown();
    a.clicca(a.figlio(QStringLiteral("Rw"), kNostro));
    QVERIFY(MessageBox::shown().isEmpty());
    QVERIFY(!a.righeElenco().isEmpty());
}

void TestForm1Jet::importazioneDalMenu()
{
    Ambiente a;
    QVERIFY(a.ok());
    const QString jet = FileCategoria(a, kJet);
    QVERIFY(JetDiProva::CopiaConColonnaNome(jet));
    const QByteArray originale = JetDiProva::Contenuto(jet);
    a.apri();
    MessageBox::clearShown();
    QAction* importa = a.form().findChild<QAction*>(QStringLiteral("ImportaJet"));
    QVERIFY(importa);
    importa->trigger();
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().icon, MessageBox::Information);
    QVERIFY2(MessageBox::lastText().contains(QStringLiteral("Convertito: ") + jet),
             qPrintable(MessageBox::lastText()));
    QCOMPARE(JetDiProva::Contenuto(jet + QStringLiteral(".jet")), originale);
    QVERIFY(!JetDiProva::Contenuto(jet).startsWith(originale.left(20)));
    // The backup is not a database file of the folder: the tree is as before.
    QCOMPARE(Figli(a.radice(QStringLiteral("Rw"))), (QStringList{kNostro, kJet}));
    QVERIFY(!a.righeElenco().isEmpty()); // the first custom table, shown again

    // A second run converts nothing.
    MessageBox::clearShown();
    importa->trigger();
    QVERIFY(MessageBox::lastText().contains(QStringLiteral("File convertiti: 0;")));
}

void TestForm1Jet::fileCheFaCadereIlLettore_data()
{
    QTest::addColumn<QString>("fileDelCorpus"); // empty: a good file, and a reader that crashes
    QTest::addColumn<QString>("tabella");       // the file's name, the table the window reads
    QTest::addColumn<QString>("motivo");
    QTest::newRow("il lettore cade") << QString() << kJet << "la lettura si è interrotta";
    QTest::newRow("tabella senza mappa delle pagine") << "jet-tabella-senza-mappa"
                                                      << "MSysQueries"
                                                      << "la tabella non ha la mappa delle sue pagine";
    QTest::newRow("campo di lunghezza negativa") << "jet-campo-di-lunghezza-negativa"
                                                 << "MSysObjects"
                                                 << "un valore esce dalla sua pagina";
}

void TestForm1Jet::fileCheFaCadereIlLettore()
{
    QFETCH(QString, fileDelCorpus);
    QFETCH(QString, tabella);
    QFETCH(QString, motivo);
    QTemporaryDir dir;
    Ambiente a;
    QVERIFY(a.ok());
    const QString jet = FileCategoria(a, tabella);
    if (fileDelCorpus.isEmpty()) {
        LettoreJetIsolato::ImpostaProgramma(JetDiProva::ScriviLettore(dir.path(), QStringLiteral("lettore"),
                                                                      QStringLiteral("kill -SEGV $$")));
        QVERIFY(JetDiProva::CopiaConColonnaNome(jet));
    } else {
        // The fuzzer's input: one byte of its own, then the file.
        const QString corpus = qEnvironmentVariable("ZELMAR_SOURCE_DIR") + QStringLiteral("/fuzz/corpus/");
        QVERIFY(JetDiProva::Scrivi(jet, JetDiProva::Contenuto(corpus + fileDelCorpus).mid(1)));
    }
    a.apri();
    MessageBox::clearShown();
    a.clicca(a.figlio(QStringLiteral("Rw"), tabella));
    LettoreJetIsolato::ImpostaProgramma(LettoreJetIsolato::ProgrammaPredefinito());
    QCOMPARE(MessageBox::shown().size(), 1);
    const QString testo = MessageBox::lastText();
    QVERIFY2(testo.contains(jet) && testo.contains(motivo), qPrintable(testo));
    QVERIFY(a.righeElenco().isEmpty());

    MessageBox::clearShown();
    a.clicca(a.figlio(QStringLiteral("Rw"), kNostro));
    QVERIFY(MessageBox::shown().isEmpty());
    QVERIFY(!a.righeElenco().isEmpty());
}

QTEST_MAIN(TestForm1Jet)
#include "TestForm1Jet.moc"
