// The stored layout of a material entry: the band column rule, the value-set selector of
// each category, the exact column names of every category table and the save's write order.
#include "model/Categorie.h"
#include "model/RecordSchema.h"

#include <QTest>

namespace {

// Band columns written out from the rule: prefix, " - ", frequency, "Hz (dB)".
QStringList Bande(const QString& prefisso)
{
    static const QStringList frequenze{"50",   "63",   "80",   "100",  "125",  "160",  "200",
                                       "250",  "315",  "400",  "500",  "630",  "800",  "1000",
                                       "1250", "1600", "2000", "2500", "3150", "4000", "5000"};
    QStringList nomi;
    for (const QString& f : frequenze)
        nomi << prefisso + " - " + f + "Hz (dB)";
    return nomi;
}

const QStringList kDescrittive{
    "Nome",       "Parola chiave", "Descrizione",         "Certificato",
    "Data Prova", "Ente di prova", "Società richiedente", "Informazione addizionale",
    "Immagine"};

QStringList Nomi(const std::vector<RecordSchema::ScritturaColonna>& scritture)
{
    QStringList nomi;
    for (const auto& s : scritture)
        nomi << s.colonna;
    return nomi;
}

} // namespace

class TestRecordSchema : public QObject
{
    Q_OBJECT

private slots:
    void nomeColonnaBanda_data()
    {
        QTest::addColumn<QString>("prefisso");
        QTest::addColumn<int>("banda");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("DRi 1000") << "DRi" << 13 << "DRi - 1000Hz (dB)";
        QTest::newRow("Ln 50") << "Ln" << 0 << "Ln - 50Hz (dB)";
        QTest::newRow("R 50") << "R" << 0 << "R - 50Hz (dB)";
        QTest::newRow("Ln 3150") << "Ln" << 18 << "Ln - 3150Hz (dB)";
        QTest::newRow("DLn 5000") << "DLn" << 20 << "DLn - 5000Hz (dB)";
        QTest::newRow("Dn 125") << "Dn" << 4 << "Dn - 125Hz (dB)";
    }

    void nomeColonnaBanda()
    {
        QFETCH(QString, prefisso);
        QFETCH(int, banda);
        QFETCH(QString, atteso);
        QCOMPARE(RecordSchema::NomeColonnaBanda(prefisso, banda), atteso);
    }

    void tipoBandePerCodice_data()
    {
        QTest::addColumn<int>("codice");
        QTest::addColumn<int>("tipo"); // -1: no writable table
        QTest::addColumn<QString>("prefisso");
        QTest::addColumn<QStringList>("valutazioni");
        const QStringList rw{"Rw (dB)", "C (dB)", "Ctr (dB)"};
        QTest::newRow("Rw laboratorio") << 1 << 0 << "R" << rw;
        QTest::newRow("Rw in opera") << 2 << 0 << "R" << rw;
        QTest::newRow("DRw") << 3 << 1 << "DRi" << QStringList{"DRw (dB)", "C (dB)", "Ctr (dB)"};
        QTest::newRow("Lnw laboratorio")
            << 4 << 2 << "Ln" << QStringList{"Lnw (dB)", "Ci (dB)", "Ci 50_5000 (dB)"};
        QTest::newRow("Lnw in opera")
            << 5 << 5 << "Ln" << QStringList{"Lnw (dB)", "Ci (dB)", "C50_5000 (dB)"};
        QTest::newRow("DLw") << 6 << 3 << "DLn" << QStringList{"DLnw (dB)", "Ci (dB)", "Ci 50-3150 (dB)"};
        QTest::newRow("Infissi") << 7 << 0 << "R" << rw;
        QTest::newRow("Dnew") << 10 << 4 << "Dn" << QStringList{"Dnew (dB)", "C (dB)", "Ctr (dB)"};
        QTest::newRow("Rw teorico") << 8 << -1 << "" << QStringList{};
        QTest::newRow("Lnw teorico") << 9 << -1 << "" << QStringList{};
        QTest::newRow("DRw teorico") << 100 << -1 << "" << QStringList{};
        QTest::newRow("nessuna") << 0 << -1 << "" << QStringList{};
    }

