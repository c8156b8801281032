// The compact list of names: every text comes back as it went in, in order.
#include "storage/ElencoTesti.h"

#include <QTest>

class TestElencoTesti : public QObject
{
    Q_OBJECT
private slots:
    void testiComeInseriti_data()
    {
        QTest::addColumn<QStringList>("testi");
        QTest::newRow("none") << QStringList{};
        QTest::newRow("one empty text") << QStringList{QString()};
        QTest::newRow("empty texts between others")
            << QStringList{QStringLiteral("A"), QString(), QString(), QStringLiteral("B"), QString()};
        QTest::newRow("accents and symbols")
            << QStringList{QStringLiteral("Città"), QStringLiteral("m² e m³"), QStringLiteral("Straße 😀"),
                           QStringLiteral("\u0131")};
        QStringList molti;
        for (int i = 0; i < 5000; ++i)
            molti << QStringLiteral("Voce %1 %2").arg(i).arg(QString(i % 40, QLatin1Char('x')));
        QTest::newRow("many") << molti;
    }
    void testiComeInseriti()
    {
        QFETCH(QStringList, testi);
        ElencoTesti dalTesto;
        ElencoTesti dalUtf8;
        for (const QString& t : testi) {
            dalTesto.Aggiungi(t);
            const QByteArray utf8 = t.toUtf8();
            dalUtf8.Aggiungi(utf8.constData(), utf8.size());
        }
        QCOMPARE(dalTesto.size(), testi.size());
        QCOMPARE(dalTesto.toStringList(), testi);
        QVERIFY(dalTesto == dalUtf8);
        for (qsizetype i = 0; i < testi.size(); ++i)
            QCOMPARE(dalUtf8.at(i), testi.at(i));
        QCOMPARE(dalTesto.isEmpty(), testi.isEmpty());
        if (!testi.isEmpty()) {
            QCOMPARE(dalTesto.first(), testi.first());
            QCOMPARE(dalTesto.last(), testi.last());
        }
    }
};

QTEST_GUILESS_MAIN(TestElencoTesti)
#include "TestElencoTesti.moc"
