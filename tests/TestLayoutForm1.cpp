// The main window's layout rule: offsets from the outer size, banker's rounding, copied
// values, and the design layout restored when the window shrinks back.
#include "browser/LayoutForm1.h"
#include "browser/LineaTwips.h"

#include <QTest>
#include <QWidget>

namespace {

int Valore(const std::vector<ValoreLayout>& valori, const QString& controllo, const QString& proprieta)
{
    int trovato = -1;
    for (const ValoreLayout& v : valori)
        if (v.controllo == controllo && v.proprieta == proprieta)
            trovato = v.valore;
    return trovato;
}

const char* const kControlli[] = {"TreeView1", "Label1",         "Combo1",    "Label5",    "Image1",
                                  "List1",     "CommandInfoAgg", "Label2",    "Text2",     "Label3",
                                  "Frame1",    "Label4(0)",      "Label4(1)", "Label4(2)", "Label4(3)",
                                  "Label4(4)", "Label4(5)",      "Label6",    "Picture1",  "Label7"};

} // namespace

class TestLayoutForm1 : public QObject
{
    Q_OBJECT
private slots:
    void arrotondamento_data();
    void arrotondamento();
    void valori_data();
    void valori();
    void piuPiccolaDelProgettoTieneIValoriBase();
    void restringendoTornaAiValoriBase();
};

void TestLayoutForm1::arrotondamento_data()
{
    QTest::addColumn<double>("valore");
    QTest::addColumn<int>("atteso");
    QTest::newRow("7,5") << 7.5 << 8;
    QTest::newRow("22,5") << 22.5 << 22;
    QTest::newRow("8,5") << 8.5 << 8;
    QTest::newRow("0,5") << 0.5 << 0;
    QTest::newRow("1,5") << 1.5 << 2;
    QTest::newRow("7,4") << 7.4 << 7;
    QTest::newRow("7,6") << 7.6 << 8;
}

void TestLayoutForm1::arrotondamento()
{
    QFETCH(double, valore);
    QFETCH(int, atteso);
    QCOMPARE(ArrotondaPari(valore), atteso);
}

void TestLayoutForm1::valori_data()
{
    QTest::addColumn<int>("larghezza");
    QTest::addColumn<int>("altezza");
    QTest::addColumn<QString>("controllo");
    QTest::addColumn<QString>("proprieta");
    QTest::addColumn<int>("atteso");

    const int W = 12105, H = 8700;
    QTest::newRow("progetto: List1 width") << W << H << "List1"
                                           << "width" << 5895;
    QTest::newRow("progetto: Picture1 left") << W << H << "Picture1"
                                             << "left" << 9615;
    QTest::newRow("progetto: Label5 left") << W << H << "Label5"
                                           << "left" << 9480;
    QTest::newRow("progetto: Line1(3) x2") << W << H << "Line1(3)"
                                           << "x2" << 9645;
    QTest::newRow("progetto: Frame1 top") << W << H << "Frame1"
                                          << "top" << 5160;
    // 12135: dx = 15, dx2 = 22 (22,5 rounded to even)
    QTest::newRow("12135: List1 width") << 12135 << H << "List1"
                                        << "width" << 5910;
    QTest::newRow("12135: TreeView1 width") << 12135 << H << "TreeView1"
                                            << "width" << 3270;
    QTest::newRow("12135: Picture1 left") << 12135 << H << "Picture1"
                                          << "left" << 9637;
    QTest::newRow("12135: Label5 follows Combo1") << 12135 << H << "Label5"
                                                  << "left" << 5295 + 4110 + 105;
    QTest::newRow("12135: Image1 follows Label5") << 12135 << H << "Image1"
                                                  << "left" << 9510;
    QTest::newRow("12135: CommandInfoAgg follows") << 12135 << H << "CommandInfoAgg"
                                                   << "left" << 9510;
    QTest::newRow("12135: Line1(3) copies Line1(2)") << 12135 << H << "Line1(3)"
                                                     << "x1" << 9547;
    QTest::newRow("12135: Line1(4) x2 follows x1") << 12135 << H << "Line1(4)"
                                                   << "x2" << 10777;
    // 12120: dx = 8 (7,5 to even), dx2 = 12
    QTest::newRow("12120: List1 left") << 12120 << H << "List1"
                                       << "left" << 3488;
    QTest::newRow("12120: Label4(1) left") << 12120 << H << "Label4(1)"
                                           << "left" << 11607;
    // height 9000: dy = 300
    QTest::newRow("9000: List1 height") << W << 9000 << "List1"
                                        << "height" << 2250;
    QTest::newRow("9000: Frame1 top") << W << 9000 << "Frame1"
                                      << "top" << 5460;
    QTest::newRow("9000: Label4(1) copies Label4(0) top") << W << 9000 << "Label4(1)"
                                                          << "top" << 7875;
    QTest::newRow("9000: Line1(5) y2 copies Line1(0)") << W << 9000 << "Line1(5)"
                                                       << "y2" << 7875;
    QTest::newRow("9000: horizontals at base") << W << 9000 << "List1"
                                               << "width" << 5895;
    QTest::newRow("9000: CommandInfoAgg top") << W << 9000 << "CommandInfoAgg"
                                              << "top" << 3300;
}

void TestLayoutForm1::valori()
{
    QFETCH(int, larghezza);
    QFETCH(int, altezza);
    QFETCH(QString, controllo);
    QFETCH(QString, proprieta);
    QFETCH(int, atteso);
    QCOMPARE(Valore(CalcolaLayout(larghezza, altezza), controllo, proprieta), atteso);
}

void TestLayoutForm1::piuPiccolaDelProgettoTieneIValoriBase()
{
    const auto base = CalcolaLayout(12105, 8700);
    const auto piccola = CalcolaLayout(9000, 6000);
    QCOMPARE(piccola.size(), base.size());
    for (size_t i = 0; i < base.size(); ++i)
        QCOMPARE(piccola[i].valore, base[i].valore);
}

void TestLayoutForm1::restringendoTornaAiValoriBase()
{
    QWidget finestra;
    for (const char* nome : kControlli) {
        auto* w = new QWidget(&finestra);
        w->setObjectName(QString::fromLatin1(nome));
    }
    CreaLinee(&finestra);
    ApplicaLayout(&finestra, 12105, 8700);
    QList<QRect> iniziali;
    for (QWidget* w : finestra.findChildren<QWidget*>())
        iniziali << w->geometry();

    ApplicaLayout(&finestra, 15000, 11000);
    auto* lista = finestra.findChild<QWidget*>(QStringLiteral("List1"));
    QCOMPARE(lista->width(), ArrotondaPari((5895 + 1448) / 15.0)); // dx = 1447,5 → 1448
    auto* linea3 = finestra.findChild<LineaTwips*>(QStringLiteral("Line1(3)"));
    QCOMPARE(linea3->X1(), 9525 + 2172);

    ApplicaLayout(&finestra, 12000, 8000);
    int i = 0;
    for (QWidget* w : finestra.findChildren<QWidget*>())
        QCOMPARE(w->geometry(), iniziali[i++]);
    QCOMPARE(linea3->X1(), 9525);
    QCOMPARE(linea3->Y1(), 7200);
}

QTEST_MAIN(TestLayoutForm1)
#include "TestLayoutForm1.moc"
