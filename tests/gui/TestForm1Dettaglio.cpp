// The display of the selected entry in the real main window: rating line, band boxes, kept
// ratings, chart captions, the information window's boxes, the test date, the picture, and
// the information and image windows opened from the main window.
#include "TestForm1Ambiente.h"

#include "browser/parti/Form4.h"

#include <QClipboard>

using namespace Form1Test;

namespace {

// Lays out a custom (or, with teorico, theoretical) table with the entries and shows it.
void Mostra(Ambiente& a, int messaggio, const QString& tabella, const QList<Campi>& voci,
            bool teorico = false)
{
    const QString file = teorico ? a.teorico() : a.sperimentale();
    Ambiente::SvuotaTabella(file, tabella);
    for (const Campi& voce : voci)
        Ambiente::Inserisci(file, tabella, voce);
    if (!a.aperta())
        a.apri();
    a.clicca(a.figlio(teorico ? QStringLiteral("teorico") : QStringLiteral("personalizzato"), M(messaggio)));
}

const QString kRw = QStringLiteral("Rw_laboratorio");

Form2* Informazioni(Ambiente& a)
{
    return a.form().InformazioniAggiuntive();
}

RiquadroImmagine* Immagine(Ambiente& a)
{
    return a.form().findChild<RiquadroImmagine*>(QStringLiteral("Image1"));
}

// A picture of a size no shipped picture has.
QSize ScriviImmagine(const QString& percorso, QSize dimensione = {7, 5})
{
    QImage immagine(dimensione, QImage::Format_RGB32);
    immagine.fill(Qt::red);
    immagine.save(percorso, "PNG");
    return immagine.size();
}

} // namespace

class TestForm1Dettaglio : public QObject
{
    Q_OBJECT

private slots:
    // The rating line, the bands (a value wider than its box shown whole, a band without a
    // value as 0), the chart's range, the kept ratings; every box shows its text's beginning;
    // of two entries with one name the first is shown.
    void voceMostrata()
    {
        Ambiente a;
        QVERIFY(a.ok());
        Mostra(a, 20, kRw,
               {{{"Nome", "Prima"},
                 {"Rw (dB)", "52"},
                 {"C (dB)", "-1"},
                 {"Ctr (dB)", "-4"},
                 {"R - 50Hz (dB)", "-10,25"},
                 {"R - 63Hz (dB)", "12,125"},
                 {"R - 1000Hz (dB)", "47"},
                 {"R - 5000Hz (dB)", "60"},
                 {"Descrizione", "prima riga\r\nseconda riga"},
                 {"Immagine", "una fotografia di cantiere lunga.jpg"}},
                {{"Nome", "Seconda"}, {"Rw (dB)", "46"}},
                {{"Nome", "Seconda"}, {"Rw (dB)", "42"}}});
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
        QCOMPARE(a.etichetta(QStringLiteral("Label3"))->text(), QStringLiteral("Rw(C,Ctr)= 52(-1, -4) dB"));
        QCOMPARE(a.descrizione(), QStringLiteral("prima riga seconda riga"));
        QStringList bande;
        for (int i : {0, 1, 2, 13, 20})
            bande << a.banda(i)->text();
        QCOMPARE(bande, (QStringList{"-10,25", "12,125", "0", "47", "60"}));
        QCOMPARE(a.form().ValoriBande()[13], 47.0f);
        // The 500 Hz band is 0, so it sets the bottom of the range.
        QCOMPARE(a.etichetta("Label4(3)")->text() + ' ' + a.etichetta("Label4(4)")->text(),
                 QStringLiteral("60,0 0,0"));
        // The grid crisp: the 500 Hz line is one column of black pixels.
        const QImage g = a.form().findChild<QWidget*>(QStringLiteral("Picture1"))->grab().toImage();
        int nere[3] = {};
        for (int y = 0, x = qRound((g.width() - 1) / 2.0); y < g.height(); ++y)
            for (int d : {-1, 0, 1})
                nere[d + 1] += g.pixelColor(x + d, y) == QColor(Qt::black);
        QVERIFY(nere[1] > g.height() / 2 && nere[0] <= 3 && nere[2] <= 3);
        QCOMPARE(TestSupport::CaselleTagliate(&a.form()) + TestSupport::CaselleTagliate(Informazioni(a)),
                 QStringList());
        QCOMPARE(TestSupport::DidascalieTagliate(&a.form()), QStringList());
        for (int riga : {1, 2}) {
            a.selezionaRiga(riga);
            QCOMPARE(a.etichetta(QStringLiteral("Label3"))->text(), QStringLiteral("Rw(C,Ctr)= 46(, ) dB"));
            QCOMPARE(a.form().Valore(ValoreConservato::C), -1.0); // kept from the entry that had it
        }
        // A theoretical entry keeps nothing.
        Mostra(a, 21, QStringLiteral("DRw"), {{{"Nome", "T"}, {"DRw (dB)", "9"}}}, true);
        QCOMPARE(a.form().Valore(ValoreConservato::Rw), 46.0);
        // The impact terms join with a bare comma; the theoretical floors have one term.
        Mostra(a, 22, QStringLiteral("Lnw_laboratorio"),
               {{{"Nome", "L"}, {"Lnw (dB)", "58"}, {"Ci (dB)", "0"}, {"Ci 50_5000 (dB)", "3"}}});
        QCOMPARE(a.etichetta("Label3")->text(), QStringLiteral("Lnw(Ci,Ci 50-5000)= 58(0,3) dB"));
        Mostra(a, 22, QStringLiteral("Livello_calpestio"),
               {{{"Nome", "T"}, {"Lnw (dB)", "61"}, {"Ci (dB)", "-2"}}}, true);
        QCOMPARE(a.etichetta("Label3")->text(), QStringLiteral("L'nw(Ci)= 61(-2) dB"));
    }

