// Closing the main window ends the program at once, whatever other window of the program
// is open at that moment: the information window, the enlarged image or the editor.
#include "TestForm1Ambiente.h"

#include "app/MessageBox.h"
#include "browser/Form2.h"
#include "browser/Form4.h"
#include "browser/RiquadroImmagine.h"
#include "editor/Form3.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Form1Test;

class TestForm1Chiusura : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Only the program's own handling may end the event loop here, not Qt's rule
        // for the last window.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void chiusuraFinisceIlProgramma_data()
    {
        QTest::addColumn<QString>("aperta");
        QTest::newRow("sola finestra principale") << "";
        QTest::newRow("immagine ingrandita") << "Form4";
        QTest::newRow("informazioni aggiuntive") << "Form2";
        QTest::newRow("editor") << "Form3";
    }

    void chiusuraFinisceIlProgramma()
    {
        QFETCH(QString, aperta);
        Ambiente a;
        QVERIFY(a.ok());
        Form1& form = a.apri();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QPointer<QWidget> altra;
        bool altraVisibile = false;
        auto chiudi = [&] {
            if (!aperta.isEmpty()) {
                altra = form.findChild<QWidget*>(aperta);
                altraVisibile = altra && altra->isVisible();
            }
            form.close();
        };
        if (aperta == QLatin1String("Form4")) {
            QTest::mouseDClick(form.findChild<RiquadroImmagine*>(QStringLiteral("Image1")), Qt::LeftButton);
            QTimer::singleShot(0, &form, chiudi);
        } else if (aperta == QLatin1String("Form2")) {
            QTimer::singleShot(0, &form, [&] {
                QTimer::singleShot(0, &form, chiudi);
                QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("CommandInfoAgg")),
                                  Qt::LeftButton);
            });
        } else if (aperta == QLatin1String("Form3")) {
            QTimer::singleShot(0, &form, [&] {
                QTimer::singleShot(0, &form, chiudi);
                QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
            });
        } else {
            QTimer::singleShot(0, &form, chiudi);
        }
        QTimer guardia;
        guardia.setSingleShot(true);
        connect(&guardia, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        guardia.start(10000);
        const int esito = QApplication::exec();
        guardia.stop();
        QCOMPARE(esito, 0);
        if (!aperta.isEmpty())
            QVERIFY2(altraVisibile, "the other window was not open when the main window closed");
        QVERIFY(!form.isVisible());
        QVERIFY(!altra || !altra->isVisible());
        for (QWidget* finestra : QApplication::topLevelWidgets())
            QVERIFY2(!finestra->isVisible(), qPrintable(finestra->objectName()));
    }
};

QTEST_MAIN(TestForm1Chiusura)
#include "TestForm1Chiusura.moc"
