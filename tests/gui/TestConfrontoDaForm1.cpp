// The comparison driven from the real main window: entries of one quantity added from
// several tables, another quantity refused, the set kept while the user browses, an entry
// shown again from the comparison, removal, and every export.
#include "TestForm1Ambiente.h"
#include "TestoPdf.h"

#include "app/DialogoStampa.h"
#include "app/FileDialog.h"
#include "app/MessageBox.h"
#include "app/ZelmarCommonModule.h"
#include "browser/ComandiVoce.h"
#include "browser/ElencoNomi.h"
#include "comparison/FinestraConfronto.h"
#include "model/Module1.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QScatterSeries>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

using namespace Form1Test;
using ZelmarCommonModule::M;

namespace {

void Premi(QWidget* finestra, const char* pulsante)
{
    auto* bottone = finestra->findChild<QToolButton*>(QString::fromLatin1(pulsante));
    QVERIFY2(bottone && bottone->isEnabled(), pulsante);
    QTest::mouseClick(bottone, Qt::LeftButton);
}

FinestraConfronto* Confronto(Ambiente& a)
{
    return a.form().ComandiUscita()->Confronto();
}

QStringList Legenda(Ambiente& a)
{
    QStringList righe;
    for (int i = 0; i < Confronto(a)->Legenda()->count(); ++i)
        righe << Confronto(a)->Legenda()->item(i)->text().section(QStringLiteral(" \u2013 "), 0, 0);
    return righe;
}

// The first entries of the custom walls' table and of the windows' table.
void DueMuriEUnaFinestra(Ambiente& a)
{
    a.apri();
    Premi(&a.form(), "AggiungiConfronto");
    a.selezionaRiga(1);
    a.form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&a.form()));
    QTest::keyClick(&a.form(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    a.clicca(a.figlio("personalizzato", M(26)));
    Premi(&a.form(), "AggiungiConfronto");
}

} // namespace

