#include "Form3.h"

#include "CasellaNumerica.h"
#include "ImmagineMateriale.h"
#include "ModuleTextControl.h"

#include "app/FileDialog.h"
#include "app/MessageBox.h"
#include "app/Traduzioni.h"
#include "app/ZelmarCommonModule.h"
#include "exchange/AppuntiBande.h"
#include "model/Categorie.h"
#include "model/FormatoNumero.h"
#include "model/Module1.h"
#include "ui/DidascaliaAdattata.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>

#include <algorithm>
#include <cmath>
#include <limits>

using ZelmarCommonModule::M;

namespace {

const QColor kBluScuro(0x16, 0x25, 0x4B); // &H4B2516
const QColor kGrigio(0xF0, 0xF0, 0xF0);   // &HF0F0F0
const QColor kRosso(255, 0, 0);           // 255
const QColor kBianco(255, 255, 255);

constexpr int kTwipPerPixel = 15;
QRect Twip(int sinistra, int alto, int larghezza, int altezza)
{
    return QRect(sinistra / kTwipPerPixel, alto / kTwipPerPixel, larghezza / kTwipPerPixel,
                 altezza / kTwipPerPixel);
}

constexpr int kBande = 21;
constexpr int kValoriBanda = 24; // 21 bands and 3 ratings

const char* const kFrequenze[kBande] = {"50",   "63",   "80",   "100",  "125",  "160",  "200",
                                        "250",  "315",  "400",  "500",  "630",  "800",  "1000",
                                        "1250", "1600", "2000", "2500", "3150", "4000", "5000"};

// Design captions of the Label1 array.
const char* const kDidascalieLabel1[16] = {
    "Frequenza [Hz]", "Cantieri",    "Ente di prova", "Società richiedente",
    "Data di prova",  "Immagine",    "m'[kg/m²]",     "s [mm]",
    "Ss [m²]",        "Vr [m³]",     "Ve [m³]",       "Nome",
    "Certificato",    "Descrizione", "Parola chiave", "Note"};

// A caption built from a catalogue text and a fixed suffix.
struct Didascalia
{
    int messaggio; // -1: leave the caption as it is; 0: the suffix alone
    const char* suffisso;
};
constexpr Didascalia kInvariata{-1, ""};

// Captions set when the window loads, in this order.
struct DidascaliaFissa
{
    const char* controllo;
    Didascalia testo;
};
constexpr DidascaliaFissa kDidascalieFisse[] = {
    {"Label4", {38, ""}},         {"Label1(11)", {48, ""}},     {"Label1(14)", {4, ""}},
    {"Label1(13)", {6, ""}},      {"Label1(15)", {39, ""}},     {"Label1(5)", {5, ""}},
    {"Label1(1)", {40, ""}},      {"Label5", {42, ""}},         {"Label1(12)", {43, ""}},
    {"Label1(2)", {44, ""}},      {"Label1(3)", {45, ""}},      {"Label1(4)", {46, ""}},
    {"Label3", {49, ""}},         {"Label1(0)", {9, ""}},       {"Label2", {10, ""}},
    {"Text1(21)", {20, " [dB]"}}, {"Text1(22)", {50, " [dB]"}}, {"Text1(23)", {51, " [dB]"}},
    {"Label6", {52, ""}},         {"Label1(7)", {41, ""}},      {"Command2", {53, ""}},
    {"Command3", {54, ""}},
};

// Everything the editor does differently per category: captions of the rating boxes,
// of the band column and of the structure row; which structure boxes and captions are
// shown or hidden; which boxes modify mode copies, in order ("data" is the calendar,
// "valutazioni" the three ratings); which kept ratings feed the three rating boxes.
struct ImpostazioneCategoria
{
    int codice;
    Didascalia valutazioni[3];
    Didascalia label2;
    Didascalia label9;
    Didascalia label10;
    const char* mostra;
    const char* nascondi;
    const char* copia;
    double MaterialeMostrato::*valoriValutazioni[3];
};

constexpr ImpostazioneCategoria kCategorie[] = {
    {catRwLaboratorio,
     {kInvariata, kInvariata, kInvariata},
     kInvariata,
     {80, ""},
     {81, ""},
     "",
     "",
     "Text4 Text6 Text7 data Text10 Text11 Text12 Text13 Text14 valutazioni",
     {&MaterialeMostrato::ValoreRw, &MaterialeMostrato::ValoreC, &MaterialeMostrato::ValoreCtr}},
    {catRwInOpera,
     {{82, ""}, kInvariata, kInvariata},
     {83, ""},
     kInvariata,
     kInvariata,
     "Label1(1) Text16",
     "",
     "Text16 Text4 Text6 Text7 data Text10 Text11 Text12 Text13 Text14 valutazioni",
     {&MaterialeMostrato::ValoreRw, &MaterialeMostrato::ValoreC, &MaterialeMostrato::ValoreCtr}},
    {catDRwLaboratorio,
     {{21, " [dB]"}, {50, " [dB]"}, {51, " [dB]"}},
     {84, " [dB]"},
     kInvariata,
     kInvariata,
     "",
     "Label1(8) Label1(9) Label1(10) Text12 Text13 Text14",
     "valutazioni Text4 Text6 Text7 data Text10 Text11",
     {&MaterialeMostrato::ValoreRw, &MaterialeMostrato::ValoreC, &MaterialeMostrato::ValoreCtr}},
    {catLnwLaboratorio,
     {{22, " [dB]"}, {0, "Ci [dB]"}, {0, "C 50-5000 [dB]"}},
     {85, "  [dB]"},
     {0, "fc [Hz]"},
     {0, "Eta int"},
     "Label1(9) Label1(10) Text14",
     "Label1(8) Text12",
     "Text4 Text6 Text7 data Text10 Text11 Text13 Text14 valutazioni",
     {&MaterialeMostrato::ValoreLnw, &MaterialeMostrato::ValoreCi, &MaterialeMostrato::ValoreCEsteso}},
    {catLnwInOpera,
     {{25, "  [dB]"}, {0, "Ci [dB]"}, {0, "C 50-5000 [dB]"}},
     {18, "  [dB]"},
     kInvariata,
     kInvariata,
     "Label1(1) Text16",
     "Label1(8) Label1(10) Text12 Text14",
     "Text4 Text6 Text7 data Text10 Text11 Text13 Text14 Text16 valutazioni",
     {&MaterialeMostrato::ValoreLnw, &MaterialeMostrato::ValoreCi, &MaterialeMostrato::ValoreCEsteso}},
    {catDLwLaboratorio,
     {{23, "  [dB]"}, {0, "Ci [dB]"}, {0, "Ci 50-3150 [dB]"}},
     {86, "  [dB]"},
     kInvariata,
     kInvariata,
     "",
     "Label1(8) Label1(9) Label1(10) Text12 Text13 Text14",
     "valutazioni Text4 Text6 Text7 data Text10 Text11",
     {&MaterialeMostrato::ValoreDLw, &MaterialeMostrato::ValoreCi, &MaterialeMostrato::ValoreCEsteso}},
    {catInfissi,
     {{20, "  [dB]"}, {50, "  [dB]"}, {51, "  [dB]"}},
     {10, "  [dB]"},
     kInvariata,
     kInvariata,
     "",
     "Label1(9) Label1(10) Text13 Text14",
     "Text4 Text6 Text7 data Text10 Text11 Text12 valutazioni",
     {&MaterialeMostrato::ValoreRw, &MaterialeMostrato::ValoreC, &MaterialeMostrato::ValoreCtr}},
    {catDnewLaboratorio,
     {{79, "  [dB]"}, {50, "  [dB]"}, {51, "  [dB]"}},
     {87, "  [dB]"},
     {80, " "},
     kInvariata,
     "Label1(9) Text13",
     "Label1(6) Text10 Label1(8) Text12 Label1(10) Text14",
     "Text4 Text6 Text7 data Text11 Text13 valutazioni",
     {&MaterialeMostrato::ValoreDnew, &MaterialeMostrato::ValoreC, &MaterialeMostrato::ValoreCtr}},
};

const ImpostazioneCategoria* ImpostazionePerCodice(int codice)
{
    for (const ImpostazioneCategoria& i : kCategorie)
        if (i.codice == codice)
            return &i;
    return nullptr;
}

// The information window's box that modify mode copies into each editor box.
struct SorgenteForm2
{
    const char* casella;
    int indice;
};
constexpr SorgenteForm2 kSorgentiForm2[] = {
    {"Text4", 0},  {"Text6", 2},  {"Text7", 3},  {"Text8", 4},   {"Text9", 5},   {"Text10", 6},
    {"Text11", 7}, {"Text12", 8}, {"Text13", 9}, {"Text14", 10}, {"Text16", 11},
};

int IndiceForm2(const QString& casella)
{
    for (const SorgenteForm2& s : kSorgentiForm2)
        if (casella == QLatin1String(s.casella))
            return s.indice;
    return -1;
}

QStringList Nomi(const char* elenco)
{
    return QString::fromUtf8(elenco).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QString TestoDidascalia(const Didascalia& d)
{
    const QString suffisso = QString::fromUtf8(d.suffisso);
    return d.messaggio == 0 ? suffisso : M(d.messaggio) + suffisso;
}

QString Indicizzato(const char* nome, int indice)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(nome)).arg(indice);
}

