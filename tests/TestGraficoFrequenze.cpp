// The chart's numbers: value range, captions, grid, bridged curve and markers.
#include "browser/GraficoFrequenze.h"

#include <QTest>

using Bande = std::array<float, 21>;
Q_DECLARE_METATYPE(Bande)

namespace {
Bande Tutte(float v)
{
    Bande b;
    b.fill(v);
    return b;
}
const QLocale kItaliano(QLocale::Italian, QLocale::Italy);
} // namespace

class TestGraficoFrequenze : public QObject
{
    Q_OBJECT
private slots:
    void intervallo_data();
    void intervallo();
    void tutte40FormanoUnaRettaAQuota10();
    void bandaNullaScavalcata();
    void bandeNulleAgliEstremi();
    void unaSolaBanda();
    void tuttiZeroSoloGriglia();
    void bassaA50HzSottoQuota10();
    void senzaSelezione();
    void formato_data();
    void formato();
};

void TestGraficoFrequenze::intervallo_data()
{
    QTest::addColumn<Bande>("bande");
    QTest::addColumn<float>("max");
    QTest::addColumn<float>("min");
    QTest::addColumn<QString>("testoMax");
    QTest::addColumn<QString>("testoMin");

    QTest::newRow("tutte 40") << Tutte(40) << 41.0f << 40.0f << "41,0"
                              << "40,0";
    Bande zero500 = Tutte(50);
    zero500[10] = 0;
    zero500[20] = 60;
    QTest::newRow("500 Hz nulla") << zero500 << 60.0f << 0.0f << "60,0"
                                  << "0,0";
    Bande basso50 = Tutte(45);
    basso50[0] = 20;
    basso50[15] = 55;
    QTest::newRow("50 Hz non abbassa il minimo") << basso50 << 55.0f << 45.0f << "55,0"
                                                 << "45,0";
    Bande alto50 = Tutte(45);
    alto50[0] = 70;
    QTest::newRow("50 Hz alza il massimo") << alto50 << 70.0f << 45.0f << "70,0"
                                           << "45,0";
    Bande crescente;
    for (int i = 0; i < 21; ++i)
        crescente[i] = 30 + i * 1.5f;
    QTest::newRow("crescente") << crescente << 60.0f << 31.5f << "60,0"
                               << "31,5";
    Bande zeriEsclusi = Tutte(0);
    zeriEsclusi[10] = 48;
    zeriEsclusi[12] = 40;
    zeriEsclusi[14] = 52;
    QTest::newRow("zeri esclusi dal minimo") << zeriEsclusi << 52.0f << 40.0f << "52,0"
                                             << "40,0";
    QTest::newRow("tutte zero") << Tutte(0) << 1.0f << 0.0f << "1,0"
                                << "0,0";
}

void TestGraficoFrequenze::intervallo()
{
    QFETCH(Bande, bande);
    QFETCH(float, max);
    QFETCH(float, min);
    QFETCH(QString, testoMax);
    QFETCH(QString, testoMin);
    const GeometriaGrafico g = CalcolaGrafico(bande, true, kItaliano);
    QCOMPARE(g.max, max);
    QCOMPARE(g.min, min);
    QCOMPARE(g.testoMassimo, testoMax);
    QCOMPARE(g.testoMinimo, testoMin);
    QCOMPARE(g.K * g.max + g.Off, 80.0);
    QVERIFY(qAbs(g.K * g.min + g.Off - 10.0) < 1e-9);
}

void TestGraficoFrequenze::tutte40FormanoUnaRettaAQuota10()
{
    const GeometriaGrafico g = CalcolaGrafico(Tutte(40), true, kItaliano);
    QCOMPARE(g.curva.size(), 20);
    QCOMPARE(g.marcatori.size(), 21);
    for (int i = 0; i < g.curva.size(); ++i) {
        QCOMPARE(g.curva[i].p1(), QPointF(i, 10));
        QCOMPARE(g.curva[i].p2(), QPointF(i + 1, 10));
    }
    QCOMPARE(g.griglia.size(), 10);
    QCOMPARE(g.griglia.first(), QLineF(1, 0, 1, 90));
    QCOMPARE(g.griglia[6], QLineF(19, 0, 19, 90));
    QCOMPARE(g.griglia.last(), QLineF(0, 80, 20, 80));
}

