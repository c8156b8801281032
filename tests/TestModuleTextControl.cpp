// The number boxes' key filters, typed key by key as the user would.
#include "TestSupport.h"

#include "editor/ModuleTextControl.h"

#include <QTest>

using namespace ModuleTextControl;

namespace {

// A box: its text, caret and selection (start, length).
struct Casella
{
    QString testo;
    int cursore = 0;
    int inizioSelezione = 0;
    int lunghezzaSelezione = 0;

    QString selezione() const { return testo.mid(inizioSelezione, lunghezzaSelezione); }

    // Types one character code as the box's key handler does: the filter decides what
    // is inserted; Backspace deletes the selection or the character before the caret.
    void digita(Filtro filtro, bool negativo, int tasto, QChar separatore)
    {
        const int codice = filtro(tasto, negativo, testo, cursore, selezione(), separatore);
        if (codice == 0)
            return;
        if (lunghezzaSelezione > 0) {
            testo.remove(inizioSelezione, lunghezzaSelezione);
            cursore = inizioSelezione;
            lunghezzaSelezione = 0;
            if (codice == TastoBackspace)
                return;
        } else if (codice == TastoBackspace) {
            if (cursore > 0)
                testo.remove(--cursore, 1);
            return;
        }
        testo.insert(cursore++, QChar(codice));
    }
};

Filtro FiltroPerNome(const QString& nome)
{
    return nome == QLatin1String("intero") ? FiltroIntero : FiltroDecimale;
}

} // namespace

class TestModuleTextControl : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::PreparaAmbiente(); }

    void digitazione_data();
    void digitazione();
    void tastoSingolo_data();
    void tastoSingolo();
    void separatoriLocali();
    void separatoreMancante();
};

// Keys typed one after the other into a box that starts with a text, the caret at the
// end (or the whole text selected, as right after the box gets the focus).
void TestModuleTextControl::digitazione_data()
{
    QTest::addColumn<QString>("filtro");
    QTest::addColumn<bool>("negativo");
    QTest::addColumn<QString>("iniziale");
    QTest::addColumn<bool>("tuttoSelezionato");
    QTest::addColumn<QString>("tasti");
    QTest::addColumn<QString>("separatore");
    QTest::addColumn<QString>("atteso");

    QTest::newRow("band 1 , 5") << "decimale" << false << "" << false << "1,5"
                                << ","
                                << "1,5";
    QTest::newRow("second comma dropped") << "decimale" << false << "" << false << "1,5,"
                                          << ","
                                          << "1,5";
    QTest::newRow("full stop dropped") << "decimale" << false << "" << false << "1.5"
                                       << ","
                                       << "15";
    QTest::newRow("comma replaces the selected 12,5") << "decimale" << false << "12,5" << true << ","
                                                      << ","
                                                      << ",";
    QTest::newRow("digits replace the selection") << "decimale" << false << "0,0" << true << "45"
                                                  << ","
                                                  << "45";
    QTest::newRow("2 e - 3") << "decimale" << false << "2" << false << "e-3"
                             << ","
                             << "2E-3";
    QTest::newRow("second E dropped") << "decimale" << false << "2" << false << "e-3E"
                                      << ","
                                      << "2E-3";
    QTest::newRow("comma after E dropped") << "decimale" << false << "2" << false << "e,"
                                           << ","
                                           << "2E";
    QTest::newRow("comma in the exponent dropped") << "decimale" << false << "25" << false << "E1,"
                                                   << ","
                                                   << "25E1";
    QTest::newRow("E at start dropped") << "decimale" << false << "" << false << "eE5"
                                        << ","
                                        << "5";
    QTest::newRow("E after minus dropped") << "decimale" << true << "" << false << "-E5"
                                           << ","
                                           << "-5";
    QTest::newRow("E with all selected dropped") << "decimale" << false << "2" << true << "E"
                                                 << ","
                                                 << "2";
    QTest::newRow("minus at start of a band box dropped") << "decimale" << false << "" << false << "-5"
                                                          << ","
                                                          << "5";
    QTest::newRow("minus in the middle dropped") << "decimale" << true << "" << false << "5-"
                                                 << ","
                                                 << "5";
    QTest::newRow("backspace") << "decimale" << false << "12" << false << "\b3"
                               << ","
                               << "13";
    QTest::newRow("rating term minus accepted once") << "intero" << true << "" << false << "--3"
                                                     << ","
                                                     << "-3";
    QTest::newRow("rating term minus over the selection") << "intero" << true << "-2" << true << "-4"
                                                          << ","
                                                          << "-4";
    QTest::newRow("thickness integer only") << "intero" << false << "" << false << "1,5e-3.0"
                                            << ","
                                            << "1530";
    QTest::newRow("integer no minus") << "intero" << false << "" << false << "-7"
                                      << ","
                                      << "7";
    QTest::newRow("full stop as separator") << "decimale" << false << "" << false << "1,2.3"
                                            << "."
                                            << "12.3";
}

