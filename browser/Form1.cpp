#include "Form1.h"

#include "AlberoCategorie.h"
#include "AvvioForm1.h"
#include "ComandiRicerca.h"
#include "ComandiVoce.h"
#include "ElencoNomi.h"
#include "ImportazioneInCorso.h"
#include "RiquadroImmagine.h"
#include "SceltaTabella.h"
#include "ValutazioniForm1.h"
#include "app/MessageBox.h"
#include "browser/parti/LayoutForm1.h"
#include "config/ZelmarCommonModule.h"
#include "design/ComandiProgetto.h"
#include "editor/Form3.h"
#include "model/CancellazioneMateriale.h"
#include "model/DettaglioMateriale.h"
#include "model/Module1.h"
#include "storage/DbException.h"
#include "storage/NomiSenzaMaiuscole.h"
#include "storage/jet/ImportazioneJet.h"
#include "storage/pg/ServerCondiviso.h"
#include "ui/ModuleToolbarColor.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QStatusBar>
#include <QTreeWidget>

using namespace ZelmarCommonModule;

namespace {

// The table a tree node chooses; what the node leaves unsaid stays as in prima.
TabellaCorrente Applica(const SceltaTabella::Esito& esito, TabellaCorrente prima)
{
    prima.nomeDatabase = esito.nomeDatabase;
    prima.cartellaCategoria = esito.cartellaCategoria.value_or(prima.cartellaCategoria);
    prima.nomeTabella = esito.nomeTabella.value_or(prima.nomeTabella);
    prima.categoria = esito.codice.value_or(prima.categoria);
    return prima;
}

} // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ZELMARtek - Gestione database sperimentale"));
    // The controls are placed for a small dialog font; a larger one would clip captions.
    QFont carattere = font();
    carattere.setPointSizeF(8.25);
    setFont(carattere);
    c_ = ControlliForm1::Crea(this);
    CreaLinee(c_.client);
    resize(qRound(LarghezzaClienteProgetto / 15.0), qRound(AltezzaClienteProgetto / 15.0));
    CollegaEventi();
    // The menu bar and the status bar of the ratings lie outside the designed client area.
    valutazioni_ = new ValutazioniForm1(*this);
    comandiVoce_ = new ComandiVoce(*this);
    comandiRicerca_ = new ComandiRicerca(*this, *comandiVoce_);
    connect(valutazioni_, &ValutazioniForm1::mostraVoce, comandiVoce_, &ComandiVoce::MostraVoce);
    vista_ = std::make_unique<VisualizzazioneForm1>(c_, *valutazioni_);
    // The design window takes the shown entry and opens the search.
    new ComandiProgetto(
        this, c_.Toolbar1, c_.MenuElementi,
        {[this]() -> std::optional<CollegamentiProgetto::VoceMostrata> {
             if (!RecordMostrato())
                 return std::nullopt;
             return {{PercorsoCorrente(), corrente_.nomeTabella, corrente_.categoria, *RecordMostrato()}};
         },
         [this](const QString& perche, CollegamentiProgetto::Scelta scelta) {
             comandiRicerca_->ScegliVoce(perche, std::move(scelta));
         }});
    resize(width(), height() + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
}

Form1::~Form1()
{
    delete form2_.data();
    delete form4_.data();
}

