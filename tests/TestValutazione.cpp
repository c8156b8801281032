// The ratings of band curves by ISO 717-1 and ISO 717-2: the standards' worked examples,
// hand-checked curves, the 32,0 dB boundary and bands without a value, through the engine
// and through zelmar-valuta; and zelmar-valuta's check of a whole data folder.
#include "TestSupport.h"
#include "rating/MotoreValutazione.h"
#include "rating/ValutazioneJson.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString AnnessoAereo =
    "20,4 16,3 17,7 22,6 22,4 22,7 24,8 26,6 28,0 30,5 31,8 32,5 33,4 33,0 31,0 25,5";
const QString AnnessoCalpestio =
    "62,1 63,2 63,5 66,2 68,5 70,0 71,7 73,1 73,8 73,5 73,8 73,3 73,1 73,0 72,4 71,2";
const QString Rivestimento = "3,0 3,7 1,9 3,0 3,2 3,5 4,0 6,1 6,7 7,0 7,7 10,8 15,2 20,3 25,4 23,2";
// A certificate to 100-3150 Hz, the other bands stored as 0.
const QString Zeri = "0 0 0 34 34 37 39,5 42,5 43,5 45,5 46,5 48 50 52 53,5 55 57 59 60,5 0 0";

// The expected "key=value" pairs that differ in a JSON object, and with tutte also a key
// count other than the pairs' count.
QStringList Differenze(const QString& json, const QString& attese, bool tutte)
{
    QStringList diverse;
    const QStringList voci = attese.split(' ', Qt::SkipEmptyParts);
    for (const QString& voce : voci) {
        const QString chiave = voce.section('=', 0, 0);
        const auto m = QRegularExpression("\"" + chiave + "\": ([^,}]+)").match(json);
        const QString trovato = m.hasMatch() ? m.captured(1) : QStringLiteral("(none)");
        if (trovato != voce.section('=', 1))
            diverse << chiave + " " + trovato;
    }
    if (tutte && json.count("\":") != voci.size())
        diverse << "keys of " + json;
    return diverse;
}

} // namespace

