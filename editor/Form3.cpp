#include "Form3.h"

#include "AvvisoModificaAltrui.h"
#include "CasellaACapo.h"
#include "CasellaNumerica.h"
#include "ImmagineMateriale.h"
#include "ModuleTextControl.h"
#include "SegnoParolaChiave.h"
#include "ValutazioniEditor.h"

#include "app/FileDialog.h"
#include "app/MessageBox.h"
#include "config/Traduzioni.h"
#include "config/ZelmarCommonModule.h"
#include "exchange/AppuntiBande.h"
#include "model/Categorie.h"
#include "model/FormatoNumero.h"
#include "model/Module1.h"
#include "model/SalvataggioMateriale.h"
#include "ui/CasellaTesto.h"
#include "ui/Colori.h"
#include "ui/DidascaliaAdattata.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>

#include <algorithm>
#include <cmath>
#include <limits>

using RecordSchema::Campo;
using ZelmarCommonModule::M;

namespace {

const QColor& kBluScuro = Colori::BluScuro;
const QColor& kGrigio = Colori::Grigio;
const QColor kRosso(255, 0, 0); // 255
const QColor kBianco(255, 255, 255);

constexpr int kTwipPerPixel = 15;
QRect Twip(int sinistra, int alto, int larghezza, int altezza)
{
    return QRect(sinistra / kTwipPerPixel, alto / kTwipPerPixel, larghezza / kTwipPerPixel,
                 altezza / kTwipPerPixel);
}

constexpr int kBande = RecordSchema::NumeroBande;
constexpr int kValoriBanda = 24;             // 21 bands and 3 ratings
constexpr int kPrimaDidascaliaStruttura = 6; // Label1(6)..Label1(10) over Text10..Text14

// Design captions of the Label1 array.
const char* const kDidascalieLabel1[16] = {
    "Frequenza [Hz]", "Cantieri",    "Ente di prova", "Società richiedente",
    "Data di prova",  "Immagine",    "m'[kg/m²]",     "s [mm]",
    "Ss [m²]",        "Vr [m³]",     "Ve [m³]",       "Nome",
    "Certificato",    "Descrizione", "Parola chiave", "Note"};

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

QString TestoDidascalia(const Didascalia& d)
{
    return d.Testo(M);
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

void Form3::SetRicarica(Ricarica ricarica)
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
                            int alto, int larghezza, int altezza, bool aCapo)
{
    auto* casella = aCapo ? new CasellaACapo(contenitore) : new CasellaTesto(contenitore);
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
    text15_ = CreaTesto(f, QStringLiteral("Text15"), 255, 120, 600, kLarghezza, 285, true);
    label1_[14] = CreaEtichetta(f, QStringLiteral("Label1(14)"), {}, 120, 960, kLarghezza, 240);
    combo1_ = new QComboBox(f);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setEditable(true);
    combo1_->setLineEdit(new CasellaTesto(combo1_));
    combo1_->setInsertPolicy(QComboBox::NoInsert);
    combo1_->setGeometry(Twip(120, 1200, kLarghezza, 315));
    segnoParola_ = new SegnoParolaChiave(combo1_, f);
    segnoParola_->setGeometry(Twip(1560, 945, kLarghezza + 120 - 1560, 255));
    label1_[13] = CreaEtichetta(f, QStringLiteral("Label1(13)"), {}, 120, 1590, kLarghezza, 240);
    text3_ = CreaTesto(f, QStringLiteral("Text3"), 255, 120, 1830, kLarghezza, 525, true);
    label1_[15] = CreaEtichetta(f, QStringLiteral("Label1(15)"), {}, 120, 2460, kLarghezza, 240);
    text8_ = CreaTesto(f, QStringLiteral("Text8"), 255, 120, 2700, kLarghezza, 525, true);
    label1_[5] = CreaEtichetta(f, QStringLiteral("Label1(5)"), {}, 120, 3330, kLarghezza, 240);
    text9_ = CreaTesto(f, QStringLiteral("Text9"), 255, 120, 3570, 4695, 285);
    text9_->setReadOnly(true);
    text9_->setText(QStringLiteral("senza"));
    command1_ = new QPushButton(QStringLiteral("..."), f);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(Twip(4920, 3570, 495, 285));
    label1_[1] = CreaEtichetta(f, QStringLiteral("Label1(1)"), {}, 120, 3960, kLarghezza, 240);
    text16_ = CreaTesto(f, QStringLiteral("Text16"), std::numeric_limits<int>::max(), 120, 4200, kLarghezza,
                        525, true);
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
    monthView1_->setLocale(Traduzioni::LocaleInterfaccia());
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
        text1_[i]->setText(QString::number(RecordSchema::Frequenze[i]));
        ImpostaColore(text1_[i], QPalette::Base, kGrigio);
        text2_[i] =
            CreaNumero(f, Indicizzato("Text2", i), false, false, true, ZeroDecimale(), 1560, alto, 1200, 285);
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
        text2_[i] = CreaNumero(f, Indicizzato("Text2", i), intero, intero, true,
                               intero ? QStringLiteral("0") : ZeroDecimale(), 3240, alto + 300, 1800, 285);
    }
    std::array<QLineEdit*, kBande> bande;
    std::copy_n(text2_.begin(), kBande, bande.begin());
    valutazioniCalcolate_ = new ValutazioniEditor(f, bande, {text2_[21], text2_[22], text2_[23]},
                                                  Twip(3240, 3780, 0, 0).topLeft());
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
        struttura_[k] = CreaNumero(f, QStringLiteral("Text%1").arg(10 + k), intero, false, true,
                                   ZeroDecimale(), kSinistre[k], 720, 850, 285);
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
    tipo_ = Categorie::PerCodice(Module1::CategoriaCorrente);
    if (tipo_ && !tipo_->tabellaPersonale)
        tipo_ = nullptr; // the editor writes the custom database only
    valutazioniCalcolate_->ImpostaTipo(tipo_);
    CostruisciCaselle();
    if (modifica)
        CopiaBande();
    if (tipo_)
        ImpostaCategoria(*tipo_);
    if (!modifica) {
        monthView1_->setSelectedDate(QDate::currentDate());
        // A new entry's internal loss factor starts at a typical value.
        if (caselle_.contains(RecordSchema::Nome(Campo::Eta)))
            struttura_[RecordSchema::Posizione(Campo::Eta)]->setText(FormatoNumero::Testo(0.01));
        return;
    }
    CopiaMaterialeMostrato();
}

