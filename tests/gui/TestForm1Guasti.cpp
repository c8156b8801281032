// Bad database files met by the main window: a damaged or foreign file, a missing file,
// table, column or "Nome" index, in an experimental folder, in the theoretical database or in
// the custom database at start-up. Each gives one message naming the file and the reason, an
// empty display, and the program goes on with the next choice. And a failing disk under the
// editor's save and the deletion.
#include "FaultVfs.h"
#include "TestForm1Ambiente.h"

Q_DECLARE_METATYPE(FaultVfs::Tipo)

using namespace Form1Test;

class TestForm1Guasti : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(FaultVfs::Installa()); }
    void cleanupTestCase() { FaultVfs::Rimuovi(); }

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
        riga("no band", "Rw", "colonna R - 500Hz (dB)", "non ha il campo «R - 500Hz (dB)»");
        riga("no index", "Rw", "indice", "non ha l'indice «Nome»");
        riga("theoretical missing", "teorico", "mancante", "non esiste");
        riga("theoretical no table", "teorico", "tabella", "«Potere_fonoisolante» non esiste");
        riga("theoretical no index", "teorico", "indice", "non ha l'indice «Nome»");
        riga("custom missing", "avvio", "mancante", "non esiste");
        riga("custom damaged", "avvio", "testo", "non è un database");
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

    // A custom file made by an older version, without the table of a kind, gets it when opened.
    void tabellaPersonaleMancante()
    {
        Ambiente a;
        QVERIFY(a.ok());
        Ambiente::Esegui(a.sperimentale(), QStringLiteral("DROP TABLE Rw_laboratorio"));
        a.apri();
        a.clicca(a.figlio(QStringLiteral("personalizzato"), M(20)));
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
        QCOMPARE(a.elenco()->count(), 0);
        QVERIFY(a.form().Controlli().Command1->isEnabled());
        Ambiente::Inserisci(a.sperimentale(), QStringLiteral("Rw_laboratorio"), {{"Nome", "Parete"}});
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

    void disco_data()
    {
        QTest::addColumn<FaultVfs::Tipo>("tipo");
        QTest::addColumn<int>("pulsante"); // 1 new entry, 2 the entry shown, 3 its deletion
        // Every kind of failure at every write, sync and lock is the engine's business
        // (TestFaultInjection); here each command meets one of them.
        QTest::newRow("full disk, new entry") << FaultVfs::Tipo::Scrittura << 1;
        QTest::newRow("failed sync, entry shown") << FaultVfs::Tipo::Sincronizzazione << 2;
        QTest::newRow("failed lock, deletion") << FaultVfs::Tipo::Blocco << 3;
    }

    // A full disk, a failed sync or a failed lock: the user is told, the editor stays open
    // with everything typed, the file keeps what it held (the deleted entry is listed again),
    // and once the disk works again the same click succeeds.
    void disco()
    {
        QFETCH(FaultVfs::Tipo, tipo);
        QFETCH(int, pulsante);
        const auto disarma = qScopeGuard([] { FaultVfs::Disarma(); });
        Ambiente a;
        QVERIFY(a.ok());
        QVERIFY(QTest::qWaitForWindowExposed(&a.apri()));
        const QString nome = QStringLiteral("Parete salvata dopo un guasto"), primo = a.righeElenco().first();
        const QByteArray prima = Contenuto(a.sperimentale());
        const QStringList righePrima = a.righeElenco();
        QStringList
            visto; // open after the failure, with the name and band typed; closed after the second click
        if (pulsante == 3) {
            a.selezionaRiga(1);
            FaultVfs::FallisciAl(tipo, 1, false);
            MessageBox::setNextAnswer(MessageBox::Yes);
            a.pulsante(3);
            QVERIFY(FaultVfs::Scattato());
            FaultVfs::Disarma();
            QCOMPARE(a.righeElenco(), righePrima);
            QCOMPARE(a.elenco()->currentRow(), 0);
            QCOMPARE(Contenuto(a.sperimentale()), prima);
        } else {
            QVERIFY(ConEditor([&] { a.pulsante(pulsante); },
                              [&](Form3* e) {
                                  Casella(e, "Text15")->setText(nome);
                                  Casella(e, "Text2(10)")->setText(QStringLiteral("47,5"));
                                  FaultVfs::FallisciAl(tipo, 1, true);
                                  Premi(e, "Command2");
                                  visto << (FaultVfs::Scattato() && e->isVisible() ? "aperto" : "chiuso")
                                        << Casella(e, "Text15")->text() + Casella(e, "Text2(10)")->text();
                                  FaultVfs::Disarma();
                                  Premi(e, "Command2");
                                  visto << (e->isVisible() ? "aperto" : "chiuso");
                              }));
            QCOMPARE(visto, (QStringList{"aperto", nome + "47,5", "chiuso"}));
            QCOMPARE(MessageBox::shown().first().icon, MessageBox::Critical);
        }
        QCOMPARE(MessageBox::shown().size(), pulsante == 3 ? 2 : 1); // a deletion asks first
        QVERIFY2(MessageBox::shown().last().text.contains(a.sperimentale()),
                 qPrintable(MessageBox::shown().last().text));
        if (pulsante == 3) {
            a.selezionaNome(primo);
            MessageBox::setNextAnswer(MessageBox::Yes);
            a.pulsante(3);
        }
        QCOMPARE(a.righeElenco().contains(nome), pulsante != 3);
        QCOMPARE(a.righeElenco().contains(primo), pulsante == 1);
    }
};

QTEST_MAIN(TestForm1Guasti)
#include "TestForm1Guasti.moc"
