// The display of the selected entry in the real main window: rating line, band boxes,
// kept ratings, chart captions, the information window's boxes and visibility, the test
// date, the picture, and the information and image windows opened from the main window.
#include "TestForm1Ambiente.h"

#include "app/MessageBox.h"
#include "app/ZelmarCommonModule.h"
#include "browser/Form2.h"
#include "browser/Form4.h"
#include "browser/RiquadroImmagine.h"
#include "model/Module1.h"

#include "browser/ElencoNomi.h"
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace Form1Test;
using ZelmarCommonModule::M;

namespace {

struct Tabella
{
    QString radice;
    int messaggio; // caption of the tree node
    QString file;  // "sperimentale" or "teorico"
    QString nome;
};

// Parses "key=value;key=value" rows of the data tables.
Campi CampiDa(const QString& testo)
{
    Campi campi;
    for (const QString& coppia : testo.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const int uguale = coppia.indexOf(QLatin1Char('='));
        campi.insert(coppia.left(uguale), coppia.mid(uguale + 1));
    }
    return campi;
}

QString File(Ambiente& a, const QString& quale)
{
    return quale == QLatin1String("teorico") ? a.teorico() : a.sperimentale();
}

// Lays out the table with the given entries and shows it through the tree.
void Mostra(Ambiente& a, const Tabella& t, const QList<Campi>& voci)
{
    const QString file = File(a, t.file);
    Ambiente::SvuotaTabella(file, t.nome);
    for (const Campi& voce : voci)
        Ambiente::Inserisci(file, t.nome, voce);
    if (!a.aperta())
        a.apri();
    a.clicca(a.figlio(t.radice, M(t.messaggio)));
}

const Tabella kRwPersonale{QStringLiteral("personalizzato"), 20, QStringLiteral("sperimentale"),
                           QStringLiteral("Rw_laboratorio")};
const Tabella kLnwInOperaPersonale{QStringLiteral("personalizzato"), 25, QStringLiteral("sperimentale"),
                                   QStringLiteral("Lnw_in_opera")};
const Tabella kDRwTeorico{QStringLiteral("teorico"), 21, QStringLiteral("teorico"), QStringLiteral("DRw")};

Form2* Informazioni(Ambiente& a)
{
    return a.form().findChild<Form2*>(QStringLiteral("Form2"));
}
QString TestoForm2(Ambiente& a, int k)
{
    return Informazioni(a)->Testo(k);
}
RiquadroImmagine* Immagine(Ambiente& a)
{
    return a.form().findChild<RiquadroImmagine*>(QStringLiteral("Image1"));
}

// A small picture of a size no shipped picture has, so that the test can tell it apart.
QSize ScriviImmagine(const QString& percorso)
{
    QDir().mkpath(QFileInfo(percorso).path());
    QImage immagine(7, 5, QImage::Format_RGB32);
    immagine.fill(Qt::red);
    immagine.save(percorso, "PNG");
    return immagine.size();
}

} // namespace

