// Start-up of the main window: a missing or unusable message catalogue, the first list and
// its first entry, the default data folder.
#include "TestForm1Ambiente.h"

#include <QGroupBox>

using namespace Form1Test;

class TestForm1Avvio : public QObject
{
    Q_OBJECT

private slots:
    // One critical message naming what is wrong, and a window that shows its design texts
    // and does nothing.
    void catalogoInutilizzabile()
    {
        const char* righe[][3] = {
            {"missing", "", "Critical error: unable to locate messages file"},
            {"damaged file", "", "InterfMess.mdb"},
            {"language without a column", "", "Klingon"},
            {"ten rows", "DELETE FROM GESTIONEDB WHERE rowid NOT IN (SELECT rowid FROM GESTIONEDB LIMIT 10)",
             "10"},
            {"no rows", "DELETE FROM GESTIONEDB", "0"},
            {"no table", "DROP TABLE GESTIONEDB", "GESTIONEDB"}};
        for (const auto& [guasto, sql, atteso] : righe) {
            Ambiente a;
            QVERIFY(a.ok());
            const QString catalogo = a.dati().cartellaDati() + QStringLiteral("/Databases/InterfMess.mdb");
            if (*sql)
                Ambiente::Esegui(catalogo, QLatin1String(sql));
            else if (QByteArray(guasto) == "missing")
                QVERIFY(QFile::remove(catalogo));
            else if (QByteArray(guasto) == "damaged file")
                QVERIFY(Scrivi(catalogo, QByteArray(4096, 'x')));
            else
                a.dati().scriviIni(QStringLiteral("Klingon"), a.dati().cartellaDati());
            a.apri();
            QCOMPARE(MessageBox::shown().size(), 1);
            const MessageBox::Shown& messaggio = MessageBox::shown().first();
            QVERIFY2(messaggio.text.contains(QLatin1String(atteso)), guasto);
            QVERIFY2(QByteArray(guasto) == "missing" || messaggio.text.contains(catalogo), guasto);
            QVERIFY(messaggio.icon == MessageBox::Critical && messaggio.title == QStringLiteral("ZELMARtek"));
            QVERIFY(a.form().Inerte());
            QCOMPARE(a.albero()->topLevelItemCount() + a.elenco()->count() + a.form().Corrente().categoria,
                     0);
            QCOMPARE(a.form().findChild<QGroupBox*>("Frame1")->title(), QStringLiteral("Dati in frequenza"));
        }
    }

    // The first custom table is listed and its first entry shown.
    void primaTabellaPersonale()
    {
        Ambiente a;
        QVERIFY(a.ok());
        a.apri();
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
        QCOMPARE(a.form().Corrente().nomeDatabase + a.form().Corrente().cartellaCategoria,
                 QStringLiteral("Database_sperimentale/"));
        QCOMPARE(a.form().Corrente().categoria, 1);
        QCOMPARE(a.righeElenco(), NomiInTabella(a.sperimentale(), QStringLiteral("Rw_laboratorio")));
        QCOMPARE(a.elenco()->currentRow(), 0);
        QCOMPARE(a.etichetta("Label3")->text(), QStringLiteral("Rw(C,Ctr)= 52(-1, -4) dB"));
        QCOMPARE(a.etichetta("Label7")->text(), M(38) + ": " + M(19) + ": " + M(20));
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
        QVERIFY(Scrivi(a.dati().cartellaProgramma() + "/Zelmar.ini", "[Configurazione]\nLingua=Italiano\n"));
        ZelmarCommonModule::SetCartellaProgramma(a.dati().cartellaProgramma());
        a.apri();
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
        QCOMPARE(ZelmarCommonModule::GetCartellaDati(), dati);
        QVERIFY(a.elenco()->count() > 0);
    }
};

QTEST_MAIN(TestForm1Avvio)
#include "TestForm1Avvio.moc"
