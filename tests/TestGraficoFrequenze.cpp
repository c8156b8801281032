// The chart's numbers: value range and its captions, grid, bridged curve and markers.
#include "browser/parti/GraficoFrequenze.h"

#include <QTest>

namespace {

using Bande = std::array<float, 21>;
const QLocale kItaliano(QLocale::Italian, QLocale::Italy);

// Every band at tutte but the listed ones.
Bande B(float tutte, std::initializer_list<std::pair<int, float>> eccezioni = {})
{
    Bande b;
    b.fill(tutte);
    for (const auto& [banda, valore] : eccezioni)
        b[banda] = valore;
    return b;
}

} // namespace

class TestGraficoFrequenze : public QObject
{
    Q_OBJECT
private slots:
    // max: the largest band, zeros included; min: the smallest non-zero band from 63 Hz, or
    // the 500 Hz band even when it is 0; equal ends are set apart by one. Zero bands are
    // neither drawn nor marked: the curve bridges them, and leading, trailing and lone bands
    // give no segment.
    void intervalloECurva()
    {
        const struct
        {
            Bande bande;
            const char *massimo, *minimo;
            int segmenti, marcatori;
            double da, a; // first and last band of the curve
        } righe[] = {{B(40), "41,0", "40,0", 20, 21, 0, 20},
                     {B(40, {{5, 0}}), "41,0", "40,0", 19, 20, 0, 20},
                     {B(50, {{10, 0}, {20, 60}}), "60,0", "0,0", 19, 20, 0, 20},
                     {B(45, {{0, 20}, {15, 55}}), "55,0", "45,0", 20, 21, 0, 20}, // 50 Hz never lowers min
                     {B(45, {{0, 70}}), "70,0", "45,0", 20, 21, 0, 20},
                     {B(45, {{1, 30}}), "45,0", "30,0", 20, 21, 0, 20}, // the 63 Hz band lowers min
                     {B(0, {{10, 48}, {12, 40}, {14, 52}}), "52,0", "40,0", 2, 3, 10, 14},
                     {B(0, {{3, 43}, {9, 49}, {17, 57}}), "57,0", "0,0", 2, 3, 3, 17},
                     {B(0, {{10, 45}}), "46,0", "45,0", 0, 1, 0, 0},
                     {B(0), "1,0", "0,0", 0, 0, 0, 0}};
        for (const auto& r : righe) {
            const GeometriaGrafico g = CalcolaGrafico(r.bande, true, kItaliano);
            QCOMPARE(g.testoMassimo + QLatin1Char(' ') + g.testoMinimo,
                     QLatin1String(r.massimo) + QLatin1Char(' ') + QLatin1String(r.minimo));
            QCOMPARE(g.K * g.max + g.Off, 80.0); // max at the top line, min at the bottom one
            QVERIFY(qAbs(g.K * g.min + g.Off - 10.0) < 1e-9);
            QCOMPARE(g.curva.size(), r.segmenti);
            QCOMPARE(g.marcatori.size(), r.marcatori);
            QCOMPARE(g.griglia.size(), 10);
            if (r.segmenti > 0)
                QCOMPARE(QPointF(g.curva.first().x1(), g.curva.last().x2()), QPointF(r.da, r.a));
            for (const QLineF& l : g.curva)
                QVERIFY(r.bande[int(l.x1())] != 0 && r.bande[int(l.x2())] != 0);
        }
        const GeometriaGrafico piatta = CalcolaGrafico(B(40), true, kItaliano);
        QCOMPARE(piatta.curva[7], QLineF(7, 10, 8, 10));
        QCOMPARE(piatta.griglia.first(), QLineF(1, 0, 1, 90));
        QCOMPARE(piatta.griglia.last(), QLineF(0, 80, 20, 80));
        // Only the 50 Hz band can lie below the range.
        const GeometriaGrafico bassa = CalcolaGrafico(B(45, {{0, 20}, {15, 55}}), true, kItaliano);
        QVERIFY(bassa.marcatori.first().y() < 10);
        QCOMPARE(bassa.curva.first().p1(), bassa.marcatori.first());
        const GeometriaGrafico n = CalcolaGrafico(B(40), false, kItaliano); // no line selected
        QVERIFY(n.testoMassimo + n.testoMinimo == "maxmin" && n.griglia.isEmpty() && n.marcatori.isEmpty());
    }

    // The reference curve of ISO 717-1 from 100 Hz (band 3) to 3150 Hz (band 18), here
    // unshifted (Rw 52, every band 2 dB below it), and the range widened to take it in.
    void riferimento()
    {
        const float valori[] = {31, 34, 37, 40, 43, 46, 49, 50, 51, 52, 53, 54, 54, 54, 54, 54};
        Bande b = B(0);
        MotoreValutazione::Bande bande;
        for (int i = 0; i < 16; ++i)
            bande[3 + i] = b[3 + i] = valori[i];
        GeometriaGrafico g = CalcolaGrafico(b, true, kItaliano);
        AggiungiRiferimento(g, MotoreValutazione::Valuta(GrandezzaBande::R, bande), bande, kItaliano);
        QCOMPARE(g.testoMassimo + g.testoMinimo, QStringLiteral("56,031,0")); // without it 54,0 to 31,0
        QCOMPARE(QLineF(g.riferimento.first().p1(), g.riferimento.last().p2()),
                 QLineF(3, 10 + 70 * 2 / 25.0, 18, 80));
        QCOMPARE(g.marcatori.first(), QPointF(3, 10)); // the curve on the widened scale
    }

    // One decimal (see intervalloECurva) and the thousands grouped.
    void formato() { QCOMPARE(FormattaValoreGrafico(1234567.0, kItaliano), QStringLiteral("1.234.567,0")); }
};

QTEST_GUILESS_MAIN(TestGraficoFrequenze)
#include "TestGraficoFrequenze.moc"