class TestForm1Dettaglio : public QObject
{
    Q_OBJECT

private slots:
    void rigaValutazioneEBandePerTipo_data()
    {
        QTest::addColumn<QString>("radice");
        QTest::addColumn<int>("messaggio");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("tabella");
        QTest::addColumn<QString>("campi");
        QTest::addColumn<QString>("prefisso"); // band columns of the kind
        QTest::addColumn<QString>("riga");
        const QString p = QStringLiteral("personalizzato");
        const QString t = QStringLiteral("teorico");
        const QString s = QStringLiteral("sperimentale");
        QTest::newRow("Rw") << p << 20 << s << "Rw_laboratorio"
                            << "Rw (dB)=52;C (dB)=-1;Ctr (dB)=-4"
                            << "R"
                            << "Rw(C,Ctr)= 52(-1, -4) dB";
        QTest::newRow("Rw senza C e Ctr") << p << 20 << s << "Rw_laboratorio"
                                          << "Rw (dB)=52"
                                          << "R"
                                          << "Rw(C,Ctr)= 52(, ) dB";
        QTest::newRow("Rw decimale") << p << 20 << s << "Rw_laboratorio"
                                     << "Rw (dB)=52,5;C (dB)=-1;Ctr (dB)=-4"
                                     << "R"
                                     << "Rw(C,Ctr)= 52,5(-1, -4) dB";
        QTest::newRow("R'w") << p << 24 << s << "Rw_in_opera"
                             << "Rw (dB)=51;C (dB)=-1;Ctr (dB)=-4"
                             << "R"
                             << "R'w(C,Ctr)= 51(-1, -4) dB";
        QTest::newRow("DRw") << p << 21 << s << "DRw_laboratorio"
                             << "DRw (dB)=14;C (dB)=-3;Ctr (dB)=-8"
                             << "DRi"
                             << "DRw(C,Ctr)= 14(-3, -8) dB";
        QTest::newRow("Lnw") << p << 22 << s << "Lnw_laboratorio"
                             << "Lnw (dB)=58;Ci (dB)=0;Ci 50_5000 (dB)=3"
                             << "Ln"
                             << "Lnw(Ci,Ci 50-5000)= 58(0,3) dB";
        QTest::newRow("L'nw") << p << 25 << s << "Lnw_in_opera"
                              << "Lnw (dB)=57;Ci (dB)=0;C50_5000 (dB)=5"
                              << "Ln"
                              << "L'nw(Ci,Ci 50-5000)= 57(0,5) dB";
        QTest::newRow("DLw") << p << 23 << s << "DLw_laboratorio"
                             << "DLnw (dB)=25;Ci (dB)=-11;Ci 50-3150 (dB)=-10"
                             << "DLn"
                             << "DLw(Ci,C 50-3150)= 25(-11,-10) dB";
        QTest::newRow("Infissi") << p << 26 << s << "Infissi"
                                 << "Rw (dB)=40;C (dB)=-1;Ctr (dB)=-3"
                                 << "R"
                                 << "R'w(C,Ctr)= 40(-1, -3) dB";
        QTest::newRow("Piccoli elementi") << p << 27 << s << "Dnew_laboratorio"
                                          << "Dnew (dB)=39;C (dB)=-1;Ctr (dB)=-2"
                                          << "Dn"
                                          << "Dnew(C,Ctr)= 39(-1, -2) dB";
        QTest::newRow("teorico Rw") << t << 20 << t << "Potere_fonoisolante"
                                    << "Rw (dB)=50;C (dB)=-1;Ctr (dB)=-3"
                                    << "R"
                                    << "R'w(C,Ctr)= 50(-1, -3) dB";
        QTest::newRow("teorico Lnw") << t << 22 << t << "Livello_calpestio"
                                     << "Lnw (dB)=61;Ci (dB)=-2"
                                     << "Ln"
                                     << "L'nw(Ci)= 61(-2) dB";
        QTest::newRow("teorico DRw") << t << 21 << t << "DRw"
                                     << "DRw (dB)=10;C (dB)=-1;Ctr (dB)=-2"
                                     << "R"
                                     << "DRw(C,Ctr)= 10(-1, -2) dB";
    }

    void rigaValutazioneEBandePerTipo()
    {
        QFETCH(QString, radice);
        QFETCH(int, messaggio);
        QFETCH(QString, file);
        QFETCH(QString, tabella);
        QFETCH(QString, campi);
        QFETCH(QString, prefisso);
        QFETCH(QString, riga);
        Ambiente a;
        QVERIFY(a.ok());
        Campi voce = CampiDa(campi);
        voce.insert(QStringLiteral("Nome"), QStringLiteral("Voce"));
        voce.insert(prefisso + QStringLiteral(" - 63Hz (dB)"), QStringLiteral("45,5"));
        voce.insert(prefisso + QStringLiteral(" - 1000Hz (dB)"), QStringLiteral("47"));
        voce.insert(prefisso + QStringLiteral(" - 5000Hz (dB)"), QStringLiteral("60"));
        Mostra(a, {radice, messaggio, file, tabella}, {voce});
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
        QCOMPARE(a.elenco()->currentRow(), 0);
        QCOMPARE(a.etichetta(QStringLiteral("Label3"))->text(), riga);
        QCOMPARE(a.banda(1)->text(), QStringLiteral("45,5"));
        QCOMPARE(a.banda(13)->text(), QStringLiteral("47"));
        QCOMPARE(a.banda(20)->text(), QStringLiteral("60"));
        QCOMPARE(a.banda(0)->text(), QStringLiteral("0")); // a band without a value
        QCOMPARE(a.form().ValoriBande()[13], 47.0f);
        // The 500 Hz band is 0, so it sets the bottom of the range.
        QCOMPARE(a.etichetta(QStringLiteral("Label4(3)"))->text(), QStringLiteral("60,0"));
        QCOMPARE(a.etichetta(QStringLiteral("Label4(4)"))->text(), QStringLiteral("0,0"));
        QCOMPARE(TestSupport::DidascalieTagliate(&a.form()), QStringList());
    }