// Which box shows which column of the kind, and the caption that marks it while the save
// writes it; the site has none.
void Form3::CostruisciCaselle()
{
    caselle_.clear();
    const auto aggiungi = [this](const QString& colonna, QWidget* valore, QWidget* didascalia) {
        caselle_.insert(colonna, {valore, didascalia});
    };
    const std::pair<Campo, QWidget*> descrittive[] = {
        {Campo::Nome, text15_},
        {Campo::ParolaChiave, combo1_},
        {Campo::Descrizione, text3_},
        {Campo::Certificato, text4_},
        {Campo::DataProva, monthView1_},
        {Campo::EnteProva, text6_},
        {Campo::SocietaRichiedente, text7_},
        {Campo::InformazioneAddizionale, text8_},
        {Campo::Immagine, text9_},
    };
    constexpr int didascalie[] = {11, 14, 13, 12, 4, 2, 3, 15, 5};
    for (size_t i = 0; i < std::size(descrittive); ++i)
        aggiungi(RecordSchema::Nome(descrittive[i].first), descrittive[i].second, label1_[didascalie[i]]);
    if (!tipo_)
        return;
    if (tipo_->cantiere)
        aggiungi(RecordSchema::Nome(Campo::Cantiere), text16_, nullptr);
    for (Campo campo : tipo_->fisiche) {
        const int posizione = RecordSchema::Posizione(campo);
        aggiungi(RecordSchema::Nome(campo), struttura_[posizione],
                 label1_[kPrimaDidascaliaStruttura + posizione]);
    }
    for (size_t v = 0; v < tipo_->valutazioni.size(); ++v)
        aggiungi(RecordSchema::Nome(tipo_->valutazioni[v].campo), text2_[kBande + v], text1_[kBande + v]);
    for (int i = 0; i < kBande; ++i)
        aggiungi(RecordSchema::NomeColonnaBanda(tipo_->grandezza, i), text2_[i], text1_[i]);
}

void Form3::CaricaParoleChiave()
{
    // Line 0 of the main window's list means "every keyword" and is not offered here.
    const QStringList parole = mostrato_.paroleChiave.mid(1);
    combo1_->clear();
    combo1_->addItems(parole);
    combo1_->setEditText(parole.value(0));
}

