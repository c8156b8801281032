#include "ControlliForm3.h"

#include "CasellaACapo.h"
#include "CasellaNumerica.h"
#include "ModuleTextControl.h"
#include "SegnoParolaChiave.h"
#include "ValutazioniEditor.h"

#include "app/Traduzioni.h"
#include "ui/CasellaTesto.h"
#include "ui/Colori.h"
#include "ui/DidascaliaAdattata.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <algorithm>
#include <limits>

namespace {

const QColor kBianco(255, 255, 255);
constexpr int kTwipPerPixel = 15;
constexpr int kBande = RecordSchema::NumeroBande;

QRect Twip(int sinistra, int alto, int larghezza, int altezza)
{
    return QRect(sinistra / kTwipPerPixel, alto / kTwipPerPixel, larghezza / kTwipPerPixel,
                 altezza / kTwipPerPixel);
}

// The design text of a decimal box, zero with one decimal in the user's number settings
// ("0,0" under Italian settings, "0.0" under English ones).
QString ZeroDecimale()
{
    return QLocale().toString(0.0, 'f', 1);
}

QString Indicizzato(const char* nome, int indice)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(nome)).arg(indice);
}

QLabel* Etichetta(QWidget* contenitore, const QString& nome, const char* testo, int sinistra, int alto,
                  int larghezza, int altezza)
{
    auto* etichetta = new DidascaliaAdattata(QString::fromUtf8(testo), contenitore);
    etichetta->setObjectName(nome);
    etichetta->setGeometry(Twip(sinistra, alto, larghezza, altezza));
    return etichetta;
}

// aCapo: Enter types a line break (CasellaACapo).
QLineEdit* Testo(QWidget* contenitore, const QString& nome, int maxLunghezza, int sinistra, int alto,
                 int larghezza, int altezza, bool aCapo = false)
{
    auto* casella = aCapo ? new CasellaACapo(contenitore) : new CasellaTesto(contenitore);
    casella->setObjectName(nome);
    casella->setMaxLength(maxLunghezza);
    casella->setGeometry(Twip(sinistra, alto, larghezza, altezza));
    return casella;
}

// A box for a value: whole or decimal, signed or not, with its design text.
CasellaNumerica* Numero(QWidget* contenitore, const QString& nome, bool intero, bool consentiNegativo,
                        const QString& testo, int sinistra, int alto, int larghezza, int altezza)
{
    auto* casella =
        new CasellaNumerica(intero ? ModuleTextControl::FiltroIntero : ModuleTextControl::FiltroDecimale,
                            consentiNegativo, true, contenitore);
    casella->setObjectName(nome);
    casella->setText(testo);
    casella->setGeometry(Twip(sinistra, alto, larghezza, altezza));
    return casella;
}

QFrame* Cornice(QDialog* finestra, const QString& nome, QLabel*& titolo, const QString& nomeTitolo,
                const char* testoTitolo, int sinistra, int alto, int larghezza, int altezza)
{
    auto* cornice = new QFrame(finestra);
    cornice->setObjectName(nome);
    cornice->setFrameShape(QFrame::Box);
    cornice->setGeometry(Twip(sinistra, alto, larghezza, altezza));
    titolo = Etichetta(cornice, nomeTitolo, testoTitolo, 0, 0, larghezza - 15, 255);
    titolo->setAutoFillBackground(true);
    ControlliForm3::ImpostaColore(titolo, QPalette::Window, Colori::BluScuro);
    ControlliForm3::ImpostaColore(titolo, QPalette::WindowText, kBianco);
    return cornice;
}

