// Closing the main window ends the program at once, whatever other window of the program
// is open at that moment: the information window, the enlarged image or the editor.
#include "TestForm1Ambiente.h"

#include <QPointer>

using namespace Form1Test;

class TestForm1Chiusura : public QObject
{
    Q_OBJECT

private slots:
    void chiusuraFinisceIlProgramma()
    {
        // Only the program's own handling may end the event loop, not Qt's last-window rule.
        QApplication::setQuitOnLastWindowClosed(false);
        const char* aperte[][2] = {
            {"", ""}, {"Form4", ""}, {"Form2", "CommandInfoAgg"}, {"Form3", "Command1"}};
        for (const auto& [aperta, pulsante] : aperte) {
            Ambiente a;
            QVERIFY(a.ok());
            Form1& form = a.apri();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            QPointer<QWidget> altra;
            bool altraVisibile = false;
            const auto chiudi = [&] {
                altra = form.findChild<QWidget*>(QLatin1String(aperta));
                altraVisibile = altra && altra->isVisible();
                form.close();
            };
            if (QLatin1String(aperta) == QLatin1String("Form4"))
                QTest::mouseDClick(form.findChild<RiquadroImmagine*>(QStringLiteral("Image1")),
                                   Qt::LeftButton);
            QTimer::singleShot(0, &form, [&] {
                QTimer::singleShot(0, &form, chiudi);
                if (*pulsante) // a modal window: it is open while the timer above fires
                    Premi(&form, QLatin1String(pulsante));
            });
            QTimer guardia;
            QObject::connect(&guardia, &QTimer::timeout, [] { QCoreApplication::exit(1); });
            guardia.start(10000);
            QCOMPARE(QApplication::exec(), 0);
            QVERIFY2(!*aperta || altraVisibile, aperta);
            for (QWidget* finestra : QApplication::topLevelWidgets())
                QVERIFY2(!finestra->isVisible(), qPrintable(finestra->objectName()));
        }
    }
};

QTEST_MAIN(TestForm1Chiusura)
#include "TestForm1Chiusura.moc"