void TestGraficoFrequenze::bandaNullaScavalcata()
{
    Bande b = Tutte(40);
    b[5] = 0;
    const GeometriaGrafico g = CalcolaGrafico(b, true, kItaliano);
    QCOMPARE(g.curva.size(), 19);
    QCOMPARE(g.marcatori.size(), 20);
    bool ponte = false;
    for (const QLineF& l : g.curva) {
        QVERIFY(l.p1().x() != 5 && l.p2().x() != 5);
        ponte = ponte || (l.p1().x() == 4 && l.p2().x() == 6);
    }
    QVERIFY(ponte);
}

void TestGraficoFrequenze::bandeNulleAgliEstremi()
{
    Bande b = Tutte(0);
    for (int i = 3; i <= 17; ++i)
        b[i] = 40 + i;
    const GeometriaGrafico g = CalcolaGrafico(b, true, kItaliano);
    QCOMPARE(g.curva.size(), 14);
    QCOMPARE(g.curva.first().p1().x(), 3.0);
    QCOMPARE(g.curva.last().p2().x(), 17.0);
    QCOMPARE(g.marcatori.size(), 15);
}

void TestGraficoFrequenze::unaSolaBanda()
{
    Bande b = Tutte(0);
    b[10] = 45;
    const GeometriaGrafico g = CalcolaGrafico(b, true, kItaliano);
    QVERIFY(g.curva.isEmpty());
    QCOMPARE(g.marcatori.size(), 1);
    QCOMPARE(g.max, 46.0f);
}

void TestGraficoFrequenze::tuttiZeroSoloGriglia()
{
    const GeometriaGrafico g = CalcolaGrafico(Tutte(0), true, kItaliano);
    QVERIFY(g.curva.isEmpty());
    QVERIFY(g.marcatori.isEmpty());
    QCOMPARE(g.griglia.size(), 10);
}

void TestGraficoFrequenze::bassaA50HzSottoQuota10()
{
    Bande b = Tutte(45);
    b[0] = 20;
    b[15] = 55;
    const GeometriaGrafico g = CalcolaGrafico(b, true, kItaliano);
    QVERIFY(g.marcatori.first().y() < 10);
    QCOMPARE(g.curva.first().p1(), g.marcatori.first());
}

void TestGraficoFrequenze::senzaSelezione()
{
    const GeometriaGrafico g = CalcolaGrafico(Tutte(40), false, kItaliano);
    QVERIFY(!g.selezione);
    QCOMPARE(g.testoMassimo, QStringLiteral("max"));
    QCOMPARE(g.testoMinimo, QStringLiteral("min"));
    QVERIFY(g.griglia.isEmpty() && g.curva.isEmpty() && g.marcatori.isEmpty());
}

void TestGraficoFrequenze::formato_data()
{
    QTest::addColumn<double>("valore");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("intero") << 52.0 << "52,0";
    QTest::newRow("migliaia") << 1234.5 << "1.234,5";
    QTest::newRow("negativo") << -3.26 << "-3,3";
    QTest::newRow("zero") << 0.0 << "0,0";
    QTest::newRow("decimale") << 0.04 << "0,0";
    QTest::newRow("milioni") << 1234567.0 << "1.234.567,0";
}

void TestGraficoFrequenze::formato()
{
    QFETCH(double, valore);
    QFETCH(QString, atteso);
    QCOMPARE(FormattaValoreGrafico(valore, kItaliano), atteso);
}

QTEST_GUILESS_MAIN(TestGraficoFrequenze)
#include "TestGraficoFrequenze.moc"
