// The design window on the demo data: a situation built from the main window's entries,
// refused kinds, live results, a project saved and opened again giving what zelmar-prevedi
// gives for its file, a changed source told, the report's text, and the candidates listed.
#include "TestForm1Ambiente.h"
#include "TestoPdf.h"

#include "app/DialogoStampa.h"

#include "design/CasellaElemento.h"
#include "design/ComandiProgetto.h"
#include "design/EditorSituazione.h"
#include "design/ElencoCandidati.h"
#include "design/FinestraProgetto.h"
#include "design/PannelloRisultati.h"
#include "prediction/LetturaSituazione.h"
#include "prediction/RisultatoJson.h"
#include "prediction/ScritturaSituazione.h"
#include "searchwindow/FinestraRicerca.h"

#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>

using namespace Form1Test;

namespace {

const QString kMuro = "Muro in blocchi di calcestruzzo 20 cm";
const QString kTramezzo = "Tramezzo in laterizio forato 8 cm";

CasellaElemento* Casella(FinestraProgetto* f, const QString& posto)
{
    for (CasellaElemento* c : f->Editor()->Caselle())
        if (c->Posto() == posto)
            return c;
    return nullptr;
}

void Digita(QWidget* dove, const QString& nome, const QString& testo)
{
    auto* casella = dove->findChild<QLineEdit*>(nome);
    QVERIFY2(casella, qPrintable(nome));
    casella->clear();
    QTest::keyClicks(casella, testo);
}

void Usa(FinestraProgetto* f, const QString& posto)
{
    CasellaElemento* c = Casella(f, posto);
    QVERIFY2(c, qPrintable(posto));
    c->findChild<QToolButton*>("UsaVoceMostrata")->click();
}

QString Prevedi(const QString& file)
{
    QProcess processo;
    processo.start(ZELMAR_PREVEDI, {file});
    return processo.waitForFinished(60000) ? QString::fromUtf8(processo.readAllStandardOutput()).trimmed()
                                           : QString();
}

QString Atteso(FinestraProgetto* f)
{
    Situazione s = std::get<Situazione>(
        LetturaSituazione::Leggi(ScritturaSituazione::InJson(f->ProgettoCorrente().situazione)));
    return QString::fromStdString(RisultatoJson::Testo(s, *f->Risultato()));
}

} // namespace

class TestProgetto : public QObject
{
    Q_OBJECT

    Ambiente* a_ = nullptr;
    FinestraProgetto* f_ = nullptr;

    // The demo's wall between two rooms, with four junctions of partitions; category A.
    void Componi()
    {
        a_->form().findChild<QAction*>("ProgettoAcustico")->trigger();
        f_ = a_->form().findChild<ComandiProgetto*>()->Finestra();
        QVERIFY(f_ && f_->isVisible());
        f_->Editor()->SceltaCategoria()->setCurrentIndex(1);
        Digita(f_->Editor(), "Ss", "10,5");
        Digita(f_->Editor(), "V", "52");
        a_->scegliPersonale(20);
        a_->selezionaNome(kMuro);
        Usa(f_, "separazione");
        a_->selezionaNome(kTramezzo);
        for (int g = 1; g <= 4; ++g) {
            QWidget* giunto = f_->Editor()->findChild<QWidget*>(QString("Giunto%1").arg(g));
            Digita(giunto, "Lunghezza", g % 2 ? "3" : "4,2");
            Digita(giunto, "AreaF", "12");
            Digita(giunto, "Areaf", "11,5");
            Usa(f_, QString("fianchi[%1].F").arg(g));
            Usa(f_, QString("fianchi[%1].f").arg(g));
        }
    }

private slots:
    void initTestCase() { DialogoStampa::setAutomatic(true); }
    void init()
    {
        a_ = new Ambiente("demo");
        QVERIFY(a_->ok());
        a_->apri();
        Componi();
    }
    void cleanup()
    {
        if (f_)
            f_->close();
        delete a_;
        f_ = nullptr;
    }

