// The compact list of names: every text comes back as it went in, in order, whether it
// went in as UTF-8 bytes or as text.
#include "storage/ElencoTesti.h"

#include <QTest>

class TestElencoTesti : public QObject
{
    Q_OBJECT
private slots:
    void testiComeInseriti_data()
    {
        QTest::addColumn<QStringList>("testi");
        QStringList molti;
        for (int i = 0; i < 5000; ++i)
            molti << QStringLiteral("Voce %1 %2").arg(i).arg(QString(i % 40, QLatin1Char('x')));
        QTest::newRow("none") << QStringList{};
        QTest::newRow("empty texts between others") << QStringList{"A", "", "", "B", ""};
        QTest::newRow("accents and symbols") << QStringList{"Città", "m² e m³", "Straße 😀", "\u0131"};
        QTest::newRow("many") << molti;
    }
    void testiComeInseriti()
    {
        QFETCH(QStringList, testi);
        ElencoTesti dalTesto, dalUtf8;
        for (const QString& t : testi) {
            dalTesto.Aggiungi(t);
            dalUtf8.Aggiungi(QByteArrayView(t.toUtf8()));
        }
        QCOMPARE(dalTesto.toStringList(), testi);
        QVERIFY(dalTesto == dalUtf8);
        QCOMPARE(dalUtf8.isEmpty(), testi.isEmpty());
        if (!testi.isEmpty())
            QCOMPARE(dalUtf8.last(), testi.last());
    }
};

QTEST_GUILESS_MAIN(TestElencoTesti)
#include "TestElencoTesti.moc"
