// A category folder holding a genuine Access file beside one of the program's own: the
// tree lists both alike; an Access file whose columns are not a category table's, or whose
// reading crashes the reader process or once crashed libmdb, is a message and the window
// goes on; the import from the window's menu converts it and keeps the original.
#include "JetDiProva.h"
#include "TestForm1Ambiente.h"

#include "app/MessageBox.h"
#include "model/LettoreJetIsolato.h"

#include <QAction>
#include <QTest>
#include <QTreeWidget>

using namespace Form1Test;

namespace {

const QString kNostro = QStringLiteral("Prove 2009");

QString FileCategoria(Ambiente& a, const QString& nome)
{
    return a.dati().percorsoDatabase(QStringLiteral("Partizioni verticali (Rw)/") + nome +
                                     QStringLiteral(".mdb"));
}

QStringList Figli(QTreeWidgetItem* radice)
{
    QStringList nomi;
    for (int i = 0; i < radice->childCount(); ++i)
        nomi << radice->child(i)->text(0);
    return nomi;
}

} // namespace

class TestForm1Jet : public QObject
{
    Q_OBJECT

private slots:
    void fileIlleggibile_data()
    {
        QTest::addColumn<QString>("fileDelCorpus"); // empty: a good file, and a reader that crashes
        QTest::addColumn<QString>("tabella");       // the file's name, the table the window reads
        QTest::addColumn<QString>("motivo");
        QTest::newRow("not a category table") << ""
                                              << "test"
                                              << "Parola chiave";
        QTest::newRow("the reader crashes") << "lettore"
                                            << "test"
                                            << "la lettura si è interrotta";
        QTest::newRow("table without page map") << "jet-tabella-senza-mappa"
                                                << "MSysQueries"
                                                << "la tabella non ha la mappa delle sue pagine";
        QTest::newRow("field of negative length") << "jet-campo-di-lunghezza-negativa"
                                                  << "MSysObjects"
                                                  << "un valore esce dalla sua pagina";
    }

    void fileIlleggibile()
    {
        QFETCH(QString, fileDelCorpus);
        QFETCH(QString, tabella);
        QFETCH(QString, motivo);
        QTemporaryDir dir;
        Ambiente a;
        QVERIFY(a.ok());
        const QString jet = FileCategoria(a, tabella);
        if (fileDelCorpus.startsWith(
                QLatin1String("jet-"))) { // the fuzzer's input: one byte of its own, then the file
            const QString corpus =
                qEnvironmentVariable("ZELMAR_SOURCE_DIR") + QStringLiteral("/fuzz/corpus/");
            QVERIFY(JetDiProva::Scrivi(jet, JetDiProva::Contenuto(corpus + fileDelCorpus).mid(1)));
        } else {
            QVERIFY(JetDiProva::CopiaConColonnaNome(jet));
        }
        if (fileDelCorpus == QLatin1String("lettore"))
            LettoreJetIsolato::ImpostaProgramma(JetDiProva::ScriviLettore(
                dir.path(), QStringLiteral("lettore"), QStringLiteral("kill -SEGV $$")));
        a.apri();
        QVERIFY(Figli(a.radice(QStringLiteral("Rw"))).contains(tabella));
        MessageBox::clearShown();
        a.clicca(a.figlio(QStringLiteral("Rw"), tabella));
        LettoreJetIsolato::ImpostaProgramma(LettoreJetIsolato::ProgrammaPredefinito());
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY2(MessageBox::lastText().contains(jet) && MessageBox::lastText().contains(motivo),
                 qPrintable(MessageBox::lastText()));
        QVERIFY(a.righeElenco().isEmpty());

        MessageBox::clearShown();
        a.clicca(a.figlio(QStringLiteral("Rw"), kNostro));
        QVERIFY(MessageBox::shown().isEmpty());
        QVERIFY(!a.righeElenco().isEmpty());
    }

    // The import converts the file, keeps the original beside it, builds the tree again; a
    // second run converts nothing.
    void importazioneDalMenu()
    {
        Ambiente a;
        QVERIFY(a.ok());
        const QString jet = FileCategoria(a, QStringLiteral("test"));
        QVERIFY(JetDiProva::CopiaConColonnaNome(jet));
        const QByteArray originale = JetDiProva::Contenuto(jet);
        a.apri();
        auto* importa = a.form().findChild<QAction*>(QStringLiteral("ImportaJet"));
        importa->trigger();
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().first().icon, MessageBox::Information);
        QVERIFY2(MessageBox::lastText().contains(QStringLiteral("Convertito: ") + jet),
                 qPrintable(MessageBox::lastText()));
        QCOMPARE(JetDiProva::Contenuto(jet + QStringLiteral(".jet")), originale);
        QVERIFY(!JetDiProva::Contenuto(jet).startsWith(originale.left(20)));
        QCOMPARE(Figli(a.radice(QStringLiteral("Rw"))), (QStringList{kNostro, "test"}));
        QVERIFY(!a.righeElenco().isEmpty());
        importa->trigger();
        QVERIFY(MessageBox::lastText().contains(QStringLiteral("File convertiti: 0;")));
    }
};

QTEST_MAIN(TestForm1Jet)
#include "TestForm1Jet.moc"