    void situazioneSalvataERiaperta()
    {
        QVERIFY2(f_->Risultato(), qPrintable(f_->Risultati()->Secondario()->text()));
        QVERIFY(f_->Risultato()->perBande);
        QVERIFY(f_->Risultati()->Principale()->text().startsWith("R'w (C; Ctr) = "));
        QCOMPARE(f_->Risultati()->Percorsi()->rowCount(), 13); // Dd and three per junction

        // A floor covering is no wall: refused, naming both.
        a_->scegliPersonale(23);
        Usa(f_, "separazione");
        QVERIFY(MessageBox::lastText().contains("Pavimento vinilico su feltro"));
        QCOMPARE(f_->ProgettoCorrente().fonti.at("separazione").nome, kMuro);

        const QString file = a_->dati().cartellaDati() + "/progetto.zprogetto";
        FileDialog::setNextFileName(file);
        f_->findChild<QAction*>("SalvaProgetto")->trigger();
        const QString atteso = Atteso(f_);
        f_->Nuovo();
        QVERIFY(!f_->Risultato());
        QVERIFY(f_->Apri(file));
        QCOMPARE(Atteso(f_), atteso);
        QCOMPARE(Prevedi(file), atteso);
        QCOMPARE(FinestraProgetto::Recenti().value(0), QFileInfo(file).absoluteFilePath());

        // The wall's mass changed in its database: told on opening, the stored values kept.
        MessageBox::clearShown();
        Ambiente::Esegui(a_->sperimentale(),
                         "UPDATE Rw_laboratorio SET \"m' (kg/m²)\" = 310 WHERE Nome = '" + kMuro + "'");
        QVERIFY(f_->Apri(file));
        QVERIFY(MessageBox::lastText().contains(kMuro));
        QCOMPARE(Atteso(f_), atteso);
    }

    void rapporto()
    {
        const QString pdf = a_->dati().cartellaDati() + "/rapporto.pdf";
        QVERIFY(f_->EsportaRapporto(pdf).isEmpty());
        const QString testo = TestoPdf::Testo(pdf).simplified();
        QVERIFY2(testo.contains(QString("R'w (C; Ctr) = %1").arg(*f_->Risultato()->indice)),
                 qPrintable(testo));
        QVERIFY(testo.contains("R'w ≥ 50 dB"));
        QVERIFY(testo.contains(kMuro) && testo.contains(kTramezzo));
        QVERIFY(TestoPdf::Pagine(pdf) >= 1 && TestoPdf::Pagine(pdf) <= 2);
        // Printed through the print dialog, the same text.
        DialogoStampa::setNextOutput(pdf + ".stampa.pdf");
        f_->findChild<QAction*>("StampaRapporto")->trigger();
        QVERIFY(TestoPdf::Testo(pdf + ".stampa.pdf").simplified().contains(kTramezzo));
    }

    // A slot's "Search the library..." opens the search window for one entry, which "Use in
    // the project" puts into that slot.
    void sceltaDallaRicerca()
    {
        emit Casella(f_, "fianchi[1].F")->cerca();
        auto* ricerca = a_->form().findChild<FinestraRicerca*>();
        QVERIFY(ricerca && ricerca->isVisible());
        auto* usa = ricerca->findChild<QPushButton*>("UsaNelProgetto");
        QVERIFY(usa->isVisible() && !usa->isEnabled());
        ricerca->findChild<QLineEdit*>("TestoRicerca")->setText(kMuro);
        QSignalSpy fine(ricerca, &FinestraRicerca::terminata);
        ricerca->Cerca();
        QVERIFY(fine.wait(60000));
        ricerca->Elenco()->selectRow(0);
        usa->click();
        QCOMPARE(f_->ProgettoCorrente().fonti.at("fianchi[1].F").nome, kMuro);
        QVERIFY(!usa->isVisible());
    }

    void candidati()
    {
        ElencoCandidati* c = f_->Candidati();
        QSignalSpy fine(c, &ElencoCandidati::terminata);
        c->PulsanteCerca()->click();
        QVERIFY(fine.wait(60000));
        const QString file = a_->dati().cartellaDati() + "/progetto.zprogetto";
        QVERIFY(f_->Salva(file));
        QProcess processo;
        processo.start(ZELMAR_PREVEDI, {"--candidati", a_->dati().cartellaDati(), file});
        QVERIFY(processo.waitForFinished(60000));
        const QStringList righe = QString::fromUtf8(processo.readAllStandardOutput()).trimmed().split('\n');
        QCOMPARE(c->Modello().rowCount(), righe.size() - 1);
        // A double click puts the best one into the separating slot.
        const QModelIndex primo = c->Tabella()->model()->index(0, 2);
        const QString nome = primo.data().toString();
        QCOMPARE(nome, righe[1].section(';', 2, 2));
        emit c->Tabella()->doubleClicked(primo);
        QCOMPARE(f_->ProgettoCorrente().fonti.at("separazione").nome, nome);
        // The list holds for any wall in that slot, not for another building category.
        QVERIFY(!c->Superata() && c->Tabella()->isEnabled());
        QComboBox* categoria = f_->Editor()->SceltaCategoria();
        const int prima = categoria->currentIndex();
        categoria->setCurrentIndex(prima == 0 ? 1 : 0);
        QVERIFY(c->Superata() && !c->Tabella()->isEnabled());
        categoria->setCurrentIndex(prima);
        QVERIFY(!c->Superata() && c->Tabella()->isEnabled());
    }
};

QTEST_MAIN(TestProgetto)
#include "TestProgetto.moc"
