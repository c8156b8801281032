// A kind added as one row of the table of kinds, with its catalogue texts and its data and
// nothing else: the tree, the list, the editor, the save, the search, the rating check and
// the export all find it.
#include "FotografiaDatabase.h"
#include "TestForm1Ambiente.h"

#include "exchange/LetturaVoce.h"
#include "exchange/TipiVoce.h"
#include "model/Categorie.h"
#include "model/TabelleCartellaDati.h"
#include "model/VerificaValutazioni.h"
#include "searchwindow/FinestraRicerca.h"

#include <QListWidget>
#include <QSignalSpy>

using namespace Form1Test;

namespace {

using C = RecordSchema::Campo;
constexpr int kCodice = 11;
constexpr C kFisiche[] = {C::Massa, C::Spessore, C::Area};
constexpr ColonnaValutazione kValutazioni[] = {{C::Rw, Significato::Principale, {20, " [dB]"}, {20}},
                                               {C::C, Significato::C, {50, " [dB]"}, {50}},
                                               {C::Ctr, Significato::Ctr, {51, " [dB]"}, {51}}};
const QString kCartella = QStringLiteral("Elementi di facciata"), kFile = QStringLiteral("Prove 2026");

// Its captions are the two messages appended to the catalogue after the last one.
TipoMateriale Facciate(int ultimoMessaggio)
{
    return {.codice = kCodice,
            .nome = "Fa\u00e7ade elements",
            .simbolo = "Facciate",
            .messaggioRadice = ultimoMessaggio + 2,
            .cartella = "Elementi di facciata",
            .tabellaPersonale = "Elementi_facciata",
            .messaggioFiglio = ultimoMessaggio + 1,
            .cartellaImmagini = "Elementi di facciata",
            .fisiche = kFisiche,
            .valutazioni = kValutazioni,
            .principaleConservato = ValoreConservato::Rw,
            .rigaValutazione = "Rw(C,Ctr)= ",
            .rigaDopoRiempimento = 11,
            .rigaDopoScelta = 11,
            .intestazioneBande = {10},
            .bandeEditor = {0, "R facciata [dB]"}};
}

// A wall of the rating standard's annex, 100 to 3150 Hz: Rw 30, C -2, Ctr -3.
Campi Voce(const QString& nome, const QString& rw)
{
    const QStringList bande = QStringLiteral("20,4 16,3 17,7 22,6 22,4 22,7 24,8 26,6 28,0 30,5 31,8 32,5 "
                                             "33,4 33,0 31,0 25,5")
                                  .split(QLatin1Char(' '));
    using RecordSchema::Nome;
    Campi campi{{Nome(C::Nome), nome}, {Nome(C::Rw), rw}, {Nome(C::C), "-2"}, {Nome(C::Ctr), "-3"}};
    for (int i = 0; i < bande.size(); ++i)
        campi.insert(RecordSchema::ColonneBande(RecordSchema::Grandezza::R).at(3 + i), bande[i]);
    return campi;
}

} // namespace

class TestNuovoTipo : public QObject
{
    Q_OBJECT