    // The description and the information window's boxes can be selected and copied, not changed.
    void soloLettura()
    {
        Ambiente a;
        QVERIFY(a.ok());
        Mostra(a, 20, kRw,
               {{{"Nome", "Voce"}, {"Descrizione", "d"}, {"Certificato", "c"}, {"Immagine", "i"}}});
        Informazioni(a)->show();
        QString copiati;
        for (QWidget* box : {static_cast<QWidget*>(a.form().Controlli().Text2), Informazioni(a)->Casella(0),
                             Informazioni(a)->Casella(5)}) {
            box->setFocus();
            for (const QKeySequence& tasti :
                 QList<QKeySequence>{QKeySequence::SelectAll, Qt::Key_X, QKeySequence::Delete,
                                     QKeySequence::Paste, QKeySequence::Copy})
                QTest::keySequence(box, tasti);
            copiati += QApplication::clipboard()->text();
        }
        QCOMPARE(copiati, QStringLiteral("dci"));
        QCOMPARE(a.descrizione() + Informazioni(a)->Testo(0) + Informazioni(a)->Testo(5),
                 QStringLiteral("dci"));
    }

    // After an in-situ impact entry (site and receiving room shown, the rest hidden) a
    // laboratory wall shows area, critical frequency and loss factor, and hides the site.
    void caselleInformazioniDopoUnAltroTipo()
    {
        Ambiente a;
        QVERIFY(a.ok());
        Mostra(a, 25, QStringLiteral("Lnw_in_opera"), {{{"Nome", "In opera"}, {"Cantiere", "Via Roma"}}});
        QCOMPARE(Informazioni(a)->Testo(11), QStringLiteral("Via Roma"));
        Mostra(a, 20, kRw, {{{"Nome", "Voce"}, {"s (mm)", "120"}}});
        for (int k = 6; k <= 11; ++k) {
            QCOMPARE(Informazioni(a)->Casella(k)->isHidden(), k == 11);
            QCOMPARE(Informazioni(a)->Etichetta(k)->isHidden(), k == 11);
        }
        QCOMPARE(Informazioni(a)->Etichetta(9)->text() + Informazioni(a)->Etichetta(10)->text(),
                 QStringLiteral("fc [Hz]Eta int"));
        QCOMPARE(Informazioni(a)->Testo(7), QStringLiteral("120"));
        QCOMPARE(Informazioni(a)->Testo(11), QString());
        QCOMPARE(TestSupport::DidascalieTagliate(Informazioni(a)), QStringList());
    }

