// The shown entry taken out of the real main window and band values brought into its editor:
// entries compared (one quantity, another refused), kept while the user browses and shown
// again by a double click; the data sheet, the comparison's exports, printing and copies read
// back from the files (PDF text through pdftotext) and the clipboard; band values pasted.
#include "TestForm1Ambiente.h"
#include "TestoPdf.h"

#include "app/DialogoStampa.h"
#include "browser/ComandiVoce.h"
#include "comparison/FinestraConfronto.h"
#include "exchange/LetturaVoce.h"
#include "model/Categorie.h"

#include <QChart>
#include <QClipboard>
#include <QHeaderView>
#include <QListWidget>
#include <QScatterSeries>
#include <QTableWidget>
#include <QToolButton>

using namespace Form1Test;

namespace {

const QStringList kConfrontati = {"Muro in laterizio 12 cm", "Parete in cartongesso a doppia lastra",
                                  "Finestra in PVC con vetro stratificato"};

void Comando(QWidget* finestra, const QString& nome)
{
    auto* pulsante = finestra->findChild<QToolButton*>(nome);
    QVERIFY2(pulsante && pulsante->isEnabled(), qPrintable(nome));
    QTest::mouseClick(pulsante, Qt::LeftButton);
}

FinestraConfronto* Confronto(Ambiente& a)
{
    return a.form().ComandiUscita()->Confronto();
}

QStringList Legenda(Ambiente& a)
{
    QStringList nomi;
    for (int i = 0; i < Confronto(a)->Legenda()->count(); ++i)
        nomi << Confronto(a)->Legenda()->item(i)->text().section(QStringLiteral(" \u2013 "), 0, 0);
    return nomi;
}

// The first two custom walls, by the button and by the shortcut, then the first custom window.
void ConfrontaTre(Ambiente& a)
{
    Comando(&a.form(), "AggiungiConfronto");
    a.selezionaRiga(1);
    a.form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&a.form()));
    QTest::keyClick(&a.form(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    a.clicca(a.figlio("personalizzato", M(26)));
    Comando(&a.form(), "AggiungiConfronto");
    QCOMPARE(Legenda(a), kConfrontati);
}

QString Ripeti(const QString& parola, int volte)
{
    return QStringList(volte, parola).join(' ');
}

} // namespace

