// The data sheet's page: texts fitted to their boxes, the boxes on pages of several sizes, what
// a written sheet says line by line, and the reference curve the sheet and the comparison draw.
#include "TestSupport.h"
#include "TestoPdf.h"

#include "comparison/GraficoCurve.h"
#include "model/Categorie.h"
#include "sheet/GraficoScheda.h"
#include "sheet/ImpaginazioneScheda.h"
#include "sheet/SchedaTecnica.h"
#include "sheet/TestoAdattato.h"

#include <QApplication>
#include <QChart>
#include <QFontMetricsF>
#include <QLineSeries>
#include <QTest>

namespace {

// A custom wall whose bands rise a decibel a band from 30 dB at 50 Hz.
DatiVoce Muro()
{
    DatiVoce voce;
    voce.file = "/dati/Databases/Database/Database_sperimentale.mdb";
    voce.tabella = "Rw_laboratorio";
    voce.codice = catRwLaboratorio;
    voce.nome = "Muro di prova";
    voce.valutazioni = {{"Rw (dB)", 52.0}, {"C (dB)", -1.0}, {"Ctr (dB)", -4.0}};
    for (int i = 0; i < 21; ++i)
        voce.bande[i] = 30 + i;
    voce.calcolata = MotoreValutazione::Valuta(GrandezzaBande::R, voce.bande);
    return voce;
}

} // namespace

Q_DECLARE_METATYPE(DatiVoce)

