// The category tree: its roots and children, what a click chooses, and which commands
// each kind of database allows.
#include "TestForm1Ambiente.h"

#include "browser/AlberoCategorie.h"

#include "app/MessageBox.h"
#include "app/ZelmarCommonModule.h"
#include "model/Module1.h"

#include "browser/ElencoNomi.h"
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace Form1Test;
using ZelmarCommonModule::M;

namespace {
const QString kRw = QStringLiteral("Partizioni verticali (Rw)");
const QString kLnw = QStringLiteral("Partizioni orizzontali (Lnw)");

// An experimental file of a category folder holding one table named after the file.
void CreaFileSperimentale(Ambiente& a, const QString& cartella, const QString& nome, int codice,
                          const QStringList& materiali)
{
    const QString file =
        a.dati().percorsoDatabase(cartella + QLatin1Char('/') + nome + QStringLiteral(".mdb"));
    QDir().mkpath(QFileInfo(file).path());
    Ambiente::CreaTabella(file, nome, Ambiente::ColonneDi(codice));
    for (const QString& m : materiali)
        Ambiente::Inserisci(file, nome, {{"Nome", m}, {"Parola chiave", "prova"}});
}

struct Comandi
{
    bool inserisci, modifica, cancella, command1, menuCancella;
};

Comandi StatoComandi(Form1& f)
{
    auto pulsante = [&](int i) {
        return f.findChild<QAction*>(QStringLiteral("Toolbar1.Buttons(%1)").arg(i))->isEnabled();
    };
    return {pulsante(1), pulsante(2), pulsante(3),
            f.findChild<QPushButton*>(QStringLiteral("Command1"))->isEnabled(),
            f.findChild<QAction*>(QStringLiteral("Cancella"))->isEnabled()};
}
} // namespace