// Captions of the ratings, the band column and the structure row; the site and the
// structure boxes the kind has, shown, the others hidden.
void Form3::ImpostaCategoria(const TipoMateriale& tipo)
{
    const auto imposta = [](QWidget* w, const Didascalia& d) {
        if (d.Invariata())
            return;
        if (auto* etichetta = qobject_cast<QLabel*>(w))
            etichetta->setText(TestoDidascalia(d));
        else if (auto* casella = qobject_cast<QLineEdit*>(w))
            casella->setText(TestoDidascalia(d));
    };
    for (size_t v = 0; v < tipo.valutazioni.size(); ++v)
        imposta(text1_[kBande + v], tipo.valutazioni[v].editor);
    imposta(label2_, tipo.bandeEditor);
    imposta(label1_[kPrimaDidascaliaStruttura + 3], tipo.strutturaEditor[0]);
    imposta(label1_[kPrimaDidascaliaStruttura + 4], tipo.strutturaEditor[1]);
    label1_[1]->setVisible(tipo.cantiere);
    text16_->setVisible(tipo.cantiere);
    for (int k = 0; k < int(struttura_.size()); ++k) {
        const bool mostrata = std::any_of(tipo.fisiche.begin(), tipo.fisiche.end(),
                                          [k](Campo c) { return RecordSchema::Posizione(c) == k; });
        struttura_[k]->setVisible(mostrata);
        label1_[kPrimaDidascaliaStruttura + k]->setVisible(mostrata);
    }
}

// The band values as the main window shows them, whatever the kind: a band without a
// value shows 0.
void Form3::CopiaBande()
{
    monthView1_->setSelectedDate(QDate(monthView1_->yearShown(), monthView1_->monthShown(), 1));
    const TipoMateriale* mostrato = Categorie::PerCodice(Module1::CategoriaCorrente);
    for (int i = 0; i < kBande; ++i) {
        QString testo;
        if (mostrato_.record && mostrato) {
            const QVariant valore = mostrato_.record->Banda(mostrato->grandezza, i);
            testo = FormatoNumero::TestoSingolo(valore.isNull() ? 0.0f : valore.toFloat());
        }
        text2_[i]->setText(testo);
    }
}

// Every box of the kind from the entry shown, as the main window and the information
// window show it; the ratings from those the main window keeps.
void Form3::CopiaMaterialeMostrato()
{
    text15_->setText(mostrato_.nomeSelezionato);
    if (mostrato_.record)
        segnoParola_->ImpostaMemorizzata(mostrato_.record->Valore(Campo::ParolaChiave).toString());
    if (!tipo_)
        return;
    const auto mostrato = [this](Campo campo) {
        return mostrato_.record ? FormatoNumero::TestoCampo(mostrato_.record->Valore(campo)) : QString();
    };
    for (Campo campo : Categorie::Campi(*tipo_)) {
        auto* casella = qobject_cast<QLineEdit*>(caselle_.value(RecordSchema::Nome(campo)).valore);
        if (campo == Campo::Nome || !casella || RecordSchema::IsValutazione(campo))
            continue; // the name as listed; the ratings come below
        casella->setText(campo == Campo::Descrizione
                             ? mostrato(campo).replace(QStringLiteral("\r\n"), QStringLiteral(" "))
                             : mostrato(campo));
    }
    // The date as the information window's calendar shows it, also for an entry without one.
    const QDate data = mostrato_.dataCalendario.isValid() ? mostrato_.dataCalendario
                       : mostrato_.record                 ? mostrato_.record->DataProva()
                                                          : QDate();
    if (data.isValid())
        monthView1_->setSelectedDate(data);
    for (size_t v = 0; v < tipo_->valutazioni.size(); ++v) {
        const auto conservato = Categorie::Conservato(*tipo_, tipo_->valutazioni[v]);
        const double valore = conservato ? mostrato_.conservati[int(*conservato)] : 0;
        // The main rating is shown to one decimal.
        text2_[kBande + v]->setText(FormatoNumero::Testo(v == 0 ? std::round(valore * 10.0) / 10.0 : valore));
    }
}