    void valoriConservatiRestanoSenzaCampo()
    {
        Ambiente a;
        QVERIFY(a.ok());
        Mostra(a, kRwPersonale,
               {{{"Nome", "Prima"}, {"Rw (dB)", "52"}, {"C (dB)", "-1"}, {"Ctr (dB)", "-4"}},
                {{"Nome", "Seconda"}, {"Rw (dB)", "46"}}});
        QCOMPARE(a.form().Valore(ValoreConservato::Rw), 52.0);
        a.selezionaRiga(1);
        QCOMPARE(a.form().Valore(ValoreConservato::Rw), 46.0);
        QCOMPARE(a.form().Valore(ValoreConservato::C), -1.0);
        QCOMPARE(a.form().Valore(ValoreConservato::Ctr), -4.0);
        // A theoretical entry keeps nothing.
        Mostra(a, kDRwTeorico, {{{"Nome", "T"}, {"DRw (dB)", "9"}}});
        QCOMPARE(a.form().Valore(ValoreConservato::Rw), 46.0);
    }

    void stessoNomeMostraIlPrimo()
    {
        Ambiente a;
        QVERIFY(a.ok());
        Mostra(a, kRwPersonale,
               {{{"Nome", "Doppio"}, {"Rw (dB)", "41"}}, {{"Nome", "Doppio"}, {"Rw (dB)", "42"}}});
        QCOMPARE(a.righeElenco(), (QStringList{"Doppio", "Doppio"}));
        a.selezionaRiga(1);
        QCOMPARE(a.etichetta(QStringLiteral("Label3"))->text(), QStringLiteral("Rw(C,Ctr)= 41(, ) dB"));
    }