class TestValutazione : public QObject
{
    Q_OBJECT

private slots:
    void motore_data()
    {
        QTest::addColumn<QString>("grandezza");
        QTest::addColumn<QString>("bande");
        QTest::addColumn<QString>("attese");
        // clang-format off
        QTest::newRow("717-1 annex, 100-3150 Hz") << "R" << "- - - " + AnnessoAereo + " - -" << "Rw=30 C=-2 Ctr=-3 deviazioni=31.8 C50_3150=null C50_5000=null C100_5000=null Ctr100_5000=null";
        QTest::newRow("717-1 annex, 50-5000 Hz") << "R" << "18,7 19,2 20,0 " + AnnessoAereo + " 26,8 29,2" << "Rw=30 C=-2 Ctr=-3 C50_5000=-2 Ctr50_5000=-4 deviazioni=31.8";
        QTest::newRow("717-2 annex") << "Ln" << "- - - " + AnnessoCalpestio + " - -" << "Lnw=79 CI=-11 CI50_2500=null deviazioni=28.0";
        QTest::newRow("heavy reference floor") << "Ln" << "- - - 67 67,5 68 68,5 69 69,5 70 70,5 71 71,5 72 72 72 72 72 72 - -" << "Lnw=78 CI=-11 deviazioni=30.0";
        QTest::newRow("covering") << "DLn" << "- - - " + Rivestimento + " - -" << "DLw=15 CIDelta=-9";
        QTest::newRow("covering, no improvement") << "DLn" << QString("0 ").repeated(21) << "DLw=0 CIDelta=0";
        QTest::newRow("masonry wall") << "R" << "35,2 36,0 37,1 38,5 40,2 41,0 42,3 44,8 46,9 48,5 50,2 52,0 53,6 55,1 56,3 57,0 58,2 58,9 59,5 60,1 60,8" << "Rw=54 C=-1 Ctr=-4 C50_3150=-1 C50_5000=0 C100_5000=0 Ctr50_3150=-6 Ctr50_5000=-6 Ctr100_5000=-4 deviazioni=25.3";
        QTest::newRow("small element, dip") << "Dn" << "28,0 30,5 33,0 35,5 38,0 40,5 43,0 45,5 47,0 48,5 49,0 47,5 42,0 38,5 41,0 45,5 49,0 52,0 54,5 56,0 57,5" << "Rw=46 C=-2 Ctr=-4 C50_5000=-1 Ctr50_3150=-4 deviazioni=31.0";
        QTest::newRow("floating floor") << "Ln" << "70,5 68,0 66,5 65,0 64,0 63,5 62,0 61,5 60,0 58,5 57,0 55,0 52,5 50,0 47,5 45,0 42,5 40,0 37,5 35,0 32,5" << "Lnw=56 CI=0 CI50_2500=5 deviazioni=30.5";
        QTest::newRow("2,0 dB below: 32,0") << "R" << "- - - 31 34 37 40 43 46 49 50 51 52 53 54 54 54 54 54 - -" << "Rw=52 deviazioni=32.0";
        QTest::newRow("2,1 dB below: 1 dB lower") << "R" << "- - - 30,9 33,9 36,9 39,9 42,9 45,9 48,9 49,9 50,9 51,9 52,9 53,9 53,9 53,9 53,9 53,9 - -" << "Rw=51 deviazioni=17.6";
        QTest::newRow("2,0 dB above: 32,0") << "Ln" << "- - - 64 64 64 64 64 64 63 62 61 60 59 56 53 50 47 44 - -" << "Lnw=60 deviazioni=32.0";
        QTest::newRow("2,1 dB above: 1 dB higher") << "Ln" << "- - - 64,1 64,1 64,1 64,1 64,1 64,1 63,1 62,1 61,1 60,1 59,1 56,1 53,1 50,1 47,1 44,1 - -" << "Lnw=61 deviazioni=17.6";
        QTest::newRow("no 500 Hz") << "R" << "18,7 19,2 20,0 20,4 16,3 17,7 22,6 22,4 22,7 24,8 - 28,0 30,5 31,8 32,5 33,4 33,0 31,0 25,5 26,8 29,2" << "Rw=null C=null Ctr=null C100_5000=null deviazioni=null";
        QTest::newRow("no 50 Hz") << "R" << "- 19,2 20,0 " + AnnessoAereo + " 26,8 29,2" << "Rw=30 C50_3150=null C50_5000=null Ctr50_5000=null C100_5000=-2 Ctr100_5000=-3";
        QTest::newRow("no 3150 Hz") << "Ln" << "- - - 62,1 63,2 63,5 66,2 68,5 70,0 71,7 73,1 73,8 73,5 73,8 73,3 73,1 73,0 72,4 - - -" << "Lnw=null CI=null deviazioni=null";
        QTest::newRow("covering, no 100 Hz") << "DLn" << "- - - - 3,7 1,9 3,0 3,2 3,5 4,0 6,1 6,7 7,0 7,7 10,8 15,2 20,3 25,4 23,2 - -" << "DLw=null CIDelta=null";
        // A 0 at 50, 63, 80, 4000 or 5000 Hz is no value; from 100 to 3150 Hz it is one.
        QTest::newRow("0 outside 100-3150 Hz") << "R" << Zeri << "Rw=51 C=-1 Ctr=-5 C50_3150=null C50_5000=null C100_5000=null Ctr50_3150=null Ctr50_5000=null Ctr100_5000=null deviazioni=28.0";
        QTest::newRow("0 at 3150 Hz") << "R" << "0 19,2 20,0 20,4 16,3 17,7 22,6 22,4 22,7 24,8 26,6 28,0 30,5 31,8 32,5 33,4 33,0 31,0 0 26,8 0" << "Rw=26 C=-17 Ctr=-11 C50_3150=null C100_5000=null deviazioni=30.2";
        QTest::newRow("floor, 0 at 50 Hz") << "Ln" << "0 0 0 65 64 63,5 62 61,5 60 58,5 57 55 52,5 50 47,5 45 42,5 40 37,5 0 0" << "Lnw=56 CI=0 CI50_2500=null";
        // Ln,r on the heavy reference floor 2 dB above the reference curve in every band (32,0
        // dB), then 0,1 dB more at 500 Hz: the floor's own values decide ΔLw.
        QTest::newRow("covering, 32,0 dB") << "DLn" << "- - - 3 3,5 4 4,5 5 5,5 7 8,5 10 11,5 13 16 19 22 25 28 - -" << "DLw=18 CIDelta=-10";
        QTest::newRow("covering, 32,1 dB") << "DLn" << "- - - 3 3,5 4 4,5 5 5,5 7 8,4 10 11,5 13 16 19 22 25 28 - -" << "DLw=17 CIDelta=-9";
        // clang-format on
    }

