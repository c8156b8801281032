// The data sheet's page: texts fitted to their boxes, and the boxes on pages of several sizes.
#include "TestSupport.h"

#include "sheet/ImpaginazioneScheda.h"
#include "sheet/TestoAdattato.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QTest>

class TestScheda : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::PreparaAmbiente(); }

    void testoAdattato_data()
    {
        const QString lungo =
            QStringLiteral("Blocchi cavi in calcestruzzo vibrocompresso da 20 cm, intonacati "
                           "su una faccia con malta di calce e cemento, posati a giunti sfalsati");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<double>("larghezza"); // pixels
        QTest::addColumn<double>("righe");     // height in lines
        QTest::addColumn<int>("attese");       // lines drawn
        QTest::addColumn<bool>("tagliato");
        QTest::newRow("short") << "Muro in laterizio" << 300.0 << 2.0 << 1 << false;
        QTest::newRow("wrapped, all shown") << lungo << 120.0 << 30.0 << -1 << false;
        QTest::newRow("cut after two lines") << lungo << 120.0 << 2.5 << 2 << true;
        QTest::newRow("its own line breaks") << "prima\r\nseconda\nterza" << 300.0 << 5.0 << 3 << false;
        QTest::newRow("line breaks beyond the box") << "prima\nseconda\nterza" << 300.0 << 2.0 << 2 << false;
        QTest::newRow("one word wider than the box")
            << "Fonoassorbenteinsonorizzantedoppio" << 40.0 << 1.0 << 1 << true;
        QTest::newRow("box lower than a line") << lungo << 120.0 << 0.4 << 1 << true;
    }
    void testoAdattato()
    {
        QFETCH(QString, testo);
        QFETCH(double, larghezza);
        QFETCH(double, righe);
        QFETCH(int, attese);
        QFETCH(bool, tagliato);
        const QFont carattere(QStringLiteral("DejaVu Sans"), 9);
        const QFontMetricsF metrica(carattere);
        const QStringList linee =
            TestoAdattato::Righe(testo, carattere, larghezza, righe * metrica.lineSpacing());
        if (attese > 0)
            QCOMPARE(linee.size(), attese);
        for (const QString& linea : linee)
            QVERIFY2(metrica.horizontalAdvance(linea) <= larghezza + 0.5, qPrintable(linea));
        QCOMPARE(linee.last().endsWith(QChar(0x2026)), tagliato);
        if (!tagliato) // nothing lost: the lines hold the whole text, blank for blank
            QCOMPARE(linee.join(' ').simplified(), QString(testo).replace('\n', ' ').simplified());
    }

    void riquadriDentroLaPaginaESeparati_data()
    {
        QTest::addColumn<QSizeF>("pagina");
        QTest::newRow("A4") << QSizeF(210, 297);
        QTest::newRow("Letter") << QSizeF(215.9, 279.4);
        QTest::newRow("A5") << QSizeF(148, 210);
    }
    void riquadriDentroLaPaginaESeparati()
    {
        QFETCH(QSizeF, pagina);
        const ImpaginazioneScheda s = ImpaginazioneScheda::Per(pagina);
        const QList<QRectF> riquadri = s.Riquadri();
        const QRectF foglio(QPointF(), pagina);
        for (int i = 0; i < riquadri.size(); ++i) {
            QVERIFY2(foglio.contains(riquadri[i]) && !riquadri[i].isEmpty(), qPrintable(QString::number(i)));
            for (int j = i + 1; j < riquadri.size(); ++j)
                QVERIFY2(!riquadri[i].intersects(riquadri[j]),
                         qPrintable(QStringLiteral("%1 %2").arg(i).arg(j)));
        }
        QVERIFY(s.grafico.height() > s.grafico.width() * 0.35);
    }
};

QTEST_MAIN(TestScheda)
#include "TestScheda.moc"
