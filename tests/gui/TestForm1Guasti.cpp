// Bad database files met by the main window: a damaged or foreign file, a missing file,
// table, column or "Nome" index, in an experimental folder, in the theoretical database or in
// the custom database at start-up. Each gives one message naming the file and the reason, an
// empty display, and the program goes on with the next choice.
#include "TestForm1Ambiente.h"

using namespace Form1Test;

class TestForm1Guasti : public QObject
{
    Q_OBJECT

private slots:
    void fileGuasto_data()
    {
        QTest::addColumn<QString>("dove"); // "Rw": a file of that folder; "teorico"; "avvio": the custom one
        QTest::addColumn<QString>("guasto");
        QTest::addColumn<QString>("motivo"); // a piece of the message
        const auto riga = [](const char* nome, const char* dove, const char* guasto, const char* motivo) {
            QTest::newRow(nome) << QString::fromUtf8(dove) << QString::fromUtf8(guasto)
                                << QString::fromUtf8(motivo);
        };
        riga("text file", "Rw", "testo", "non è un database");
        riga("no table", "Rw", "tabella", "La tabella «Guasto» non esiste");
        riga("no Nome", "Rw", "colonna Nome", "non ha il campo «Nome»");
        riga("no keyword", "Rw", "colonna Parola chiave", "non ha il campo «Parola chiave»");
        riga("no rating", "Rw", "colonna Rw (dB)", "non ha il campo «Rw (dB)»");
        riga("no band", "Rw", "colonna R - 500Hz (dB)", "non ha il campo «R - 500Hz (dB)»");
        riga("no index", "Rw", "indice", "non ha l'indice «Nome»");
        riga("theoretical missing", "teorico", "mancante", "non esiste");
        riga("theoretical no table", "teorico", "tabella", "«Potere_fonoisolante» non esiste");
        riga("theoretical no index", "teorico", "indice", "non ha l'indice «Nome»");
        riga("custom missing", "avvio", "mancante", "non esiste");
        riga("custom damaged", "avvio", "testo", "non è un database");
        riga("custom no table", "avvio", "tabella", "«Rw_laboratorio» non esiste");
    }

    void fileGuasto()
    {
        QFETCH(QString, dove);
        QFETCH(QString, guasto);
        QFETCH(QString, motivo);
        Ambiente a;
        QVERIFY(a.ok());
        const bool sperimentale = dove == QLatin1String("Rw"), teorico = dove == QLatin1String("teorico");
        const QString file = sperimentale ? a.dati().percorsoDatabase("Partizioni verticali (Rw)/Guasto.mdb")
                             : teorico    ? a.teorico()
                                          : a.sperimentale();
        const QString tabella = sperimentale ? "Guasto" : teorico ? "Potere_fonoisolante" : "Rw_laboratorio";
        if (guasto == QLatin1String("mancante"))
            QVERIFY(QFile::remove(file));
        else if (guasto == QLatin1String("testo"))
            QVERIFY(Scrivi(file, "Nome;Rw\nParete;52\n"));
        else if (guasto == QLatin1String("tabella") && !sperimentale)
            Ambiente::Esegui(file, QStringLiteral("DROP TABLE %1").arg(tabella));
        else {
            const QString senza = guasto.startsWith(QLatin1String("colonna ")) ? guasto.mid(8) : QString();
            Ambiente::CreaTabella(file, guasto == QLatin1String("tabella") ? "Altra" : tabella,
                                  teorico ? 8 : 1, guasto != QLatin1String("indice"), senza);
            if (guasto != QLatin1String("tabella"))
                Ambiente::Inserisci(file, tabella,
                                    senza == QLatin1String("Nome") ? Campi{{"Rw (dB)", "52"}}
                                                                   : Campi{{"Nome", "Parete"}});
        }
        a.apri();
        if (sperimentale || teorico) {
            QVERIFY(MessageBox::shown().isEmpty()); // files are opened only when they are chosen
            a.clicca(sperimentale ? a.figlio(dove, QStringLiteral("Guasto")) : a.radice(dove));
        }
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY2(MessageBox::lastText().contains(file) && MessageBox::lastText().contains(motivo),
                 qPrintable(MessageBox::lastText()));
        QCOMPARE(MessageBox::shown().first().title, QStringLiteral("ZELMARtek"));
        QCOMPARE(a.elenco()->count(), 0);
        QCOMPARE(a.etichetta("Label3")->text() + a.descrizione() + a.banda(3)->text(), QString());
        QVERIFY(!a.form().Controlli().Command2->isEnabled());
        QCOMPARE(a.form().Controlli().Command1->isEnabled(), !sperimentale && !teorico);

        MessageBox::clearShown();
        a.clicca(teorico || sperimentale ? a.figlio(QStringLiteral("personalizzato"), M(20))
                                         : a.figlio(QStringLiteral("teorico"), M(22)));
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
        QCOMPARE(a.elenco()->currentRow(), 0);
    }

    // The file goes bad while the program shows it (another program, a failing disk): a
    // keyword choice or a selection then empties the display.
    void guastoDopoIlRiempimento()
    {
        for (bool parola : {true, false}) {
            Ambiente a;
            QVERIFY(a.ok());
            a.apri();
            QVERIFY(Scrivi(a.sperimentale(), "guasto"));
            if (parola)
                a.scegliParola(a.righeParole().at(1));
            else
                a.selezionaRiga(1);
            QCOMPARE(MessageBox::shown().size(), 1);
            QVERIFY2(MessageBox::lastText().contains(a.sperimentale()), qPrintable(MessageBox::lastText()));
            QCOMPARE(a.elenco()->count(), 0);
            QCOMPARE(a.banda(0)->text() + a.banda(20)->text(), QString());
        }
    }
};

QTEST_MAIN(TestForm1Guasti)
#include "TestForm1Guasti.moc"