void ImpostaColore(QWidget* w, QPalette::ColorRole ruolo, const QColor& colore)
{
    QPalette p = w->palette();
    p.setColor(ruolo, colore);
    w->setPalette(p);
}

// Blanks only, as the user sees them around a name.
QString SenzaSpaziEsterni(const QString& testo)
{
    qsizetype inizio = 0;
    qsizetype fine = testo.size();
    while (inizio < fine && testo.at(inizio) == QLatin1Char(' '))
        ++inizio;
    while (fine > inizio && testo.at(fine - 1) == QLatin1Char(' '))
        --fine;
    return testo.mid(inizio, fine - inizio);
}

} // namespace

Form3::Form3(QWidget* parent) : QDialog(parent)
{
    CreaFinestra();
    ResetLabels();
}

Form3::~Form3() = default;

void Form3::SetModo(const QString& marcatore)
{
    modo_ = marcatore;
}

QString Form3::Modo() const
{
    return modo_;
}

void Form3::SetMaterialeMostrato(const MaterialeMostrato& mostrato)
{
    mostrato_ = mostrato;
}

void Form3::SetRicarica(std::function<void()> ricarica)
{
    ricarica_ = std::move(ricarica);
}

// ---------------------------------------------------------------------------------------
// The window

void Form3::CreaFinestra()
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Nuovo materiale"));
    setFixedSize(11520 / kTwipPerPixel, 9390 / kTwipPerPixel);
    QPalette p = palette();
    p.setColor(QPalette::Window, kGrigio);
    p.setColor(QPalette::WindowText, kBluScuro);
    p.setColor(QPalette::Text, kBluScuro);
    p.setColor(QPalette::ButtonText, kBluScuro);
    setPalette(p);
    setAutoFillBackground(true);

    frameInfogenerali_ = CreaCornice(QStringLiteral("FrameInfogenerali"), label4_, QStringLiteral("Label4"),
                                     QStringLiteral(" Informazioni generali"), 120, 120, 5655, 5415);
    frameCertificato_ = CreaCornice(QStringLiteral("FrameCertificato"), label5_, QStringLiteral("Label5"),
                                    QStringLiteral(" Informazioni certificato"), 120, 5640, 5655, 3135);
    frame1_ = CreaCornice(QStringLiteral("Frame1"), label3_, QStringLiteral("Label3"),
                          QStringLiteral(" Caratteristiche acustiche"), 6000, 120, 5400, 7335);
    frameMateriale_ = CreaCornice(QStringLiteral("FrameMateriale"), label6_, QStringLiteral("Label6"),
                                  QStringLiteral(" Caratteristiche struttura"), 6000, 7560, 5415, 1215);
    CreaInformazioniGenerali();
    CreaCertificato();
    CreaGrigliaBande();
    CreaStruttura();
    CreaPulsanti();
    ImpostaOrdineTabulazione();
}

