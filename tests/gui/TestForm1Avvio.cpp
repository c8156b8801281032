// Start-up of the main window: the message catalogue checks, the first list and its
// first entry, and a start with the custom database missing.
#include "TestForm1Ambiente.h"

#include "app/MessageBox.h"
#include "app/ZelmarCommonModule.h"
#include "model/Module1.h"

#include "browser/ElencoNomi.h"
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace Form1Test;
using ZelmarCommonModule::M;

class TestForm1Avvio : public QObject
{
    Q_OBJECT

private:
    static QString Catalogo(Ambiente& a)
    {
        return a.dati().cartellaDati() + QStringLiteral("/Databases/InterfMess.mdb");
    }

    static void VerificaInerte(Ambiente& a)
    {
        QVERIFY(a.form().Inerte());
        QCOMPARE(a.albero()->topLevelItemCount(), 0);
        QCOMPARE(a.elenco()->count(), 0);
        QCOMPARE(a.etichetta(QStringLiteral("Label1"))->text(), QStringLiteral("Parola chiave"));
        QCOMPARE(a.form().findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(),
                 QStringLiteral("Dati in frequenza"));
        QCOMPARE(Module1::CategoriaCorrente, 0);
    }

private slots:
    void catalogoMancante()
    {
        Ambiente a;
        QVERIFY(a.ok());
        QVERIFY(QFile::remove(Catalogo(a)));
        a.apri();
        QCOMPARE(MessageBox::shown().size(), 1);
        const MessageBox::Shown& messaggio = MessageBox::shown().first();
        QCOMPARE(messaggio.text, QStringLiteral("Critical error: unable to locate messages file"));
        QCOMPARE(messaggio.title, QStringLiteral("ZELMARtek"));
        QCOMPARE(messaggio.icon, MessageBox::Critical);
        QCOMPARE(messaggio.buttons, MessageBox::OkOnly);
        VerificaInerte(a);
    }

    void catalogoInutilizzabile_data()
    {
        QTest::addColumn<QString>("guasto");
        QTest::addColumn<QString>("atteso"); // a piece of the message
        QTest::newRow("file rovinato") << "rovinato"
                                       << "InterfMess.mdb";
        QTest::newRow("lingua senza colonna") << "lingua"
                                              << "Klingon";
        QTest::newRow("dieci righe") << "dieci"
                                     << "10";
        QTest::newRow("nessuna riga") << "vuoto"
                                      << "0";
        QTest::newRow("senza tabella") << "tabella"
                                       << "GESTIONEDB";
    }

