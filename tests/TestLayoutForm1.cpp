// The main window's layout rule: offsets from the outer size, an exact half rounded to even,
// values copied from other controls, and the design layout kept below the design size and
// restored when the window shrinks back.
#include "browser/parti/LayoutForm1.h"
#include "browser/parti/LineaTwips.h"

#include <QTest>
#include <QWidget>

class TestLayoutForm1 : public QObject
{
    Q_OBJECT
private slots:
    void valori()
    {
        const int W = LarghezzaEsternaProgetto, H = AltezzaEsternaProgetto;
        const struct
        {
            int larghezza, altezza;
            const char *controllo, *proprieta;
            int atteso;
        } righe[] = {
            {12135, H, "List1", "width", 5910}, // dx = 15, dx2 = 22 (22,5 to even)
            {12135, H, "Picture1", "left", 9637},
            {12135, H, "Label5", "left", 5295 + 4110 + 105}, // follows the keyword box
            {12135, H, "Line1(3)", "x1", 9547},              // copies Line1(2)
            {12135, H, "Line1(4)", "x2", 10777},             // follows its x1
            {12120, H, "List1", "left", 3488},               // dx = 8 (7,5 to even), dx2 = 12
            {12120, H, "Label4(1)", "left", 11607},
            {W, 9000, "List1", "height", 2250},  // dy = 300
            {W, 9000, "Label4(1)", "top", 7875}, // copies Label4(0)
            {W, 9000, "Line1(5)", "y2", 7875},   // copies Line1(0)
        };
        for (const auto& r : righe) {
            int trovato = -1;
            for (const ValoreLayout& v : CalcolaLayout(r.larghezza, r.altezza))
                if (v.controllo == QLatin1String(r.controllo) && v.proprieta == QLatin1String(r.proprieta))
                    trovato = v.valore;
            QVERIFY2(trovato == r.atteso, qPrintable(QStringLiteral("%1 %2 at %3 x %4: %5")
                                                         .arg(r.controllo, r.proprieta)
                                                         .arg(r.larghezza)
                                                         .arg(r.altezza)
                                                         .arg(trovato)));
        }
    }

    void piuPiccolaDelProgettoTieneIValoriBase()
    {
        const auto base = CalcolaLayout(LarghezzaEsternaProgetto, AltezzaEsternaProgetto);
        const auto piccola = CalcolaLayout(9000, 6000);
        QCOMPARE(piccola.size(), base.size());
        for (size_t i = 0; i < base.size(); ++i)
            QCOMPARE(piccola[i].valore, base[i].valore);
    }

    void restringendoTornaAiValoriBase()
    {
        QWidget finestra;
        CreaLinee(&finestra);
        for (const ValoreLayout& v : CalcolaLayout(LarghezzaEsternaProgetto, AltezzaEsternaProgetto))
            if (!finestra.findChild<QWidget*>(v.controllo))
                (new QWidget(&finestra))->setObjectName(v.controllo);
        ApplicaLayout(&finestra, LarghezzaEsternaProgetto, AltezzaEsternaProgetto);
        QList<QRect> iniziali;
        for (QWidget* w : finestra.findChildren<QWidget*>())
            iniziali << w->geometry();
        ApplicaLayout(&finestra, 15000, 11000);
        QCOMPARE(finestra.findChild<QWidget*>(QStringLiteral("List1"))->width(), 490); // (5895 + 1448) / 15
        auto* linea3 = finestra.findChild<LineaTwips*>(QStringLiteral("Line1(3)"));
        QCOMPARE(linea3->X1(), 9525 + 2172);
        ApplicaLayout(&finestra, 12000, 8000);
        int i = 0;
        for (QWidget* w : finestra.findChildren<QWidget*>())
            QCOMPARE(w->geometry(), iniziali[i++]);
        QCOMPARE(linea3->X1(), 9525);
        QCOMPARE(linea3->Y1(), 7200);
    }
};

QTEST_MAIN(TestLayoutForm1)
#include "TestLayoutForm1.moc"