QFrame* Form3::CreaCornice(const QString& nome, QLabel*& titolo, const QString& nomeTitolo,
                           const QString& testoTitolo, int sinistra, int alto, int larghezza, int altezza)
{
    auto* cornice = new QFrame(this);
    cornice->setObjectName(nome);
    cornice->setFrameShape(QFrame::Box);
    cornice->setGeometry(Twip(sinistra, alto, larghezza, altezza));
    titolo = CreaEtichetta(cornice, nomeTitolo, testoTitolo, 0, 0, larghezza - 15, 255);
    titolo->setAutoFillBackground(true);
    ImpostaColore(titolo, QPalette::Window, kBluScuro);
    ImpostaColore(titolo, QPalette::WindowText, kBianco);
    return cornice;
}

QLabel* Form3::CreaEtichetta(QWidget* contenitore, const QString& nome, const QString& testo, int sinistra,
                             int alto, int larghezza, int altezza)
{
    auto* etichetta = new DidascaliaAdattata(testo, contenitore);
    etichetta->setObjectName(nome);
    etichetta->setGeometry(Twip(sinistra, alto, larghezza, altezza));
    return etichetta;
}

QLineEdit* Form3::CreaTesto(QWidget* contenitore, const QString& nome, int maxLunghezza, int sinistra,
                            int alto, int larghezza, int altezza)
{
    auto* casella = new QLineEdit(contenitore);
    casella->setObjectName(nome);
    casella->setMaxLength(maxLunghezza);
    casella->setGeometry(Twip(sinistra, alto, larghezza, altezza));
    return casella;
}

