// The search window driven from the real main window: opened by Ctrl+F beside it, a text
// searched in every database with a damaged file among them, the list sorted, an entry shown
// in the main window by a double click, entries sent to the comparison, and copies into the
// custom database from the results and from the main window, saved through the editor.
#include "TestForm1Ambiente.h"

#include "browser/ComandiRicerca.h"
#include "browser/ComandiVoce.h"
#include "comparison/FinestraConfronto.h"
#include "searchwindow/FinestraRicerca.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTableView>
#include <QThread>
#include <QTreeWidget>

using namespace Form1Test;

class TestRicercaDaForm1 : public QObject
{
    Q_OBJECT

private slots:
    // The result list sorted while batches arrive, one of them before the entries already
    // listed: sorted again when the search ends; back in the tables' order on request. A
    // search waits while the list is behind, and a new search starts with the list caught up.
    void elencoOrdinatoMentreSiRiempie()
    {
        const auto lotto = [](int tabella, QStringList nomi) {
            std::vector<VoceTrovata> voci;
            for (int riga = 0; riga < nomi.size(); ++riga) {
                VoceTrovata v;
                v.tabella = tabella;
                v.riga = riga;
                v.nome = nomi[riga];
                voci.push_back(v);
            }
            return voci;
        };
        const auto nomi = [](const ModelloRisultati& m) {
            QStringList n;
            for (int r = 0; r < m.rowCount(); ++r)
                n << m.Voce(r).nome;
            return n;
        };
        ModelloRisultati m;
        m.Ricomincia(std::vector<TabelleCartellaDati::Tabella>(2));
        m.sort(ModelloRisultati::Nome);
        m.Aggiungi(lotto(1, {"d", "b"}));
        m.MostraInAttesa();
        m.Aggiungi(lotto(0, {"c", "a", "e"}));
        m.Completa();
        QCOMPARE(nomi(m), (QStringList{"a", "b", "c", "d", "e"}));
        m.sort(-1);
        QCOMPARE(nomi(m), (QStringList{"c", "a", "e", "d", "b"}));

        const std::atomic<bool> annullata{true};
        m.Ricomincia({});
        QVERIFY(m.AttendiPosto(8192, annullata));
        QVERIFY(!m.AttendiPosto(1, annullata));
        m.Ricomincia({});
        QVERIFY(m.AttendiPosto(8192, annullata));
    }

    // More entries than the list takes in without the event loop: the search waits for it
    // until cancelled, then says so; a search started over a cancelled one lists only its
    // own entries, whatever the first left queued.
    void annullataERicominciata()
    {
        Ambiente a;
        QVERIFY(a.ok());
        Ambiente::Esegui(a.sperimentale(), "INSERT INTO Rw_laboratorio (Nome) WITH RECURSIVE n(i) AS "
                                           "(SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10000) "
                                           "SELECT 'Copia ' || i FROM n");
        a.apri();
        a.form().Ricerca()->ApriRicerca();
        FinestraRicerca* r = a.form().Ricerca()->Ricerca();
        QSignalSpy fine(r, &FinestraRicerca::terminata);
        r->Cerca();
        QThread::msleep(300); // the search hands 8,192 entries over and waits
        Premi(r, QStringLiteral("AnnullaRicerca"));
        QVERIFY(fine.wait(20000));
        QVERIFY(r->findChild<QLabel*>(QStringLiteral("StatoRicerca"))->text().endsWith("Cancelled."));

        r->Cerca();
        QThread::msleep(300);
        r->findChild<QLineEdit*>(QStringLiteral("TestoRicerca"))->setText(QStringLiteral("LATERIZIO"));
        r->Cerca();
        QVERIFY(fine.wait(20000));
        QCOMPARE(r->Elenco()->model()->rowCount(), 4);
        QVERIFY(r->findChild<QLabel*>(QStringLiteral("StatoRicerca"))->text().endsWith("Done."));
    }