    void motore()
    {
        QFETCH(QString, grandezza);
        QFETCH(QString, bande);
        QFETCH(QString, attese);
        MotoreValutazione::Bande valori;
        const QStringList testi = bande.split(' ', Qt::SkipEmptyParts);
        QCOMPARE(testi.size(), MotoreValutazione::NumeroBande);
        for (int i = 0; i < testi.size(); ++i)
            if (testi[i] != "-")
                valori[i] = QString(testi[i]).replace(',', '.').toDouble();
        const Valutazione v =
            MotoreValutazione::Valuta(*GrandezzaDaPrefisso(grandezza.toStdString()), valori);
        const QString json = QString::fromStdString(ValutazioneJson::Testo(v));
        QCOMPARE(Differenze(json, attese, false), QStringList());
        if (!v.indice)
            return;
        // What a chart draws: each band's deviation from the shifted curve where it lies on
        // the unfavourable side, summing to the deviation sum; one step further exceeds 32 dB.
        const double verso = SfavorevoleSopra(v.grandezza) ? -1 : 1;
        double somma = 0, passoOltre = 0;
        for (int i = 0; i < Valutazione::NumeroBandeValutate; ++i) {
            const double scarto = verso * (v.riferimento[i] - *valori[Valutazione::PrimaBanda + i]);
            QVERIFY(qAbs(v.deviazioni[i] - qMax(0.0, scarto)) < 1e-9);
            somma += v.deviazioni[i];
            passoOltre += qMax(0.0, scarto + 1);
        }
        QVERIFY(qAbs(somma - *v.SommaDeviazioni()) < 1e-9);
        QVERIFY(passoOltre > 32.05);
    }

    void strumento_data()
    {
        QTest::addColumn<QString>("argomenti");
        QTest::addColumn<int>("uscita");
        QTest::addColumn<QString>("attese"); // the JSON's pairs, or what the message names
        // clang-format off
        QTest::newRow("717-1 annex") << "R 18.7 19.2 20.0 " + AnnessoAereo + " 26.8 29.2" << 0 << "Rw=30 C=-2 Ctr=-3 C50_3150=-2 C50_5000=-2 C100_5000=-2 Ctr50_3150=-4 Ctr50_5000=-4 Ctr100_5000=-3 deviazioni=31.8";
        QTest::newRow("negative value") << "DLn -3,5 -2 -1 " + Rivestimento + " - 20" << 0 << "DLw=15 CIDelta=-9";
        QTest::newRow("unavailable") << "Dn" + QString(" -").repeated(21) << 0 << "Rw=null C=null Ctr=null C50_3150=null C50_5000=null C100_5000=null Ctr50_3150=null Ctr50_5000=null Ctr100_5000=null deviazioni=null";
        QTest::newRow("0 outside 100-3150 Hz") << "R " + Zeri << 0 << "Rw=51 C=-1 Ctr=-5 C50_3150=null C50_5000=null C100_5000=null Ctr50_3150=null Ctr50_5000=null Ctr100_5000=null deviazioni=28.0";
        QTest::newRow("help") << "--help" << 0 << "Uso: zelmar-valuta GRANDEZZA";
        QTest::newRow("nothing") << "" << 2 << "grandezza";
        QTest::newRow("linings") << "DRi" + QString(" 1").repeated(21) << 2 << "«DRi»";
        QTest::newRow("lower case") << "r" + QString(" 1").repeated(21) << 2 << "«r»";
        QTest::newRow("unknown option") << "--tutto R" << 2 << "«--tutto»";
        QTest::newRow("20 values") << "R" + QString(" 1").repeated(20) << 2 << "dati 20";
        QTest::newRow("not a number") << "R" + QString(" 1").repeated(20) + " 5x" << 2 << "«5x»";
        QTest::newRow("missing data folder") << "--verifica /nessuna/cartella" << 2 << "«/nessuna/cartella»";
        QTest::newRow("two separators") << "R 1,5.2" + QString(" 1").repeated(20) << 2 << "«1,5.2»";
        // clang-format on
    }