CasellaNumerica* Form3::CreaNumero(QWidget* contenitore, const QString& nome, bool intero,
                                   bool consentiNegativo, bool valore, const QString& testo, int sinistra,
                                   int alto, int larghezza, int altezza)
{
    auto* casella =
        new CasellaNumerica(intero ? ModuleTextControl::FiltroIntero : ModuleTextControl::FiltroDecimale,
                            consentiNegativo, valore, contenitore);
    casella->setObjectName(nome);
    casella->setText(testo);
    casella->setGeometry(Twip(sinistra, alto, larghezza, altezza));
    return casella;
}

void Form3::CreaInformazioniGenerali()
{
    QWidget* f = frameInfogenerali_;
    constexpr int kLarghezza = 5295;
    label1_[11] = CreaEtichetta(f, QStringLiteral("Label1(11)"), {}, 120, 360, kLarghezza, 240);
    text15_ = CreaTesto(f, QStringLiteral("Text15"), 255, 120, 600, kLarghezza, 285);
    label1_[14] = CreaEtichetta(f, QStringLiteral("Label1(14)"), {}, 120, 960, kLarghezza, 240);
    combo1_ = new QComboBox(f);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setEditable(true);
    combo1_->setInsertPolicy(QComboBox::NoInsert);
    combo1_->setGeometry(Twip(120, 1200, kLarghezza, 315));
    label1_[13] = CreaEtichetta(f, QStringLiteral("Label1(13)"), {}, 120, 1590, kLarghezza, 240);
    text3_ = CreaTesto(f, QStringLiteral("Text3"), 255, 120, 1830, kLarghezza, 525);
    label1_[15] = CreaEtichetta(f, QStringLiteral("Label1(15)"), {}, 120, 2460, kLarghezza, 240);
    text8_ = CreaTesto(f, QStringLiteral("Text8"), 255, 120, 2700, kLarghezza, 525);
    label1_[5] = CreaEtichetta(f, QStringLiteral("Label1(5)"), {}, 120, 3330, kLarghezza, 240);
    text9_ = CreaTesto(f, QStringLiteral("Text9"), 255, 120, 3570, 4695, 285);
    text9_->setReadOnly(true);
    text9_->setText(QStringLiteral("senza"));
    command1_ = new QPushButton(QStringLiteral("..."), f);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(Twip(4920, 3570, 495, 285));
    label1_[1] = CreaEtichetta(f, QStringLiteral("Label1(1)"), {}, 120, 3960, kLarghezza, 240);
    text16_ =
        CreaTesto(f, QStringLiteral("Text16"), std::numeric_limits<int>::max(), 120, 4200, kLarghezza, 525);
    label1_[1]->hide();
    text16_->hide();
}