    void dataDiProva()
    {
        Ambiente a;
        QVERIFY(a.ok());
        Mostra(a, 20, kRw,
               {{{"Nome", "Senza data"}},
                {{"Nome", "Con data"}, {"Data Prova", "31/01/2010"}},
                {{"Nome", "Febbraio"}, {"Data Prova", "28/02/2011"}}});
        QWidget* data = Informazioni(a)->Casella(1);
        QCalendarWidget* calendario = Informazioni(a)->MonthView1();
        QCOMPARE(Informazioni(a)->Testo(1), QString());
        QVERIFY(!data->isEnabled() && !calendario->isEnabled());
        a.selezionaRiga(1);
        QCOMPARE(Informazioni(a)->Testo(1), QStringLiteral("31/01/2010"));
        QVERIFY(data->isEnabled() && calendario->isEnabled());
        QCOMPARE(calendario->selectedDate(), QDate(2010, 1, 31));
        a.selezionaRiga(2); // from a 31st to a shorter month
        QCOMPARE(calendario->selectedDate(), QDate(2011, 2, 28));
    }

    void immagine_data()
    {
        QTest::addColumn<int>("messaggio"); // of the custom node, or negative for the theoretical one
        QTest::addColumn<QString>("tabella");
        QTest::addColumn<QString>("cartella");  // the image folder the file is written to
        QTest::addColumn<QString>("contenuto"); // "immagine", "testo" or "" (an empty file)
        QTest::addColumn<QString>("nome");      // the entry's Immagine; "M66" the no-picture text
        QTest::addColumn<bool>("propria");      // its own picture shows, not the placeholder
        const auto riga = [](const char* n, int m, const char* t, const char* c, const char* f, const char* i,
                             bool p) {
            QTest::newRow(n) << m << QString::fromUtf8(t) << QString::fromUtf8(c) << QString::fromUtf8(f)
                             << QString::fromUtf8(i) << p;
        };
        const char* rw = "Partizioni verticali (Rw)";
        riga("own", 20, "Rw_laboratorio", rw, "immagine", "p.png", true);
        riga("no picture", 20, "Rw_laboratorio", rw, "immagine", "M66", false);
        riga("not a picture", 20, "Rw_laboratorio", rw, "testo", "p.png", false);
        riga("empty file", 20, "Rw_laboratorio", rw, "", "p.png", false);
        riga("theoretical Rw uses the walls'", -20, "Potere_fonoisolante", rw, "immagine", "p.png", true);
        riga("theoretical DRw never", -21, "DRw", rw, "immagine", "p.png", false);
        riga("windows", 26, "Infissi", "Infissi", "immagine", "p.png", true);
        riga("another kind's folder", 26, "Infissi", rw, "immagine", "p.png", false);
    }

    void immagine()
    {
        QFETCH(int, messaggio);
        QFETCH(QString, tabella);
        QFETCH(QString, cartella);
        QFETCH(QString, contenuto);
        QFETCH(QString, nome);
        QFETCH(bool, propria);
        Ambiente a;
        QVERIFY(a.ok());
        const QString percorso = a.immagini(cartella) + QStringLiteral("/p.png");
        const QSize dimensione = contenuto == QLatin1String("immagine") ? ScriviImmagine(percorso) : QSize();
        if (contenuto != QLatin1String("immagine"))
            QVERIFY(Scrivi(percorso, contenuto.isEmpty() ? QByteArray() : "non un disegno"));
        const QSize segnaposto = QImage(a.immagini(QStringLiteral("senza.jpg"))).size();
        Mostra(a, qAbs(messaggio), tabella, {{{"Nome", "Voce"}, {"Immagine", nome == "M66" ? M(66) : nome}}},
               messaggio < 0);
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
        QCOMPARE(Immagine(a)->Immagine().size(), propria ? dimensione : segnaposto);
    }