    void cercaMostraConfrontaCopia()
    {
        Ambiente a;
        QVERIFY(a.ok());
        const QString rotto = QStringLiteral("Partizioni verticali (Rw)/rotto.mdb");
        QVERIFY(Scrivi(a.dati().percorsoDatabase(rotto), QByteArray(2048, 'z')));
        a.apri();
        a.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&a.form()));
        QTest::keyClick(&a.form(), Qt::Key_F, Qt::ControlModifier);
        FinestraRicerca* r = a.form().Ricerca()->Ricerca();
        QVERIFY(r && r->isVisible() && !r->isModal());

        r->findChild<QLineEdit*>(QStringLiteral("TestoRicerca"))->setText(QStringLiteral("LATERIZIO"));
        QSignalSpy fine(r, &FinestraRicerca::terminata);
        Premi(r, QStringLiteral("Cerca"));
        QVERIFY(fine.wait(20000));
        QTableView* elenco = r->Elenco();
        elenco->sortByColumn(ModelloRisultati::Nome, Qt::AscendingOrder);
        QStringList nomi;
        for (int riga = 0; riga < elenco->model()->rowCount(); ++riga)
            nomi << r->VoceMostrata(riga).nome;
        QCOMPARE(nomi, (QStringList{"Doppia parete in laterizio 8+12 cm", "Muro in laterizio 12 cm",
                                    "Muro in laterizio 25 cm", "Parete tra appartamenti via Roma"}));
        QVERIFY(
            r->findChild<QLabel*>(QStringLiteral("StatoRicerca"))->text().startsWith(QStringLiteral("4 ")));
        QVERIFY(r->findChild<QLabel*>(QStringLiteral("ErroriRicerca"))
                    ->text()
                    .contains(QStringLiteral("rotto.mdb")));
        // Names whole in their column, the databases named as the tree names them, a date typed.
        QVERIFY(elenco->columnWidth(ModelloRisultati::Nome) >
                elenco->fontMetrics().horizontalAdvance(nomi[0]));
        QCOMPARE(r->findChild<QTreeWidget*>("DoveRicerca")->topLevelItem(2)->child(0)->text(0), M(29));
        auto* al = r->findChild<QLineEdit*>("DataAl");
        al->selectAll();
        QTest::keyClicks(al, "31/12/2012");
        QCOMPARE(r->Criteri()->data.massimo, QDate(2012, 12, 31));
        al->setText("31/2/2012");
        QVERIFY(!r->Criteri() && MessageBox::lastText().contains("\u00ab31/2/2012\u00bb is not a date"));

        // Dates sort as dates, not as texts, the selected entry stays selected; the export
        // follows the order shown.
        elenco->selectRow(2);
        elenco->sortByColumn(ModelloRisultati::DataProva, Qt::AscendingOrder);
        QCOMPARE(r->VoceMostrata(elenco->selectionModel()->selectedRows().value(0).row()).nome,
                 QStringLiteral("Muro in laterizio 25 cm"));
        QStringList perData;
        for (int riga = 0; riga < elenco->model()->rowCount(); ++riga)
            perData << r->VoceMostrata(riga).nome;
        QCOMPARE(perData, (QStringList{"Muro in laterizio 25 cm", "Doppia parete in laterizio 8+12 cm",
                                       "Muro in laterizio 12 cm", "Parete tra appartamenti via Roma"}));
        const QString csv = a.dati().cartellaDati() + QStringLiteral("/ricerca.csv");
        FileDialog::setNextFileName(csv);
        Premi(r, QStringLiteral("EsportaRicerca"));
        const QList<QByteArray> righe = Contenuto(csv).split('\n');
        QCOMPARE(righe.size(), 6); // header, four entries, the end of the last line
        QVERIFY2(righe[0].startsWith("\xEF\xBB\xBF") && righe[0].contains(";m' (kg/m\xC2\xB2);s (mm);"),
                 righe[0]);
        QCOMPARE(righe[2],
                 QByteArray("Doppia parete in laterizio 8+12 cm;Rw (laboratory);Partizioni verticali (Rw);"
                            "Prove 2009;Rw(C,Ctr)= 57(-1, -5) dB;260;280;11/9/2009;"
                            "Istituto Prove Valdorsa S.p.A.\r"));
        elenco->sortByColumn(ModelloRisultati::Nome, Qt::AscendingOrder);

        // The experimental entry, shown in the main window: its file's node, its list line.
        const QRect cella = elenco->visualRect(elenco->model()->index(0, ModelloRisultati::Nome));
        QTest::mouseClick(elenco->viewport(), Qt::LeftButton, {}, cella.center());
        QTest::mouseDClick(elenco->viewport(), Qt::LeftButton, {}, cella.center());
        QCOMPARE(a.albero()->currentItem()->text(0), QStringLiteral("Prove 2009"));
        QCOMPARE(a.albero()->currentItem()->parent(), a.radice(QStringLiteral("Rw")));
        QCOMPARE(a.elenco()->testoCorrente(), QStringLiteral("Doppia parete in laterizio 8+12 cm"));

        elenco->selectAll();
        Premi(r, QStringLiteral("ConfrontaTrovate"));
        QCOMPARE(a.form().ComandiUscita()->Confronto()->Insieme().Quanti(), 4);

        // Copied from the results: the editor of a new custom wall, filled, saved under a new name.
        elenco->selectRow(0);
        QVERIFY(ConEditor([&] { Premi(r, QStringLiteral("CopiaTrovata")); },
                          [&](Form3* f) {
                              QCOMPARE(a.form().Corrente().nomeTabella, QStringLiteral("Rw_laboratorio"));
                              QCOMPARE(Casella(f, "Text15")->text(),
                                       QStringLiteral("Doppia parete in laterizio 8+12 cm"));
                              Casella(f, "Text15")->setText(QStringLiteral("Doppia parete copiata"));
                              Premi(f, "Command2");
                          }));
        const QVariantMap copiata = LeggiRiga(a.sperimentale(), QStringLiteral("Rw_laboratorio"), 1,
                                              QStringLiteral("Doppia parete copiata"));
        const QVariantMap originale =
            LeggiRiga(a.dati().percorsoDatabase(QStringLiteral("Partizioni verticali (Rw)/Prove 2009.mdb")),
                      QStringLiteral("Prove 2009"), 1, QStringLiteral("Doppia parete in laterizio 8+12 cm"));
        for (const char* colonna :
             {"Rw (dB)", "Ctr (dB)", "m' (kg/m²)", "Ente di prova", "Data Prova", "R - 5000Hz (dB)"})
            QCOMPARE(copiata.value(colonna), originale.value(colonna));

        // A theoretical wall copied from the main window goes to the laboratory walls.
        a.clicca(a.figlio(QStringLiteral("teorico"), QStringLiteral("Rw")));
        const QString teorica = a.elenco()->testoCorrente();
        QVERIFY(ConEditor([&] { a.form().findChild<QAction*>(QStringLiteral("CopiaPersonale"))->trigger(); },
                          [&](Form3* f) {
                              QCOMPARE(Casella(f, "Text15")->text(), teorica);
                              Premi(f, "Command2");
                          }));
        QCOMPARE(LeggiRiga(a.sperimentale(), QStringLiteral("Rw_laboratorio"), 1, teorica).value("Rw (dB)"),
                 LeggiRiga(a.teorico(), QStringLiteral("Potere_fonoisolante"), 8, teorica).value("Rw (dB)"));
        QCOMPARE(a.elenco()->testoCorrente().isEmpty(), false);
        QCOMPARE(a.form().Corrente().nomeTabella, QStringLiteral("Rw_laboratorio"));
    }
};

QTEST_MAIN(TestRicercaDaForm1)
#include "TestRicercaDaForm1.moc"