class TestComandiVoce : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { DialogoStampa::setAutomatic(true); }

    void confronto()
    {
        Ambiente a;
        QVERIFY(a.ok());
        a.apri();
        ConfrontaTre(a);
        QVERIFY(Confronto(a)->isVisible() && !Confronto(a)->isModal());
        QVERIFY(MessageBox::shown().isEmpty());

        a.clicca(a.figlio("personalizzato", M(22))); // floors: Ln values
        Comando(&a.form(), "AggiungiConfronto");
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY2(
            MessageBox::lastText().contains("\u00abSolaio in calcestruzzo con massetto galleggiante\u00bb "
                                            "holds Ln band values, the entries compared hold R values"),
            qPrintable(MessageBox::lastText()));
        QCOMPARE(Legenda(a), kConfrontati); // kept while the user browses other tables
        QCOMPARE(Confronto(a)->Tabella()->columnCount(), 3);

        QList<QScatterSeries*> marcatori = Confronto(a)->Grafico()->findChildren<QScatterSeries*>();
        QCOMPARE(marcatori.size(), 3);
        emit marcatori[1]->hovered(marcatori[1]->at(2), true);
        QCOMPARE(Confronto(a)->Puntatore()->text(), "80 Hz: 19,5 dB - " + kConfrontati[1]);

        // A double click on an entry's column shows it in the main window.
        QHeaderView* intestazione = Confronto(a)->Tabella()->horizontalHeader();
        QTest::mouseDClick(intestazione->viewport(), Qt::LeftButton, {},
                           QPoint(intestazione->sectionViewportPosition(1) + 5, intestazione->height() / 2));
        QCOMPARE(a.form().Corrente().nomeTabella, "Rw_laboratorio");
        QCOMPARE(a.elenco()->testoCorrente(), kConfrontati[1]);

        Confronto(a)->Legenda()->setCurrentRow(0);
        Comando(Confronto(a), "RimuoviVoce");
        QCOMPARE(Legenda(a), kConfrontati.mid(1));
        Comando(Confronto(a), "SvuotaConfronto");
        QVERIFY(Legenda(a).isEmpty() && Confronto(a)->Tabella()->columnCount() == 0);

        // Entries read elsewhere (as a search finds them) come in together, refusals in one message.
        const auto muro =
            LetturaVoce::Leggi(a.sperimentale(), "Rw_laboratorio", catRwLaboratorio, kConfrontati[0]);
        const auto solaio = LetturaVoce::Leggi(a.sperimentale(), "Lnw_laboratorio", catLnwLaboratorio,
                                               "Solaio in calcestruzzo con massetto galleggiante");
        QVERIFY(muro && solaio);
        MessageBox::clearShown();
        QCOMPARE(a.form().ComandiUscita()->Confronta({*muro, *muro, *solaio}), 1);
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY2(MessageBox::lastText().contains("already in the comparison.\n\u00abSolaio"),
                 qPrintable(MessageBox::lastText()));
    }

    // Commands of the main window act on the entry named (the first custom wall when none is
    // given), the others on the comparison of ConfrontaTre. Files are read back as PDF text
    // when pagine > 0, else as bytes; no file: the clipboard.
    void uscite_data()
    {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<Campi>("voce");
        QTest::addColumn<QString>("file"); // a name without suffix gets the format's
        QTest::addColumn<int>("pagine");
        QTest::addColumn<QStringList>("attesi"); // none: refused with a message naming the file
        const QStringList muro{kConfrontati[0], "Declared values: Rw(C;Ctr)= 52(-1;-4) dB"};
        const Campi lunga{{"Nome", "Parete " + Ripeti("fonoisolante", 20)},
                          {"Descrizione", Ripeti("lastra", 400) + " FINE"},
                          {"Società richiedente", Ripeti("lastra", 50) + " FINE"}};
        const Campi buco{{"Nome", "Con un buco"}, {"R - 50Hz (dB)", "30,5"}, {"R - 5000Hz (dB)", "61"}};
        const QStringList tabella{"Band or rating\tMuro in laterizio 12 cm\tParete",
                                  "Rw (dB) stored\t52\t46\t40"};
        // clang-format off
        QTest::newRow("sheet") << "SalvaScheda" << Campi() << "scheda" << 1 << muro + QStringList{"Computed according to ISO 717-1: Rw(C;Ctr)="};
        QTest::newRow("sheet: a stored line break") << "SalvaScheda" << Campi{{"Nome", "A capo"}, {"Descrizione", "Prima riga\r\nseconda riga"}} << "scheda" << 1 << QStringList{"Prima riga\nseconda riga"};
        QTest::newRow("sheet printed") << "StampaScheda" << Campi() << "stampa.pdf" << 1 << muro;
        QTest::newRow("sheet of long texts") << "SalvaScheda" << lunga << "scheda.pdf" << 1 << QStringList{"Parete fonoisolante", "lastra lastra", "\u2026"};
        QTest::newRow("bands from the record") << "CopiaBande" << buco << "" << 0 << QStringList{"30,5" + QString(20, '\t') + "61"};
        QTest::newRow("chart PNG") << "EsportaPng" << Campi() << "grafico" << 0 << QStringList{"PNG\r\n\x1a\n"};
        QTest::newRow("chart SVG") << "EsportaSvg" << Campi() << "grafico.svg" << 0 << QStringList{"<svg", kConfrontati[2]};
        QTest::newRow("chart PDF") << "EsportaPdf" << Campi() << "grafico" << 1 << QStringList{kConfrontati[2]};
        QTest::newRow("table CSV") << "EsportaCsv" << Campi() << "tabella" << 0 << QStringList{"\uFEFFBand or rating;Muro in laterizio 12 cm;", "Rw (dB) stored;52;46;40\r\n"};
        QTest::newRow("table copied") << "CopiaTabella" << Campi() << "" << 0 << tabella;
        QTest::newRow("comparison printed") << "StampaConfronto" << Campi() << "stampa.pdf" << 2 << QStringList{kConfrontati[2], "Rw (dB) stored"};
        QTest::newRow("no such folder") << "EsportaPdf" << Campi() << "manca/grafico.pdf" << 0 << QStringList();
        // clang-format on
    }
    void uscite()
    {
        QFETCH(QString, comando);
        QFETCH(Campi, voce);
        QFETCH(QString, file);
        QFETCH(int, pagine);
        QFETCH(QStringList, attesi);
        Ambiente a;
        QVERIFY(a.ok());
        if (!voce.isEmpty())
            Ambiente::Inserisci(a.sperimentale(), "Rw_laboratorio", voce);
        a.apri();
        if (!voce.isEmpty())
            a.selezionaNome(voce.value("Nome"));
        QWidget* finestra = &a.form();
        if (!a.form().findChild<QAction*>(comando, Qt::FindDirectChildrenOnly)) {
            ConfrontaTre(a);
            finestra = Confronto(a);
        }
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(file);
        if (file.isEmpty())
            ;
        else if (comando.startsWith("Stampa"))
            DialogoStampa::setNextOutput(percorso);
        else
            FileDialog::setNextFileName(percorso);
        QApplication::clipboard()->clear();
        QAction* azione = finestra->findChild<QAction*>(comando);
        QVERIFY(azione && azione->isEnabled());
        azione->trigger();

        if (attesi.isEmpty()) {
            QVERIFY2(MessageBox::lastText().contains(percorso), qPrintable(MessageBox::lastText()));
            return;
        }
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
        QByteArray scritto = QApplication::clipboard()->text().toUtf8();
        if (!file.isEmpty()) {
            const QStringList scritti = QDir(cartella.path()).entryList(QDir::Files);
            QCOMPARE(scritti.size(), 1);
            QVERIFY(!QFileInfo(scritti.first()).suffix().isEmpty());
            const QString letto = cartella.filePath(scritti.first());
            QCOMPARE(TestoPdf::Pagine(letto), pagine);
            scritto = pagine > 0 ? TestoPdf::Testo(letto).toUtf8() : Contenuto(letto);
        }
        for (const QString& atteso : attesi)
            QVERIFY2(scritto.contains(atteso.toUtf8()),
                     qPrintable(atteso + "\n---\n" + QString::fromUtf8(scritto.left(3000))));
        QVERIFY2(!scritto.contains("FINE"), scritto.constData());
    }

    // Into the editor of a new entry whose band boxes hold 1: by its button, or by Ctrl+Shift+V
    // taken by the window from the first band box.
    void incollaBande_data()
    {
        QTest::addColumn<QString>("appunti");
        QTest::addColumn<bool>("scorciatoia");
        QTest::addColumn<QString>("bande"); // the 21 boxes afterwards, "|" between them
        QTest::addColumn<QString>("messaggio");
        const QString prima = QStringList(21, "1").join('|');
        QStringList ventuno, sedici;
        for (int i = 0; i < 21; ++i)
            ventuno << QString::number(30 + i) + ",5";
        for (int i = 0; i < 16; ++i)
            sedici << QString::number(40 + i) + ".5";
        const QString sediciInMezzo = "1|1|1|" + sedici.join('|').replace('.', ',') + "|1|1";
        QTest::newRow("21 from a spreadsheet row") << ventuno.join('\t') << false << ventuno.join('|') << "";
        QTest::newRow("16 with dots, by the shortcut") << sedici.join("\r\n") << true << sediciInMezzo << "";
        QTest::newRow("20 values") << ventuno.mid(1).join('\t') << true << prima << "holds 20 values";
    }
    void incollaBande()
    {
        QFETCH(QString, appunti);
        QFETCH(bool, scorciatoia);
        Ambiente a;
        QVERIFY(a.ok());
        a.apri();
        QStringList testi;
        QVERIFY(ConEditor([&] { a.pulsante(1); },
                          [&](Form3* editor) {
                              QVERIFY(QTest::qWaitForWindowActive(editor));
                              QList<QLineEdit*> bande;
                              for (int i = 0; i < 21; ++i) {
                                  bande << Casella(editor, QStringLiteral("Text2(%1)").arg(i));
                                  bande.last()->setText("1");
                              }
                              QApplication::clipboard()->setText(appunti);
                              if (scorciatoia) {
                                  bande[0]->setFocus();
                                  QTest::keyClick(bande[0], Qt::Key_V,
                                                  Qt::ControlModifier | Qt::ShiftModifier);
                              } else {
                                  Premi(editor, "IncollaBande");
                              }
                              for (QLineEdit* banda : bande)
                                  testi << banda->text();
                          }));
        QTEST(testi.join('|'), "bande");
        QFETCH(QString, messaggio);
        QCOMPARE(MessageBox::shown().size(), messaggio.isEmpty() ? 0 : 1);
        QVERIFY2(MessageBox::lastText().contains(messaggio), qPrintable(MessageBox::lastText()));
    }
};

QTEST_MAIN(TestComandiVoce)
#include "TestComandiVoce.moc"
