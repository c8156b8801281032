// The texts that do not come from the catalogue follow the configured language: Qt's own
// (context menus, dialog buttons), the calendars' month names and the program's own texts,
// while the numbers keep the locale the system chose.
#include "CopiaCartella.h"
#include "TestSupport.h"
#include "app/Traduzioni.h"
#include "app/ZelmarCommonModule.h"
#include "browser/Form2.h"
#include "editor/Form3.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <memory>

class TestTraduzioni : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::PreparaAmbiente(); }
    void testiNellaLinguaConfigurata_data();
    void testiNellaLinguaConfigurata();
};

void TestTraduzioni::testiNellaLinguaConfigurata_data()
{
    QTest::addColumn<QString>("lingua");
    QTest::addColumn<QLocale>("sistema");
    QTest::addColumn<QString>("annulla"); // first action of a box's context menu
    QTest::addColumn<QString>("si");      // a dialog's Yes button
    QTest::addColumn<QString>("mese");    // the calendar's month, January
    QTest::addColumn<QString>("errore");  // end of a message of the program's own
    QTest::newRow("Italiano, numbers in English")
        << "Italiano" << QLocale(QLocale::English, QLocale::UnitedStates) << "Ann&ulla"
        << "&Sì"
        << "gennaio"
        << "non può essere creata";
    QTest::newRow("English, numbers in Italian")
        << "English" << QLocale(QLocale::Italian, QLocale::Italy) << "&Undo"
        << "&Yes"
        << "january"
        << "cannot be made";
}

void TestTraduzioni::testiNellaLinguaConfigurata()
{
    QFETCH(QString, lingua);
    QFETCH(QLocale, sistema);
    QFETCH(QString, annulla);
    QFETCH(QString, si);
    QFETCH(QString, mese);
    QFETCH(QString, errore);
    QLocale::setDefault(sistema);
    TestSupport::AmbienteDati ambiente;
    QVERIFY(ambiente.ok());
    ambiente.scriviIni(lingua, ambiente.cartellaDati());
    Traduzioni::Installa(ZelmarCommonModule::GetLingua());

    QLineEdit casella;
    const std::unique_ptr<QMenu> menu(casella.createStandardContextMenu());
    QCOMPARE(menu->actions().first()->text().section(QLatin1Char('\t'), 0, 0), annulla);
    QDialogButtonBox pulsanti(QDialogButtonBox::Yes | QDialogButtonBox::No);
    QCOMPARE(pulsanti.button(QDialogButtonBox::Yes)->text(), si);

    // The calendars of the information window and of the editor.
    Form2 informazioni;
    Form3 editor;
    for (const QWidget* finestra : {static_cast<QWidget*>(&informazioni), static_cast<QWidget*>(&editor)}) {
        auto* calendario = finestra->findChild<QCalendarWidget*>(QStringLiteral("MonthView1"));
        QVERIFY(calendario);
        calendario->setSelectedDate(QDate(2008, 1, 21));
        const auto* pulsanteMese =
            calendario->findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"));
        QVERIFY(pulsanteMese);
        QCOMPARE(pulsanteMese->text().toLower(), mese);
    }

    // A folder below a file cannot be made.
    const QString file = ambiente.cartellaProgramma() + QStringLiteral("/Zelmar.ini");
    const QStringList errori =
        CopiaCartella::CopiaMancanti(file, file + QStringLiteral("/cartella/Zelmar.ini"));
    QCOMPARE(errori.size(), 1);
    QVERIFY2(errori.first().endsWith(errore), qPrintable(errori.first()));

    QCOMPARE(QLocale(), sistema);
    QCOMPARE(QLocale().toString(1.5), sistema.toString(1.5));
}

QTEST_MAIN(TestTraduzioni)
#include "TestTraduzioni.moc"