    void catalogoInutilizzabile()
    {
        QFETCH(QString, guasto);
        QFETCH(QString, atteso);
        Ambiente a;
        QVERIFY(a.ok());
        const QString catalogo = Catalogo(a);
        if (guasto == QLatin1String("rovinato")) {
            QFile f(catalogo);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(QByteArray(4096, 'x'));
        } else if (guasto == QLatin1String("lingua")) {
            a.dati().scriviIni(QStringLiteral("Klingon"), a.dati().cartellaDati());
        } else if (guasto == QLatin1String("dieci")) {
            Ambiente::Esegui(catalogo,
                             QStringLiteral("DELETE FROM GESTIONEDB WHERE rowid NOT IN "
                                            "(SELECT rowid FROM GESTIONEDB ORDER BY rowid LIMIT 10)"));
        } else if (guasto == QLatin1String("vuoto")) {
            Ambiente::Esegui(catalogo, QStringLiteral("DELETE FROM GESTIONEDB"));
        } else {
            Ambiente::Esegui(catalogo, QStringLiteral("DROP TABLE GESTIONEDB"));
        }
        a.apri();
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().first().icon, MessageBox::Critical);
        QVERIFY2(MessageBox::lastText().contains(catalogo), qPrintable(MessageBox::lastText()));
        QVERIFY2(MessageBox::lastText().contains(atteso), qPrintable(MessageBox::lastText()));
        VerificaInerte(a);
    }

    void primaTabellaPersonale()
    {
        Ambiente a;
        QVERIFY(a.ok());
        Ambiente::SvuotaTabella(a.sperimentale(), QStringLiteral("Rw_laboratorio"));
        Ambiente::Inserisci(a.sperimentale(), QStringLiteral("Rw_laboratorio"),
                            {{"Nome", "Parete uno"},
                             {"Parola chiave", "Laterizio"},
                             {"Rw (dB)", "52"},
                             {"C (dB)", "-1"},
                             {"Ctr (dB)", "-4"}});
        Ambiente::Inserisci(a.sperimentale(), QStringLiteral("Rw_laboratorio"),
                            {{"Nome", "Parete due"}, {"Parola chiave", "Legno"}, {"Rw (dB)", "45"}});
        a.apri();
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
        QVERIFY(!a.form().Inerte());
        QCOMPARE(Module1::CategoriaCorrente, 1);
        QCOMPARE(Module1::NomeDatabase, QStringLiteral("Database_sperimentale"));
        QCOMPARE(Module1::NomeTabella, QStringLiteral("Rw_laboratorio"));
        QCOMPARE(Module1::CartellaCategoria, QStringLiteral("/"));
        QCOMPARE(a.righeElenco(), (QStringList{"Parete uno", "Parete due"}));
        QCOMPARE(a.elenco()->currentRow(), 0);
        QCOMPARE(a.etichetta(QStringLiteral("Label3"))->text(), QStringLiteral("Rw(C,Ctr)= 52(-1, -4) dB"));
        QCOMPARE(a.etichetta(QStringLiteral("Label7"))->text(), M(38) + ": " + M(19) + ": " + M(20));
        QCOMPARE(a.albero()->topLevelItemCount(), 10);
    }

    void captionsDalCatalogo()
    {
        Ambiente a;
        QVERIFY(a.ok());
        a.apri();
        QCOMPARE(a.form().findChild<QAction*>(QStringLiteral("Toolbar1.Buttons(1)"))->toolTip(), M(1));
        QCOMPARE(a.form().findChild<QAction*>(QStringLiteral("Toolbar1.Buttons(3)"))->toolTip(), M(3));
        for (int i = 1; i <= 3; ++i)
            QVERIFY(!a.form()
                         .findChild<QAction*>(QStringLiteral("Toolbar1.Buttons(%1)").arg(i))
                         ->icon()
                         .isNull());
        QCOMPARE(a.etichetta(QStringLiteral("Label1"))->text(), M(4));
        QCOMPARE(a.etichetta(QStringLiteral("Label5"))->text(), M(5));
        QCOMPARE(a.etichetta(QStringLiteral("Label2"))->text(), M(6));
        QCOMPARE(a.form().findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(), M(8));
        for (int elemento : {3, 4, 5})
            QCOMPARE(a.etichetta(QStringLiteral("Label32(%1)").arg(elemento))->text(), M(9));
        QCOMPARE(a.etichetta(QStringLiteral("Label4(2)"))->text(), M(9));
        QCOMPARE(Module1::EtichetteBande[0], QStringLiteral("50 Hz"));
        QCOMPARE(Module1::EtichetteBande[20], QStringLiteral("5000 Hz"));
    }

    void iniSenzaCartellaDati()
    {
        // Without the data-folder key the data folder is ZELMARtek in the documents folder.
        Ambiente a;
        QVERIFY(a.ok());
        QTemporaryDir casa;
        QVERIFY(casa.isValid());
        const QByteArray homePrima = qgetenv("HOME");
        const QByteArray configPrima = qgetenv("XDG_CONFIG_HOME");
        const auto ripristina = qScopeGuard([&] {
            qputenv("HOME", homePrima);
            qputenv("XDG_CONFIG_HOME", configPrima);
            ZelmarCommonModule::AzzeraCache();
        });
        qputenv("HOME", casa.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (casa.path() + QStringLiteral("/.config")).toLocal8Bit());
        const QString dati = casa.path() + QStringLiteral("/Documents/ZELMARtek");
        QVERIFY(TestSupport::CopiaCartella(a.dati().cartellaDati(), dati));
        QFile ini(a.dati().cartellaProgramma() + QStringLiteral("/Zelmar.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write("[Configurazione]\nLingua=Italiano\n");
        ini.close();
        ZelmarCommonModule::SetCartellaProgramma(a.dati().cartellaProgramma());
        a.apri();
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
        QVERIFY(!a.form().Inerte());
        QCOMPARE(ZelmarCommonModule::GetCartellaDati(), dati);
        QCOMPARE(a.albero()->topLevelItemCount(), 10);
        QVERIFY(a.elenco()->count() > 0);
    }

    void databasePersonaleMancante()
    {
        Ambiente a;
        QVERIFY(a.ok());
        QVERIFY(QFile::remove(a.sperimentale()));
        a.apri();
        QVERIFY(!a.form().Inerte());
        QCOMPARE(a.albero()->topLevelItemCount(), 10);
        QCOMPARE(a.radice(QStringLiteral("personalizzato"))->childCount(), 8);
        QCOMPARE(a.elenco()->count(), 0);
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY2(MessageBox::lastText().contains(QStringLiteral("Database_sperimentale.mdb")),
                 qPrintable(MessageBox::lastText()));
        // The program goes on: the theoretical database still lists its entries.
        a.clicca(a.radice(QStringLiteral("teorico")));
        QCOMPARE(Module1::CategoriaCorrente, 8);
        QVERIFY(a.elenco()->count() > 0);
    }
};

QTEST_MAIN(TestForm1Avvio)
#include "TestForm1Avvio.moc"
