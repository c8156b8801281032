// The texts that do not come from the catalogue follow the configured language: Qt's own
// (context menus, dialog buttons, the print dialog's texts Qt lacks in Italian), the calendars'
// month names, the program's own texts and the dates of documents, while the
// boxes' numbers keep the locale the system chose.
#include "TestSupport.h"
#include "browser/parti/Form2.h"
#include "config/CopiaCartella.h"
#include "config/Traduzioni.h"
#include "config/ZelmarCommonModule.h"
#include "editor/Form3.h"
#include "model/LocaleDocumenti.h"

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
    // Each language with the other's number settings: a box's context menu, a dialog's Yes
    // button, the calendars' January and the end of a message of the program's own.
    void testiNellaLinguaConfigurata()
    {
        const struct
        {
            const char* lingua;
            QLocale sistema;
            const char *annulla, *si, *mese, *errore, *pagine, *data;
            bool dialoghiDiQt; // the system's language (Italian, for the tests) is not the interface's
        } righe[] = {{"Italiano", QLocale(QLocale::English, QLocale::UnitedStates), "Ann&ulla", "&Sì",
                      "gennaio", "non può essere creata", "Pagine", "08/12/2026", false},
                     {"English", QLocale(QLocale::Italian, QLocale::Italy), "&Undo", "&Yes", "january",
                      "cannot be made", "Pages", "12/8/2026", true}};
        for (const auto& r : righe) {
            QLocale::setDefault(r.sistema);
            TestSupport::AmbienteDati ambiente;
            QVERIFY(ambiente.ok());
            ambiente.scriviIni(QString::fromUtf8(r.lingua), ambiente.cartellaDati());
            Traduzioni::Installa(ZelmarCommonModule::GetLingua());

            QLineEdit casella;
            const std::unique_ptr<QMenu> menu(casella.createStandardContextMenu());
            QCOMPARE(menu->actions().first()->text().section(QLatin1Char('\t'), 0, 0),
                     QString::fromUtf8(r.annulla));
            QDialogButtonBox pulsanti(QDialogButtonBox::Yes | QDialogButtonBox::No);
            QCOMPARE(pulsanti.button(QDialogButtonBox::Yes)->text(), QString::fromUtf8(r.si));
            QCOMPARE(QCoreApplication::translate("QPrintSettingsOutput", "Pages"),
                     QString::fromUtf8(r.pagine));
            QCOMPARE(QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs), r.dialoghiDiQt);
            QCOMPARE(LocaleDocumenti::Data(QDate(2026, 12, 8)), QString::fromUtf8(r.data));

            // The calendars of the information window and of the editor.
            Form2 informazioni;
            Form3 editor;
            for (const QWidget* finestra :
                 {static_cast<QWidget*>(&informazioni), static_cast<QWidget*>(&editor)}) {
                auto* calendario = finestra->findChild<QCalendarWidget*>(QStringLiteral("MonthView1"));
                QVERIFY(calendario);
                calendario->setSelectedDate(QDate(2008, 1, 21));
                const auto* pulsanteMese =
                    calendario->findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"));
                QVERIFY(pulsanteMese);
                QCOMPARE(pulsanteMese->text().toLower(), QString::fromUtf8(r.mese));
            }

            // A folder below a file cannot be made.
            const QString file = ambiente.cartellaProgramma() + QStringLiteral("/Zelmar.ini");
            const QStringList errori =
                CopiaCartella::CopiaMancanti(file, file + QStringLiteral("/cartella/Zelmar.ini"));
            QCOMPARE(errori.size(), 1);
            QVERIFY2(errori.first().endsWith(QString::fromUtf8(r.errore)), qPrintable(errori.first()));

            QCOMPARE(QLocale(), r.sistema);
        }
    }
};

QTEST_MAIN(TestTraduzioni)
#include "TestTraduzioni.moc"
