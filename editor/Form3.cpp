#include "Form3.h"

#include "AvvisoModificaAltrui.h"
#include "CasellaNumerica.h"
#include "ImmagineMateriale.h"
#include "SegnoParolaChiave.h"
#include "ValutazioniEditor.h"

#include "app/FileDialog.h"
#include "app/MessageBox.h"
#include "app/ZelmarCommonModule.h"
#include "exchange/AppuntiBande.h"
#include "model/Categorie.h"
#include "model/FormatoNumero.h"
#include "ui/Colori.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>

#include <algorithm>
#include <cmath>

using RecordSchema::Campo;
using ZelmarCommonModule::M;

namespace {

const QColor kRosso(255, 0, 0); // 255
constexpr int kBande = RecordSchema::NumeroBande;

QString TestoDidascalia(const Didascalia& d)
{
    return d.Testo(M);
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

void ImpostaTesto(QWidget* w, const QString& testo)
{
    if (auto* etichetta = qobject_cast<QLabel*>(w))
        etichetta->setText(testo);
    else if (auto* casella = qobject_cast<QLineEdit*>(w))
        casella->setText(testo);
    else if (auto* pulsante = qobject_cast<QPushButton*>(w))
        pulsante->setText(testo);
}

void Fuoco(QWidget* casella)
{
    casella->setFocus(Qt::OtherFocusReason);
}

} // namespace

Form3::Form3(QWidget* parent) : QDialog(parent), c_(ControlliForm3::Crea(this))
{
    CollegaComandi();
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

void Form3::SetMaterialeMostrato(const TabellaCorrente& tabella, const MaterialeMostrato& mostrato)
{
    tabella_ = tabella;
    mostrato_ = mostrato;
}

void Form3::SetRicarica(Ricarica ricarica)
{
    ricarica_ = std::move(ricarica);
}

// ---------------------------------------------------------------------------------------
// The window

// The buttons, the paste shortcut, and Up and Down round the band boxes (from the last
// band back to the first) and on through the ratings.
void Form3::CollegaComandi()
{
    connect(c_.Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(c_.Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(c_.Command3, &QPushButton::clicked, this, &Form3::Command3_Click);
    connect(c_.IncollaBande, &QPushButton::clicked, this, &Form3::IncollaBande);
    // The window, not the focused box, takes the paste shortcut.
    auto* scorciatoia = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), this);
    connect(scorciatoia, &QShortcut::activated, this, &Form3::IncollaBande);
    for (int i = 0; i < kBande; ++i) {
        CasellaNumerica* sopra = c_.bande[(i + kBande - 1) % kBande];
        CasellaNumerica* sotto = c_.bande[(i + 1) % kBande];
        connect(c_.bande[i], &CasellaNumerica::frecciaSu, this, [sopra] { Fuoco(sopra); });
        connect(c_.bande[i], &CasellaNumerica::frecciaGiu, this, [sotto] { Fuoco(sotto); });
    }
    const int ultima = ControlliForm3::NumeroValutazioni - 1; // nothing follows the last rating
    for (int v = 0; v <= ultima; ++v) {
        QWidget* sopra = v == 0 ? static_cast<QWidget*>(c_.bande.back()) : c_.valutazioni[v - 1];
        QWidget* sotto = c_.valutazioni[std::min(v + 1, ultima)];
        connect(c_.valutazioni[v], &CasellaNumerica::frecciaSu, this, [sopra] { Fuoco(sopra); });
        connect(c_.valutazioni[v], &CasellaNumerica::frecciaGiu, this, [sotto] { Fuoco(sotto); });
    }
}

// The captions the window takes from the catalogue when it loads, in this order.
void Form3::ResetLabels()
{
    const std::pair<QWidget*, Didascalia> didascalie[] = {
        {c_.Label4, {38, ""}},
        {c_.didascaliaNome, {48, ""}},
        {c_.didascaliaParolaChiave, {4, ""}},
        {c_.didascaliaDescrizione, {6, ""}},
        {c_.didascaliaNote, {39, ""}},
        {c_.didascaliaImmagine, {5, ""}},
        {c_.didascaliaCantiere, {40, ""}},
        {c_.Label5, {42, ""}},
        {c_.didascaliaCertificato, {43, ""}},
        {c_.didascaliaEnte, {44, ""}},
        {c_.didascaliaSocieta, {45, ""}},
        {c_.didascaliaData, {46, ""}},
        {c_.Label3, {49, ""}},
        {c_.didascaliaFrequenze, {9, ""}},
        {c_.Label2, {10, ""}},
        {c_.nomiValutazioni[0], {20, " [dB]"}},
        {c_.nomiValutazioni[1], {50, " [dB]"}},
        {c_.nomiValutazioni[2], {51, " [dB]"}},
        {c_.Label6, {52, ""}},
        {c_.didascalieStruttura[RecordSchema::Posizione(Campo::Spessore)], {41, ""}},
        {c_.Command2, {53, ""}},
        {c_.Command3, {54, ""}},
    };
    for (const auto& [controllo, didascalia] : didascalie)
        ImpostaTesto(controllo, TestoDidascalia(didascalia));
}

void Form3::ResetColori()
{
    for (QLabel* didascalia : c_.DidascalieCaselle())
        ControlliForm3::ImpostaColore(didascalia, QPalette::WindowText, Colori::BluScuro);
    for (QLineEdit* frequenza : c_.frequenze)
        ControlliForm3::ImpostaColore(frequenza, QPalette::Text, Colori::BluScuro);
    for (QLineEdit* valutazione : c_.nomiValutazioni)
        ControlliForm3::ImpostaColore(valutazione, QPalette::Base, Colori::BluScuro);
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
    tipo_ = Categorie::PerCodice(tabella_.categoria);
    if (tipo_ && !tipo_->tabellaPersonale)
        tipo_ = nullptr; // the editor writes the custom database only
    c_.valutazioniCalcolate->ImpostaTipo(tipo_);
    CostruisciCaselle();
    if (modifica)
        CopiaBande();
    if (tipo_)
        ImpostaCategoria(*tipo_);
    if (!modifica) {
        c_.MonthView1->setSelectedDate(QDate::currentDate());
        // A new entry's internal loss factor starts at a typical value.
        if (caselle_.contains(RecordSchema::Nome(Campo::Eta)))
            c_.struttura[RecordSchema::Posizione(Campo::Eta)]->setText(FormatoNumero::Testo(0.01));
        return;
    }
    CopiaMaterialeMostrato();
}

// Which box shows which column of the kind, and the caption that marks it when the save
// fails writing it; the site has none.
void Form3::CostruisciCaselle()
{
    caselle_.clear();
    const auto aggiungi = [this](Campo campo, QWidget* valore, QWidget* didascalia) {
        caselle_.insert(RecordSchema::Nome(campo), {valore, didascalia});
    };
    aggiungi(Campo::Nome, c_.Text15, c_.didascaliaNome);
    aggiungi(Campo::ParolaChiave, c_.Combo1, c_.didascaliaParolaChiave);
    aggiungi(Campo::Descrizione, c_.Text3, c_.didascaliaDescrizione);
    aggiungi(Campo::Certificato, c_.Text4, c_.didascaliaCertificato);
    aggiungi(Campo::DataProva, c_.MonthView1, c_.didascaliaData);
    aggiungi(Campo::EnteProva, c_.Text6, c_.didascaliaEnte);
    aggiungi(Campo::SocietaRichiedente, c_.Text7, c_.didascaliaSocieta);
    aggiungi(Campo::InformazioneAddizionale, c_.Text8, c_.didascaliaNote);
    aggiungi(Campo::Immagine, c_.Text9, c_.didascaliaImmagine);
    if (!tipo_)
        return;
    if (tipo_->cantiere)
        aggiungi(Campo::Cantiere, c_.Text16, nullptr);
    for (Campo campo : tipo_->fisiche) {
        const int posizione = RecordSchema::Posizione(campo);
        aggiungi(campo, c_.struttura[posizione], c_.didascalieStruttura[posizione]);
    }
    for (size_t v = 0; v < tipo_->valutazioni.size(); ++v)
        caselle_.insert(RecordSchema::Nome(tipo_->valutazioni[v].campo),
                        {c_.valutazioni[v], c_.nomiValutazioni[v], QPalette::Base});
    for (int i = 0; i < kBande; ++i)
        caselle_.insert(RecordSchema::NomeColonnaBanda(tipo_->grandezza, i),
                        {c_.bande[i], c_.frequenze[i], QPalette::Text});
}

void Form3::CaricaParoleChiave()
{
    // Line 0 of the main window's list means "every keyword" and is not offered here.
    const QStringList parole = mostrato_.paroleChiave.mid(1);
    c_.Combo1->clear();
    c_.Combo1->addItems(parole);
    c_.Combo1->setEditText(parole.value(0));
}

// Captions of the ratings, the band column and the structure row; the site and the
// structure boxes the kind has, shown, the others hidden.
void Form3::ImpostaCategoria(const TipoMateriale& tipo)
{
    const auto imposta = [](QWidget* w, const Didascalia& d) {
        if (!d.Invariata())
            ImpostaTesto(w, TestoDidascalia(d));
    };
    for (size_t v = 0; v < tipo.valutazioni.size(); ++v)
        imposta(c_.nomiValutazioni[v], tipo.valutazioni[v].editor);
    imposta(c_.Label2, tipo.bandeEditor);
    imposta(c_.didascalieStruttura[3], tipo.strutturaEditor[0]);
    imposta(c_.didascalieStruttura[4], tipo.strutturaEditor[1]);
    c_.didascaliaCantiere->setVisible(tipo.cantiere);
    c_.Text16->setVisible(tipo.cantiere);
    for (int k = 0; k < ControlliForm3::NumeroStruttura; ++k) {
        const bool mostrata = std::any_of(tipo.fisiche.begin(), tipo.fisiche.end(),
                                          [k](Campo c) { return RecordSchema::Posizione(c) == k; });
        c_.struttura[k]->setVisible(mostrata);
        c_.didascalieStruttura[k]->setVisible(mostrata);
    }
}

// The band values as the main window shows them, whatever the kind: a band without a
// value shows 0.
void Form3::CopiaBande()
{
    c_.MonthView1->setSelectedDate(QDate(c_.MonthView1->yearShown(), c_.MonthView1->monthShown(), 1));
    const TipoMateriale* mostrato = Categorie::PerCodice(tabella_.categoria);
    for (int i = 0; i < kBande; ++i) {
        QString testo;
        if (mostrato_.record && mostrato) {
            const QVariant valore = mostrato_.record->Banda(mostrato->grandezza, i);
            testo = FormatoNumero::TestoSingolo(valore.isNull() ? 0.0f : valore.toFloat());
        }
        c_.bande[i]->setText(testo);
    }
}

// Every box of the kind from the entry shown, as the main window and the information
// window show it; the ratings from those the main window keeps.
void Form3::CopiaMaterialeMostrato()
{
    c_.Text15->setText(mostrato_.nomeSelezionato);
    if (mostrato_.record)
        c_.segnoParola->ImpostaMemorizzata(mostrato_.record->Valore(Campo::ParolaChiave).toString());
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
        c_.MonthView1->setSelectedDate(data);
    for (size_t v = 0; v < tipo_->valutazioni.size(); ++v) {
        const auto conservato = Categorie::Conservato(*tipo_, tipo_->valutazioni[v]);
        const double valore = conservato ? mostrato_.conservati[int(*conservato)] : 0;
        // The main rating is shown to one decimal.
        c_.valutazioni[v]->setText(FormatoNumero::Testo(v == 0 ? std::round(valore * 10.0) / 10.0 : valore));
    }
}

void Form3::CompilaDa(const RecordMateriale& record, const TipoMateriale& origine)
{
    c_.Text15->setText(record.Valore(Campo::Nome).toString());
    c_.Combo1->setEditText(record.Valore(Campo::ParolaChiave).toString());
    if (record.DataProva().isValid())
        c_.MonthView1->setSelectedDate(record.DataProva());
    if (!tipo_)
        return;
    for (Campo campo : Categorie::Campi(*tipo_)) {
        auto* casella = qobject_cast<QLineEdit*>(caselle_.value(RecordSchema::Nome(campo)).valore);
        if (casella && !RecordSchema::IsValutazione(campo) && campo != Campo::Nome)
            casella->setText(FormatoNumero::TestoCampo(record.Valore(campo))
                                 .replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
    }
    for (size_t v = 0; v < tipo_->valutazioni.size(); ++v)
        c_.valutazioni[v]->setText(v < origine.valutazioni.size() ? FormatoNumero::TestoCampo(record.Valore(
                                                                        origine.valutazioni[v].campo))
                                                                  : QString());
    for (int i = 0; i < kBande; ++i)
        c_.bande[i]->setText(FormatoNumero::TestoCampo(record.Banda(origine.grandezza, i)));
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
        c_.Text9->setText(M(66));
        return;
    }
    ImmagineMateriale::PercorsoImmagineScelta = scelto.trimmed();
    c_.Text9->setText(ImmagineMateriale::NomeFile(ImmagineMateriale::PercorsoImmagineScelta));
}

void Form3::IncollaBande()
{
    const AppuntiBande::Lettura lettura = AppuntiBande::Leggi(QApplication::clipboard()->text());
    if (!lettura.Accettata()) {
        MessageBox::show(this, lettura.errore, MessageBox::Exclamation);
        return;
    }
    for (int i = 0; i < lettura.valori.size(); ++i)
        c_.bande[lettura.primaBanda + i]->setText(FormatoNumero::Testo(lettura.valori[i]));
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

    const SalvataggioMateriale::Richiesta richiesta = Richiesta();
    const SalvataggioMateriale::Esito esito = SalvataggioMateriale::Salva(richiesta);
    MessaggioCampo = esito.contesto;
    if (esito.tipo != SalvataggioMateriale::Esito::Ok) {
        // The caption of the value the file refused stays red.
        if (const CasellaColonna casella = caselle_.value(esito.colonna); casella.didascalia)
            ControlliForm3::ImpostaColore(casella.didascalia, casella.ruolo, kRosso);
        MostraEsito(esito);
        if (esito.tipo == SalvataggioMateriale::Esito::ModificatoDaAltri)
            AdottaCambiamenti(esito.cambiate);
        return;
    }
    if (tipo_ && c_.Text9->text() != M(66)) {
        ImmagineMateriale::CopiaImmagineScelta(QString::fromUtf8(tipo_->cartella), c_.Text9->text());
        ImmagineMateriale::CondividiImmagine(richiesta.percorsoDatabase, QString::fromUtf8(tipo_->cartella),
                                             c_.Text9->text());
    }
    const Ricarica ricarica = ricarica_;
    accept();
    if (ricarica)
        ricarica(richiesta, esito);
}

// What the save writes: the kind's columns, in the custom database.
SalvataggioMateriale::Richiesta Form3::Richiesta() const
{
    SalvataggioMateriale::Richiesta richiesta;
    richiesta.percorsoDatabase = ZelmarCommonModule::GetPercorsoDatabaseSperimentale();
    richiesta.tabella = tipo_ ? QString::fromUtf8(tipo_->tabellaPersonale) : QString();
    richiesta.modifica = ValoreModo() != 0;
    richiesta.nome = c_.Text15->text();
    richiesta.nomeSelezionato = mostrato_.nomeSelezionato;
    richiesta.mostrato = mostrato_.record;
    richiesta.scritture = SalvataggioMateriale::ScrittureCategoria(
        tipo_ ? tipo_->codice : 0, [this](const QString& colonna) { return TestoColonna(colonna); }, M);
    return richiesta;
}

void Form3::TagliaAlPrimoACapo()
{
    const int volume = RecordSchema::Posizione(Campo::VRicevente);
    for (QLineEdit* casella :
         {c_.Text15, static_cast<QLineEdit*>(c_.struttura[volume]), c_.Text8, c_.Text16, c_.Text3}) {
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
    c_.Text15->setFocus(Qt::OtherFocusReason);
}

void Form3::AdottaCambiamenti(const std::vector<SalvataggioMateriale::Cambiamento>& cambiate)
{
    if (!mostrato_.record)
        return;
    for (const SalvataggioMateriale::Cambiamento& c : cambiate)
        mostrato_.record->Imposta(c.colonna, c.memorizzato);
    c_.segnoParola->ImpostaMemorizzata(mostrato_.record->Valore(Campo::ParolaChiave).toString());
}
