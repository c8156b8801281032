// The number boxes' key filters, typed key by key as the user would.
#include "TestSupport.h"

#include "editor/ModuleTextControl.h"

#include <QTest>

using namespace ModuleTextControl;

namespace {

// Types the keys one after the other into a box holding iniziale, the caret at its end or,
// with tutto, the whole text selected (as right after the box gets the focus), as the box's
// key handler does: the filter decides; a kept key replaces the selection or goes in at the
// caret, Backspace removes the selection or the character before the caret.
QString Digita(Filtro filtro, bool negativo, QString testo, bool tutto, const QString& tasti,
               QChar separatore)
{
    int cursore = tutto ? 0 : int(testo.size()), selezione = tutto ? int(testo.size()) : 0;
    for (QChar tasto : tasti) {
        const int codice =
            filtro(tasto.unicode(), negativo, testo, cursore, testo.left(selezione), separatore);
        if (codice == 0)
            continue;
        if (selezione > 0 || codice == TastoBackspace) {
            const int via = selezione > 0 ? selezione : (cursore > 0 ? 1 : 0);
            cursore -= selezione > 0 ? 0 : via;
            testo.remove(cursore, via);
            selezione = 0;
            if (codice == TastoBackspace)
                continue;
        }
        testo.insert(cursore++, QChar(codice));
    }
    return testo;
}

} // namespace

class TestModuleTextControl : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::PreparaAmbiente(); }

    void digitazione()
    {
        const struct
        {
            Filtro filtro;
            bool negativo;
            const char* iniziale;
            bool tutto;
            const char *tasti, *separatore, *atteso;
        } righe[] = {
            {FiltroDecimale, false, "", false, "1,5", ",", "1,5"},
            {FiltroDecimale, false, "", false, "1,5,", ",", "1,5"}, // a second comma
            {FiltroDecimale, false, "", false, "1.5", ",", "15"},   // a full stop
            {FiltroDecimale, false, "12,5", true, ",", ",", ","},   // a comma over the selection
            {FiltroDecimale, false, "0,0", true, "45", ",", "45"},
            {FiltroDecimale, false, "2", false, "e-3E", ",", "2E-3"}, // e becomes E, once
            {FiltroDecimale, false, "2", false, "e,", ",", "2E"},     // no comma after E
            {FiltroDecimale, false, "25", false, "E1,", ",", "25E1"}, // nor in the exponent
            {FiltroDecimale, false, "", false, "eE5", ",", "5"},      // E at the start
            {FiltroDecimale, true, "", false, "-E5", ",", "-5"},      // E after a minus
            {FiltroDecimale, false, "2", true, "E", ",", "2"},        // E over the whole text
            {FiltroDecimale, false, "", false, "-5", ",", "5"},       // a band takes no minus
            {FiltroDecimale, true, "", false, "5-", ",", "5"},        // a minus not at the start
            {FiltroDecimale, false, "12", false, "\b3", ",", "13"},
            {FiltroDecimale, false, "", false, "1,2.3", ".", "12.3"},  // a full stop as separator
            {FiltroIntero, true, "", false, "--3", ",", "-3"},         // a rating term's minus, once
            {FiltroIntero, true, "-2", true, "-4", ",", "-4"},         // or over the selection
            {FiltroIntero, false, "", false, "1,5e-3.0", ",", "1530"}, // the thickness: digits only
        };
        for (const auto& r : righe)
            QCOMPARE(Digita(r.filtro, r.negativo, QString::fromUtf8(r.iniziale), r.tutto,
                            QString::fromUtf8(r.tasti), QLatin1Char(*r.separatore)),
                     QString::fromUtf8(r.atteso));
    }

    // One key against one state of the box: the code the filter hands back.
    void tastoSingolo()
    {
        const struct
        {
            Filtro filtro;
            bool negativo;
            const char* testo;
            int cursore;
            const char* selezione;
            int tasto, atteso;
        } righe[] = {
            {FiltroDecimale, false, "2E-3", 1, "", 'E', 0},   // an E anywhere when one exists
            {FiltroDecimale, true, "-5", 1, "", 'E', 0},      // just after a minus
            {FiltroDecimale, true, "-5", 0, "", ',', 0},      // a comma before the minus
            {FiltroDecimale, false, "25E3", 1, "", ',', ','}, // a comma before the exponent
            {FiltroDecimale, true, "5", 0, "", '-', '-'},     {FiltroIntero, true, "-5", 0, "-5", '-', '-'},
            {FiltroIntero, false, "12", 2, "", 8, 8},
        };
        for (const auto& r : righe)
            QCOMPARE(r.filtro(r.tasto, r.negativo, QLatin1String(r.testo), r.cursore,
                              QLatin1String(r.selezione), QLatin1Char(',')),
                     r.atteso);
        // Control characters other than Backspace, in both filters.
        for (int codice : {13, 10, 3, 22, 24, 1, 26, 127, 27, 9})
            for (Filtro filtro : {FiltroDecimale, FiltroIntero})
                QCOMPARE(filtro(codice, true, QStringLiteral("12"), 2, QString(), QLatin1Char(',')), 0);
    }

    void separatori()
    {
        QCOMPARE(SeparatoriLocali().decimale, QLatin1Char(','));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QChar inglese = SeparatoriLocali().decimale;
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        QCOMPARE(inglese, QLatin1Char('.'));
    }
};

QTEST_GUILESS_MAIN(TestModuleTextControl)
#include "TestModuleTextControl.moc"