    void tipoBandePerCodice()
    {
        QFETCH(int, codice);
        QFETCH(int, tipo);
        QFETCH(QString, prefisso);
        QFETCH(QStringList, valutazioni);
        const auto trovato = RecordSchema::TipoBandePerCodice(codice);
        if (tipo < 0) {
            QVERIFY(!trovato);
            QVERIFY(RecordSchema::ColonneTabella(codice).isEmpty());
            QVERIFY(RecordSchema::OrdineScrittura(codice).empty());
            return;
        }
        QVERIFY(trovato);
        QCOMPARE(int(*trovato), tipo);
        QCOMPARE(RecordSchema::PrefissoBande(*trovato), prefisso);
        const auto colonne = RecordSchema::ColonneValutazione(*trovato);
        QCOMPARE(QStringList(colonne.begin(), colonne.end()), valutazioni);
        // The category catalogue names the same band quantity.
        QCOMPARE(Categorie::PrefissoBande(codice), prefisso);
    }

    void colonneTabella_data()
    {
        QTest::addColumn<int>("codice");
        QTest::addColumn<QStringList>("attese");
        const QStringList cantiere{"Cantiere"};
        QTest::newRow("Rw_laboratorio")
            << 1
            << kDescrittive + QStringList{"m' (kg/m²)", "s (mm)",  "Area (m²)", "fc (Hz)",
                                          "Eta int",    "Rw (dB)", "C (dB)",    "Ctr (dB)"} +
                   Bande("R");
        QTest::newRow("Rw_in_opera") << 2
                                     << kDescrittive + cantiere +
                                            QStringList{"m' (kg/m²)",       "s (mm)",           "Area (m²)",
                                                        "V ricevente (m³)", "V emittente (m³)", "Rw (dB)",
                                                        "C (dB)",           "Ctr (dB)"} +
                                            Bande("R");
        QTest::newRow("DRw_laboratorio")
            << 3
            << kDescrittive + QStringList{"m' (kg/m²)", "s (mm)", "DRw (dB)", "C (dB)", "Ctr (dB)"} +
                   Bande("DRi");
        QTest::newRow("Lnw_laboratorio")
            << 4
            << kDescrittive + QStringList{"m' (kg/m²)", "s (mm)",  "fc (Hz)",        "Eta int",
                                          "Lnw (dB)",   "Ci (dB)", "Ci 50_5000 (dB)"} +
                   Bande("Ln");
        QTest::newRow("Lnw_in_opera")
            << 5
            << kDescrittive + cantiere + QStringList{"m' (kg/m²)", "s (mm)",  "V ricevente (m³)",
                                                     "Lnw (dB)",   "Ci (dB)", "C50_5000 (dB)"} +
                   Bande("Ln");
        QTest::newRow("DLw_laboratorio")
            << 6
            << kDescrittive + QStringList{"m' (kg/m²)", "s (mm)", "DLnw (dB)", "Ci (dB)", "Ci 50-3150 (dB)"} +
                   Bande("DLn");
        QTest::newRow("Infissi") << 7
                                 << kDescrittive + QStringList{"m' (kg/m²)", "s (mm)", "Area (m²)",
                                                               "Rw (dB)",    "C (dB)", "Ctr (dB)"} +
                                        Bande("R");
        QTest::newRow("Dnew_laboratorio")
            << 10
            << kDescrittive + QStringList{"s (mm)", "fc (Hz)", "Dnew (dB)", "C (dB)", "Ctr (dB)"} +
                   Bande("Dn");
    }

    void colonneTabella()
    {
        QFETCH(int, codice);
        QFETCH(QStringList, attese);
        const QStringList colonne = RecordSchema::ColonneTabella(codice);
        QCOMPARE(colonne, attese);
        QCOMPARE(colonne.size(), int(QSet<QString>(colonne.begin(), colonne.end()).size()));
        // The save writes exactly the table's columns.
        QStringList scritte = Nomi(RecordSchema::OrdineScrittura(codice));
        const auto tipo = *RecordSchema::TipoBandePerCodice(codice);
        for (const QString& v : RecordSchema::ColonneValutazione(tipo))
            scritte << v;
        scritte << RecordSchema::ColonneBande(RecordSchema::PrefissoBande(tipo));
        QStringList ordinateScritte = scritte;
        QStringList ordinateAttese = attese;
        ordinateScritte.sort();
        ordinateAttese.sort();
        QCOMPARE(ordinateScritte, ordinateAttese);
    }

