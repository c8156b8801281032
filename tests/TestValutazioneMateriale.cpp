// The one rule by which the windows, the check and zelmar-valuta compare an entry's stored
// ratings with those computed from its curve: which column meets which computed value, and
// when a stored value differs.
#include "model/ValutazioneMateriale.h"

#include <QTest>

namespace {

// Rw 30, C -2, Ctr -3 (ISO 717-1 annex); Ln,w 79, CI -11 (ISO 717-2 annex); a covering of
// ΔLw 15, CI,Δ -9. Bands 100 to 3150 Hz.
const QString Aereo = "20,4 16,3 17,7 22,6 22,4 22,7 24,8 26,6 28,0 30,5 31,8 32,5 33,4 33,0 31,0 25,5";
const QString Calpestio = "62,1 63,2 63,5 66,2 68,5 70,0 71,7 73,1 73,8 73,5 73,8 73,3 73,1 73,0 72,4 71,2";
const QString Rivestimento = "3,0 3,7 1,9 3,0 3,2 3,5 4,0 6,1 6,7 7,0 7,7 10,8 15,2 20,3 25,4 23,2";

// "12,5" a number, "N" Null, anything else the text itself.
QVariant Memorizzato(const QString& testo)
{
    bool numero = false;
    const double valore = QLocale(QLocale::Italian).toDouble(testo, &numero);
    return testo == "N" ? QVariant() : numero ? QVariant(valore) : QVariant(testo);
}

} // namespace

class TestValutazioneMateriale : public QObject
{
    Q_OBJECT

private slots:
    void regola_data()
    {
        QTest::addColumn<int>("codice");
        QTest::addColumn<QString>("bande");       // 100 to 3150 Hz, "-" for none
        QTest::addColumn<QString>("memorizzate"); // the kind's rating columns in order
        QTest::addColumn<QString>("diverse");     // "column stored>computed", in column order
        // clang-format off
        QTest::newRow("wall, equal") << 1 << Aereo << "30 -2 -3" << "";
        QTest::newRow("wall, 30,4 and Ctr") << 1 << Aereo << "30,4 -2 -4" << "Rw (dB) 30.4>30, Ctr (dB) -4>-3";
        QTest::newRow("in situ, Null not reported") << 2 << Aereo << "N N 0" << "Ctr (dB) 0>-3";
        QTest::newRow("window, text in a rating") << 7 << Aereo << "trenta -2 -3" << "Rw (dB) trenta>30";
        QTest::newRow("theoretical wall") << 8 << Aereo << "31 -2 -3" << "Rw (dB) 31>30";
        QTest::newRow("small element") << 10 << Aereo << "30 -1 -3" << "C (dB) -1>-2";
        QTest::newRow("floor, third column never") << 4 << Calpestio << "80 -11 99" << "Lnw (dB) 80>79";
        QTest::newRow("floor in situ, CI") << 5 << Calpestio << "79 -10 99" << "Ci (dB) -10>-11";
        QTest::newRow("theoretical floor") << 9 << Calpestio << "79 -11 99" << "";
        QTest::newRow("covering, CI,Δ") << 6 << Rivestimento << "15 -11 99" << "Ci (dB) -11>-9";
        QTest::newRow("no 500 Hz: none computed") << 1 << QString(Aereo).replace("28,0", "-") << "1 2 3" << "";
        QTest::newRow("lining: no rating") << 3 << Rivestimento << "1 2 3" << "none";
        QTest::newRow("theoretical lining: no rating") << 100 << Rivestimento << "1 2 3" << "none";
        // clang-format on
    }

    void regola()
    {
        QFETCH(int, codice);
        QFETCH(QString, bande);
        QFETCH(QString, memorizzate);
        QFETCH(QString, diverse);
        const TipoMateriale& tipo = *Categorie::PerCodice(codice);
        MotoreValutazione::Bande valori;
        const QStringList testi = bande.split(' ');
        for (int i = 0; i < testi.size(); ++i)
            if (testi[i] != "-")
                valori[3 + i] = QLocale(QLocale::Italian).toDouble(testi[i]);
        std::vector<QVariant> conservate;
        for (const QString& testo : memorizzate.split(' '))
            conservate.push_back(Memorizzato(testo));
        const ValutazioneMateriale::Esito esito = ValutazioneMateriale::Valuta(tipo, valori, conservate);
        QStringList trovate;
        for (const ValutazioneMateriale::Differenza& d : esito.diverse)
            trovate << QString("%1 %2>%3")
                           .arg(RecordSchema::Nome(d.colonna), d.memorizzato.toString())
                           .arg(d.calcolato);
        QCOMPARE(esito.calcolata ? trovate.join(", ") : QStringLiteral("none"), diverse);
    }
};

QTEST_GUILESS_MAIN(TestValutazioneMateriale)
#include "TestValutazioneMateriale.moc"