    void descrizioneSuUnaRigaESolaLettura()
    {
        Ambiente a;
        QVERIFY(a.ok());
        Mostra(a, kRwPersonale, {{{"Nome", "Voce"}, {"Descrizione", "prima riga\r\nseconda riga"}}});
        auto* testo = a.form().findChild<QPlainTextEdit*>(QStringLiteral("Text2"));
        QCOMPARE(testo->toPlainText(), QStringLiteral("prima riga seconda riga"));
        testo->setFocus();
        testo->selectAll();
        QTest::keyClicks(testo, QStringLiteral("xyz"));
        QTest::keyClick(testo, Qt::Key_Backspace);
        QTest::keyClick(testo, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(testo->toPlainText(), QStringLiteral("prima riga seconda riga"));
        QApplication::clipboard()->clear();
        QTest::keyClick(testo, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("prima riga seconda riga"));
    }

    void caselleInformazioniPerTipo_data()
    {
        QTest::addColumn<QString>("radice");
        QTest::addColumn<int>("messaggio");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("tabella");
        QTest::addColumn<QString>("visibili"); // boxes 6..11, 1 = shown
        QTest::addColumn<QString>("etichetta9");
        QTest::addColumn<QString>("etichetta10");
        const QString p = QStringLiteral("personalizzato");
        const QString s = QStringLiteral("sperimentale");
        const QString t = QStringLiteral("teorico");
        QTest::newRow("Rw") << p << 20 << s << "Rw_laboratorio"
                            << "111110"
                            << "fc [Hz]"
                            << "Eta int";
        QTest::newRow("R'w") << p << 24 << s << "Rw_in_opera"
                             << "111111"
                             << "Vr [m³]"
                             << "Ve [m³]";
        QTest::newRow("DRw") << p << 21 << s << "DRw_laboratorio"
                             << "110000"
                             << "Vr [m³]"
                             << "Eta int";
        QTest::newRow("Lnw") << p << 22 << s << "Lnw_laboratorio"
                             << "110110"
                             << "fc [Hz]"
                             << "Eta int";
        QTest::newRow("L'nw") << p << 25 << s << "Lnw_in_opera"
                              << "110101"
                              << "Vr [m³]"
                              << "Eta int";
        QTest::newRow("DLw") << p << 23 << s << "DLw_laboratorio"
                             << "110000"
                             << "Vr [m³]"
                             << "Eta int";
        QTest::newRow("Infissi") << p << 26 << s << "Infissi"
                                 << "111000"
                                 << "Vr [m³]"
                                 << "Eta int";
        QTest::newRow("Piccoli elementi") << p << 27 << s << "Dnew_laboratorio"
                                          << "010100"
                                          << "fc [Hz]"
                                          << "Eta int";
        QTest::newRow("teorico Rw") << t << 20 << t << "Potere_fonoisolante"
                                    << "111110"
                                    << "fc [Hz]"
                                    << "Eta int";
        QTest::newRow("teorico Lnw") << t << 22 << t << "Livello_calpestio"
                                     << "111110"
                                     << "fc [Hz]"
                                     << "Eta int";
        QTest::newRow("teorico DRw") << t << 21 << t << "DRw"
                                     << "111000"
                                     << "fc [Hz]"
                                     << "Eta int";
    }

    void caselleInformazioniPerTipo()
    {
        // Each kind is shown after an in-situ impact entry, which shows the site and the
        // receiving room and hides the rest, so every box has to be set by the kind.
        QFETCH(QString, radice);
        QFETCH(int, messaggio);
        QFETCH(QString, file);
        QFETCH(QString, tabella);
        QFETCH(QString, visibili);
        QFETCH(QString, etichetta9);
        QFETCH(QString, etichetta10);
        Ambiente a;
        QVERIFY(a.ok());
        Mostra(a, kLnwInOperaPersonale, {{{"Nome", "In opera"}, {"Cantiere", "Via Roma"}}});
        QCOMPARE(TestoForm2(a, 11), QStringLiteral("Via Roma"));
        Campi voce{{"Nome", "Voce"}, {"Immagine", "foto.jpg"}, {"s (mm)", "120"}};
        if (file != QLatin1String("teorico"))
            voce.insert({{"Certificato", "C-1"},
                         {"Ente di prova", "Ente"},
                         {"Società richiedente", "Ditta"},
                         {"Informazione addizionale", "Nota"}});
        Mostra(a, {radice, messaggio, file, tabella}, {voce});
        Form2* info = Informazioni(a);
        QVERIFY(info);
        for (int k = 6; k <= 11; ++k) {
            const bool atteso = visibili.at(k - 6) == QLatin1Char('1');
            auto* casella = info->findChild<QWidget*>(QStringLiteral("Text1(%1)").arg(k));
            auto* etichetta = info->findChild<QLabel*>(QStringLiteral("Label1(%1)").arg(k));
            QVERIFY(casella && etichetta);
            QCOMPARE(!casella->isHidden(), atteso);
            QCOMPARE(!etichetta->isHidden(), atteso);
        }
        QCOMPARE(info->findChild<QLabel*>(QStringLiteral("Label1(9)"))->text(), etichetta9);
        QCOMPARE(info->findChild<QLabel*>(QStringLiteral("Label1(10)"))->text(), etichetta10);
        QCOMPARE(TestoForm2(a, 7), QStringLiteral("120"));
        QCOMPARE(TestoForm2(a, 11), QString()); // the previous entry's site is gone
        QCOMPARE(TestSupport::DidascalieTagliate(info), QStringList());
        if (file == QLatin1String("teorico")) {
            for (int k : {0, 1, 2, 3, 5})
                QCOMPARE(TestoForm2(a, k), QStringLiteral("-"));
            QCOMPARE(TestoForm2(a, 4), QString());
        } else {
            QCOMPARE(TestoForm2(a, 0), QStringLiteral("C-1"));
            QCOMPARE(TestoForm2(a, 2), QStringLiteral("Ente"));
            QCOMPARE(TestoForm2(a, 3), QStringLiteral("Ditta"));
            QCOMPARE(TestoForm2(a, 4), QStringLiteral("Nota"));
            QCOMPARE(TestoForm2(a, 5), QStringLiteral("foto.jpg"));
        }
    }

    void dataDiProva()
    {
        Ambiente a;
        QVERIFY(a.ok());
        Mostra(a, kRwPersonale,
               {{{"Nome", "Senza data"}}, {{"Nome", "Con data"}, {"Data Prova", "15/03/2009"}}});
        Form2* info = Informazioni(a);
        auto* data = info->findChild<QWidget*>(QStringLiteral("Text1(1)"));
        auto* calendario = info->findChild<QCalendarWidget*>(QStringLiteral("MonthView1"));
        QVERIFY(data && calendario);
        QCOMPARE(TestoForm2(a, 1), QString());
        QVERIFY(!data->isEnabled());
        QVERIFY(!calendario->isEnabled());
        a.selezionaRiga(1);
        QCOMPARE(TestoForm2(a, 1), QStringLiteral("15/03/2009"));
        QVERIFY(data->isEnabled());
        QVERIFY(calendario->isEnabled());
        QCOMPARE(calendario->selectedDate(), QDate(2009, 3, 15));
        // From a 31st to a date whose month is shorter.
        Mostra(
            a, kRwPersonale,
            {{{"Nome", "31"}, {"Data Prova", "31/01/2010"}}, {{"Nome", "28"}, {"Data Prova", "28/02/2011"}}});
        QCOMPARE(calendario->selectedDate(), QDate(2010, 1, 31));
        a.selezionaRiga(1);
        QCOMPARE(calendario->selectedDate(), QDate(2011, 2, 28));
    }

    void immagine_data()
    {
        QTest::addColumn<QString>("radice");
        QTest::addColumn<int>("messaggio");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("tabella");
        QTest::addColumn<QString>("cartella");  // image folder the file is written to
        QTest::addColumn<QString>("contenuto"); // "immagine", "testo" or "" (no file)
        QTest::addColumn<QString>("nome");      // the entry's Immagine; "M66" the no-image text
        QTest::addColumn<bool>("propria");      // the entry's own picture is shown
        const QString p = QStringLiteral("personalizzato");
        const QString s = QStringLiteral("sperimentale");
        const QString rw = QStringLiteral("Partizioni verticali (Rw)");
        QTest::newRow("propria") << p << 20 << s << "Rw_laboratorio" << rw << "immagine"
                                 << "prova.png" << true;
        QTest::newRow("senza immagine") << p << 20 << s << "Rw_laboratorio" << rw << "immagine"
                                        << "M66" << false;
        QTest::newRow("non una immagine") << p << 20 << s << "Rw_laboratorio" << rw << "testo"
                                          << "prova.png" << false;
        QTest::newRow("file vuoto") << p << 20 << s << "Rw_laboratorio" << rw << "vuoto"
                                    << "prova.png" << false;
        QTest::newRow("teorico Rw usa le partizioni") << "teorico" << 20 << "teorico"
                                                      << "Potere_fonoisolante" << rw << "immagine"
                                                      << "prova.png" << true;
        QTest::newRow("teorico DRw sempre senza") << "teorico" << 21 << "teorico"
                                                  << "DRw" << rw << "immagine"
                                                  << "prova.png" << false;
        QTest::newRow("finestre") << p << 26 << s << "Infissi"
                                  << "Infissi"
                                  << "immagine"
                                  << "prova.png" << true;
        QTest::newRow("cartella di un altro tipo") << p << 26 << s << "Infissi" << rw << "immagine"
                                                   << "prova.png" << false;
    }

    void immagine()
    {
        QFETCH(QString, radice);
        QFETCH(int, messaggio);
        QFETCH(QString, file);
        QFETCH(QString, tabella);
        QFETCH(QString, cartella);
        QFETCH(QString, contenuto);
        QFETCH(QString, nome);
        QFETCH(bool, propria);
        Ambiente a;
        QVERIFY(a.ok());
        const QString percorso = a.immagini(cartella) + QLatin1Char('/') + QStringLiteral("prova.png");
        QDir().mkpath(QFileInfo(percorso).path());
        QSize dimensione;
        if (contenuto == QLatin1String("immagine")) {
            dimensione = ScriviImmagine(percorso);
        } else {
            QFile f(percorso);
            QVERIFY(f.open(QIODevice::WriteOnly));
            if (contenuto == QLatin1String("testo"))
                f.write("questo non è un disegno\n");
        }
        const QSize segnaposto =
            QImage(a.dati().cartellaProgramma() + QStringLiteral("/immagine/senza.jpg")).size();
        QVERIFY(!segnaposto.isEmpty());
        a.apri();
        Mostra(a, {radice, messaggio, file, tabella},
               {{{"Nome", "Voce"}, {"Immagine", nome == QLatin1String("M66") ? M(66) : nome}}});
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
        QVERIFY(Immagine(a)->HaImmagine());
        QCOMPARE(Immagine(a)->Immagine().size(), propria ? dimensione : segnaposto);
    }

    void informazioniAperteDallaFinestra()
    {
        Ambiente a;
        QVERIFY(a.ok());
        Mostra(a, kRwPersonale, {{{"Nome", "Voce"}, {"Certificato", "C-7"}}});
        auto* pulsante = a.form().findChild<QPushButton*>(QStringLiteral("CommandInfoAgg"));
        QCOMPARE(pulsante->text(), M(7));
        bool eraModale = false;
        QString certificato;
        QTimer::singleShot(0, this, [&] {
            Form2* info = Informazioni(a);
            eraModale = info && info->isVisible() && info->isModal();
            certificato = info ? info->Testo(0) : QString();
            if (info)
                QTest::mouseClick(info->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
        });
        QTest::mouseClick(pulsante, Qt::LeftButton);
        QVERIFY(eraModale);
        QCOMPARE(certificato, QStringLiteral("C-7"));
        QVERIFY(!Informazioni(a)->isVisible());
        QCOMPARE(TestoForm2(a, 0), QStringLiteral("C-7")); // hidden, not emptied
    }

    void informazioniPrimaDiOgniVoce()
    {
        Ambiente a;
        QVERIFY(a.ok());
        Ambiente::SvuotaTabella(a.sperimentale(), QStringLiteral("Rw_laboratorio"));
        a.apri();
        QStringList testi;
        QTimer::singleShot(0, this, [&] {
            Form2* info = Informazioni(a);
            for (int k = 0; info && k < Form2::NumeroCaselle; ++k)
                testi << info->Testo(k);
            if (info)
                info->hide();
        });
        QTest::mouseClick(a.form().findChild<QPushButton*>(QStringLiteral("CommandInfoAgg")), Qt::LeftButton);
        QCOMPARE(testi.size(), Form2::NumeroCaselle);
        QCOMPARE(testi.at(5), QStringLiteral("senza"));
        QCOMPARE(testi.at(1), QStringLiteral("01/01/2000"));
        for (int k : {0, 2, 3, 4, 6, 7, 8, 9, 10, 11})
            QCOMPARE(testi.at(k), QString());
    }

    void immagineIngrandita()
    {
        Ambiente a;
        QVERIFY(a.ok());
        const QString percorso =
            a.immagini(QStringLiteral("Partizioni verticali (Rw)")) + QStringLiteral("/g.png");
        const QSize dimensione = ScriviImmagine(percorso);
        Mostra(a, kRwPersonale, {{{"Nome", "Voce"}, {"Immagine", "g.png"}}});
        QVERIFY(QTest::qWaitForWindowExposed(&a.form()));
        QTest::mouseDClick(Immagine(a), Qt::LeftButton);
        auto* ingrandita = a.form().findChild<Form4*>(QStringLiteral("Form4"));
        QVERIFY(ingrandita);
        QTRY_VERIFY(ingrandita->isVisible());
        const QLabel* grande = ingrandita->findChild<QLabel*>(QStringLiteral("Image1"));
        QCOMPARE(grande->pixmap().size(), dimensione);
        QApplication::setActiveWindow(ingrandita);
        QTRY_VERIFY(ingrandita->isActiveWindow());
        QApplication::setActiveWindow(&a.form());
        QTRY_VERIFY(!ingrandita->isVisible());
    }

    void blanking()
    {
        Ambiente a;
        QVERIFY(a.ok());
        a.apri();
        QVERIFY(a.elenco()->count() > 0);
        QVERIFY(Immagine(a)->HaImmagine());
        const QString massimo = a.etichetta(QStringLiteral("Label4(3)"))->text();
        a.form().ResetValoriForm1();
        for (int i = 0; i < 21; ++i)
            QCOMPARE(a.banda(i)->text(), QString());
        QCOMPARE(a.etichetta(QStringLiteral("Label3"))->text(), QString());
        QCOMPARE(a.descrizione(), QString());
        QVERIFY(Immagine(a)->HaImmagine());
        QCOMPARE(a.etichetta(QStringLiteral("Label4(3)"))->text(), massimo);
        a.form().ResetValoriForm2();
        for (int k = 0; k < Form2::NumeroCaselle; ++k)
            QCOMPARE(TestoForm2(a, k), QString());
    }

    void ridimensionarePosizioniInPixel_data()
    {
        // Client sizes in pixels whose outer sizes are 12135, 12120 and 9000 twips.
        QTest::addColumn<QSize>("cliente");
        QTest::addColumn<QString>("controllo");
        QTest::addColumn<QString>("proprieta");
        QTest::addColumn<int>("pixel");
        QTest::newRow("12135: List1 width") << QSize(801, 546) << "List1"
                                            << "width" << 394;
        QTest::newRow("12135: Picture1 left") << QSize(801, 546) << "Picture1"
                                              << "left" << 642;
        QTest::newRow("12120: List1 left") << QSize(800, 546) << "List1"
                                           << "left" << 233;
        QTest::newRow("9000: List1 height") << QSize(799, 566) << "List1"
                                            << "height" << 150;
        QTest::newRow("9000: Frame1 top") << QSize(799, 566) << "Frame1"
                                          << "top" << 364;
    }

    void ridimensionarePosizioniInPixel()
    {
        QFETCH(QSize, cliente);
        QFETCH(QString, controllo);
        QFETCH(QString, proprieta);
        QFETCH(int, pixel);
        Ambiente a;
        QVERIFY(a.ok());
        a.apri();
        a.form().resize(cliente + a.form().size() - a.form().centralWidget()->size()); // menu and status bars
        QWidget* c = a.form().findChild<QWidget*>(controllo);
        QVERIFY(c);
        const auto valore = [&] {
            const QRect g = c->geometry();
            return proprieta == QLatin1String("left")    ? g.left()
                   : proprieta == QLatin1String("top")   ? g.top()
                   : proprieta == QLatin1String("width") ? g.width()
                                                         : g.height();
        };
        QTRY_COMPARE(valore(), pixel);
    }

    void ridimensionareETornareAlProgetto()
    {
        Ambiente a;
        QVERIFY(a.ok());
        a.apri();
        QWidget* elenco = a.elenco();
        QWidget* grafico = a.form().findChild<QWidget*>(QStringLiteral("Picture1"));
        const QRect elencoProgetto = elenco->geometry();
        const QRect graficoProgetto = grafico->geometry();
        a.form().resize(a.form().size() + QSize(200, 120));
        QTRY_VERIFY(grafico->geometry() != graficoProgetto);
        QVERIFY(elenco->geometry().height() > elencoProgetto.height());
        a.form().resize(a.form().size() - QSize(200, 120));
        QTRY_COMPARE(grafico->geometry(), graficoProgetto);
        QCOMPARE(elenco->geometry(), elencoProgetto);
        // Smaller than the design: the design layout stays.
        a.form().resize(a.form().size() - QSize(100, 100));
        QTRY_COMPARE(grafico->geometry(), graficoProgetto);
        QCOMPARE(elenco->geometry(), elencoProgetto);
    }
};

QTEST_MAIN(TestForm1Dettaglio)
#include "TestForm1Dettaglio.moc"