void Form3::CompilaDa(const RecordMateriale& record, const TipoMateriale& origine)
{
    text15_->setText(record.Valore(Campo::Nome).toString());
    combo1_->setEditText(record.Valore(Campo::ParolaChiave).toString());
    if (record.DataProva().isValid())
        monthView1_->setSelectedDate(record.DataProva());
    if (!tipo_)
        return;
    for (Campo campo : Categorie::Campi(*tipo_)) {
        auto* casella = qobject_cast<QLineEdit*>(caselle_.value(RecordSchema::Nome(campo)).valore);
        if (casella && !RecordSchema::IsValutazione(campo) && campo != Campo::Nome)
            casella->setText(FormatoNumero::TestoCampo(record.Valore(campo))
                                 .replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
    }
    for (size_t v = 0; v < tipo_->valutazioni.size(); ++v)
        text2_[kBande + v]->setText(v < origine.valutazioni.size() ? FormatoNumero::TestoCampo(record.Valore(
                                                                         origine.valutazioni[v].campo))
                                                                   : QString());
    for (int i = 0; i < kBande; ++i)
        text2_[i]->setText(FormatoNumero::TestoCampo(record.Banda(origine.grandezza, i)));
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

// Only "Annulla" leaves without saving: Escape, in whatever box, does not close the
// window and throw away what was typed.
void Form3::keyPressEvent(QKeyEvent* evento)
{
    if (evento->matches(QKeySequence::Cancel)) {
        evento->accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

void Form3::Command2_Click()
{
    MessaggioCampo.clear();
    ResetColori();
    TagliaAlPrimoACapo();

    SalvataggioMateriale::Richiesta richiesta;
    richiesta.percorsoDatabase = ZelmarCommonModule::GetPercorsoDatabaseSperimentale();
    richiesta.tabella = tipo_ ? QString::fromUtf8(tipo_->tabellaPersonale) : QString();
    richiesta.modifica = ValoreModo() != 0;
    richiesta.nome = text15_->text();
    richiesta.nomeSelezionato = mostrato_.nomeSelezionato;
    richiesta.mostrato = mostrato_.record;
    richiesta.scritture = SalvataggioMateriale::ScrittureCategoria(
        tipo_ ? tipo_->codice : 0, [this](const QString& colonna) { return TestoColonna(colonna); }, M);

    const SalvataggioMateriale::Esito esito = SalvataggioMateriale::Salva(richiesta, this);
    MessaggioCampo = esito.contesto;
    if (esito.tipo != SalvataggioMateriale::Esito::Ok) {
        MostraEsito(esito);
        if (esito.tipo == SalvataggioMateriale::Esito::ModificatoDaAltri)
            AdottaCambiamenti(esito.cambiate);
        return;
    }
    if (tipo_ && text9_->text() != M(66)) {
        ImmagineMateriale::CopiaImmagineScelta(QString::fromUtf8(tipo_->cartella), text9_->text());
        ImmagineMateriale::CondividiImmagine(richiesta.percorsoDatabase, QString::fromUtf8(tipo_->cartella),
                                             text9_->text());
    }
    const Ricarica ricarica = ricarica_;
    accept();
    if (ricarica)
        ricarica(richiesta, esito);
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

QString Form3::TestoColonna(const QString& colonna) const
{
    QWidget* casella = caselle_.value(colonna).valore;
    if (auto* calendario = qobject_cast<QCalendarWidget*>(casella))
        return SalvataggioMateriale::TestoDataProva(calendario->selectedDate());
    if (auto* elenco = qobject_cast<QComboBox*>(casella))
        return elenco->currentText();
    auto* testo = qobject_cast<QLineEdit*>(casella);
    return testo ? testo->text() : QString();
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
    if (esito.tipo == Esito::ModificatoDaAltri) {
        MessageBox::show(this, AvvisoModificaAltrui::Testo(esito.cambiate), MessageBox::Exclamation);
        return;
    }
    const int messaggio = esito.tipo == Esito::NomeVuoto ? 56 : esito.tipo == Esito::NomeDuplicato ? 57 : 58;
    MessageBox::show(this, M(messaggio), MessageBox::Critical);
    text15_->setFocus(Qt::OtherFocusReason);
}

void Form3::AdottaCambiamenti(const std::vector<SalvataggioMateriale::Cambiamento>& cambiate)
{
    if (!mostrato_.record)
        return;
    for (const SalvataggioMateriale::Cambiamento& c : cambiate)
        mostrato_.record->Imposta(c.colonna, c.memorizzato);
    segnoParola_->ImpostaMemorizzata(mostrato_.record->Valore(Campo::ParolaChiave).toString());
}

// While a value is written its caption is red; the rating captions change their
// background, the other captions their text.
void Form3::ImpostaColoreDidascalia(const QString& colonna, const QColor& colore)
{
    QWidget* w = caselle_.value(colonna).didascalia;
    if (!w)
        return;
    if (qobject_cast<QLabel*>(w)) {
        ImpostaColore(w, QPalette::WindowText, colore);
        return;
    }
    const auto valutazione = std::find(text1_.begin() + kBande, text1_.end(), w);
    ImpostaColore(w, valutazione != text1_.end() ? QPalette::Base : QPalette::Text, colore);
}

void Form3::InizioScrittura(const QString& colonna)
{
    ImpostaColoreDidascalia(colonna, kRosso);
}

void Form3::FineScrittura(const QString& colonna)
{
    ImpostaColoreDidascalia(colonna, kBluScuro);
}
