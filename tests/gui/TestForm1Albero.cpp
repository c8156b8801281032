// The category tree: the experimental files it lists, what a click or the keyboard chooses.
#include "TestForm1Ambiente.h"

#include "browser/AlberoCategorie.h"

using namespace Form1Test;

class TestForm1Albero : public QObject
{
    Q_OBJECT
    std::unique_ptr<Ambiente> a_;

    // An experimental file of a category folder, holding one table named after the file.
    void CreaFile(const QString& cartella, int codice, const QStringList& materiali)
    {
        const QString file = a_->dati().percorsoDatabase(cartella + QStringLiteral("/000 comune.mdb"));
        QDir().mkpath(QFileInfo(file).path());
        Ambiente::CreaTabella(file, QStringLiteral("000 comune"), codice);
        for (const QString& m : materiali)
            Ambiente::Inserisci(file, QStringLiteral("000 comune"),
                                {{"Nome", m}, {"Parola chiave", "prova"}});
    }

private slots:
    void init()
    {
        a_ = std::make_unique<Ambiente>();
        QVERIFY(a_->ok());
    }
    void cleanup() { a_.reset(); }

    // The start-up click runs on the custom root's first child while it is the only node.
    void primoClickPrimaDegliAltriNodi()
    {
        ZelmarCommonModule::CaricaMessaggi();
        QTreeWidget albero;
        QStringList visti;
        AlberoCategorie::Costruisci(&albero, a_->dati().cartellaDati() + "/Databases/Database",
                                    [&](QTreeWidgetItem* nodo) {
                                        visti << nodo->text(0) << QString::number(albero.topLevelItemCount())
                                              << QString::number(nodo->parent()->childCount());
                                    });
        QCOMPARE(visti, (QStringList{M(20), "1", "1"}));
        QCOMPARE(albero.topLevelItemCount(), 10);
    }

    // Database files by name whatever its letter case, without their extension; other files,
    // folders and hidden files are not listed, and no file is opened while the tree is built.
    void figliSperimentali()
    {
        const QString cartella = a_->dati().percorsoDatabase(QStringLiteral("Infissi"));
        QDir(cartella).removeRecursively();
        QVERIFY(QDir().mkpath(cartella + QStringLiteral("/cartella.mdb")));
        for (const char* nome : {"b.mdb", "C.mdb", "a.mdb", "nota.txt", ".copia.mdb"})
            QVERIFY(Scrivi(cartella + QLatin1Char('/') + QLatin1String(nome), "x"));
        a_->apri();
        QCOMPARE(a_->figli(QStringLiteral("Infissi")), (QStringList{"a", "b", "C"}));
        QVERIFY(MessageBox::shown().isEmpty());
    }

    // A click on a root chooses its first child; two files of one name in two category
    // folders are told apart by their root.
    void clickSuRadici()
    {
        CreaFile(QStringLiteral("Partizioni verticali (Rw)"), 1, {"Muro A", "Muro B"});
        CreaFile(QStringLiteral("Partizioni orizzontali (Lnw)"), 4, {"Solaio"});
        a_->apri();
        a_->clicca(a_->radice(QStringLiteral("Rw")));
        QCOMPARE(a_->etichetta("Label7")->text(), M(38) + ": " + M(29) + ": 000 comune");
        const TabellaCorrente& corrente = a_->form().Corrente();
        QCOMPARE(corrente.nomeTabella + corrente.cartellaCategoria, "000 comune/Partizioni verticali (Rw)/");
        QCOMPARE(corrente.categoria, 1);
        QCOMPARE(a_->righeElenco(), (QStringList{"Muro A", "Muro B"}));
        a_->clicca(a_->figlio(QStringLiteral("Lnw"), QStringLiteral("000 comune")));
        QCOMPARE(a_->righeElenco(), QStringList{"Solaio"});
        QCOMPARE(corrente.categoria, 4);
        a_->clicca(a_->radice(QStringLiteral("teorico")));
        QCOMPARE(a_->etichetta("Label7")->text(), M(38) + ": " + M(28) + ": " + M(20));
        QCOMPARE(corrente.nomeDatabase + QString::number(corrente.categoria), "Database_teorico8");
        // The module-level names mirror the table the tree chose.
        QVERIFY((TabellaCorrente{Module1::CategoriaCorrente, Module1::CartellaCategoria,
                                 Module1::NomeDatabase, Module1::NomeTabella} == corrente));
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
    }

    // A root without files changes nothing.
    void radiceSenzaFigli()
    {
        QDir(a_->dati().percorsoDatabase(QStringLiteral("Piccoli elementi (Dnew)"))).removeRecursively();
        a_->apri();
        const QStringList righe = a_->righeElenco();
        const QString didascalia = a_->etichetta("Label7")->text();
        a_->clicca(a_->radice(QStringLiteral("Piccoli elementi")));
        QCOMPARE(a_->form().Corrente().nomeTabella, QStringLiteral("Rw_laboratorio"));
        QCOMPARE(a_->righeElenco(), righe);
        QCOMPARE(a_->etichetta("Label7")->text(), didascalia);
        QVERIFY(a_->form().Controlli().Cancella->isEnabled());
        QVERIFY(MessageBox::shown().isEmpty());
    }

    // Moving through the tree with the keyboard chooses the node as a click does.
    void sceltaDaTastiera()
    {
        a_->apri();
        QVERIFY(QTest::qWaitForWindowActive(&a_->form()));
        a_->albero()->setFocus();
        QTest::keyClick(a_->albero(), Qt::Key_Down);
        QCOMPARE(a_->form().Corrente().nomeTabella, QStringLiteral("DRw_laboratorio"));
        QCOMPARE(a_->etichetta("Label7")->text(), M(38) + ": " + M(19) + ": " + M(21));
        QCOMPARE(a_->righeElenco(), NomiInTabella(a_->sperimentale(), QStringLiteral("DRw_laboratorio")));
        QTest::keyClick(a_->albero(), Qt::Key_Up);
        QCOMPARE(a_->form().Corrente().nomeTabella, QStringLiteral("Rw_laboratorio"));
    }
};

QTEST_MAIN(TestForm1Albero)
#include "TestForm1Albero.moc"