class TestForm1Albero : public QObject
{
    Q_OBJECT

private slots:
    void radiciEFigliFissi()
    {
        Ambiente a;
        QVERIFY(a.ok());
        a.apri();
        QTreeWidget* albero = a.albero();
        const QStringList chiavi{
            "personalizzato", "teorico",         "Rw", "DRw", "Lnw", "DLw", "Infissi", "R'w",
            "L'nw",           "Piccoli elementi"};
        const int messaggi[] = {19, 28, 29, 30, 31, 32, 33, 34, 35, 36};
        QCOMPARE(albero->topLevelItemCount(), 10);
        for (int i = 0; i < 10; ++i) {
            QTreeWidgetItem* radice = albero->topLevelItem(i);
            QCOMPARE(AlberoCategorie::Chiave(radice), chiavi.at(i));
            QCOMPARE(radice->text(0), M(messaggi[i]));
            QVERIFY(radice->font(0).bold());
        }
        QTreeWidgetItem* personale = a.radice(QStringLiteral("personalizzato"));
        QCOMPARE(personale->childCount(), 8);
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(personale->child(i)->text(0), M(20 + i));
            QVERIFY(!personale->child(i)->font(0).bold());
            QVERIFY(AlberoCategorie::Chiave(personale->child(i)).isEmpty());
        }
        QTreeWidgetItem* teorico = a.radice(QStringLiteral("teorico"));
        QCOMPARE(teorico->childCount(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(teorico->child(i)->text(0), M(20 + i));
    }

    void primoClickPrimaDegliAltriNodi()
    {
        // The start-up click runs on the custom root's first child while it is the only node.
        Ambiente a;
        QVERIFY(a.ok());
        a.apri();
        QTreeWidget albero;
        int radici = -1;
        int figli = -1;
        QString didascalia;
        int chiamate = 0;
        AlberoCategorie::Costruisci(&albero, a.dati().cartellaDati() + QStringLiteral("/Databases/Database"),
                                    [&](QTreeWidgetItem* nodo) {
                                        ++chiamate;
                                        radici = albero.topLevelItemCount();
                                        figli = nodo->parent() ? nodo->parent()->childCount() : -1;
                                        didascalia = nodo->text(0);
                                    });
        QCOMPARE(chiamate, 1);
        QCOMPARE(radici, 1);
        QCOMPARE(figli, 1);
        QCOMPARE(didascalia, M(20));
        QCOMPARE(albero.topLevelItemCount(), 10);
    }

    void figliSperimentali()
    {
        Ambiente a;
        QVERIFY(a.ok());
        const QString cartella = a.dati().percorsoDatabase(QStringLiteral("Infissi"));
        QDir(cartella).removeRecursively();
        QVERIFY(QDir().mkpath(cartella));
        for (const char* nome : {"b.mdb", "a.mdb", "nota.txt", ".copia.mdb"}) {
            QFile f(cartella + QLatin1Char('/') + QLatin1String(nome));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir().mkpath(cartella + QStringLiteral("/cartella.mdb")));
        a.apri();
        QTreeWidgetItem* infissi = a.radice(QStringLiteral("Infissi"));
        QStringList figli;
        for (int i = 0; i < infissi->childCount(); ++i)
            figli << infissi->child(i)->text(0);
        QCOMPARE(figli, (QStringList{"a", "b"}));
        // The files are not opened while the tree is built.
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
        QCOMPARE(a.albero()->currentItem()->text(0), M(21));
        QCOMPARE(Module1::NomeTabella, QStringLiteral("DRw_laboratorio"));
        QCOMPARE(a.etichetta(QStringLiteral("Label7"))->text(), M(38) + ": " + M(19) + ": " + M(21));
        QVERIFY(a.elenco()->count() > 0);
        QTest::keyClick(a.albero(), Qt::Key_Up);
        QCOMPARE(Module1::NomeTabella, QStringLiteral("Rw_laboratorio"));
    }

    void clickSuRadiceSperimentale()
    {
        Ambiente a;
        QVERIFY(a.ok());
        CreaFileSperimentale(a, kRw, QStringLiteral("000 prima"), 1, {"Muro A", "Muro B"});
        a.apri();
        QTreeWidgetItem* radice = a.radice(QStringLiteral("Rw"));
        QCOMPARE(radice->child(0)->text(0), QStringLiteral("000 prima"));
        a.clicca(radice);
        QCOMPARE(a.etichetta(QStringLiteral("Label7"))->text(), M(38) + ": " + M(29) + ": 000 prima");
        QCOMPARE(Module1::NomeDatabase, QStringLiteral("000 prima"));
        QCOMPARE(Module1::NomeTabella, QStringLiteral("000 prima"));
        QCOMPARE(Module1::CartellaCategoria, QStringLiteral("/") + kRw + QStringLiteral("/"));
        QCOMPARE(Module1::CategoriaCorrente, 1);
        QCOMPARE(a.righeElenco(), (QStringList{"Muro A", "Muro B"}));
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
    }

    void clickSuRadiceTeorica()
    {
        Ambiente a;
        QVERIFY(a.ok());
        a.apri();
        a.clicca(a.radice(QStringLiteral("teorico")));
        QCOMPARE(Module1::CategoriaCorrente, 8);
        QCOMPARE(Module1::NomeTabella, QStringLiteral("Potere_fonoisolante"));
        QCOMPARE(Module1::NomeDatabase, QStringLiteral("Database_teorico"));
        QCOMPARE(Module1::CartellaCategoria, QStringLiteral("/"));
        QCOMPARE(a.etichetta(QStringLiteral("Label7"))->text(), M(38) + ": " + M(28) + ": " + M(20));
    }

    void sceltaPerDidascalia_data()
    {
        QTest::addColumn<QString>("radice");
        QTest::addColumn<int>("messaggio");
        QTest::addColumn<int>("codice");
        QTest::addColumn<QString>("tabella");
        QTest::newRow("Rw") << "personalizzato" << 20 << 1 << "Rw_laboratorio";
        QTest::newRow("DRw") << "personalizzato" << 21 << 3 << "DRw_laboratorio";
        QTest::newRow("Lnw") << "personalizzato" << 22 << 4 << "Lnw_laboratorio";
        QTest::newRow("DLw") << "personalizzato" << 23 << 6 << "DLw_laboratorio";
        QTest::newRow("R'w") << "personalizzato" << 24 << 2 << "Rw_in_opera";
        QTest::newRow("L'nw") << "personalizzato" << 25 << 5 << "Lnw_in_opera";
        QTest::newRow("Infissi") << "personalizzato" << 26 << 7 << "Infissi";
        QTest::newRow("Piccoli elementi") << "personalizzato" << 27 << 10 << "Dnew_laboratorio";
        QTest::newRow("teorico Rw") << "teorico" << 20 << 8 << "Potere_fonoisolante";
        QTest::newRow("teorico DRw") << "teorico" << 21 << 100 << "DRw";
        QTest::newRow("teorico Lnw") << "teorico" << 22 << 9 << "Livello_calpestio";
    }

    void sceltaPerDidascalia()
    {
        QFETCH(QString, radice);
        QFETCH(int, messaggio);
        QFETCH(int, codice);
        QFETCH(QString, tabella);
        Ambiente a;
        QVERIFY(a.ok());
        a.apri();
        a.clicca(a.figlio(radice, M(messaggio)));
        QCOMPARE(Module1::CategoriaCorrente, codice);
        QCOMPARE(Module1::NomeTabella, tabella);
        QCOMPARE(Module1::CartellaCategoria, QStringLiteral("/"));
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
    }

    void comandiPerTipo_data()
    {
        QTest::addColumn<QString>("radice");
        QTest::addColumn<bool>("sperimentale");
        QTest::addColumn<bool>("inserisciModifica");
        QTest::addColumn<bool>("cancella");
        QTest::newRow("personalizzato") << "personalizzato" << false << true << true;
        QTest::newRow("teorico") << "teorico" << false << false << true;
        QTest::newRow("file sperimentale") << "Rw" << true << false << false;
    }

    void comandiPerTipo()
    {
        QFETCH(QString, radice);
        QFETCH(bool, sperimentale);
        QFETCH(bool, inserisciModifica);
        QFETCH(bool, cancella);
        Ambiente a;
        QVERIFY(a.ok());
        CreaFileSperimentale(a, kRw, QStringLiteral("000 prima"), 1, {"Muro A"});
        a.apri();
        // Start from the opposite state, so that every command has to change.
        a.clicca(a.radice(sperimentale || radice == QLatin1String("teorico")
                              ? QStringLiteral("personalizzato")
                              : QStringLiteral("Rw")));
        QTreeWidgetItem* r = a.radice(radice);
        a.clicca(r->child(0));
        const Comandi stato = StatoComandi(a.form());
        QCOMPARE(stato.inserisci, inserisciModifica);
        QCOMPARE(stato.modifica, inserisciModifica);
        QCOMPARE(stato.command1, inserisciModifica);
        QCOMPARE(stato.cancella, cancella);
        QCOMPARE(stato.menuCancella, cancella);
    }

    void radiceSenzaFigliNonCambiaNulla()
    {
        Ambiente a;
        QVERIFY(a.ok());
        QDir(a.dati().percorsoDatabase(QStringLiteral("Piccoli elementi (Dnew)"))).removeRecursively();
        a.apri();
        QTreeWidgetItem* vuota = a.radice(QStringLiteral("Piccoli elementi"));
        QCOMPARE(vuota->childCount(), 0);
        const QStringList righe = a.righeElenco();
        const QString didascalia = a.etichetta(QStringLiteral("Label7"))->text();
        const Comandi prima = StatoComandi(a.form());
        a.clicca(vuota);
        QCOMPARE(Module1::CategoriaCorrente, 1);
        QCOMPARE(Module1::NomeTabella, QStringLiteral("Rw_laboratorio"));
        QCOMPARE(Module1::NomeDatabase, QStringLiteral("Database_sperimentale"));
        QCOMPARE(a.righeElenco(), righe);
        QCOMPARE(a.etichetta(QStringLiteral("Label7"))->text(), didascalia);
        const Comandi dopo = StatoComandi(a.form());
        QCOMPARE(dopo.inserisci, prima.inserisci);
        QCOMPARE(dopo.cancella, prima.cancella);
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void stessoNomeInCategorieDiverse()
    {
        Ambiente a;
        QVERIFY(a.ok());
        CreaFileSperimentale(a, kRw, QStringLiteral("000 comune"), 1, {"Parete"});
        CreaFileSperimentale(a, kLnw, QStringLiteral("000 comune"), 4, {"Solaio"});
        a.apri();
        a.clicca(a.figlio(QStringLiteral("Rw"), QStringLiteral("000 comune")));
        QCOMPARE(a.righeElenco(), QStringList{"Parete"});
        QCOMPARE(Module1::CategoriaCorrente, 1);
        a.clicca(a.figlio(QStringLiteral("Lnw"), QStringLiteral("000 comune")));
        QCOMPARE(a.righeElenco(), QStringList{"Solaio"});
        QCOMPARE(Module1::CategoriaCorrente, 4);
        QCOMPARE(Module1::CartellaCategoria, QStringLiteral("/") + kLnw + QStringLiteral("/"));
    }
};

QTEST_MAIN(TestForm1Albero)
#include "TestForm1Albero.moc"