    // The names a search for the kind finds in the search window, after its databases' captions.
    static void Cerca(QStringList& visto)
    {
        FinestraRicerca finestra;
        auto* tipi = finestra.findChild<QListWidget*>(QStringLiteral("TipiRicerca"));
        for (int i = 0; i < tipi->count(); ++i)
            if (tipi->item(i)->data(Qt::UserRole).toInt() == kCodice) {
                tipi->item(i)->setCheckState(Qt::Checked);
                visto << tipi->item(i)->text();
            }
        QSignalSpy fine(&finestra, &FinestraRicerca::terminata);
        finestra.Cerca();
        QVERIFY(fine.wait(20000));
        for (int riga = 0; riga < finestra.Risultati().rowCount(); ++riga)
            visto << finestra.Risultati().Testo(riga, ModelloRisultati::Database) + ": " +
                         finestra.VoceMostrata(riga).nome;
    }

private slots:
    void ovunque()
    {
        Ambiente a;
        QVERIFY(a.ok());
        const QString catalogo = a.dati().cartellaDati() + QStringLiteral("/Databases/InterfMess.mdb");
        const int ultimo = int(FotografiaDatabase::Righe(catalogo).size()); // its one table
        Ambiente::Esegui(catalogo, "INSERT INTO GESTIONEDB VALUES ('Facciate', 'Fa\u00e7ades'), "
                                   "('Elementi di facciata', 'Fa\u00e7ade elements')");
        std::vector<TipoMateriale> tipi(Categorie::Tipi().begin(), Categorie::Tipi().end());
        tipi.push_back(Facciate(ultimo)); // after the theoretical kinds, and still a category
        Categorie::Installa(tipi);
        const QString personale = QStringLiteral("Elementi_facciata");
        const QString file = a.dati().percorsoDatabase(kCartella + "/" + kFile + ".mdb");
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        for (const auto& [percorso, tabella, nome, rw] :
             {std::tuple{a.sperimentale(), personale, "Ventilata", "35"},
              std::tuple{file, kFile, "Continua", "30"}}) {
            Ambiente::CreaTabella(percorso, tabella, kCodice);
            Ambiente::Inserisci(percorso, tabella, Voce(QLatin1String(nome), QLatin1String(rw)));
        }
        QVERIFY(QTest::qWaitForWindowExposed(&a.apri()));

        // The tree, and the lists of the custom table and of the category's file.
        QCOMPARE(a.figli(QStringLiteral("personalizzato")).last(), QStringLiteral("Facciate"));
        QVERIFY(a.radice(QStringLiteral("Facciate")));
        QCOMPARE(a.radice(QStringLiteral("Facciate"))->text(0), QStringLiteral("Elementi di facciata"));
        a.clicca(a.figlio(QStringLiteral("Facciate"), kFile));
        QCOMPARE(a.righeElenco(), QStringList{"Continua"});
        a.clicca(a.figlio(QStringLiteral("personalizzato"), QStringLiteral("Facciate")));
        QCOMPARE(a.righeElenco(), QStringList{"Ventilata"});

        // The editor for a new entry of the kind, and its save.
        QStringList editor;
        QVERIFY(ConEditor([&] { a.pulsante(1); },
                          [&](Form3* e) {
                              for (const char* n : {"Text10", "Text11", "Text12", "Text13", "Text14"})
                                  editor << QString::number(Casella(e, n)->isVisible());
                              editor << e->findChild<QLabel*>("Label2")->text();
                              Casella(e, "Text15")->setText(QStringLiteral("Nuova"));
                              Casella(e, "Text2(3)")->setText(QStringLiteral("44,5"));
                              Premi(e, "Command2");
                          }));
        QCOMPARE(editor, (QStringList{"1", "1", "1", "0", "0", "R facciata [dB]"}));
        QCOMPARE(LeggiRiga(a.sperimentale(), personale, kCodice, "Nuova").value("R - 100Hz (dB)"),
                 QVariant(44.5));
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));

        // The search, the check of the ratings and the export, through the data folder's tables.
        QStringList trovate;
        Cerca(trovate);
        QCOMPARE(trovate, (QStringList{"Fa\u00e7ade elements", "Database personalizzato: Ventilata",
                                       "Database personalizzato: Nuova", "Elementi di facciata: Continua"}));
        QStringList tabelle, diverse;
        const std::atomic<bool> mai{false};
        std::vector<TabelleCartellaDati::Tabella> delTipo;
        for (const auto& t : TabelleCartellaDati::Elenca(a.dati().cartellaDati()))
            if (t.codice == kCodice && TipiVoce::CodiceDaPosizione(t.file, t.tabella) == kCodice)
                delTipo.push_back(t);
        VerificaValutazioni::VerificaTutte(delTipo, 1, mai, [&](size_t i, const auto& esito) {
            tabelle << delTipo[i].tabella;
            for (const VerificaValutazioni::Differenza& d : esito.diverse)
                diverse << d.nome + ": " + RecordSchema::Nome(d.colonna) + " " + QString::number(d.calcolato);
        });
        QCOMPARE(tabelle, (QStringList{personale, kFile}));
        QCOMPARE(diverse, QStringList{"Ventilata: Rw (dB) 30"});
        const auto voce = LetturaVoce::Leggi(file, kFile, kCodice, QStringLiteral("Continua"));
        QCOMPARE(voce ? voce->rigaValutazione : QString(), QStringLiteral("Rw(C,Ctr)= 30(-2, -3) dB"));
    }
};

QTEST_MAIN(TestNuovoTipo)
#include "TestNuovoTipo.moc"