void Form1::CollegaEventi()
{
    connect(c_.TreeView1, &AlberoNodi::nodoScelto, this,
            [this](QTreeWidgetItem* nodo) { TreeView1_NodeClick(nodo); });
    connect(c_.Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(c_.List1, &ElencoNomi::currentRowChanged, this, [this] { List1_Click(); });
    connect(c_.List1, &ElencoNomi::rigaDoppioClick, this, [this] { List1_DblClick(); });
    connect(c_.Inserisci, &QAction::triggered, this, [this] { Toolbar1_ButtonClick(1); });
    connect(c_.Modifica, &QAction::triggered, this, [this] { Toolbar1_ButtonClick(2); });
    connect(c_.Elimina, &QAction::triggered, this, [this] { Toolbar1_ButtonClick(3); });
    connect(c_.Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(c_.Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(c_.CommandInfoAgg, &QPushButton::clicked, this, [this] { CommandInfoAgg_Click(); });
    connect(c_.ImportaJet, &QAction::triggered, this, [this] { ImportaJet_Click(); });
    connect(c_.Image1, &RiquadroImmagine::doppioClick, this, [this] { Image1_DblClick(); });
}

// ---------------------------------------------------------------- start-up and shutdown

void Form1::Carica()
{
    if (!AvvioForm1::CaricaCatalogo(this))
        return;
    inerte_ = false;
    AvvioForm1::CollegaDatabaseCondiviso(this);
    ResetLabelsForm1();
    DipingiToolbar();
    Module1::RiempiEtichetteBande();
    CostruisciAlbero();
}

void Form1::CostruisciAlbero()
{
    AlberoCategorie::Costruisci(c_.TreeView1, GetPercorsoDatabases() + QStringLiteral("/Database"),
                                [this](QTreeWidgetItem* primo) {
                                    c_.TreeView1->setCurrentItem(primo);
                                    TreeView1_NodeClick(primo);
                                });
    if (QTreeWidgetItem* personale =
            AlberoCategorie::RadicePerChiave(c_.TreeView1, QStringLiteral("personalizzato")))
        personale->setExpanded(true);
}

void Form1::DipingiToolbar()
{
    const QPixmap tassello = ModuleToolbarColor::CreaSfondoToolbar();
    c_.PictureToolbar->setPixmap(tassello);
    ModuleToolbarColor::ImpostaSfondoToolbar(c_.Toolbar1, tassello, 1);
}

void Form1::closeEvent(QCloseEvent* evento)
{
    // Closing the main window ends the program: every other window goes with it.
    for (QWidget* finestra : QApplication::topLevelWidgets())
        if (finestra != this && finestra->isVisible())
            finestra->close();
    if (form2_)
        form2_->hide();
    if (form4_)
        form4_->hide();
    evento->accept();
    QCoreApplication::quit();
}

void Form1::resizeEvent(QResizeEvent* evento)
{
    QMainWindow::resizeEvent(evento);
    const QSize cliente = c_.client->size();
    ApplicaLayout(c_.client, cliente.width() * 15 + BordoOrizzontale, cliente.height() * 15 + BordoVerticale);
}

// ---------------------------------------------------------------- captions and blanking

void Form1::ResetLabelsForm1()
{
    c_.Inserisci->setToolTip(M(1));
    c_.Modifica->setToolTip(M(2));
    c_.Elimina->setToolTip(M(3));
    c_.Label1->setText(M(4));
    c_.Label5->setText(M(5));
    c_.Label2->setText(M(6));
    c_.CommandInfoAgg->setText(M(7));
    c_.Frame1->setTitle(M(8));
    for (const ControlliForm1::RigaBande& riga : c_.righeBande) {
        riga.frequenza->setText(M(9));
        riga.grandezza->setText(M(10));
    }
    c_.titoloFrequenze->setText(M(9));
}

void Form1::ResetValoriForm1()
{
    vista_->ResetValoriForm1();
}

void Form1::ResetValoriForm2()
{
    InformazioniAggiuntive()->ResetValoriForm2();
    vista_->DimenticaRecord();
}

void Form1::ImpostaIntestazioneBande(const TipoMateriale& tipo)
{
    for (const ControlliForm1::RigaBande& riga : c_.righeBande)
        riga.grandezza->setText(tipo.intestazioneBande.Testo(M));
}

// ---------------------------------------------------------------- category tree

void Form1::AbilitaComandi(bool inserisciModifica, bool cancella)
{
    c_.Inserisci->setEnabled(inserisciModifica);
    c_.Modifica->setEnabled(inserisciModifica);
    c_.Command1->setEnabled(inserisciModifica);
    c_.Elimina->setEnabled(cancella);
    c_.Cancella->setEnabled(cancella);
}

void Form1::TreeView1_NodeClick(QTreeWidgetItem* nodo)
{
    if (!nodo)
        return;
    QTreeWidgetItem* radice = nodo->parent();
    QTreeWidgetItem* database = nodo;
    if (nodo->childCount() > 0) {
        radice = nodo;
        database = nodo->child(0);
    }
    if (!radice)
        return; // a category root without database files: the current table stays

    AbilitaComandi(false, false);
    const SceltaTabella::Esito esito = SceltaTabella::Scegli(radice->text(0), database->text(0));
    c_.Label7->setText(esito.didascalia);
    corrente_ = Applica(esito, corrente_);
    Module1::Rispecchia(corrente_);
    AbilitaComandi(esito.inserisciModifica, esito.cancella);
    CaricaListaMateriali();
}

bool Form1::ScegliTabella(const std::function<bool(const TabellaCorrente&)>& accetta)
{
    for (int r = 0; r < c_.TreeView1->topLevelItemCount(); ++r) {
        QTreeWidgetItem* radice = c_.TreeView1->topLevelItem(r);
        for (int f = 0; f < radice->childCount(); ++f) {
            QTreeWidgetItem* nodo = radice->child(f);
            // A node that names no table in full is none the caller looks for.
            if (!accetta(Applica(SceltaTabella::Scegli(radice->text(0), nodo->text(0)), {})))
                continue;
            c_.TreeView1->setCurrentItem(nodo);
            TreeView1_NodeClick(nodo);
            return true;
        }
    }
    return false;
}

// ---------------------------------------------------------------- material list

QString Form1::PercorsoCorrente() const
{
    return corrente_.percorso(GetCartellaDati());
}

void Form1::RiempiElenco(ElencoTesti nomi)
{
    const QSignalBlocker blocco(c_.List1);
    c_.List1->Imposta(std::move(nomi));
}

void Form1::SelezionaPrimaRiga()
{
    if (c_.List1->count() > 0)
        c_.List1->setCurrentRow(0);
}

void Form1::CaricaListaMateriali()
{
    RiempiLista(nullptr);
}

void Form1::AggiornaListaMateriali(const ElencoTenuto::Modifica& modifica)
{
    RiempiLista(&modifica);
}

void Form1::RiempiLista(const ElencoTenuto::Modifica* modifica)
{
    const TipoMateriale* tipo = corrente_.tipo();
    const bool teorico = tipo && tipo->tabellaTeorica;
    if (modifica && tipo && !teorico) {
        QSignalBlocker blocco(c_.List1);
        const bool applicata = c_.List1->CambiaNomi([&](ElencoTesti& nomi) {
            return tenuto_.Applica(nomi, PercorsoCorrente(), corrente_.nomeTabella, *modifica);
        });
        blocco.unblock();
        if (applicata) {
            ListaMateriali::Contenuto contenuto;
            contenuto.vuota = c_.List1->count() == 0;
            contenuto.paroleChiave = tenuto_.ParoleChiave();
            c_.Combo1->clear();
            MostraElenco(*tipo, contenuto, false);
            return;
        }
    }
    tenuto_.Dimentica();
    RiempiElenco({});
    c_.Combo1->clear();
    if (!tipo)
        return;

    ListaMateriali::Richiesta richiesta;
    richiesta.paroleChiave = !teorico;
    richiesta.primaDescrizione = teorico;
    auto letto = LeggiElenco(richiesta);
    if (!letto)
        return;
    if (!teorico)
        tenuto_.Imposta(PercorsoCorrente(), corrente_.nomeTabella, *letto);
    MostraElenco(*tipo, *letto, true);
}

// What a fill shows of what it read (the names, when nomiLetti; else they are in the list).
void Form1::MostraElenco(const TipoMateriale& tipo, ListaMateriali::Contenuto& contenuto, bool nomiLetti)
{
    const bool teorico = tipo.tabellaTeorica;
    const bool sperimentale = !teorico;
    const bool vuota = contenuto.vuota;
    // An empty table shows nothing of the entry shown before, only its kind's captions.
    if (vuota)
        SvuotaVisualizzazione();
    c_.Text2->clear();
    if (sperimentale) {
        c_.Combo1->addItem(M(88));
        c_.Combo1->setCurrentIndex(0);
    }
    if (sperimentale || !vuota) {
        c_.Label3->setText(M(tipo.rigaDopoRiempimento) + QStringLiteral(" = "));
        ImpostaIntestazioneBande(tipo);
    }
    if (vuota) {
        // The chart of an empty custom or experimental table is the one of no selection.
        if (teorico)
            vista_->CancellaGrafico();
        else
            DisegnaGrafico();
        return;
    }
    if (teorico) {
        c_.Text2->setPlainText(contenuto.primaDescrizione);
        c_.Combo1->addItem(M(88));
        c_.Combo1->setCurrentIndex(0);
    }
    if (nomiLetti)
        RiempiElenco(std::move(contenuto.nomi));
    QStringList parole = contenuto.paroleChiave;
    parole.removeOne(M(88));
    c_.Combo1->addItems(parole);
    SelezionaPrimaRiga();
}

std::optional<ListaMateriali::Contenuto> Form1::LeggiElenco(const ListaMateriali::Richiesta& richiesta)
{
    try {
        return ListaMateriali::Leggi(PercorsoCorrente(), corrente_.nomeTabella, richiesta);
    } catch (const DbException& errore) {
        SegnalaErrore(QStringLiteral("leggere l'elenco dei materiali"), errore);
        SvuotaDopoErrore();
        return std::nullopt;
    }
}

void Form1::ScartaForm2()
{
    if (form2_) {
        form2_->hide();
        delete form2_.data();
    }
    vista_->DimenticaRecord();
}

void Form1::Combo1_Click()
{
    tenuto_.Dimentica();
    RiempiElenco({});
    c_.Command2->setEnabled(false);
    ScartaForm2();

    if (const TipoMateriale* tipo = corrente_.tipo()) {
        const bool teorico = tipo->tabellaTeorica;
        const bool sperimentale = !teorico;
        const QString parola = c_.Combo1->currentText();
        ListaMateriali::Richiesta richiesta;
        richiesta.primaDescrizione = teorico;
        if (sperimentale && parola != M(12))
            richiesta.soloParola = parola;
        auto letto = LeggiElenco(richiesta);
        if (!letto)
            return;
        ListaMateriali::Contenuto& contenuto = *letto;
        const QString rigaDopoScelta = M(tipo->rigaDopoScelta) + QStringLiteral("= ");
        if (sperimentale) {
            if (tipo->rigaDopoScelta)
                c_.Label3->setText(rigaDopoScelta);
            c_.Text2->clear();
        } else {
            c_.Text2->setPlainText(
                QString(contenuto.primaDescrizione).replace(QLatin1String("\r\n"), QLatin1String(" ")));
            if (tipo->sceltaImpostaIntestazione) {
                c_.Label3->setText(rigaDopoScelta);
                ImpostaIntestazioneBande(*tipo);
            }
        }
        RiempiElenco(std::move(contenuto.nomi));
        SelezionaPrimaRiga();
    }
    DisegnaGrafico();
}

// ---------------------------------------------------------------- detail display

Form2* Form1::InformazioniAggiuntive()
{
    if (!form2_)
        form2_ = new Form2(this);
    return form2_;
}

void Form1::List1_Click()
{
    if (c_.List1->currentRow() < 0)
        return;
    const QString nome = c_.List1->testoCorrente();
    c_.Command2->setEnabled(true);
    Form2* info = InformazioniAggiuntive();
    const QDate mostrata = info->MonthView1()->selectedDate();
    info->MonthView1()->setSelectedDate(QDate(mostrata.year(), mostrata.month(), 1));
    ResetValoriForm2();

    std::optional<RecordMateriale> record;
    try {
        record =
            DettaglioMateriale::Leggi(PercorsoCorrente(), corrente_.nomeTabella, corrente_.categoria, nome);
    } catch (const DbException& errore) {
        SegnalaErrore(QStringLiteral("leggere il materiale «%1»").arg(nome), errore);
        SvuotaDopoErrore();
        return;
    }
    if (record)
        vista_->Mostra(std::move(*record), *corrente_.tipo(), PercorsoCorrente(), *info);
    else
        vista_->MostraAssente(); // the entry went away since the list was read
    DisegnaGrafico();
}

void Form1::DisegnaGrafico()
{
    vista_->DisegnaGrafico(c_.List1->currentRow() >= 0, corrente_.tipo());
}

// ---------------------------------------------------------------- failures

void Form1::SegnalaErrore(const QString& azione, const DbException& errore)
{
    MessageBox::show(this,
                     QStringLiteral("Impossibile %1 dal database %2 (tabella «%3»).\n%4")
                         .arg(azione, ServerCondiviso::NomePerMessaggi(PercorsoCorrente()),
                              corrente_.nomeTabella, errore.Descrizione()),
                     MessageBox::Exclamation);
}

void Form1::SvuotaVisualizzazione()
{
    // An information window not made yet holds nothing of any entry: it shows its design
    // texts when it is first opened.
    if (form2_)
        ResetValoriForm2();
    vista_->Svuota();
}

void Form1::SvuotaDopoErrore()
{
    tenuto_.Dimentica();
    RiempiElenco({});
    c_.Combo1->clear();
    c_.Command2->setEnabled(false);
    SvuotaVisualizzazione();
    vista_->CancellaGrafico();
}

// ---------------------------------------------------------------- commands

void Form1::Toolbar1_ButtonClick(int indice)
{
    switch (indice) {
    case 1:
        ApriEditor(QStringLiteral("0"));
        break;
    case 2:
        ApriEditor(QStringLiteral("1"));
        break;
    case 3:
        Cancella_Materiale();
        break;
    default:
        break;
    }
}

void Form1::List1_DblClick()
{
    if (c_.Modifica->isEnabled())
        Toolbar1_ButtonClick(2);
}

MaterialeMostrato Form1::Mostrato() const
{
    MaterialeMostrato m;
    for (int i = 0; i < c_.Combo1->count(); ++i)
        m.paroleChiave << c_.Combo1->itemText(i);
    if (c_.List1->currentRow() < 0)
        return m; // no entry shown: nothing of one goes to the editor
    m.nomeSelezionato = c_.List1->testoCorrente();
    m.record = vista_->Record();
    m.conservati = vista_->Conservati();
    if (form2_)
        m.dataCalendario = form2_->MonthView1()->selectedDate();
    return m;
}

void Form1::ApriEditor(const QString& modo, const std::function<void(Form3&)>& prepara)
{
    // A fresh editor for every opening, gone again when it closes.
    Form3 editor(this);
    editor.SetModo(modo);
    editor.SetMaterialeMostrato(corrente_, Mostrato());
    editor.SetRicarica(
        [this](const SalvataggioMateriale::Richiesta& richiesta, const SalvataggioMateriale::Esito& esito) {
            RicaricaDopoSalvataggio(richiesta, esito);
        });
    editor.InitMateriale();
    if (prepara)
        prepara(editor);
    editor.exec();
}

void Form1::Cancella_Materiale()
{
    const QString nome = c_.List1->testoCorrente();
    const QString domanda = QStringLiteral("Eliminare il materiale ") + QLatin1Char('"') + nome +
                            QLatin1Char('"') + QStringLiteral("?");
    if (MessageBox::show(this, domanda, MessageBox::Exclamation, MessageBox::YesNo, MessageBox::Yes) !=
        MessageBox::Yes)
        return;
    ElencoTenuto::Modifica cancellazione;
    cancellazione.nome = nome;
    bool fatta = false;
    if (corrente_.tipo()) {
        try {
            cancellazione.cancellata = CancellazioneMateriale::Cancella(
                PercorsoCorrente(), corrente_.nomeTabella, nome, &cancellazione.versioni);
            fatta = true;
        } catch (const DbException& errore) {
            // The list is refilled all the same: it shows what the file now holds.
            SegnalaErrore(QStringLiteral("cancellare il materiale «%1»").arg(nome), errore);
        }
    }
    if (fatta)
        AggiornaListaMateriali(cancellazione);
    else
        CaricaListaMateriali();
}

void Form1::RicaricaDopoSalvataggio(const SalvataggioMateriale::Richiesta& richiesta,
                                    const SalvataggioMateriale::Esito& esito)
{
    // A save elsewhere than in the table the list shows leaves it as a fresh fill finds it.
    if (richiesta.tabella != corrente_.nomeTabella ||
        QDir::cleanPath(richiesta.percorsoDatabase) != QDir::cleanPath(PercorsoCorrente())) {
        CaricaListaMateriali();
        return;
    }
    AggiornaListaMateriali(ElencoTenuto::Modifica::DopoSalvataggio(richiesta, esito));
}

// ---------------------------------------------------------------- secondary windows

void Form1::CommandInfoAgg_Click()
{
    InformazioniAggiuntive()->exec();
}

void Form1::ImportaJet_Click()
{
    const auto rapporto =
        ImportazioneInCorso::Esegui(this, NomiSenzaMaiuscole::Trova(GetPercorsoDatabases()));
    const bool errori = rapporto.Quanti(ImportazioneJet::EsitoFile::Errore) > 0;
    MessageBox::show(this, rapporto.Testo(), errori ? MessageBox::Exclamation : MessageBox::Information);
    if (inerte_)
        return;
    c_.TreeView1->clear();
    CostruisciAlbero();
}

void Form1::Image1_DblClick()
{
    if (!form4_)
        form4_ = new Form4(this);
    form4_->show();
    form4_->MostraImmagine(c_.Image1->Immagine());
}
