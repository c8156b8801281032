// zelmar-esporta run as a process on a copy of the test data: the sheet of entries of the
// three kinds of database, whole tables as CSV (own and Access files), and the exit status
// and message of every wrong or missing input.
#include "TestSupport.h"
#include "TestoPdf.h"

#include "storage/DBEngine.h"

#include <QProcess>
#include <QTest>

class TestZelmarEsporta : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::PreparaAmbiente(); }

    void esporta_data()
    {
        QTest::addColumn<QStringList>("argomenti"); // {dati}: Databases/Database, {uscita}: a new folder
        QTest::addColumn<int>("stato");
        QTest::addColumn<QString>("atteso"); // in the PDF's text or the CSV, or on standard error
        const QString personale = "{dati}/Database_sperimentale.mdb";
        const QString muro = "Muro in laterizio 12 cm", porta = "Porta interna in legno tamburata";
        // clang-format off
        QTest::newRow("sheet of a custom wall") << QStringList{"--pdf", "{uscita}/a.pdf", personale, "Rw_laboratorio", muro} << 0 << "Rw(C;Ctr)= 52(-1;-4) dB";
        QTest::newRow("kind from the category folder") << QStringList{"--pdf", "{uscita}/a.pdf", "{dati}/Partizioni verticali (Rw)/Prove 2009.mdb", "Prove 2009", "Muro in calcestruzzo cellulare 20 cm"} << 0 << "Prove 2009";
        QTest::newRow("theoretical table") << QStringList{"--pdf", "{uscita}/a.pdf", "{dati}/Database_teorico.mdb", "Livello_calpestio", "Solaio in calcestruzzo 16 cm"} << 0 << "L'nw(Ci)= 76(-12) dB";
        QTest::newRow("kind given") << QStringList{"--pdf", "{uscita}/a.pdf", "--tipo", "7", personale, "Infissi", porta} << 0 << "R'w(C;Ctr)= 30(-1;-2) dB";
        QTest::newRow("custom table as CSV") << QStringList{"--csv", "{uscita}/a.csv", personale, "Infissi"} << 0 << porta;
        QTest::newRow("Access table as CSV") << QStringList{"--csv", "{uscita}/a.csv", "{jet}", "Table1"} << 0 << "A;B;C;D;E;F;G;H;I\r\na;b;0;0;0;0;12/12/1981;0;0\r\n";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "";
        QTest::newRow("a name like an option is a name") << QStringList{"--pdf", "{uscita}/a.pdf", personale, "Rw_laboratorio", "-3,5"} << 2 << "la voce \u00ab-3,5\u00bb";
        QTest::newRow("missing file") << QStringList{"--csv", "{uscita}/a.csv", "{dati}/manca.mdb", "T"} << 2 << "manca.mdb non esiste";
        QTest::newRow("missing table") << QStringList{"--csv", "{uscita}/a.csv", personale, "Manca"} << 2 << "non ha la tabella \u00abManca\u00bb";
        QTest::newRow("kind unknown") << QStringList{"--pdf", "{uscita}/a.pdf", "{jet}", "Table1", "a"} << 2 << "--tipo";
        QTest::newRow("no such kind") << QStringList{"--pdf", "{uscita}/a.pdf", "--tipo", "11", personale, "T", "a"} << 2 << "\u00ab11\u00bb";
        QTest::newRow("kind with CSV") << QStringList{"--csv", "{uscita}/a.csv", "--tipo", "1", personale, "Infissi"} << 2 << "--tipo";
        QTest::newRow("count of arguments") << QStringList{"--csv", "{uscita}/a.csv", personale} << 2 << "2 argomenti";
        QTest::newRow("no format") << QStringList{personale, "Infissi"} << 2 << "--pdf o --csv";
        QTest::newRow("output not writable") << QStringList{"--pdf", "{uscita}/manca/a.pdf", personale, "Rw_laboratorio", muro} << 1 << "manca/a.pdf";
        QTest::newRow("damaged file") << QStringList{"--csv", "{uscita}/a.csv", "{guasto}", "T"} << 1 << "guasto.mdb";
        // clang-format on
    }
    void esporta()
    {
        QFETCH(QStringList, argomenti);
        QFETCH(int, stato);
        QFETCH(QString, atteso);
        TestSupport::AmbienteDati dati;
        QVERIFY(dati.ok());
        QTemporaryDir uscita;
        const QString guasto = uscita.filePath("guasto.mdb");
        QVERIFY(TestSupport::Scrivi(guasto, QByteArray(4096, 'x')));
        for (QString& a : argomenti)
            a.replace("{dati}", dati.percorsoDatabase(""))
                .replace("{uscita}", uscita.path())
                .replace("{jet}",
                         qEnvironmentVariable("ZELMAR_SOURCE_DIR") + "/tests/fixtures/jet/testV1997.mdb")
                .replace("{guasto}", guasto);
        QProcess esporta;
        esporta.start(ZELMAR_ESPORTA, argomenti);
        QVERIFY(esporta.waitForFinished(60000));
        const QString errori = QString::fromUtf8(esporta.readAllStandardError());
        QVERIFY2(esporta.exitCode() == stato, qPrintable(errori));
        if (stato != 0) {
            QVERIFY2(errori.contains(atteso), qPrintable(errori));
            QVERIFY(!QFile::exists(uscita.filePath("a.pdf")) && !QFile::exists(uscita.filePath("a.csv")));
            return;
        }
        QVERIFY2(errori.isEmpty(), qPrintable(errori));
        if (argomenti.first() == "--help") {
            QVERIFY(esporta.readAllStandardOutput().contains("zelmar-esporta --csv"));
        } else if (argomenti.first() == "--pdf") {
            const QString testo = TestoPdf::Testo(uscita.filePath("a.pdf"));
            QCOMPARE(TestoPdf::Pagine(uscita.filePath("a.pdf")), 1);
            QVERIFY(testo.contains(atteso) && testo.contains(argomenti.last()));
        } else {
            const QByteArray contenuto = TestSupport::Contenuto(uscita.filePath("a.csv"));
            QVERIFY(contenuto.startsWith("\xEF\xBB\xBF"));
            QVERIFY2(contenuto.contains(atteso.toUtf8()), contenuto.constData());
            auto db = DBEngine::OpenDatabase(argomenti[2]);
            auto tabella = db->OpenRecordset(argomenti[3]);
            QCOMPARE(contenuto.count("\r\n"), tabella->RecordCount() + 1);
            QVERIFY(contenuto.mid(3).startsWith(tabella->FieldNames().join(';').toUtf8() + "\r\n"));
        }
    }

    // The sheet of the installed program, whose Zelmar.ini the environment names (not the one
    // in its program folder): texts, numbers and dates in that language, not the system's (C).
    void schedaNellaLinguaDelleImpostazioni()
    {
        TestSupport::AmbienteDati dati;
        QVERIFY(dati.ok());
        dati.scriviIni("English", dati.cartellaDati());
        QTemporaryDir uscita;
        QVERIFY(TestSupport::Scrivi(uscita.filePath("Zelmar.ini"), "[Configurazione]\nLingua=Italiano\n"));
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert("LC_ALL", "C");
        ambiente.insert("ZELMARTEK_CARTELLA_PROGRAMMA", dati.cartellaProgramma());
        ambiente.insert("ZELMARTEK_INI", uscita.filePath("Zelmar.ini"));
        QProcess esporta;
        esporta.setProcessEnvironment(ambiente);
        esporta.start(ZELMAR_ESPORTA,
                      {"--pdf", uscita.filePath("a.pdf"), dati.percorsoDatabase("Database_sperimentale.mdb"),
                       "Rw_laboratorio", "Muro in laterizio 12 cm"});
        QVERIFY(esporta.waitForFinished(60000) && esporta.exitCode() == 0);
        const QString testo = TestoPdf::Testo(uscita.filePath("a.pdf"));
        for (const QString& atteso :
             QStringList{"05/03/2010", "39,5", "10,08", QDate::currentDate().toString("dd/MM/yyyy")})
            QVERIFY2(testo.contains(atteso), qPrintable(atteso + "\n---\n" + testo));
    }
};

QTEST_MAIN(TestZelmarEsporta)
#include "TestZelmarEsporta.moc"
