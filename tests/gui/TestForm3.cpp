// The material editor on its own, for a new entry: its boxes per kind, the keys the boxes
// take, the name checks, a value the file refuses, and the picture copy. The copy of a shown
// entry into the editor is tested from the main window (TestComandiForm1).
#include "TestForm1Ambiente.h"
#include "VoceDiProva.h"

#include "editor/ImmagineMateriale.h"

#include <QClipboard>
#include <QRegularExpression>

using namespace Form1Test;
using VoceDiProva::Tabella;

namespace {

const QColor kBlu(0x16, 0x25, 0x4B), kRosso(255, 0, 0);

// "{77} {32}" becomes catalogue text 77, a blank, catalogue text 32.
QString Espandi(QString testo)
{
    static const QRegularExpression numero(QStringLiteral("\\{(\\d+)\\}"));
    for (auto m = numero.match(testo); m.hasMatch(); m = numero.match(testo))
        testo.replace(m.capturedStart(), m.capturedLength(), M(m.captured(1).toInt()));
    return testo;
}

} // namespace

class TestForm3 : public QObject
{
    Q_OBJECT
    std::unique_ptr<Ambiente> a_;
    int ricariche_ = 0;
    QString File() const { return a_->sperimentale(); }
    void Salva(Form3* f, const QString& nome)
    {
        Casella(f, "Text15")->setText(nome);
        Premi(f, "Command2");
    }
    // The editor for a new entry ("0") or for the entry selezionato ("1") of a kind, shown.
    std::unique_ptr<Form3> Apri(int codice, const QString& modo = "0", const QString& selezionato = {})
    {
        MaterialeMostrato mostrato;
        mostrato.nomeSelezionato = selezionato;
        mostrato.paroleChiave = QStringList{M(88), QStringLiteral("Laterizio"), QStringLiteral("Legno")};
        auto f = std::make_unique<Form3>();
        f->SetModo(modo);
        f->SetMaterialeMostrato({codice, {}, {}, Tabella(codice)}, mostrato);
        f->SetRicarica([this](const auto&, const auto&) { ++ricariche_; });
        f->InitMateriale();
        f->show();
        if (!QTest::qWaitForWindowActive(f.get()))
            qWarning("the editor is not the active window");
        return f;
    }

private slots:
    void init()
    {
        a_ = std::make_unique<Ambiente>();
        QVERIFY(a_->ok());
        ZelmarCommonModule::CaricaMessaggi();
        FileDialog::clear();
        ricariche_ = 0;
    }
    void cleanup() { a_.reset(); }

    // Which structure boxes each kind shows, each with its caption, and the design texts.
    void nuovoPerTipo()
    {
        const std::pair<int, const char*> righe[] = {{1, "111110"}, {2, "111111"}, {3, "110000"},
                                                     {4, "110110"}, {5, "110101"}, {6, "110000"},
                                                     {7, "111000"}, {10, "010100"}};
        const char* caselle[][2] = {{"Text10", "Label1(6)"},  {"Text11", "Label1(7)"},
                                    {"Text12", "Label1(8)"},  {"Text13", "Label1(9)"},
                                    {"Text14", "Label1(10)"}, {"Text16", "Label1(1)"}};
        for (const auto& [codice, visibili] : righe) {
            auto f = Apri(codice);
            for (int k = 0; k < 6; ++k) {
                QVERIFY2(Casella(f.get(), caselle[k][0])->isVisible() == (visibili[k] == '1'), caselle[k][0]);
                QVERIFY(f->findChild<QLabel*>(caselle[k][1])->isVisible() == (visibili[k] == '1'));
            }
            // The internal loss factor of walls and floors starts at 0,01.
            QCOMPARE(Casella(f.get(), "Text14")->text(),
                     QLatin1String(codice == 1 || codice == 4 ? "0,01" : "0,0"));
            for (const char* n : {"Text10", "Text12", "Text2(0)", "Text2(20)", "Text2(21)"})
                QCOMPARE(Casella(f.get(), n)->text(), QStringLiteral("0,0"));
            QCOMPARE(Casella(f.get(), "Text2(23)")->text() + Casella(f.get(), "Text9")->text(),
                     QStringLiteral("0senza"));
            QCOMPARE(f->findChild<QCalendarWidget*>()->selectedDate(), QDate::currentDate());
            QCOMPARE(TestSupport::DidascalieTagliate(f.get()), QStringList());
            // The keyword box offers the main window's keywords but its first line.
            QCOMPARE(f->findChild<QComboBox*>()->currentText(), QStringLiteral("Laterizio"));
            QCOMPARE(f->findChild<QComboBox*>()->count(), 2);
        }
    }

