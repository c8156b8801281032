// The information window and the image window on their own: catalogue captions, design
// texts, read-only boxes that still copy, hiding on "Chiudi" and on losing activation.
#include "TestSupport.h"
#include "app/ZelmarCommonModule.h"
#include "browser/Form2.h"
#include "browser/Form4.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

class TestForm2 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void didascalieDalCatalogo_data();
    void didascalieDalCatalogo();
    void testiDiProgetto();
    void digitareNonCambiaNullaMaCopia_data();
    void digitareNonCambiaNullaMaCopia();
    void chiudiNasconde();
    void resetSvuotaTutteLeCaselle();
    void form4SiNascondeQuandoPerdeIlFuoco();
    void form4ImmagineVuota();
};

void TestForm2::initTestCase()
{
    TestSupport::PreparaAmbiente();
    ZelmarCommonModule::Messaggi.clear();
    for (int n = 1; n <= 89; ++n)
        ZelmarCommonModule::Messaggi << QStringLiteral("M%1").arg(n);
}

void TestForm2::didascalieDalCatalogo_data()
{
    QTest::addColumn<QString>("controllo");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("Label4") << "Label4"
                            << "M38";
    QTest::newRow("note") << "Label1(4)"
                          << "M39";
    QTest::newRow("immagine") << "Label1(5)"
                              << "M5";
    QTest::newRow("cantiere") << "Label1(11)"
                              << "M40";
    QTest::newRow("spessore") << "Label1(7)"
                              << "M41";
    QTest::newRow("Label5") << "Label5"
                            << "M42";
    QTest::newRow("certificato") << "Label1(0)"
                                 << "M43";
    QTest::newRow("ente") << "Label1(2)"
                          << "M44";
    QTest::newRow("societa") << "Label1(3)"
                             << "M45";
    QTest::newRow("data") << "Label1(1)"
                          << "M46";
    QTest::newRow("massa keeps design") << "Label1(6)"
                                        << "m'[kg/m²]";
    QTest::newRow("area keeps design") << "Label1(8)"
                                       << "Ss [m²]";
    QTest::newRow("Vr keeps design") << "Label1(9)"
                                     << "Vr [m³]";
    QTest::newRow("Ve keeps design") << "Label1(10)"
                                     << "Ve [m³]";
}

void TestForm2::didascalieDalCatalogo()
{
    QFETCH(QString, controllo);
    QFETCH(QString, atteso);
    Form2 form;
    auto* etichetta = form.findChild<QLabel*>(controllo);
    QVERIFY(etichetta);
    QCOMPARE(etichetta->text(), atteso);
    QCOMPARE(form.findChild<QPushButton*>(QStringLiteral("Command2"))->text(), QStringLiteral("M47"));
    QCOMPARE(form.windowTitle(), QStringLiteral("M7"));
}

void TestForm2::testiDiProgetto()
{
    Form2 form;
    QCOMPARE(form.Testo(5), QStringLiteral("senza"));
    QCOMPARE(form.Testo(1), QStringLiteral("01/01/2000"));
    for (int k : {0, 2, 3, 4, 6, 7, 8, 9, 10, 11})
        QVERIFY2(form.Testo(k).isEmpty(), qPrintable(QString::number(k)));
    QVERIFY(form.findChild<QCalendarWidget*>(QStringLiteral("MonthView1")));
    QCOMPARE(form.size(), QSize(396, 571));
}

void TestForm2::digitareNonCambiaNullaMaCopia_data()
{
    QTest::addColumn<int>("casella");
    QTest::newRow("riga: immagine") << 5;
    QTest::newRow("riga: massa") << 6;
    QTest::newRow("piu righe: note") << 4;
    QTest::newRow("piu righe: certificato") << 0;
}

void TestForm2::digitareNonCambiaNullaMaCopia()
{
    QFETCH(int, casella);
    Form2 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.ImpostaTesto(casella, QStringLiteral("Prova 1"));
    QWidget* box = form.Casella(casella);
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("xyz"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(form.Testo(casella), QStringLiteral("Prova 1"));

    QApplication::clipboard()->clear();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Prova 1"));
}

void TestForm2::chiudiNasconde()
{
    Form2 form;
    form.show();
    form.ImpostaTesto(4, QStringLiteral("note"));
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.Testo(4), QStringLiteral("note"));
}

void TestForm2::resetSvuotaTutteLeCaselle()
{
    Form2 form;
    for (int k = 0; k < Form2::NumeroCaselle; ++k)
        form.ImpostaTesto(k, QStringLiteral("x"));
    form.Casella(8)->hide();
    form.ResetValoriForm2();
    for (int k = 0; k < Form2::NumeroCaselle; ++k)
        QVERIFY(form.Testo(k).isEmpty());
    QVERIFY(form.Casella(8)->isHidden());
}

void TestForm2::form4SiNascondeQuandoPerdeIlFuoco()
{
    QWidget principale;
    principale.show();
    Form4 immagine(&principale);
    QPixmap figura(40, 30);
    figura.fill(Qt::red);
    immagine.MostraImmagine(figura);
    immagine.show();
    immagine.activateWindow();
    QTRY_VERIFY(immagine.isActiveWindow());
    QCOMPARE(immagine.Image1()->pixmap().size(), figura.size());
    principale.activateWindow();
    QTRY_VERIFY(!immagine.isVisible());
}

void TestForm2::form4ImmagineVuota()
{
    Form4 immagine;
    QPixmap figura(10, 10);
    figura.fill(Qt::blue);
    immagine.MostraImmagine(figura);
    immagine.MostraImmagine(QPixmap());
    QVERIFY(immagine.Image1()->pixmap().isNull());
}

QTEST_MAIN(TestForm2)
#include "TestForm2.moc"
