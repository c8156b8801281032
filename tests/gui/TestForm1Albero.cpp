// The category tree: the experimental files it lists, what a click or the keyboard chooses.
#include "TestForm1Ambiente.h"

#include "app/MessageBox.h"
#include "app/ZelmarCommonModule.h"
#include "browser/AlberoCategorie.h"
#include "model/Module1.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>

using namespace Form1Test;
using ZelmarCommonModule::M;

namespace {
const QString kRw = QStringLiteral("Partizioni verticali (Rw)");

// An experimental file of a category folder, holding one table named after the file.
void CreaFileSperimentale(Ambiente& a, const QString& cartella, const QString& nome, int codice,
                          const QStringList& materiali)
{
    const QString file =
        a.dati().percorsoDatabase(cartella + QLatin1Char('/') + nome + QStringLiteral(".mdb"));
    QDir().mkpath(QFileInfo(file).path());
    Ambiente::CreaTabella(file, nome, codice);
    for (const QString& m : materiali)
        Ambiente::Inserisci(file, nome, {{"Nome", m}, {"Parola chiave", "prova"}});
}

QStringList Figli(QTreeWidgetItem* radice)
{
    QStringList figli;
    for (int i = 0; i < radice->childCount(); ++i)
        figli << radice->child(i)->text(0);
    return figli;
}
} // namespace

class TestForm1Albero : public QObject
{
    Q_OBJECT

private slots:
    // The start-up click runs on the custom root's first child while it is the only node.
    void primoClickPrimaDegliAltriNodi()
    {
        Ambiente a;
        QVERIFY(a.ok());
        ZelmarCommonModule::CaricaMessaggi();
        QTreeWidget albero;
        QStringList visti;
        AlberoCategorie::Costruisci(&albero, a.dati().cartellaDati() + QStringLiteral("/Databases/Database"),
                                    [&](QTreeWidgetItem* nodo) {
                                        visti << nodo->text(0) << QString::number(albero.topLevelItemCount())
                                              << QString::number(nodo->parent()->childCount());
                                    });
        QCOMPARE(visti, (QStringList{M(20), "1", "1"}));
        QCOMPARE(albero.topLevelItemCount(), 10);
    }

    // Database files by name, without their extension; other files, folders and hidden files
    // are not listed, and no file is opened while the tree is built.
    void figliSperimentali()
    {
        Ambiente a;
        QVERIFY(a.ok());
        const QString cartella = a.dati().percorsoDatabase(QStringLiteral("Infissi"));
        QDir(cartella).removeRecursively();
        QVERIFY(QDir().mkpath(cartella + QStringLiteral("/cartella.mdb")));
        for (const char* nome : {"b.mdb", "a.mdb", "nota.txt", ".copia.mdb"})
            QVERIFY(TestSupport::Scrivi(cartella + QLatin1Char('/') + QLatin1String(nome), "x"));
        a.apri();
        QCOMPARE(Figli(a.radice(QStringLiteral("Infissi"))), (QStringList{"a", "b"}));
        QVERIFY(MessageBox::shown().isEmpty());
    }

    // A click on a root chooses its first child; the two files of one name in two category
    // folders are told apart by their root.
    void clickSuRadici()
    {
        Ambiente a;
        QVERIFY(a.ok());
        CreaFileSperimentale(a, kRw, QStringLiteral("000 comune"), 1, {"Muro A", "Muro B"});
        CreaFileSperimentale(a, QStringLiteral("Partizioni orizzontali (Lnw)"), QStringLiteral("000 comune"),
                             4, {"Solaio"});
        a.apri();
        a.clicca(a.radice(QStringLiteral("Rw")));
        QCOMPARE(a.etichetta(QStringLiteral("Label7"))->text(), M(38) + ": " + M(29) + ": 000 comune");
        QCOMPARE(Module1::NomeTabella, QStringLiteral("000 comune"));
        QCOMPARE(Module1::CartellaCategoria, QStringLiteral("/") + kRw + QStringLiteral("/"));
        QCOMPARE(Module1::CategoriaCorrente, 1);
        QCOMPARE(a.righeElenco(), (QStringList{"Muro A", "Muro B"}));
        a.clicca(a.figlio(QStringLiteral("Lnw"), QStringLiteral("000 comune")));
        QCOMPARE(a.righeElenco(), QStringList{"Solaio"});
        QCOMPARE(Module1::CategoriaCorrente, 4);
        a.clicca(a.radice(QStringLiteral("teorico")));
        QCOMPARE(a.etichetta(QStringLiteral("Label7"))->text(), M(38) + ": " + M(28) + ": " + M(20));
        QCOMPARE(Module1::NomeDatabase, QStringLiteral("Database_teorico"));
        QCOMPARE(Module1::CategoriaCorrente, 8);
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
    }

    // A root without files changes nothing.
    void radiceSenzaFigli()
    {
        Ambiente a;
        QVERIFY(a.ok());
        QDir(a.dati().percorsoDatabase(QStringLiteral("Piccoli elementi (Dnew)"))).removeRecursively();
        a.apri();
        const QStringList righe = a.righeElenco();
        const QString didascalia = a.etichetta(QStringLiteral("Label7"))->text();
        a.clicca(a.radice(QStringLiteral("Piccoli elementi")));
        QCOMPARE(Module1::NomeTabella, QStringLiteral("Rw_laboratorio"));
        QCOMPARE(a.righeElenco(), righe);
        QCOMPARE(a.etichetta(QStringLiteral("Label7"))->text(), didascalia);
        QVERIFY(a.form().findChild<QAction*>(QStringLiteral("Cancella"))->isEnabled());
        QVERIFY(MessageBox::shown().isEmpty());
    }

    // Moving through the tree with the keyboard chooses the node as a click does.
    void sceltaDaTastiera()
    {
        Ambiente a;
        QVERIFY(a.ok());
        a.apri();
        QVERIFY(QTest::qWaitForWindowActive(&a.form()));
        a.albero()->setFocus();
        QTRY_VERIFY(a.albero()->hasFocus());
        QTest::keyClick(a.albero(), Qt::Key_Down);
        QCOMPARE(Module1::NomeTabella, QStringLiteral("DRw_laboratorio"));
        QCOMPARE(a.etichetta(QStringLiteral("Label7"))->text(), M(38) + ": " + M(19) + ": " + M(21));
        QCOMPARE(a.righeElenco(), Ambiente::Nomi(a.sperimentale(), QStringLiteral("DRw_laboratorio")));
        QTest::keyClick(a.albero(), Qt::Key_Up);
        QCOMPARE(Module1::NomeTabella, QStringLiteral("Rw_laboratorio"));
    }
};

QTEST_MAIN(TestForm1Albero)
#include "TestForm1Albero.moc"