    // Under number settings with a full stop the boxes start as 0.0 and save as they are.
    void separatoreConIlPunto()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const auto ripristina =
            qScopeGuard([] { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); });
        auto f = Apri(1);
        QCOMPARE(Casella(f.get(), "Text10")->text() + Casella(f.get(), "Text2(0)")->text(),
                 QStringLiteral("0.00.0"));
        QCOMPARE(Casella(f.get(), "Text14")->text(), QStringLiteral("0.01"));
        Casella(f.get(), "Text2(3)")->setText(QStringLiteral("45.5"));
        Salva(f.get(), QStringLiteral("Muro col punto"));
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
        const QVariantMap riga = LeggiRiga(File(), Tabella(1), 1, QStringLiteral("Muro col punto"));
        QCOMPARE(riga.value("Eta int"), QVariant(0.01));
        QCOMPARE(riga.value("Area (m²)"), QVariant(0.0));
        QCOMPARE(riga.value("R - 100Hz (dB)"), QVariant(45.5));
    }

    // A box whose text the file cannot store: one message naming the value, its caption left
    // red (the background of a rating's caption), nothing stored, the editor open; the
    // corrected second try saves.
    void valoreRifiutato()
    {
        const struct
        {
            int codice;
            const char *casella, *testo, *didascalia, *contesto;
        } righe[] = {{1, "Text10", "abc", "Label1(6)", "{59}"},
                     {2, "Text14", "", "Label1(10)", "{64}"},
                     {5, "Text13", "12.5.3", "Label1(9)", "{65}"},
                     {6, "Text2(21)", "x", "Text1(21)", "{77} {32}"},
                     {3, "Text2(22)", "", "Text1(22)", "{77} {50}"},
                     {10, "Text2(5)", "1,2,3", "Text1(5)", "{78} 160 Hz"}};
        for (const auto& r : righe) {
            const QByteArray prima = Contenuto(File());
            MessageBox::clearShown();
            auto f = Apri(r.codice);
            Casella(f.get(), r.casella)->setText(QLatin1String(r.testo));
            Salva(f.get(), QStringLiteral("Valore sbagliato"));
            QCOMPARE(MessageBox::shown().size(), 1);
            const QString inizio = M(67) + "\r\n" + Espandi(QString::fromUtf8(r.contesto)) + "\r\n(";
            QVERIFY2(MessageBox::lastText().startsWith(inizio) &&
                         MessageBox::lastText().endsWith(QLatin1Char(')')),
                     qPrintable(MessageBox::lastText()));
            QWidget* marcata = f->findChild<QWidget*>(QLatin1String(r.didascalia));
            const auto ruolo = qobject_cast<QLabel*>(marcata)                   ? QPalette::WindowText
                               : QByteArray(r.didascalia).startsWith("Text1(2") ? QPalette::Base
                                                                                : QPalette::Text;
            QCOMPARE(marcata->palette().color(ruolo), kRosso);
            QCOMPARE(f->findChild<QLabel*>("Label1(11)")->palette().color(QPalette::WindowText), kBlu);
            QCOMPARE(Contenuto(File()), prima);
            Casella(f.get(), r.casella)->setText(QStringLiteral("5"));
            Premi(f.get(), "Command2");
            QCOMPARE(marcata->palette().color(ruolo), kBlu);
            QVERIFY(!LeggiRiga(File(), Tabella(r.codice), r.codice, QStringLiteral("Valore sbagliato"))
                         .isEmpty());
        }
        QCOMPARE(ricariche_, 6);
    }

    // A text typed on several lines is saved, and shown, up to its first line break.
    void tagliaAlPrimoACapo()
    {
        const char* righe[][4] = {{"Text15", "Muro\r\nlaterizio", "Muro", "Nome"},
                                  {"Text3", "  Prima riga  \nseconda", "Prima riga", "Descrizione"},
                                  {"Text8", "  con spazi  ", "  con spazi  ", "Informazione addizionale"},
                                  {"Text16", " Cantiere A \rB", "Cantiere A", "Cantiere"},
                                  {"Text4", "A\nB", "A\nB", "Certificato"}};
        for (const auto& [casella, testo, atteso, colonna] : righe) {
            auto f = Apri(2);
            Casella(f.get(), "Text15")->setText(QStringLiteral("Parete ") + QLatin1String(colonna));
            Casella(f.get(), casella)->setText(QLatin1String(testo));
            Casella(f.get(), "Text13")->setText(QStringLiteral("12,5\r\n"));
            Premi(f.get(), "Command2");
            QCOMPARE(Casella(f.get(), casella)->text(), QLatin1String(atteso));
            const QVariantMap riga = LeggiRiga(File(), Tabella(2), 2, Casella(f.get(), "Text15")->text());
            QCOMPARE(riga.value(QString::fromUtf8(colonna)).toString(), QLatin1String(atteso));
            QCOMPARE(riga.value("V ricevente (m³)"), QVariant(12.5));
        }
    }

    // The picture chosen is copied into the kind's folder when the entry is saved, never over a
    // file already there; the entry stores its name, or the no-picture text when the dialog was
    // cancelled afterwards; a missing folder gets no picture and no message.
    void immagine()
    {
        QTemporaryDir sorgenti;
        const QString scelta = sorgenti.filePath(QStringLiteral("muro 1.jpg"));
        QVERIFY(Scrivi(scelta, "NUOVA"));
        const struct
        {
            int codice;
            const char *cartella, *stato; // the destination: "vecchia" already there, "assente", "cartella"
            bool annullato;
            const char* atteso; // the destination's content afterwards
        } righe[] = {{1, "Partizioni verticali (Rw)", "vecchia", false, "VECCHIA"},
                     {7, "Infissi", "assente", false, "NUOVA"},
                     {4, "Partizioni orizzontali (Lnw)", "assente", true, ""},
                     {10, "Piccoli elementi (Dnew)", "cartella", false, ""}};
        for (const auto& r : righe) {
            const QString destinazione =
                a_->immagini(QLatin1String(r.cartella)) + QStringLiteral("/muro 1.jpg");
            if (QByteArray(r.stato) == "vecchia")
                QVERIFY(Scrivi(destinazione, "VECCHIA"));
            if (QByteArray(r.stato) == "cartella")
                QVERIFY(QDir(a_->immagini(QLatin1String(r.cartella))).removeRecursively());
            auto f = Apri(r.codice);
            FileDialog::setNextFileName(QStringLiteral("  ") + scelta + QStringLiteral(" "));
            Premi(f.get(), "Command1");
            QCOMPARE(FileDialog::lastRequest()->title, M(55));
            QCOMPARE(Casella(f.get(), "Text9")->text(), QStringLiteral("muro 1.jpg"));
            if (r.annullato) {
                FileDialog::setNextFileName(QString());
                Premi(f.get(), "Command1");
                QCOMPARE(ImmagineMateriale::PercorsoImmagineScelta, scelta); // kept for the next choice
            }
            Salva(f.get(), QStringLiteral("Con foto"));
            QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
            QCOMPARE(Contenuto(destinazione), QByteArray(r.atteso));
            QCOMPARE(
                LeggiRiga(File(), Tabella(r.codice), r.codice, QStringLiteral("Con foto")).value("Immagine"),
                QVariant(r.annullato ? M(66) : QStringLiteral("muro 1.jpg")));
        }
    }

    // Keys as the user types them: characters filtered by each box's filter, control characters
    // dropped, editing and moving keys kept; Up and Down move round the band boxes and on to
    // the ratings, the box reached selected. Escape, in whatever box, leaves the editor open
    // with everything typed; "Annulla" closes it and writes nothing.
    void tasti()
    {
        const QByteArray prima = Contenuto(File());
        auto f = Apri(1);
        const int frecce[][3] = {{20, Qt::Key_Down, 0}, {0, Qt::Key_Up, 20},    {5, Qt::Key_Down, 6},
                                 {21, Qt::Key_Up, 20},  {21, Qt::Key_Down, 22}, {22, Qt::Key_Down, 23},
                                 {23, Qt::Key_Up, 22},  {23, Qt::Key_Down, 23}};
        for (const auto& [da, tasto, a] : frecce) {
            Casella(f.get(), QStringLiteral("Text2(%1)").arg(da))->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(tasto));
            QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text2(%1)").arg(a));
            QCOMPARE(Casella(f.get(), QStringLiteral("Text2(%1)").arg(a))->selectedText(),
                     Casella(f.get(), QStringLiteral("Text2(%1)").arg(a))->text());
        }
        QLineEdit* banda = Casella(f.get(), "Text2(0)");
        banda->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(banda, QStringLiteral("-1,5,.e-3E"));
        QCOMPARE(banda->text(), QStringLiteral("1,5E-3"));
        QGuiApplication::clipboard()->setText(QStringLiteral("99"));
        QTest::keyClick(banda, Qt::Key_V, Qt::ControlModifier);
        for (Qt::Key tasto : {Qt::Key_Return, Qt::Key_Home, Qt::Key_Delete, Qt::Key_End, Qt::Key_Backspace})
            QTest::keyClick(banda, tasto);
        QCOMPARE(banda->text(), QStringLiteral(",5E-"));
        const char* righe[][3] = {
            {"Text11", "-1,5e", "15"}, {"Text2(22)", "--3,", "-3"}, {"Text15", "Muro-e,1", "Muro-e,1"}};
        for (const auto& [casella, tasti, atteso] : righe) {
            Casella(f.get(), casella)->clear();
            QTest::keyClicks(Casella(f.get(), casella), QLatin1String(tasti));
            QCOMPARE(Casella(f.get(), casella)->text(), QLatin1String(atteso));
        }
        Casella(f.get(), "Text15")->clear();
        for (QWidget* w : QList<QWidget*>{Casella(f.get(), "Text15"), f->findChild<QComboBox*>()->lineEdit(),
                                          Casella(f.get(), "Text2(3)"), Casella(f.get(), "Text11"),
                                          f->findChild<QCalendarWidget*>()}) {
            w->setFocus();
            QTest::keyClicks(w, QStringLiteral("12"));
            QTest::keyClick(w, Qt::Key_Escape);
            QVERIFY2(f->isVisible(), qPrintable(w->objectName()));
        }
        QCOMPARE(Casella(f.get(), "Text15")->text() + Casella(f.get(), "Text2(3)")->text(),
                 QStringLiteral("1212"));
        QVERIFY(f->findChild<QComboBox*>()->currentText().contains(QStringLiteral("12")));
        Premi(f.get(), "Command3");
        QVERIFY(!f->isVisible());
        QCOMPARE(ricariche_, 0);
        QCOMPARE(Contenuto(File()), prima);
    }
};

QTEST_MAIN(TestForm3)
#include "TestForm3.moc"
