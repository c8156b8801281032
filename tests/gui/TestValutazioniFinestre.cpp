// The ratings computed from the curves in the windows: the editor's copy of the ratings of
// the typed bands into the rating boxes, and the check window finding a differing entry,
// exporting it, and stopping when cancelled.
#include "TestForm1Ambiente.h"

#include "app/Traduzioni.h"
#include "browser/ValutazioniForm1.h"
#include "checkwindow/FinestraVerifica.h"

#include <QTableView>

using namespace Form1Test;

class TestValutazioniFinestre : public QObject
{
    Q_OBJECT
    std::unique_ptr<Ambiente> a_;

    // The window of the check the named command of the Ratings menu opens, once it is done.
    FinestraVerifica* Verifica(const QString& comando, bool annulla = false)
    {
        a_->form().findChild<QAction*>(comando)->trigger();
        FinestraVerifica* verifica = a_->form().Valutazioni()->Verifica();
        if (verifica && annulla)
            verifica->findChild<QPushButton*>("AnnullaVerifica")->click();
        if (verifica && !QTest::qWaitFor([&] { return !verifica->InCorso(); }, 60000))
            return nullptr;
        return verifica;
    }

private slots:
    void init()
    {
        a_ = std::make_unique<Ambiente>();
        QVERIFY(a_->ok());
        FileDialog::clear();
        QVERIFY(QTest::qWaitForWindowExposed(&a_->apri()));
    }
    void cleanup() { a_.reset(); }

    void copiaNellEditor_data()
    {
        QTest::addColumn<int>("messaggio");  // of the custom node
        QTest::addColumn<QString>("bande");  // 100 to 3150 Hz
        QTest::addColumn<QString>("attese"); // the rating boxes after the copy; "=" as before
        // clang-format off
        QTest::newRow("Rw, ISO 717-1 annex") << 20 << "20,4 16,3 17,7 22,6 22,4 22,7 24,8 26,6 28,0 30,5 31,8 32,5 33,4 33,0 31,0 25,5" << "30 -2 -3";
        QTest::newRow("Lnw, ISO 717-2 annex: the third box as it was") << 22 << "62,1 63,2 63,5 66,2 68,5 70,0 71,7 73,1 73,8 73,5 73,8 73,3 73,1 73,0 72,4 71,2" << "79 -11 =";
        QTest::newRow("DRw: none") << 21 << "3,0 3,7 1,9 3,0 3,2 3,5 4,0 6,1 6,7 7,0 7,7 10,8 15,2 20,3 25,4 23,2" << "= = =";
        QTest::newRow("no 500 Hz: none") << 20 << "20,4 16,3 17,7 22,6 22,4 22,7 24,8 26,6 - 30,5 31,8 32,5 33,4 33,0 31,0 25,5" << "= = =";
        // clang-format on
    }
    void copiaNellEditor()
    {
        QFETCH(int, messaggio);
        QFETCH(QString, bande);
        QFETCH(QString, attese);
        a_->scegliPersonale(messaggio);
        QStringList dopo;
        QVERIFY(ConEditor(
            [&] { a_->pulsante(1); },
            [&](Form3* f) {
                const QStringList valori = bande.split(' ');
                for (int i = 0; i < valori.size(); ++i)
                    Casella(f, QString("Text2(%1)").arg(3 + i))->setText(valori[i] == "-" ? "" : valori[i]);
                QStringList prima;
                for (int i = 21; i < 24; ++i)
                    prima << Casella(f, QString("Text2(%1)").arg(i))->text();
                Premi(f, "CopiaValutazioni");
                for (int i = 21; i < 24; ++i) {
                    const QString testo = Casella(f, QString("Text2(%1)").arg(i))->text();
                    dopo << (testo == prima[i - 21] ? "=" : testo);
                }
            }));
        QCOMPARE(dopo.join(' '), attese);
    }

    // One custom wall stores a Ctr a decibel below its curve's and a Null C; the table's check,
    // in Italian, counts and lists just that, exports it as shown (the dialog opening again in
    // the folder chosen) and shows it in the main window on a double click.
    void verificaTabella()
    {
        Ambiente::Esegui(a_->sperimentale(), "UPDATE Rw_laboratorio SET \"Ctr (dB)\" = \"Ctr (dB)\" - 1.5, "
                                             "\"C (dB)\" = NULL WHERE Nome = 'Muro in laterizio 25 cm'");
        a_->scegliPersonale(20);
        Traduzioni::Installa("Italiano");
        FinestraVerifica* verifica = Verifica("VerificaTabella");
        QVERIFY(verifica);
        QVERIFY(
            verifica->findChild<QLabel*>("StatoVerifica")->text().contains(", 1 indice memorizzato diverso"));
        const QString csv = QDir::temp().filePath("verifica-tabella.csv");
        FileDialog::setNextFileName(csv);
        verifica->findChild<QPushButton*>("EsportaCsv")->click();
        QCOMPARE(FileDialog::folderFor("verifica"), QDir::tempPath());
        emit verifica->Elenco()->doubleClicked(verifica->Elenco()->model()->index(0, 2));
        QCOMPARE(a_->elenco()->testoCorrente(), "Muro in laterizio 25 cm");
        Traduzioni::Installa("English");
        QCOMPARE(Contenuto(csv),
                 "\xEF\xBB\xBF"
                 "File;Tabella;Nome;Colonna;Memorizzato;Calcolato\r\n"
                 "Databases/Database/Database_sperimentale.mdb;Rw_laboratorio;Muro in laterizio 25 "
                 "cm;Ctr (dB);-6,5;-5\r\n");
        QFile::remove(csv);
    }

    // Cancelled as soon as it starts, the check of every database stops within the first table
    // (of 15) and says so.
    void verificaAnnullata()
    {
        Ambiente::Esegui(a_->sperimentale(), "INSERT INTO Rw_laboratorio (Nome) WITH RECURSIVE n(i) AS "
                                             "(SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 50000) "
                                             "SELECT 'Copia ' || i FROM n");
        FinestraVerifica* verifica = Verifica("VerificaCartella", true);
        QVERIFY(verifica);
        const QString stato = verifica->findChild<QLabel*>("StatoVerifica")->text();
        QVERIFY2(stato.endsWith("Cancelled.") && !stato.startsWith("15 of 15"), qPrintable(stato));
        QVERIFY(!verifica->findChild<QPushButton*>("AnnullaVerifica")->isEnabled());
    }
};

QTEST_MAIN(TestValutazioniFinestre)
#include "TestValutazioniFinestre.moc"