    // Before any entry is shown the window holds its design texts; it opens modal, keys
    // neither close nor change it, "Chiudi" hides it with its boxes as they were; its close
    // box discards it.
    void finestraInformazioni()
    {
        Ambiente a;
        QVERIFY(a.ok());
        Ambiente::SvuotaTabella(a.sperimentale(), kRw);
        a.apri();
        auto* pulsante = a.form().findChild<QPushButton*>(QStringLiteral("CommandInfoAgg"));
        QStringList testi;
        bool modale = false;
        QTimer::singleShot(0, this, [&] {
            Form2* info = Informazioni(a);
            for (Qt::Key tasto : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_A, Qt::Key_Enter})
                QTest::keyClick(info->Casella(5), tasto);
            modale = info->isVisible() && info->isModal();
            for (int k = 0; k < Form2::NumeroCaselle; ++k)
                testi << info->Testo(k);
            QTest::mouseClick(info->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
        });
        QTest::mouseClick(pulsante, Qt::LeftButton);
        QVERIFY(modale);
        QCOMPARE(testi.join(QLatin1Char('|')), QStringLiteral("|01/01/2000||||senza||||||"));
        QVERIFY(!Informazioni(a)->isVisible());
        QCOMPARE(Informazioni(a)->Testo(5), QStringLiteral("senza"));
        Informazioni(a)->close();
        QTRY_VERIFY(!a.form().InformazioniAggiuntiveSeEsiste());
    }

    // A double click on the picture enlarges it; going back to the main window hides it.
    void immagineIngrandita()
    {
        Ambiente a;
        QVERIFY(a.ok());
        const QSize dimensione =
            ScriviImmagine(a.immagini(QStringLiteral("Partizioni verticali (Rw)/g.png")));
        Mostra(a, 20, kRw, {{{"Nome", "Voce"}, {"Immagine", "g.png"}}});
        QVERIFY(QTest::qWaitForWindowExposed(&a.form()));
        QTest::mouseDClick(Immagine(a), Qt::LeftButton);
        Form4* ingrandita = a.form().FinestraImmagine();
        QTRY_VERIFY(ingrandita && ingrandita->isVisible());
        QCOMPARE(ingrandita->Image1()->pixmap().size(), dimensione);
        QVERIFY(
            !(ingrandita->windowFlags() & (Qt::WindowTitleHint | Qt::WindowCloseButtonHint))); // no caption
        QApplication::setActiveWindow(ingrandita);
        QTRY_VERIFY(ingrandita->isActiveWindow());
        QApplication::setActiveWindow(&a.form());
        QTRY_VERIFY(!ingrandita->isVisible());
        ingrandita->MostraImmagine(QPixmap());
        QVERIFY(ingrandita->Image1()->pixmap().isNull());
    }

    // A picture changed on disk is shown as it is now, not as it was decoded before.
    void immagineCambiataSulDisco()
    {
        Ambiente a;
        QVERIFY(a.ok());
        for (const QSize dimensione : {QSize(7, 5), QSize(9, 4)}) {
            ScriviImmagine(a.immagini(QStringLiteral("Partizioni verticali (Rw)/g.png")), dimensione);
            Mostra(a, 20, kRw, {{{"Nome", "Voce"}, {"Immagine", "g.png"}}});
            QCOMPARE(Immagine(a)->Immagine().size(), dimensione);
        }
    }

    // A larger window widens the list and moves the chart; back to its size, or smaller,
    // everything is where the design puts it.
    void ridimensionare()
    {
        Ambiente a;
        QVERIFY(a.ok());
        a.apri();
        QWidget* elenco = a.elenco();
        QWidget* grafico = a.form().findChild<QWidget*>(QStringLiteral("Picture1"));
        const QRect elencoProgetto = elenco->geometry(), graficoProgetto = grafico->geometry();
        for (const QSize& delta : {QSize(200, 120), QSize(0, 0), QSize(-100, -100)}) {
            a.form().resize(a.form().size() + delta);
            const bool grande = delta.width() > 0;
            QTRY_COMPARE(grafico->geometry() == graficoProgetto, !grande);
            QCOMPARE(elenco->geometry().height() > elencoProgetto.height(), grande);
            a.form().resize(a.form().size() - delta);
        }
    }
};

QTEST_MAIN(TestForm1Dettaglio)
#include "TestForm1Dettaglio.moc"