class TestScheda : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::PreparaAmbiente(); }

    void testoAdattato_data()
    {
        const QString lungo =
            QStringLiteral("Blocchi cavi in calcestruzzo vibrocompresso da 20 cm, intonacati "
                           "su una faccia con malta di calce e cemento, posati a giunti sfalsati");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<double>("larghezza"); // pixels
        QTest::addColumn<double>("righe");     // height in lines
        QTest::addColumn<int>("attese");       // lines drawn
        QTest::addColumn<bool>("tagliato");
        QTest::newRow("short") << "Muro in laterizio" << 300.0 << 2.0 << 1 << false;
        QTest::newRow("wrapped, all shown") << lungo << 120.0 << 30.0 << -1 << false;
        QTest::newRow("cut after two lines") << lungo << 120.0 << 2.5 << 2 << true;
        QTest::newRow("its own line breaks") << "prima\r\nseconda\nterza" << 300.0 << 5.0 << 3 << false;
        QTest::newRow("line breaks beyond the box") << "prima\nseconda\nterza" << 300.0 << 2.0 << 2 << false;
        QTest::newRow("one word wider than the box")
            << "Fonoassorbenteinsonorizzantedoppio" << 40.0 << 1.0 << 1 << true;
        QTest::newRow("box lower than a line") << lungo << 120.0 << 0.4 << 1 << true;
    }
    void testoAdattato()
    {
        QFETCH(QString, testo);
        QFETCH(double, larghezza);
        QFETCH(double, righe);
        QFETCH(int, attese);
        QFETCH(bool, tagliato);
        const QFont carattere(QStringLiteral("DejaVu Sans"), 9);
        const QFontMetricsF metrica(carattere);
        const QStringList linee =
            TestoAdattato::Righe(testo, carattere, larghezza, righe * metrica.lineSpacing());
        if (attese > 0)
            QCOMPARE(linee.size(), attese);
        for (const QString& linea : linee)
            QVERIFY2(metrica.horizontalAdvance(linea) <= larghezza + 0.5, qPrintable(linea));
        QCOMPARE(linee.last().endsWith(QChar(0x2026)), tagliato);
        if (!tagliato) // nothing lost: the lines hold the whole text, blank for blank
            QCOMPARE(linee.join(' ').simplified(), QString(testo).replace('\n', ' ').simplified());
    }

    void riquadriDentroLaPaginaESeparati_data()
    {
        QTest::addColumn<QSizeF>("pagina");
        QTest::newRow("A4") << QSizeF(210, 297);
        QTest::newRow("Letter") << QSizeF(215.9, 279.4);
        QTest::newRow("A5") << QSizeF(148, 210);
    }
    void riquadriDentroLaPaginaESeparati()
    {
        QFETCH(QSizeF, pagina);
        const ImpaginazioneScheda s = ImpaginazioneScheda::Per(pagina);
        const QList<QRectF> riquadri = s.Riquadri();
        const QRectF foglio(QPointF(), pagina);
        for (int i = 0; i < riquadri.size(); ++i) {
            QVERIFY2(foglio.contains(riquadri[i]) && !riquadri[i].isEmpty(), qPrintable(QString::number(i)));
            for (int j = i + 1; j < riquadri.size(); ++j)
                QVERIFY2(!riquadri[i].intersects(riquadri[j]),
                         qPrintable(QStringLiteral("%1 %2").arg(i).arg(j)));
        }
        QVERIFY(s.grafico.height() > s.grafico.width() * 0.35);
    }

    // Lines of the page with a letterhead as laid out, blanks collapsed ("|" between lines expected in a
    // row); the file and the table only in the footer's source line, not after the kind.
    void righeDellaScheda_data()
    {
        QTest::addColumn<DatiVoce>("voce");
        QTest::addColumn<QStringList>("attese");  // whole lines
        QTest::addColumn<QStringList>("assenti"); // anywhere on the page
        DatiVoce senza = Muro();
        senza.valutazioni = {{"Rw (dB)", {}}, {"C (dB)", {}}, {"Ctr (dB)", {}}};
        senza.descrizione = "Prima riga\r\nseconda riga";
        senza.note = "Posa a regola d'arte";
        // clang-format off
        QTest::newRow("bands of 50-500 Hz, then of 630-5000 Hz; declared and computed ratings") << Muro() << QStringList{"Laboratorio Prove Acustiche", "f (Hz) 50 63 80 100 125 160 200 250 315 400 500", "R (dB) 30 31 32 33 34 35 36 37 38 39 40", "f (Hz) 630 800 1000 1250 1600 2000 2500 3150 4000 5000", "R (dB) 41 42 43 44 45 46 47 48 49 50", "Declared values: Rw(C;Ctr)= 52(-1;-4) dB", "Rw (laboratory)", "Source: Database_sperimentale.mdb, table Rw_laboratorio"} << QStringList{"( , )", "Certificate", "Stored", "- Database_sperimentale"};
        QTest::newRow("no stored ratings, notes, a line break") << senza << QStringList{"Prima riga|seconda riga", "Notes|Posa a regola d'arte"} << QStringList{"Declared", "()"};
        // clang-format on
    }
    void righeDellaScheda()
    {
        QFETCH(DatiVoce, voce);
        QTemporaryDir cartella;
        const QString pdf = cartella.filePath("scheda.pdf");
        QCOMPARE(SchedaTecnica::ScriviPdf(pdf, voce, {}, {{}, "Laboratorio Prove Acustiche"}), QString());
        QString pagina = "|";
        for (const QString& riga : TestoPdf::Testo(pdf, true).split('\n'))
            if (!riga.simplified().isEmpty())
                pagina += riga.simplified() + '|';
        QFETCH(QStringList, attese);
        for (const QString& attesa : attese)
            QVERIFY2(pagina.contains('|' + attesa + '|'), qPrintable(attesa + "\n" + pagina));
        QFETCH(QStringList, assenti);
        for (const QString& assente : assenti)
            QVERIFY2(!pagina.contains(assente), qPrintable(assente));
    }

    // The dashed reference curve runs from 100 to 3150 Hz (log10 of the frequency on the axis),
    // in the comparison's chart and in the sheet's; the sheet's line breaks where a band has no value.
    void riferimentoDa100A3150Hz()
    {
        DatiVoce voce = Muro();
        QChart confronto;
        GraficoCurve::Disegna(&confronto, {{&voce, 0}}, true);
        QList<QPointF> punti;
        for (QAbstractSeries* serie : confronto.series())
            if (auto* linea = qobject_cast<QLineSeries*>(serie);
                linea && linea->pen().style() == Qt::DashLine)
                punti << linea->points();
        const GraficoScheda::Linee scheda = GraficoScheda::Calcola(voce);
        QCOMPARE(scheda.riferimento.toList(), punti);
        QCOMPARE(punti.size(), 16);
        QCOMPARE(punti.first().x(), 2.0);
        QCOMPARE(punti.last().x(), 3.5);
        QCOMPARE(scheda.tratti.size(), 1);
        voce.bande[0].reset();
        voce.bande[10].reset();
        QCOMPARE(GraficoScheda::Calcola(voce).tratti.size(), 2);
        QCOMPARE(GraficoScheda::Calcola(voce).tratti.last().size(), 10);
    }
};

QTEST_MAIN(TestScheda)
#include "TestScheda.moc"
