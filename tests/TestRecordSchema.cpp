// What must hold for every row of the table of kinds, so that a kind added or changed
// there shows and saves its entries whole: its columns distinct, its physical columns
// each in a box of its own, each rating of a custom kind kept in a value of its own, the
// band columns following the one rule.
#include "model/Categorie.h"

#include <QSet>
#include <QTest>

class TestRecordSchema : public QObject
{
    Q_OBJECT
private slots:
    void tipo_data()
    {
        QTest::addColumn<int>("codice");
        for (const TipoMateriale& t : Categorie::Tipi())
            QTest::addRow("%d", t.codice) << t.codice;
    }
    void tipo()
    {
        QFETCH(int, codice);
        const TipoMateriale& tipo = *Categorie::PerCodice(codice);
        const QStringList colonne = Categorie::ColonneTabella(codice);
        QCOMPARE(QSet<QString>(colonne.begin(), colonne.end()).size(), colonne.size());
        QSet<int> posizioni;
        for (RecordSchema::Campo campo : tipo.fisiche)
            posizioni << RecordSchema::Posizione(campo);
        QCOMPARE(posizioni.size(), qsizetype(tipo.fisiche.size()));
        QVERIFY(!posizioni.contains(-1));
        QSet<int> conservati;
        for (const ColonnaValutazione& v : tipo.valutazioni)
            if (const auto c = Categorie::Conservato(tipo, v))
                conservati << int(*c);
        QCOMPARE(conservati.size(), tipo.tabellaPersonale ? qsizetype(tipo.valutazioni.size()) : 0);
        QVERIFY(bool(tipo.tabellaPersonale) != bool(tipo.tabellaTeorica));
        QCOMPARE(colonne.last(), RecordSchema::Prefisso(tipo.grandezza) + QStringLiteral(" - 5000Hz (dB)"));
    }
};

QTEST_GUILESS_MAIN(TestRecordSchema)
#include "TestRecordSchema.moc"
