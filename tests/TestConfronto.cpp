// The comparison's logic: which entries it takes, the level scale of its chart, gaps in
// the curves, and the table of values and ratings.
#include "TestSupport.h"

#include "comparison/AsseFrequenze.h"
#include "comparison/GraficoCurve.h"
#include "comparison/InsiemeConfronto.h"
#include "comparison/TabellaConfronto.h"
#include "model/Categorie.h"

#include <QApplication>
#include <QChart>
#include <QLineSeries>
#include <QTest>

namespace {

DatiVoce Voce(const QString& nome, int codice, const QString& file = "a.mdb")
{
    DatiVoce voce;
    voce.nome = nome;
    voce.codice = codice;
    voce.file = file;
    voce.tabella = "T";
    for (int i = 0; i < 21; ++i)
        voce.bande[i] = 30 + i;
    return voce;
}

} // namespace

class TestConfronto : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::PreparaAmbiente(); }

    // Each row adds its entries in order to an empty comparison; the last is refused or not.
    void entrateERifiuti_data()
    {
        QTest::addColumn<QList<int>>("codici");
        QTest::addColumn<QString>("rifiuto"); // empty: the last one is taken
        // clang-format off
        QTest::newRow("walls, windows, in situ") << QList<int>{1, 7, 2, 8} << "";
        QTest::newRow("floor after walls") << QList<int>{1, 4} << "holds Ln band values, the entries compared hold R";
        QTest::newRow("theoretical linings are not walls") << QList<int>{1, 100} << "holds DRi";
        QTest::newRow("linings together") << QList<int>{3, 100} << "";
        QTest::newRow("small element after walls") << QList<int>{10, 1} << "holds R band values, the entries compared hold Dn";
        QTest::newRow("thirteenth") << QList<int>(13, 1) << "already holds 12 entries";
        // clang-format on
    }
    void entrateERifiuti()
    {
        QFETCH(QList<int>, codici);
        QFETCH(QString, rifiuto);
        InsiemeConfronto insieme;
        for (int i = 0; i < codici.size() - 1; ++i)
            QCOMPARE(insieme.Aggiungi(Voce(QString::number(i), codici[i])), QString());
        const QString esito = insieme.Aggiungi(Voce("ultima", codici.last()));
        QVERIFY2(rifiuto.isEmpty() ? esito.isEmpty() : esito.contains(rifiuto), qPrintable(esito));
        QCOMPARE(insieme.Quanti(), int(codici.size()) - (rifiuto.isEmpty() ? 0 : 1));
    }

    void stessaVoceUnaVoltaEStiliStabili()
    {
        InsiemeConfronto insieme;
        for (const char* nome : {"a", "b", "c"})
            insieme.Aggiungi(Voce(nome, 1));
        QVERIFY(insieme.Aggiungi(Voce("b", 1)).contains("already in the comparison"));
        QVERIFY(insieme.Aggiungi(Voce("b", 1, "altro.mdb")).isEmpty()); // same name, another file
        insieme.Rimuovi(1);
        QCOMPARE(insieme.Elementi()[1].stile, 2); // "c" keeps its colour
        insieme.Aggiungi(Voce("d", 1));
        QCOMPARE(insieme.Elementi().last().stile, 1); // the free colour again
    }

    void scalaDecibel_data()
    {
        QTest::addColumn<QList<double>>("valori");
        QTest::addColumn<double>("minimo");
        QTest::addColumn<double>("massimo");
        QTest::newRow("nothing") << QList<double>{} << 0.0 << 60.0;
        QTest::newRow("around the values") << QList<double>{33.5, 67} << 30.0 << 70.0;
        QTest::newRow("on a line: one step more") << QList<double>{35, 65} << 30.0 << 70.0;
        QTest::newRow("flat curve: at least 20 dB") << QList<double>{41, 41.5} << 30.0 << 50.0;
        QTest::newRow("negative improvements") << QList<double>{-3.5, 12} << -5.0 << 15.0;
    }
    void scalaDecibel()
    {
        QFETCH(QList<double>, valori);
        const AsseFrequenze::Scala scala = AsseFrequenze::ScalaDecibel(valori);
        QTEST(scala.minimo, "minimo");
        QTEST(scala.massimo, "massimo");
    }

    void bandeSenzaValoreSonoBuchi()
    {
        DatiVoce voce = Voce("muro", 1);
        voce.bande[0].reset();
        voce.bande[10].reset();
        QChart grafico;
        const auto marcatori = GraficoCurve::Disegna(&grafico, {{&voce, 0}}, false);
        QCOMPARE(marcatori.first()->count(), 19);
        QCOMPARE(GraficoCurve::Banda(marcatori.first()->at(9)), 11); // 630 Hz follows the gap
        int tratti = 0;
        for (QAbstractSeries* serie : grafico.series())
            if (auto* linea = qobject_cast<QLineSeries*>(serie);
                linea && !qobject_cast<QScatterSeries*>(serie)) {
                ++tratti;
                for (const QPointF& p : linea->points())
                    QVERIFY(p.y() != 0);
            }
        QCOMPARE(tratti, 2); // 63-400 Hz and 630-5000 Hz
    }

    void tabellaConValoriEValutazioni()
    {
        DatiVoce muro = Voce("Muro", catRwLaboratorio);
        muro.valutazioni = {{"Rw (dB)", 52.0}, {"C (dB)", -1.0}, {"Ctr (dB)", std::nullopt}};
        muro.calcolata = MotoreValutazione::Valuta(GrandezzaBande::R, muro.bande);
        muro.bande[4].reset();
        DatiVoce teorico = Voce("Teorico", catRwTeorico);
        teorico.valutazioni = {{"Rw (dB)", 40.5}};
        QMap<QString, TabellaConfronto::Riga> riga;
        for (const TabellaConfronto::Riga& r : TabellaConfronto::Righe({muro, teorico}))
            riga[r.etichetta] = r;
        QCOMPARE(riga["125 Hz"].celle, (QList<QVariant>{QVariant(), 34.0}));
        QCOMPARE(riga["Rw (dB) stored"].celle, (QList<QVariant>{52.0, 40.5}));
        QCOMPARE(riga["Ctr (dB) stored"].celle, (QList<QVariant>{QVariant(), QVariant()}));
        QCOMPARE(riga["Rw computed (dB)"].celle.size(), 2);
        QVERIFY(riga["Rw computed (dB)"].celle[1].isNull());
        muro.diverse = {"Rw (dB)"}; // marked in the window and the print
        QVERIFY(TabellaConfronto::Diversa(riga["Rw (dB) stored"], muro) &&
                !TabellaConfronto::Diversa(riga["C (dB) stored"], muro));
        // Shown and printed in the interface language's form, copied in the system's (Italian).
        LocaleDocumenti::Imposta(QLocale(QLocale::English));
        QCOMPARE(TabellaConfronto::TestoCella(40.5), QStringLiteral("40.5"));
        QVERIFY(TabellaConfronto::TestoAppunti({muro, teorico}).contains("Rw (dB) stored\t52\t40,5\n"));
        LocaleDocumenti::Imposta(QLocale());
    }
};

QTEST_MAIN(TestConfronto)
#include "TestConfronto.moc"