void Form3::CreaCertificato()
{
    QWidget* f = frameCertificato_;
    label1_[12] = CreaEtichetta(f, QStringLiteral("Label1(12)"), {}, 120, 360, 2295, 240);
    text4_ = CreaTesto(f, QStringLiteral("Text4"), 50, 120, 600, 2295, 285);
    label1_[2] = CreaEtichetta(f, QStringLiteral("Label1(2)"), {}, 120, 1000, 2295, 240);
    text6_ = CreaTesto(f, QStringLiteral("Text6"), 255, 120, 1240, 2295, 525);
    label1_[3] = CreaEtichetta(f, QStringLiteral("Label1(3)"), {}, 120, 1880, 2295, 240);
    text7_ = CreaTesto(f, QStringLiteral("Text7"), 255, 120, 2120, 2295, 525);
    label1_[4] = CreaEtichetta(f, QStringLiteral("Label1(4)"), {}, 2520, 360, 3015, 240);
    monthView1_ = new QCalendarWidget(f);
    monthView1_->setObjectName(QStringLiteral("MonthView1"));
    monthView1_->setDateRange(QDate(1753, 1, 1), QDate(9999, 12, 31));
    monthView1_->setSelectedDate(QDate(2008, 1, 21));
    monthView1_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    monthView1_->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    monthView1_->setGridVisible(false);
    Traduzioni::ImpostaCalendario(monthView1_);
    monthView1_->setGeometry(Twip(2520, 600, 3015, 2460));
}

void Form3::CreaGrigliaBande()
{
    QWidget* f = frame1_;
    constexpr int kPasso = 300;
    constexpr int kPrimaRiga = 600;
    label1_[0] = CreaEtichetta(f, QStringLiteral("Label1(0)"), {}, 240, 360, 1200, 240);
    label2_ = CreaEtichetta(f, QStringLiteral("Label2"), QStringLiteral("Ri [dB]"), 1560, 360, 1500, 240);
    for (int i = 0; i < kBande; ++i) {
        const int alto = kPrimaRiga + i * kPasso;
        text1_[i] = CreaTesto(f, Indicizzato("Text1", i), 32767, 240, alto, 1200, 285);
        text1_[i]->setText(QString::fromLatin1(kFrequenze[i]));
        ImpostaColore(text1_[i], QPalette::Base, kGrigio);
        text2_[i] = CreaNumero(f, Indicizzato("Text2", i), false, false, true, QStringLiteral("0,0"), 1560,
                               alto, 1200, 285);
    }
    const char* const designValutazioni[3] = {"Rw [dB]", "C [dB]", "Ctr [dB]"};
    for (int v = 0; v < 3; ++v) {
        const int i = kBande + v;
        const int alto = kPrimaRiga + v * 900;
        text1_[i] = CreaTesto(f, Indicizzato("Text1", i), 32767, 3240, alto, 1800, 285);
        text1_[i]->setText(QString::fromUtf8(designValutazioni[v]));
        ImpostaColore(text1_[i], QPalette::Base, kBluScuro);
        ImpostaColore(text1_[i], QPalette::Text, kBianco);
        const bool intero = v > 0; // the adaptation terms are whole numbers, possibly negative
        text2_[i] =
            CreaNumero(f, Indicizzato("Text2", i), intero, intero, true,
                       intero ? QStringLiteral("0") : QStringLiteral("0,0"), 3240, alto + 300, 1800, 285);
    }
    // The window, not the focused box, takes the paste shortcut.
    auto* incolla = new QPushButton(tr("Paste bands"), f);
    incolla->setObjectName(QStringLiteral("IncollaBande"));
    incolla->setGeometry(Twip(3240, 3300, 1800, 375));
    incolla->setToolTip(tr("Pastes 21 band values (50 to 5000 Hz) or 16 (100 to 3150 Hz) from the clipboard "
                           "(Ctrl+Shift+V)"));
    incolla->setAutoDefault(false);
    connect(incolla, &QPushButton::clicked, this, &Form3::IncollaBande);
    auto* scorciatoia = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), this);
    connect(scorciatoia, &QShortcut::activated, this, &Form3::IncollaBande);
    for (int i = 0; i < kValoriBanda; ++i) {
        text1_[i]->setReadOnly(true);
        text1_[i]->setFocusPolicy(Qt::NoFocus);
        text1_[i]->setAlignment(Qt::AlignCenter);
        text2_[i]->setAlignment(Qt::AlignCenter);
        ImpostaColore(text2_[i], QPalette::Base, kBianco);
        connect(text2_[i], &CasellaNumerica::frecciaSu, this, [this, i] { SpostaFuocoBanda(i, -1); });
        connect(text2_[i], &CasellaNumerica::frecciaGiu, this, [this, i] { SpostaFuocoBanda(i, +1); });
    }
}