class TestConfrontoDaForm1 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { DialogoStampa::setAutomatic(true); }

    void treVociDiUnaGrandezzaEUnaRifiutata()
    {
        Ambiente a;
        QVERIFY(a.ok());
        DueMuriEUnaFinestra(a);
        QVERIFY(Confronto(a)->isVisible() && !Confronto(a)->isModal());
        const QStringList nomi = {"Muro in laterizio 12 cm", "Parete in cartongesso a doppia lastra",
                                  "Finestra in PVC con vetro stratificato"};
        QCOMPARE(Legenda(a), nomi);
        QVERIFY(MessageBox::shown().isEmpty());

        a.clicca(a.figlio("personalizzato", M(22))); // floors: Ln values
        Premi(&a.form(), "AggiungiConfronto");
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY2(
            MessageBox::lastText().contains("Solaio in calcestruzzo con massetto galleggiante") &&
                MessageBox::lastText().contains("holds Ln band values, the entries compared hold R values"),
            qPrintable(MessageBox::lastText()));
        QCOMPARE(Legenda(a), nomi); // kept while the user browses other tables

        QTableWidget* tabella = Confronto(a)->Tabella();
        QCOMPARE(tabella->columnCount(), 3);
        QCOMPARE(tabella->horizontalHeaderItem(2)->text(), nomi[2]);
        QList<QScatterSeries*> marcatori;
        for (QAbstractSeries* serie : Confronto(a)->Grafico()->series())
            if (auto* punti = qobject_cast<QScatterSeries*>(serie))
                marcatori << punti;
        QCOMPARE(marcatori.size(), 3);
        emit marcatori[1]->hovered(marcatori[1]->at(0), true);
        QVERIFY2(Confronto(a)->Puntatore()->text().contains(nomi[1]),
                 qPrintable(Confronto(a)->Puntatore()->text()));

        // A double click on an entry's column shows it in the main window.
        QHeaderView* intestazione = tabella->horizontalHeader();
        QTest::mouseDClick(intestazione->viewport(), Qt::LeftButton, {},
                           QPoint(intestazione->sectionViewportPosition(1) + 5, intestazione->height() / 2));
        QCOMPARE(Module1::NomeTabella, QStringLiteral("Rw_laboratorio"));
        QCOMPARE(a.elenco()->testoCorrente(), nomi[1]);

        Confronto(a)->Legenda()->setCurrentRow(0);
        Premi(Confronto(a), "RimuoviVoce");
        QCOMPARE(Legenda(a), nomi.mid(1));
        Premi(Confronto(a), "SvuotaConfronto");
        QVERIFY(Legenda(a).isEmpty());
        QCOMPARE(tabella->columnCount(), 0);
    }

    void dodiciAlPiu()
    {
        Ambiente a;
        QVERIFY(a.ok());
        for (int i = 5; i <= 13; ++i)
            Ambiente::Inserisci(a.sperimentale(), "Rw_laboratorio",
                                {{"Nome", QStringLiteral("Parete %1").arg(i)}});
        a.apri();
        for (int riga = 0; riga < 13; ++riga) {
            a.selezionaRiga(riga);
            Premi(&a.form(), "AggiungiConfronto");
        }
        QCOMPARE(Confronto(a)->Insieme().Quanti(), 12);
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY(MessageBox::lastText().contains("12 entries"));
    }

    void esportazioni_data()
    {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("file"); // a name without suffix gets the format's
        QTest::addColumn<QByteArray>("inizio");
        QTest::newRow("PNG") << "EsportaPng"
                             << "grafico" << QByteArray("\x89PNG");
        QTest::newRow("SVG") << "EsportaSvg"
                             << "grafico.svg" << QByteArray("<?xml");
        QTest::newRow("PDF") << "EsportaPdf"
                             << "grafico" << QByteArray("%PDF");
        QTest::newRow("CSV") << "EsportaCsv"
                             << "tabella"
                             << QByteArray("\xEF\xBB\xBF"
                                           "Band or rating;Muro in laterizio 12 cm;");
        QTest::newRow("print") << "StampaConfronto"
                               << "stampa.pdf" << QByteArray("%PDF");
        QTest::newRow("no such folder") << "EsportaPdf"
                                        << "manca/grafico.pdf" << QByteArray();
    }
    void esportazioni()
    {
        QFETCH(QString, comando);
        QFETCH(QString, file);
        QFETCH(QByteArray, inizio);
        Ambiente a;
        QVERIFY(a.ok());
        DueMuriEUnaFinestra(a);
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(file);
        if (comando == "StampaConfronto")
            DialogoStampa::setNextOutput(percorso);
        else
            FileDialog::setNextFileName(percorso);
        Confronto(a)->findChild<QAction*>(comando)->trigger();

        if (inizio.isEmpty()) {
            QVERIFY2(MessageBox::lastText().contains(percorso), qPrintable(MessageBox::lastText()));
            return;
        }
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
        const QStringList scritti = QDir(cartella.path()).entryList(QDir::Files);
        QCOMPARE(scritti.size(), 1);
        QFile letto(cartella.filePath(scritti.first()));
        QVERIFY(letto.open(QIODevice::ReadOnly));
        QVERIFY2(letto.readAll().startsWith(inizio), qPrintable(scritti.first()));
        QCOMPARE(QFileInfo(letto).suffix().isEmpty(), false);
        if (inizio == "%PDF") // the legend (or the table) names the entries as text
            QVERIFY(TestoPdf::Testo(letto.fileName()).contains("Finestra in PVC con vetro stratificato"));
        if (comando == "StampaConfronto")
            QCOMPARE(TestoPdf::Pagine(letto.fileName()), 2);
    }

    void copiaDellaTabella()
    {
        Ambiente a;
        QVERIFY(a.ok());
        DueMuriEUnaFinestra(a);
        Confronto(a)->findChild<QAction*>("CopiaTabella")->trigger();
        const QStringList righe = QApplication::clipboard()->text().split('\n');
        QCOMPARE(righe[0], "Band or rating\tMuro in laterizio 12 cm\tParete in cartongesso a doppia lastra\t"
                           "Finestra in PVC con vetro stratificato");
        QVERIFY(righe.contains("Rw (dB) stored\t52\t46\t40"));
        QVERIFY(righe.filter(QRegularExpression("^\\d+ Hz(\\t\\d+(,\\d+)?){3}$")).size() == 21);
    }
};

QTEST_MAIN(TestConfrontoDaForm1)
#include "TestConfrontoDaForm1.moc"
