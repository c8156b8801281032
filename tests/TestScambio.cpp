// Band values read from pasted text, and CSV fields.
#include "TestSupport.h"

#include "exchange/AppuntiBande.h"
#include "exchange/ScritturaCsv.h"

#include <QTest>

namespace {

// n values 30, 31, ... (with the given decimals) joined by the separator.
QString Serie(int n, const QString& separatore, const QString& decimali = QString())
{
    QStringList valori;
    for (int i = 0; i < n; ++i)
        valori << QString::number(30 + i) + decimali;
    return valori.join(separatore);
}

} // namespace

class TestScambio : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::PreparaAmbiente(); }

    void incollaBande_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("primaBanda"); // -1: refused
        QTest::addColumn<double>("primo");
        QTest::addColumn<double>("ultimo");
        QTest::addColumn<QString>("errore");
        // clang-format off
        QTest::newRow("21 in a spreadsheet row") << Serie(21, "\t") + "\r\n" << 0 << 30.0 << 50.0 << "";
        QTest::newRow("21 in a column, CR LF") << Serie(21, "\r\n", ",5") << 0 << 30.5 << 50.5 << "";
        QTest::newRow("16 by semicolons, dots, one at the end") << Serie(16, ";", ".25") + ";" << 3 << 30.25 << 45.25 << "";
        QTest::newRow("16 in two rows of blanks and tabs") << Serie(8, " ") + "\n" + Serie(8, "\t") << 3 << 30.0 << 37.0 << "";
        QTest::newRow("negative improvements") << "-3,5 " + Serie(15, " ") << 3 << -3.5 << 44.0 << "";
        QTest::newRow("20 values") << Serie(20, "\t") << -1 << 0.0 << 0.0 << "20 values";
        QTest::newRow("frequencies and values") << Serie(21, "\t") + "\n" + Serie(21, "\t") << -1 << 0.0 << 0.0 << "42 values";
        QTest::newRow("a word") << Serie(10, " ") + " abc " + Serie(10, " ") << -1 << 0.0 << 0.0 << "\u00ababc\u00bb";
        QTest::newRow("thousands separator") << "1.234,5 " + Serie(20, " ") << -1 << 0.0 << 0.0 << "\u00ab1.234,5\u00bb";
        QTest::newRow("comma-separated list") << Serie(21, ",") << -1 << 0.0 << 0.0 << "not a number";
        QTest::newRow("empty cell in a row") << "30\t31\t\t" + Serie(18, "\t") << -1 << 0.0 << 0.0 << "80 Hz";
        QTest::newRow("empty cell in a column") << "30\n31\n\n" + Serie(18, "\n") << -1 << 0.0 << 0.0 << "80 Hz";
        QTest::newRow("nothing") << " \n\t" << -1 << 0.0 << 0.0 << "no band values";
        QTest::newRow("400 digits") << QString(400, '9') + " " + Serie(20, " ") << -1 << 0.0 << 0.0 << "not a number";
        // clang-format on
    }
    void incollaBande()
    {
        QFETCH(QString, testo);
        QFETCH(int, primaBanda);
        const AppuntiBande::Lettura lettura = AppuntiBande::Leggi(testo);
        if (primaBanda < 0) {
            QFETCH(QString, errore);
            QVERIFY2(!lettura.Accettata() && lettura.errore.contains(errore), qPrintable(lettura.errore));
            QVERIFY(lettura.valori.isEmpty());
            return;
        }
        QVERIFY2(lettura.Accettata(), qPrintable(lettura.errore));
        QCOMPARE(lettura.primaBanda, primaBanda);
        QCOMPARE(lettura.valori.size(), primaBanda == 0 ? 21 : 16);
        QTEST(lettura.valori.first(), "primo");
        QTEST(lettura.valori.last(), "ultimo");
    }

    void campiCsv_data()
    {
        QTest::addColumn<QVariant>("valore");
        QTest::addColumn<QString>("campo");
        QTest::newRow("text") << QVariant("Muro 12 cm") << "Muro 12 cm";
        QTest::newRow("semicolon") << QVariant("a;b") << "\"a;b\"";
        QTest::newRow("quotes") << QVariant("il \"muro\"") << "\"il \"\"muro\"\"\"";
        QTest::newRow("line break") << QVariant("due\r\nrighe") << "\"due\r\nrighe\"";
        QTest::newRow("null") << QVariant() << "";
        QTest::newRow("whole number") << QVariant(52.0) << "52";
        QTest::newRow("decimal comma") << QVariant(-3.5) << "-3,5";
        QTest::newRow("shortest that reads back") << QVariant(0.1) << "0,1";
        QTest::newRow("no grouping, no exponent") << QVariant(1234567.0000001) << "1234567,0000001";
        QTest::newRow("small") << QVariant(1e-7) << "0,0000001";
        QTest::newRow("integer") << QVariant(12) << "12";
    }
    void campiCsv()
    {
        QFETCH(QVariant, valore);
        QTEST(ScritturaCsv::Valore(valore), "campo");
    }
};

QTEST_MAIN(TestScambio)
#include "TestScambio.moc"