void TestModuleTextControl::digitazione()
{
    QFETCH(QString, filtro);
    QFETCH(bool, negativo);
    QFETCH(QString, iniziale);
    QFETCH(bool, tuttoSelezionato);
    QFETCH(QString, tasti);
    QFETCH(QString, separatore);
    QFETCH(QString, atteso);

    Casella c;
    c.testo = iniziale;
    if (tuttoSelezionato) {
        c.cursore = 0;
        c.lunghezzaSelezione = int(iniziale.size());
    } else {
        c.cursore = int(iniziale.size());
    }
    for (QChar tasto : tasti)
        c.digita(FiltroPerNome(filtro), negativo, tasto.unicode(), separatore.at(0));
    QCOMPARE(c.testo, atteso);
}

// One key against one state of the box: the code the filter hands back.
void TestModuleTextControl::tastoSingolo_data()
{
    QTest::addColumn<QString>("filtro");
    QTest::addColumn<bool>("negativo");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("cursore");
    QTest::addColumn<QString>("selezione");
    QTest::addColumn<int>("tasto");
    QTest::addColumn<int>("atteso");

    QTest::newRow("e becomes E") << "decimale" << false << "2" << 1 << "" << int('e') << int('E');
    QTest::newRow("E anywhere when one exists") << "decimale" << false << "2E-3" << 1 << "" << int('E') << 0;
    QTest::newRow("E typed before a minus") << "decimale" << true << "-5" << 1 << "" << int('E') << 0;
    QTest::newRow("E with the caret after the selected text")
        << "decimale" << false << "2" << 1 << "2" << int('E') << 0;
    QTest::newRow("e at start stays dropped") << "decimale" << false << "5" << 0 << "" << int('e') << 0;
    QTest::newRow("minus after E") << "decimale" << false << "2E" << 2 << "" << int('-') << int('-');
    QTest::newRow("comma before a leading minus") << "decimale" << true << "-5" << 0 << "" << int(',') << 0;
    QTest::newRow("comma before the exponent")
        << "decimale" << false << "25E3" << 1 << "" << int(',') << int(',');
    QTest::newRow("second leading minus, whole text selected")
        << "intero" << true << "-5" << 0 << "-5" << int('-') << int('-');
    QTest::newRow("second leading minus") << "intero" << true << "-5" << 0 << "" << int('-') << 0;
    QTest::newRow("decimal minus at start allowed")
        << "decimale" << true << "5" << 0 << "" << int('-') << int('-');
    QTest::newRow("integer backspace") << "intero" << false << "12" << 2 << "" << 8 << 8;
    QTest::newRow("integer lower-case e") << "intero" << false << "12" << 2 << "" << int('e') << 0;

    // Control characters other than Backspace, in both filters.
    const int controlli[] = {13, 10, 3, 22, 24, 1, 26, 127, 27, 9};
    for (int codice : controlli) {
        QTest::addRow("decimal control %d", codice) << "decimale" << true << "12" << 2 << "" << codice << 0;
        QTest::addRow("integer control %d", codice) << "intero" << true << "12" << 2 << "" << codice << 0;
    }
}

void TestModuleTextControl::tastoSingolo()
{
    QFETCH(QString, filtro);
    QFETCH(bool, negativo);
    QFETCH(QString, testo);
    QFETCH(int, cursore);
    QFETCH(QString, selezione);
    QFETCH(int, tasto);
    QFETCH(int, atteso);
    QCOMPARE(FiltroPerNome(filtro)(tasto, negativo, testo, cursore, selezione, QLatin1Char(',')), atteso);
}

void TestModuleTextControl::separatoriLocali()
{
    QCOMPARE(SeparatoriLocali().decimale, QLatin1Char(','));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QChar inglese = SeparatoriLocali().decimale;
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QCOMPARE(inglese, QLatin1Char('.'));
}

void TestModuleTextControl::separatoreMancante()
{
    QCOMPARE(SeparatoriDaImpostazioni(QString(), QString()).decimale, QLatin1Char('.'));
    QCOMPARE(SeparatoriDaImpostazioni(QStringLiteral(","), QStringLiteral(".")).decimale, QLatin1Char(','));
    QCOMPARE(SeparatoriDaImpostazioni(QStringLiteral(","), QStringLiteral(".")).migliaia, QLatin1Char('.'));
}

QTEST_GUILESS_MAIN(TestModuleTextControl)
#include "TestModuleTextControl.moc"