void Form3::CreaStruttura()
{
    QWidget* f = frameMateriale_;
    constexpr int kSinistre[5] = {240, 1320, 2280, 3300, 4320};
    for (int k = 0; k < 5; ++k) {
        const int indice = 6 + k; // Label1(6)..Label1(10) over Text10..Text14
        label1_[indice] = CreaEtichetta(f, Indicizzato("Label1", indice), {}, kSinistre[k], 420, 1000, 285);
        const bool intero = k == 1; // the thickness s
        struttura_[k] = CreaNumero(f, QStringLiteral("Text%1").arg(10 + k), intero, false, false,
                                   QStringLiteral("0,0"), kSinistre[k], 720, 850, 285);
    }
    for (int n = 0; n < 16; ++n)
        if (label1_[n]->text().isEmpty())
            label1_[n]->setText(QString::fromUtf8(kDidascalieLabel1[n]));
}

void Form3::CreaPulsanti()
{
    command2_ = new QPushButton(QStringLiteral("Ok"), this);
    command2_->setObjectName(QStringLiteral("Command2"));
    command2_->setGeometry(Twip(8880, 8880, 1215, 375));
    command3_ = new QPushButton(QStringLiteral("Annulla"), this);
    command3_->setObjectName(QStringLiteral("Command3"));
    command3_->setGeometry(Twip(10200, 8880, 1215, 375));
    // Enter in a box must not press a button behind the user's back.
    for (QPushButton* b : {command1_, command2_, command3_}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    connect(command1_, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(command3_, &QPushButton::clicked, this, &Form3::Command3_Click);
}

void Form3::ImpostaOrdineTabulazione()
{
    QList<QWidget*> ordine{text15_, combo1_, text3_, text8_, text9_,     command1_,
                           text16_, text4_,  text6_, text7_, monthView1_};
    for (CasellaNumerica* c : text2_)
        ordine << c;
    for (CasellaNumerica* c : struttura_)
        ordine << c;
    ordine << command2_ << command3_;
    for (qsizetype i = 1; i < ordine.size(); ++i)
        setTabOrder(ordine[i - 1], ordine[i]);
}

void Form3::ResetLabels()
{
    for (const DidascaliaFissa& d : kDidascalieFisse)
        ImpostaTesto(QString::fromLatin1(d.controllo), TestoDidascalia(d.testo));
}

void Form3::ResetColori()
{
    for (int n : {11, 14, 13, 15, 5, 1, 4, 12, 2, 3})
        ImpostaColore(label1_[n], QPalette::WindowText, kBluScuro);
    for (int n = 6; n <= 10; ++n)
        ImpostaColore(label1_[n], QPalette::WindowText, kBluScuro);
    for (int i = 0; i < kBande; ++i)
        ImpostaColore(text1_[i], QPalette::Text, kBluScuro);
    for (int i = kBande; i < kValoriBanda; ++i)
        ImpostaColore(text1_[i], QPalette::Base, kBluScuro);
}

QWidget* Form3::Casella(const QString& nome) const
{
    return findChild<QWidget*>(nome);
}

void Form3::ImpostaTesto(const QString& casella, const QString& testo)
{
    QWidget* w = Casella(casella);
    if (auto* etichetta = qobject_cast<QLabel*>(w))
        etichetta->setText(testo);
    else if (auto* testoCasella = qobject_cast<QLineEdit*>(w))
        testoCasella->setText(testo);
    else if (auto* pulsante = qobject_cast<QPushButton*>(w))
        pulsante->setText(testo);
}

// ---------------------------------------------------------------------------------------
// Set-up

int Form3::ValoreModo() const
{
    return modo_.trimmed().toInt();
}

void Form3::InitMateriale()
{
    CaricaParoleChiave();
    const bool modifica = ValoreModo() == 1;
    if (modifica)
        for (int i = 0; i < kBande; ++i)
            text2_[i]->setText(mostrato_.bande[i]);
    const int codice = Module1::CategoriaCorrente;
    ImpostaCategoria(codice);
    if (!modifica) {
        monthView1_->setSelectedDate(QDate::currentDate());
        if (codice == catRwLaboratorio || codice == catLnwLaboratorio)
            struttura_[4]->setText(FormatoNumero::Testo(0.01));
        return;
    }
    CopiaMaterialeMostrato(codice);
    MostraInizioTesti();
}

// A box filled with a text longer than the box shows its beginning, not its end.
void Form3::MostraInizioTesti()
{
    for (QLineEdit* casella : findChildren<QLineEdit*>())
        casella->setCursorPosition(0);
}

void Form3::CaricaParoleChiave()
{
    // Line 0 of the main window's list means "every keyword" and is not offered here.
    const QStringList parole = mostrato_.paroleChiave.mid(1);
    combo1_->clear();
    combo1_->addItems(parole);
    combo1_->setEditText(parole.value(0));
}

void Form3::ImpostaCategoria(int codice)
{
    const ImpostazioneCategoria* imp = ImpostazionePerCodice(codice);
    if (!imp)
        return;
    auto imposta = [this](const QString& casella, const Didascalia& d) {
        if (d.messaggio >= 0)
            ImpostaTesto(casella, TestoDidascalia(d));
    };
    for (int v = 0; v < 3; ++v)
        imposta(Indicizzato("Text1", kBande + v), imp->valutazioni[v]);
    imposta(QStringLiteral("Label2"), imp->label2);
    imposta(QStringLiteral("Label1(9)"), imp->label9);
    imposta(QStringLiteral("Label1(10)"), imp->label10);
    for (const QString& nome : Nomi(imp->mostra))
        Casella(nome)->show();
    for (const QString& nome : Nomi(imp->nascondi))
        Casella(nome)->hide();
}

void Form3::CopiaMaterialeMostrato(int codice)
{
    text15_->setText(mostrato_.nomeSelezionato);
    text3_->setText(QString(mostrato_.descrizione).replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
    text8_->setText(mostrato_.form2[4]);
    text9_->setText(mostrato_.form2[5]);
    const ImpostazioneCategoria* imp = ImpostazionePerCodice(codice);
    if (!imp)
        return;
    for (const QString& voce : Nomi(imp->copia)) {
        if (voce == QLatin1String("valutazioni"))
            CopiaValutazioni(codice);
        else if (voce == QLatin1String("data")) {
            if (mostrato_.dataCalendario.isValid())
                monthView1_->setSelectedDate(mostrato_.dataCalendario);
        } else
            ImpostaTesto(voce, mostrato_.form2[IndiceForm2(voce)]);
    }
}

void Form3::CopiaValutazioni(int codice)
{
    const ImpostazioneCategoria* imp = ImpostazionePerCodice(codice);
    const double principale = mostrato_.*(imp->valoriValutazioni[0]);
    text2_[21]->setText(FormatoNumero::Testo(std::round(principale * 10.0) / 10.0));
    text2_[22]->setText(FormatoNumero::Testo(mostrato_.*(imp->valoriValutazioni[1])));
    text2_[23]->setText(FormatoNumero::Testo(mostrato_.*(imp->valoriValutazioni[2])));
}

void Form3::SpostaFuocoBanda(int indice, int passo)
{
    int destinazione = indice + passo;
    if (passo > 0 && indice == kBande - 1)
        destinazione = 0;
    else if (passo < 0 && indice == 0)
        destinazione = kBande - 1;
    else if (destinazione >= kValoriBanda)
        destinazione = indice; // nothing follows the last rating
    text2_[destinazione]->setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------------------------------
// Buttons

void Form3::Command1_Click()
{
    const QString scelto = FileDialog::getOpenFileName(
        this, M(55),
        {QStringLiteral("JPEG Files (*.jpg)"), QStringLiteral("Bitmap Files (*.bmp)"),
         QStringLiteral("GIF Files (*.gif)"), QStringLiteral("Icon Files (*.ico)")},
        0);
    if (scelto.isEmpty()) {
        text9_->setText(M(66));
        return;
    }
    ImmagineMateriale::PercorsoImmagineScelta = scelto.trimmed();
    text9_->setText(ImmagineMateriale::NomeFile(ImmagineMateriale::PercorsoImmagineScelta));
}

void Form3::IncollaBande()
{
    const AppuntiBande::Lettura lettura = AppuntiBande::Leggi(QApplication::clipboard()->text());
    if (!lettura.Accettata()) {
        MessageBox::show(this, lettura.errore, MessageBox::Exclamation);
        return;
    }
    for (int i = 0; i < lettura.valori.size(); ++i)
        text2_[lettura.primaBanda + i]->setText(FormatoNumero::Testo(lettura.valori[i]));
}

void Form3::Command3_Click()
{
    reject();
}

void Form3::Command2_Click()
{
    MessaggioCampo.clear();
    const QString dataProva = SalvataggioMateriale::TestoDataProva(monthView1_->selectedDate());
    ResetColori();
    TagliaAlPrimoACapo();

    const int codice = Module1::CategoriaCorrente;
    const Categoria* categoria = Categorie::PerCodice(codice);
    SalvataggioMateriale::Richiesta richiesta;
    richiesta.percorsoDatabase = ZelmarCommonModule::GetPercorsoDatabaseSperimentale();
    richiesta.tabella = categoria ? QString::fromUtf8(categoria->tabellaPersonale) : QString();
    richiesta.modifica = ValoreModo() != 0;
    richiesta.nome = text15_->text();
    richiesta.nomeSelezionato = mostrato_.nomeSelezionato;
    richiesta.scritture = SalvataggioMateriale::ScrittureCategoria(
        codice, [&](const QString& casella) { return TestoCasella(casella, dataProva); }, M);

    const SalvataggioMateriale::Esito esito = SalvataggioMateriale::Salva(richiesta, this);
    MessaggioCampo = esito.contesto;
    if (esito.tipo != SalvataggioMateriale::Esito::Ok) {
        MostraEsito(esito);
        return;
    }
    if (categoria && text9_->text() != M(66))
        ImmagineMateriale::CopiaImmagineScelta(QString::fromUtf8(categoria->cartella), text9_->text());
    const std::function<void()> ricarica = ricarica_;
    accept();
    if (ricarica)
        ricarica();
}

void Form3::TagliaAlPrimoACapo()
{
    for (QLineEdit* casella : {text15_, static_cast<QLineEdit*>(struttura_[3]), text8_, text16_, text3_}) {
        const QString testo = casella->text();
        const qsizetype aCapo = testo.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
        if (aCapo >= 0)
            casella->setText(SenzaSpaziEsterni(testo.left(aCapo)));
    }
}

QString Form3::TestoCasella(const QString& nome, const QString& dataProva) const
{
    if (nome == QLatin1String("MonthView1"))
        return dataProva;
    if (nome == QLatin1String("Combo1"))
        return combo1_->currentText();
    const auto* casella = qobject_cast<const QLineEdit*>(Casella(nome));
    return casella ? casella->text() : QString();
}

void Form3::MostraEsito(const SalvataggioMateriale::Esito& esito)
{
    using Esito = SalvataggioMateriale::Esito;
    if (esito.tipo == Esito::Errore) {
        MessageBox::show(this,
                         M(67) + QStringLiteral("\r\n") + MessaggioCampo + QStringLiteral("\r\n") +
                             QLatin1Char('(') + esito.descrizione + QLatin1Char(')'),
                         MessageBox::Critical);
        return;
    }
    const int messaggio = esito.tipo == Esito::NomeVuoto ? 56 : esito.tipo == Esito::NomeDuplicato ? 57 : 58;
    MessageBox::show(this, M(messaggio), MessageBox::Critical);
    text15_->setFocus(Qt::OtherFocusReason);
}

// While a value is written its caption is red; the rating captions change their
// background, the other captions their text.
void Form3::ImpostaColoreDidascalia(const QString& marcatore, const QColor& colore)
{
    QWidget* w = Casella(marcatore);
    if (!w)
        return;
    if (qobject_cast<QLabel*>(w)) {
        ImpostaColore(w, QPalette::WindowText, colore);
        return;
    }
    const auto valutazione = std::find(text1_.begin() + kBande, text1_.end(), w);
    ImpostaColore(w, valutazione != text1_.end() ? QPalette::Base : QPalette::Text, colore);
}

void Form3::InizioScrittura(const QString& marcatore)
{
    ImpostaColoreDidascalia(marcatore, kRosso);
}

void Form3::FineScrittura(const QString& marcatore)
{
    ImpostaColoreDidascalia(marcatore, kBluScuro);
}
