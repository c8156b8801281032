// Start-up of the main window: a missing or unusable message catalogue, the first list and
// its first entry, the default data folder.
#include "TestForm1Ambiente.h"

#include "app/MessageBox.h"
#include "app/ZelmarCommonModule.h"
#include "browser/ElencoNomi.h"
#include "model/Module1.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QScopeGuard>
#include <QTest>
#include <QTreeWidget>

using namespace Form1Test;
using ZelmarCommonModule::M;

class TestForm1Avvio : public QObject
{
    Q_OBJECT

private slots:
    void catalogoInutilizzabile_data()
    {
        QTest::addColumn<QString>("guasto");
        QTest::addColumn<QString>("atteso"); // the message, or a piece of it
        QTest::newRow("missing") << "mancante"
                                 << "Critical error: unable to locate messages file";
        QTest::newRow("damaged file") << "rovinato"
                                      << "InterfMess.mdb";
        QTest::newRow("language without a column") << "lingua"
                                                   << "Klingon";
        QTest::newRow("ten rows") << "dieci"
                                  << "10";
        QTest::newRow("no rows") << "vuoto"
                                 << "0";
        QTest::newRow("no table") << "tabella"
                                  << "GESTIONEDB";
    }

    // One critical message, and a window that shows its design texts and does nothing.
    void catalogoInutilizzabile()
    {
        QFETCH(QString, guasto);
        QFETCH(QString, atteso);
        Ambiente a;
        QVERIFY(a.ok());
        const QString catalogo = a.dati().cartellaDati() + QStringLiteral("/Databases/InterfMess.mdb");
        const QMap<QString, QString> sql{
            {"dieci", "DELETE FROM GESTIONEDB WHERE rowid NOT IN (SELECT rowid FROM GESTIONEDB LIMIT 10)"},
            {"vuoto", "DELETE FROM GESTIONEDB"},
            {"tabella", "DROP TABLE GESTIONEDB"}};
        if (guasto == QLatin1String("mancante"))
            QVERIFY(QFile::remove(catalogo));
        else if (guasto == QLatin1String("rovinato"))
            QVERIFY(TestSupport::Scrivi(catalogo, QByteArray(4096, 'x')));
        else if (guasto == QLatin1String("lingua"))
            a.dati().scriviIni(QStringLiteral("Klingon"), a.dati().cartellaDati());
        else
            Ambiente::Esegui(catalogo, sql.value(guasto));
        a.apri();
        QCOMPARE(MessageBox::shown().size(), 1);
        const MessageBox::Shown& messaggio = MessageBox::shown().first();
        QVERIFY2(messaggio.text.contains(atteso), qPrintable(messaggio.text));
        if (guasto != QLatin1String("mancante"))
            QVERIFY2(messaggio.text.contains(catalogo), qPrintable(messaggio.text));
        QCOMPARE(messaggio.icon, MessageBox::Critical);
        QCOMPARE(messaggio.title, QStringLiteral("ZELMARtek"));
        QVERIFY(a.form().Inerte());
        QCOMPARE(a.albero()->topLevelItemCount() + a.elenco()->count(), 0);
        QCOMPARE(a.form().findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(),
                 QStringLiteral("Dati in frequenza"));
        QCOMPARE(Module1::CategoriaCorrente, 0);
    }

    // The first custom table is listed and its first entry shown.
    void primaTabellaPersonale()
    {
        Ambiente a;
        QVERIFY(a.ok());
        a.apri();
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
        QCOMPARE(Module1::CategoriaCorrente, 1);
        QCOMPARE(Module1::NomeDatabase, QStringLiteral("Database_sperimentale"));
        QCOMPARE(Module1::CartellaCategoria, QStringLiteral("/"));
        QCOMPARE(a.righeElenco(), Ambiente::Nomi(a.sperimentale(), QStringLiteral("Rw_laboratorio")));
        QCOMPARE(a.elenco()->currentRow(), 0);
        QCOMPARE(a.etichetta(QStringLiteral("Label3"))->text(), QStringLiteral("Rw(C,Ctr)= 52(-1, -4) dB"));
        QCOMPARE(a.etichetta(QStringLiteral("Label7"))->text(), M(38) + ": " + M(19) + ": " + M(20));
        QCOMPARE(a.albero()->topLevelItemCount(), 10);
    }

    // Without the data-folder key the data folder is ZELMARtek in the documents folder.
    void iniSenzaCartellaDati()
    {
        Ambiente a;
        QVERIFY(a.ok());
        QTemporaryDir casa;
        const QByteArray homePrima = qgetenv("HOME"), configPrima = qgetenv("XDG_CONFIG_HOME");
        const auto ripristina = qScopeGuard([&] {
            qputenv("HOME", homePrima);
            qputenv("XDG_CONFIG_HOME", configPrima);
            ZelmarCommonModule::AzzeraCache();
        });
        qputenv("HOME", casa.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (casa.path() + QStringLiteral("/.config")).toLocal8Bit());
        const QString dati = casa.path() + QStringLiteral("/Documents/ZELMARtek");
        QVERIFY(TestSupport::CopiaCartella(a.dati().cartellaDati(), dati));
        QVERIFY(TestSupport::Scrivi(a.dati().cartellaProgramma() + QStringLiteral("/Zelmar.ini"),
                                    "[Configurazione]\nLingua=Italiano\n"));
        ZelmarCommonModule::SetCartellaProgramma(a.dati().cartellaProgramma());
        a.apri();
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
        QCOMPARE(ZelmarCommonModule::GetCartellaDati(), dati);
        QVERIFY(a.elenco()->count() > 0);
    }
};

QTEST_MAIN(TestForm1Avvio)
#include "TestForm1Avvio.moc"
