// The data sheet and the band copy driven from the real main window: the sheet written as
// PDF and read back, one page however long its texts, printed; the band values copied from
// the record.
#include "TestForm1Ambiente.h"
#include "TestoPdf.h"

#include "app/DialogoStampa.h"
#include "app/FileDialog.h"
#include "app/MessageBox.h"
#include "app/ZelmarCommonModule.h"
#include "browser/ElencoNomi.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

using namespace Form1Test;
using ZelmarCommonModule::M;

namespace {

void Premi(Form1& form, const char* pulsante)
{
    auto* bottone = form.findChild<QToolButton*>(QString::fromLatin1(pulsante));
    QVERIFY2(bottone && bottone->isEnabled(), pulsante);
    QTest::mouseClick(bottone, Qt::LeftButton);
}

QString Ripeti(const QString& parola, int volte)
{
    return QStringList(volte, parola).join(' ');
}

} // namespace

class TestSchedaDaForm1 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { DialogoStampa::setAutomatic(true); }

    void schedaInPdf_data()
    {
        QTest::addColumn<bool>("stampa");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("descrizione"); // its last word must be cut off when long
        QTest::addColumn<QStringList>("attesi");
        QTest::newRow("first wall") << false << ""
                                    << ""
                                    << QStringList{"Muro in laterizio 12 cm",
                                                   "Stored: Rw(C,Ctr)= 52(-1, -4) dB",
                                                   "Computed from the bands"};
        QTest::newRow("printed") << true << ""
                                 << "" << QStringList{"Muro in laterizio 12 cm", "Rw(C,Ctr)= 52(-1, -4) dB"};
        QTest::newRow("long texts") << false << "Parete " + Ripeti("fonoisolante", 20)
                                    << Ripeti("lastra", 400) + " FINE"
                                    << QStringList{"Parete fonoisolante", "lastra lastra", "\u2026",
                                                   "Rw(C,Ctr)= 48(, ) dB"};
    }
    void schedaInPdf()
    {
        QFETCH(bool, stampa);
        QFETCH(QString, nome);
        QFETCH(QString, descrizione);
        QFETCH(QStringList, attesi);
        Ambiente a;
        QVERIFY(a.ok());
        if (!nome.isEmpty())
            Ambiente::Inserisci(a.sperimentale(), "Rw_laboratorio",
                                {{"Nome", nome},
                                 {"Descrizione", descrizione},
                                 {"Società richiedente", descrizione},
                                 {"Rw (dB)", "48"},
                                 {"R - 500Hz (dB)", "48"}});
        a.apri();
        a.selezionaRiga(nome.isEmpty() ? 0 : a.elenco()->count() - 1);
        QTemporaryDir cartella;
        const QString pdf = cartella.filePath("scheda.pdf");
        if (stampa) {
            DialogoStampa::setNextOutput(pdf);
            Premi(a.form(), "StampaScheda");
        } else {
            FileDialog::setNextFileName(cartella.filePath("scheda"));
            Premi(a.form(), "SalvaScheda");
        }
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
        QCOMPARE(TestoPdf::Pagine(pdf), 1);
        const QString testo = TestoPdf::Testo(pdf);
        for (const QString& atteso : attesi)
            QVERIFY2(testo.contains(atteso), qPrintable(atteso + "\n---\n" + testo));
        QVERIFY(!testo.contains("FINE"));
    }

    void copiaDelleBandeDalRecord()
    {
        Ambiente a;
        QVERIFY(a.ok());
        Ambiente::Inserisci(a.sperimentale(), "Rw_laboratorio",
                            {{"Nome", "Con un buco"}, {"R - 50Hz (dB)", "30,5"}, {"R - 5000Hz (dB)", "61"}});
        a.apri();
        a.selezionaRiga(a.elenco()->count() - 1);
        QCOMPARE(a.banda(1)->text(), "0"); // the window shows 0 for a band without a value
        Premi(a.form(), "CopiaBande");
        QCOMPARE(QApplication::clipboard()->text(), "30,5" + QString(20, '\t') + "61");
    }

    void senzaVoceMostrataNienteDaFare()
    {
        Ambiente a;
        QVERIFY(a.ok());
        Ambiente::SvuotaTabella(a.sperimentale(), "Rw_laboratorio");
        a.apri();
        QApplication::clipboard()->setText("prima");
        Premi(a.form(), "CopiaBande");
        QCOMPARE(QApplication::clipboard()->text(), "prima");
        QVERIFY(MessageBox::lastText().contains("No entry is shown"));
    }
};

QTEST_MAIN(TestSchedaDaForm1)
#include "TestSchedaDaForm1.moc"