void CreaFinestra(ControlliForm3& c, QDialog* finestra)
{
    finestra->setObjectName(QStringLiteral("Form3"));
    finestra->setWindowTitle(QStringLiteral("Nuovo materiale"));
    finestra->setFixedSize(11520 / kTwipPerPixel, 9390 / kTwipPerPixel);
    QPalette p = finestra->palette();
    p.setColor(QPalette::Window, Colori::Grigio);
    p.setColor(QPalette::WindowText, Colori::BluScuro);
    p.setColor(QPalette::Text, Colori::BluScuro);
    p.setColor(QPalette::ButtonText, Colori::BluScuro);
    finestra->setPalette(p);
    finestra->setAutoFillBackground(true);
    c.FrameInfogenerali = Cornice(finestra, QStringLiteral("FrameInfogenerali"), c.Label4,
                                  QStringLiteral("Label4"), " Informazioni generali", 120, 120, 5655, 5415);
    c.FrameCertificato =
        Cornice(finestra, QStringLiteral("FrameCertificato"), c.Label5, QStringLiteral("Label5"),
                " Informazioni certificato", 120, 5640, 5655, 3135);
    c.Frame1 = Cornice(finestra, QStringLiteral("Frame1"), c.Label3, QStringLiteral("Label3"),
                       " Caratteristiche acustiche", 6000, 120, 5400, 7335);
    c.FrameMateriale = Cornice(finestra, QStringLiteral("FrameMateriale"), c.Label6, QStringLiteral("Label6"),
                               " Caratteristiche struttura", 6000, 7560, 5415, 1215);
}

void CreaInformazioniGenerali(ControlliForm3& c)
{
    QWidget* f = c.FrameInfogenerali;
    constexpr int kLarghezza = 5295;
    c.didascaliaNome = Etichetta(f, QStringLiteral("Label1(11)"), "Nome", 120, 360, kLarghezza, 240);
    c.Text15 = Testo(f, QStringLiteral("Text15"), 255, 120, 600, kLarghezza, 285, true);
    c.didascaliaParolaChiave =
        Etichetta(f, QStringLiteral("Label1(14)"), "Parola chiave", 120, 960, kLarghezza, 240);
    c.Combo1 = new QComboBox(f);
    c.Combo1->setObjectName(QStringLiteral("Combo1"));
    c.Combo1->setEditable(true);
    c.Combo1->setLineEdit(new CasellaTesto(c.Combo1));
    c.Combo1->setInsertPolicy(QComboBox::NoInsert);
    c.Combo1->setGeometry(Twip(120, 1200, kLarghezza, 315));
    c.segnoParola = new SegnoParolaChiave(c.Combo1, f);
    c.segnoParola->setGeometry(Twip(1560, 945, kLarghezza + 120 - 1560, 255));
    c.didascaliaDescrizione =
        Etichetta(f, QStringLiteral("Label1(13)"), "Descrizione", 120, 1590, kLarghezza, 240);
    c.Text3 = Testo(f, QStringLiteral("Text3"), 255, 120, 1830, kLarghezza, 525, true);
    c.didascaliaNote = Etichetta(f, QStringLiteral("Label1(15)"), "Note", 120, 2460, kLarghezza, 240);
    c.Text8 = Testo(f, QStringLiteral("Text8"), 255, 120, 2700, kLarghezza, 525, true);
    c.didascaliaImmagine = Etichetta(f, QStringLiteral("Label1(5)"), "Immagine", 120, 3330, kLarghezza, 240);
    c.Text9 = Testo(f, QStringLiteral("Text9"), 255, 120, 3570, 4695, 285);
    c.Text9->setReadOnly(true);
    c.Text9->setText(QStringLiteral("senza"));
    c.Command1 = new QPushButton(QStringLiteral("..."), f);
    c.Command1->setObjectName(QStringLiteral("Command1"));
    c.Command1->setGeometry(Twip(4920, 3570, 495, 285));
    c.didascaliaCantiere = Etichetta(f, QStringLiteral("Label1(1)"), "Cantieri", 120, 3960, kLarghezza, 240);
    c.Text16 =
        Testo(f, QStringLiteral("Text16"), std::numeric_limits<int>::max(), 120, 4200, kLarghezza, 525, true);
    c.didascaliaCantiere->hide();
    c.Text16->hide();
}