    void colonneNumeriche()
    {
        for (const QString& c : kDescrittive)
            QVERIFY2(!RecordSchema::IsNumerica(c), qPrintable(c));
        QVERIFY(!RecordSchema::IsNumerica("Cantiere"));
        for (const char* c :
             {"m' (kg/m²)", "Eta int", "V emittente (m³)", "Ci 50-3150 (dB)", "DLn - 5000Hz (dB)"})
            QVERIFY2(RecordSchema::IsNumerica(QString::fromUtf8(c)), c);
    }

    void casiParticolari()
    {
        const QStringList dnew = RecordSchema::ColonneTabella(catDnewLaboratorio);
        QVERIFY(!dnew.contains("m' (kg/m²)"));
        const QStringList infissi = RecordSchema::ColonneTabella(catInfissi);
        QVERIFY(infissi.contains("Area (m²)"));
        QVERIFY(!infissi.contains("fc (Hz)"));
        QVERIFY(!infissi.contains("Eta int"));
        // The theoretical DRw kind names its bands like the Rw tables.
        QCOMPARE(Categorie::PrefissoBande(catDRwTeorico), QStringLiteral("R"));
        QVERIFY(RecordSchema::ColonneTabellaTeorica(catDRwTeorico).contains("R - 50Hz (dB)"));
    }

    void ordineScrittura_data()
    {
        QTest::addColumn<int>("codice");
        QTest::addColumn<QStringList>("colonne");
        QTest::addColumn<QStringList>("caselle");
        QTest::addColumn<QList<int>>("contesti");
        QTest::newRow("Rw in opera") << 2
                                     << QStringList{"Nome",
                                                    "Parola chiave",
                                                    "Certificato",
                                                    "Data Prova",
                                                    "Cantiere",
                                                    "Ente di prova",
                                                    "Società richiedente",
                                                    "Descrizione",
                                                    "Informazione addizionale",
                                                    "Immagine",
                                                    "m' (kg/m²)",
                                                    "s (mm)",
                                                    "V ricevente (m³)",
                                                    "V emittente (m³)",
                                                    "Area (m²)"}
                                     << QStringList{"Text15", "Combo1", "Text4",  "MonthView1", "Text16",
                                                    "Text6",  "Text7",  "Text3",  "Text8",      "Text9",
                                                    "Text10", "Text11", "Text13", "Text14",     "Text12"}
                                     << QList<int>{68, 69, 70, 71, 0, 72, 73, 74, 75, 76, 59, 60, 65, 64, 61};
        QTest::newRow("Infissi") << 7 << QStringList{"Nome",          "Parola chiave",
                                                     "Certificato",   "Data Prova",
                                                     "Ente di prova", "Società richiedente",
                                                     "Descrizione",   "Informazione addizionale",
                                                     "Immagine",      "m' (kg/m²)",
                                                     "Area (m²)",     "s (mm)"}
                                 << QStringList{"Text15", "Combo1", "Text4", "MonthView1", "Text6",  "Text7",
                                                "Text3",  "Text8",  "Text9", "Text10",     "Text12", "Text11"}
                                 << QList<int>{68, 69, 70, 71, 72, 73, 74, 75, 76, 59, 61, 60};
    }

    void ordineScrittura()
    {
        QFETCH(int, codice);
        QFETCH(QStringList, colonne);
        QFETCH(QStringList, caselle);
        QFETCH(QList<int>, contesti);
        const auto ordine = RecordSchema::OrdineScrittura(codice);
        QCOMPARE(Nomi(ordine), colonne);
        QStringList caselleLette;
        QList<int> contestiLetti;
        for (const auto& s : ordine) {
            caselleLette << s.casella;
            contestiLetti << s.contesto;
        }
        QCOMPARE(caselleLette, caselle);
        QCOMPARE(contestiLetti, contesti);
    }
};

QTEST_GUILESS_MAIN(TestRecordSchema)
#include "TestRecordSchema.moc"