    void strumento()
    {
        QFETCH(QString, argomenti);
        QFETCH(int, uscita);
        QFETCH(QString, attese);
        QProcess valuta;
        valuta.start(QStringLiteral(ZELMAR_VALUTA), argomenti.split(' ', Qt::SkipEmptyParts));
        QVERIFY(valuta.waitForFinished(30000));
        QCOMPARE(valuta.exitCode(), uscita);
        const QString fuori = QString::fromUtf8(valuta.readAllStandardOutput());
        const QString errori = QString::fromUtf8(valuta.readAllStandardError());
        if (uscita == 2)
            QVERIFY2(errori.contains(attese) && fuori.isEmpty(), qPrintable(errori));
        else if (attese.contains('='))
            QCOMPARE(Differenze(fuori, attese, true), QStringList());
        else
            QVERIFY(fuori.startsWith(attese));
    }

    // The demo data, whose every stored rating is the computed one, with deliberate
    // differences (and equal values that must not be reported), and a damaged file.
    void verificaCartella()
    {
        QTemporaryDir dir;
        const QString dati = dir.filePath("dati"), database = dati + "/Databases/Database/";
        QVERIFY(TestSupport::CopiaCartella(TestSupport::CartellaFixtures() + QStringLiteral("/demo"), dati));
        const auto esegui = [&](const QString& file, const char* sql) {
            QCOMPARE(TestSupport::AltraConnessione(database + file).Esegui(sql), 0);
        };
        esegui("Database_sperimentale.mdb",
               "UPDATE Rw_laboratorio SET \"Rw (dB)\" = 39.4, \"C (dB)\" = NULL WHERE rowid = 2;"
               "UPDATE DLw_laboratorio SET \"Ci (dB)\" = -7, \"Ci 50-3150 (dB)\" = 5;"
               "UPDATE DRw_laboratorio SET \"DRw (dB)\" = 99");
        esegui("Partizioni verticali (Rw)/Pareti a secco.mdb",
               "UPDATE \"Pareti a secco\" SET \"Ctr (dB)\" = -5 WHERE rowid = 3");
        esegui("Infissi/Porte.mdb",
               "UPDATE Porte SET Nome = 'Porta \"blindata\"; REI', \"Rw (dB)\" = 42 WHERE rowid = 1");
        QVERIFY(
            TestSupport::Scrivi(database + "Partizioni verticali (Rw)/Danneggiato.mdb", "not a database"));

        QProcess valuta;
        valuta.start(QStringLiteral(ZELMAR_VALUTA), {"--verifica", dati});
        QVERIFY(valuta.waitForFinished(60000));
        QCOMPARE(valuta.exitCode(), 1);
        QVERIFY(QString::fromUtf8(valuta.readAllStandardError())
                    .contains("Databases/Database/Partizioni verticali (Rw)/Danneggiato.mdb"));
        QCOMPARE(
            valuta.readAllStandardOutput(),
            "\xEF\xBB\xBF"
            "File;Tabella;Nome;Colonna;Memorizzato;Calcolato\r\n"
            "Databases/Database/Database_sperimentale.mdb;Rw_laboratorio;Tramezzo in laterizio forato 8 "
            "cm;Rw (dB);39,4;39\r\n"
            "Databases/Database/Database_sperimentale.mdb;DLw_laboratorio;Pavimento vinilico su "
            "feltro;Ci (dB);-7;-8\r\n"
            "Databases/Database/Partizioni verticali (Rw)/Pareti a secco.mdb;Pareti a secco;Parete in "
            "cartongesso a doppia orditura;Ctr (dB);-5;-6\r\n"
            "Databases/Database/Infissi/Porte.mdb;Porte;\"Porta \"\"blindata\"\"; REI\";Rw (dB);42;41\r\n");
    }
};

QTEST_GUILESS_MAIN(TestValutazione)
#include "TestValutazione.moc"