void CreaCertificato(ControlliForm3& c)
{
    QWidget* f = c.FrameCertificato;
    c.didascaliaCertificato = Etichetta(f, QStringLiteral("Label1(12)"), "Certificato", 120, 360, 2295, 240);
    c.Text4 = Testo(f, QStringLiteral("Text4"), 50, 120, 600, 2295, 285);
    c.didascaliaEnte = Etichetta(f, QStringLiteral("Label1(2)"), "Ente di prova", 120, 1000, 2295, 240);
    c.Text6 = Testo(f, QStringLiteral("Text6"), 255, 120, 1240, 2295, 525);
    c.didascaliaSocieta =
        Etichetta(f, QStringLiteral("Label1(3)"), "Società richiedente", 120, 1880, 2295, 240);
    c.Text7 = Testo(f, QStringLiteral("Text7"), 255, 120, 2120, 2295, 525);
    c.didascaliaData = Etichetta(f, QStringLiteral("Label1(4)"), "Data di prova", 2520, 360, 3015, 240);
    c.MonthView1 = new QCalendarWidget(f);
    c.MonthView1->setObjectName(QStringLiteral("MonthView1"));
    c.MonthView1->setDateRange(QDate(1753, 1, 1), QDate(9999, 12, 31));
    c.MonthView1->setSelectedDate(QDate(2008, 1, 21));
    c.MonthView1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    c.MonthView1->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    c.MonthView1->setGridVisible(false);
    Traduzioni::ImpostaCalendario(c.MonthView1);
    c.MonthView1->setGeometry(Twip(2520, 600, 3015, 2460));
}

// A read-only caption box of the band column (Text1(n)).
QLineEdit* DidascaliaBanda(QWidget* f, int indice, const QString& testo, int sinistra, int alto,
                           int larghezza)
{
    QLineEdit* casella = Testo(f, Indicizzato("Text1", indice), 32767, sinistra, alto, larghezza, 285);
    casella->setText(testo);
    casella->setReadOnly(true);
    casella->setFocusPolicy(Qt::NoFocus);
    casella->setAlignment(Qt::AlignCenter);
    return casella;
}

void CreaGrigliaBande(ControlliForm3& c)
{
    QWidget* f = c.Frame1;
    constexpr int kPasso = 300;
    constexpr int kPrimaRiga = 600;
    c.didascaliaFrequenze = Etichetta(f, QStringLiteral("Label1(0)"), "Frequenza [Hz]", 240, 360, 1200, 240);
    c.Label2 = Etichetta(f, QStringLiteral("Label2"), "Ri [dB]", 1560, 360, 1500, 240);
    for (int i = 0; i < kBande; ++i) {
        const int alto = kPrimaRiga + i * kPasso;
        c.frequenze[i] = DidascaliaBanda(f, i, QString::number(RecordSchema::Frequenze[i]), 240, alto, 1200);
        ControlliForm3::ImpostaColore(c.frequenze[i], QPalette::Base, Colori::Grigio);
        c.bande[i] = Numero(f, Indicizzato("Text2", i), false, false, ZeroDecimale(), 1560, alto, 1200, 285);
    }
    const char* const designValutazioni[ControlliForm3::NumeroValutazioni] = {"Rw [dB]", "C [dB]",
                                                                              "Ctr [dB]"};
    for (int v = 0; v < ControlliForm3::NumeroValutazioni; ++v) {
        const int alto = kPrimaRiga + v * 900;
        c.nomiValutazioni[v] =
            DidascaliaBanda(f, kBande + v, QString::fromUtf8(designValutazioni[v]), 3240, alto, 1800);
        ControlliForm3::ImpostaColore(c.nomiValutazioni[v], QPalette::Base, Colori::BluScuro);
        ControlliForm3::ImpostaColore(c.nomiValutazioni[v], QPalette::Text, kBianco);
        const bool intero = v > 0; // the adaptation terms are whole numbers, possibly negative
        c.valutazioni[v] = Numero(f, Indicizzato("Text2", kBande + v), intero, intero,
                                  intero ? QStringLiteral("0") : ZeroDecimale(), 3240, alto + 300, 1800, 285);
    }
    std::array<QLineEdit*, kBande> bande;
    std::copy(c.bande.begin(), c.bande.end(), bande.begin());
    c.valutazioniCalcolate = new ValutazioniEditor(
        f, bande, {c.valutazioni[0], c.valutazioni[1], c.valutazioni[2]}, Twip(3240, 3780, 0, 0).topLeft());
    c.IncollaBande = new QPushButton(QCoreApplication::translate("Form3", "Paste bands"), f);
    c.IncollaBande->setObjectName(QStringLiteral("IncollaBande"));
    c.IncollaBande->setGeometry(Twip(3240, 3300, 1800, 375));
    c.IncollaBande->setToolTip(
        QCoreApplication::translate("Form3", "Pastes 21 band values (50 to 5000 Hz) or 16 (100 to 3150 Hz) "
                                             "from the clipboard (Ctrl+Shift+V)"));
    c.IncollaBande->setAutoDefault(false);
    const auto allinea = [](CasellaNumerica* casella) {
        casella->setAlignment(Qt::AlignCenter);
        ControlliForm3::ImpostaColore(casella, QPalette::Base, kBianco);
    };
    std::for_each(c.bande.begin(), c.bande.end(), allinea);
    std::for_each(c.valutazioni.begin(), c.valutazioni.end(), allinea);
}

void CreaStruttura(ControlliForm3& c)
{
    QWidget* f = c.FrameMateriale;
    constexpr int kSinistre[ControlliForm3::NumeroStruttura] = {240, 1320, 2280, 3300, 4320};
    const char* const didascalie[ControlliForm3::NumeroStruttura] = {"m'[kg/m²]", "s [mm]", "Ss [m²]",
                                                                     "Vr [m³]", "Ve [m³]"};
    for (int k = 0; k < ControlliForm3::NumeroStruttura; ++k) {
        // Label1(6)..Label1(10) over Text10..Text14
        c.didascalieStruttura[k] =
            Etichetta(f, Indicizzato("Label1", 6 + k), didascalie[k], kSinistre[k], 420, 1000, 285);
        const bool intero = k == 1; // the thickness s
        c.struttura[k] = Numero(f, QStringLiteral("Text%1").arg(10 + k), intero, false, ZeroDecimale(),
                                kSinistre[k], 720, 850, 285);
    }
}

void CreaPulsanti(ControlliForm3& c, QDialog* finestra)
{
    c.Command2 = new QPushButton(QStringLiteral("Ok"), finestra);
    c.Command2->setObjectName(QStringLiteral("Command2"));
    c.Command2->setGeometry(Twip(8880, 8880, 1215, 375));
    c.Command3 = new QPushButton(QStringLiteral("Annulla"), finestra);
    c.Command3->setObjectName(QStringLiteral("Command3"));
    c.Command3->setGeometry(Twip(10200, 8880, 1215, 375));
    // Enter in a box must not press a button behind the user's back.
    for (QPushButton* b : {c.Command1, c.Command2, c.Command3}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
}

void ImpostaOrdineTabulazione(const ControlliForm3& c)
{
    QList<QWidget*> ordine{c.Text15, c.Combo1, c.Text3, c.Text8, c.Text9,     c.Command1,
                           c.Text16, c.Text4,  c.Text6, c.Text7, c.MonthView1};
    for (CasellaNumerica* casella : c.bande)
        ordine << casella;
    for (CasellaNumerica* casella : c.valutazioni)
        ordine << casella;
    for (CasellaNumerica* casella : c.struttura)
        ordine << casella;
    ordine << c.Command2 << c.Command3;
    for (qsizetype i = 1; i < ordine.size(); ++i)
        QWidget::setTabOrder(ordine[i - 1], ordine[i]);
}

} // namespace

ControlliForm3 ControlliForm3::Crea(QDialog* finestra)
{
    ControlliForm3 c;
    CreaFinestra(c, finestra);
    CreaInformazioniGenerali(c);
    CreaCertificato(c);
    CreaGrigliaBande(c);
    CreaStruttura(c);
    CreaPulsanti(c, finestra);
    ImpostaOrdineTabulazione(c);
    return c;
}

std::array<QLabel*, 15> ControlliForm3::DidascalieCaselle() const
{
    return {didascaliaNome,         didascaliaParolaChiave, didascaliaDescrizione,  didascaliaNote,
            didascaliaImmagine,     didascaliaCantiere,     didascaliaData,         didascaliaCertificato,
            didascaliaEnte,         didascaliaSocieta,      didascalieStruttura[0], didascalieStruttura[1],
            didascalieStruttura[2], didascalieStruttura[3], didascalieStruttura[4]};
}

void ControlliForm3::ImpostaColore(QWidget* w, QPalette::ColorRole ruolo, const QColor& colore)
{
    QPalette p = w->palette();
    p.setColor(ruolo, colore);
    w->setPalette(p);
}
