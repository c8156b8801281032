#include "FinestraProgetto.h"

#include "CasellaElemento.h"
#include "EditorSituazione.h"
#include "ElencoCandidati.h"
#include "PannelloRisultati.h"
#include "RapportoProgetto.h"
#include "app/DialogoStampa.h"
#include "app/FileDialog.h"
#include "app/MessageBox.h"
#include "config/ImpostazioniUtente.h"
#include "config/ZelmarCommonModule.h"
#include "model/DettaglioMateriale.h"
#include "prediction/ElementoDaVoce.h"
#include "prediction/FileProgetto.h"
#include "prediction/LetturaSituazione.h"
#include "prediction/Previsione.h"
#include "prediction/RicercaCandidati.h"
#include "prediction/ScritturaSituazione.h"
#include "prediction/VerificaFonti.h"
#include "storage/DbException.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPdfWriter>
#include <QPointer>
#include <QPrinter>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>

using ZelmarCommonModule::GetCartellaDati;

namespace {

const QString kScopo = QStringLiteral("progetto");
const QString kRecenti = QStringLiteral("progetto/recenti");
constexpr int kRecentiMassimi = 8;

QString Filtro()
{
    return FinestraProgetto::tr("Acoustic design projects (*.%1)")
        .arg(QLatin1String(FileProgetto::Estensione));
}

// "Rw 52 dB, m' 230 kg/m², bands": what a slot holds, for the report.
QString Valori(const CasellaElemento& c)
{
    const Elemento e = *c.Contenuto();
    QStringList parti;
    if (e.r.indice)
        parti << QStringLiteral("%1 %2 dB").arg(c.Simbolo(), CasellaElemento::Testo(e.r.indice));
    if (e.massa)
        parti << QStringLiteral("m' %1 kg/m²").arg(CasellaElemento::Testo(e.massa));
    if (e.r.bande)
        parti << FinestraProgetto::tr("band values");
    return parti.join(QStringLiteral(", "));
}

} // namespace

FinestraProgetto::FinestraProgetto(CollegamentiProgetto collegamenti, QWidget* parent)
    : QMainWindow(parent, Qt::Window), collegamenti_(std::move(collegamenti))
{
    setObjectName(QStringLiteral("FinestraProgetto"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    editor_ = new EditorSituazione(this);
    auto* scorrimento = new QScrollArea(this);
    scorrimento->setWidget(editor_);
    scorrimento->setWidgetResizable(true);
    risultati_ = new PannelloRisultati(this);
    candidati_ = new ElencoCandidati(this);
    schede_ = new QTabWidget(this);
    schede_->setObjectName(QStringLiteral("SchedeProgetto"));
    schede_->addTab(risultati_, tr("&Result"));
    schede_->addTab(candidati_, tr("Which constructions &pass here?"));
    auto* divisione = new QSplitter(this);
    divisione->addWidget(scorrimento);
    divisione->addWidget(schede_);
    divisione->setStretchFactor(0, 1);
    divisione->setStretchFactor(1, 1);
    setCentralWidget(divisione);
    CreaComandi();

    connect(editor_, &EditorSituazione::cambiata, this, &FinestraProgetto::Modificato);
    connect(editor_, &EditorSituazione::usaVoceMostrata, this, &FinestraProgetto::UsaVoceMostrata);
    connect(editor_, &EditorSituazione::cerca, this, &FinestraProgetto::CercaPer);
    connect(candidati_, &ElencoCandidati::richiesta, this, &FinestraProgetto::AvviaCandidati);
    connect(candidati_, &ElencoCandidati::scelta, this,
            [this](const TabelleCartellaDati::Tabella& t, const QString& nome) {
                if (editor_->Separazione())
                    MettiVoce(editor_->Separazione(), t, nome);
            });
    resize(1400, 860);
    divisione->setSizes({760, 640});
    Aggiorna();
    AggiornaTitolo();
}

void FinestraProgetto::CreaComandi()
{
    QMenu* menu = menuBar()->addMenu(tr("&Project"));
    QToolBar* barra = addToolBar(tr("Project"));
    barra->setObjectName(QStringLiteral("BarraProgetto"));
    const auto comando = [&](const QString& testo, const char* nome, const QKeySequence& tasti, auto azione,
                             bool inBarra) {
        QAction* a = menu->addAction(testo, this, azione);
        a->setObjectName(QLatin1String(nome));
        a->setShortcut(tasti);
        if (inBarra)
            barra->addAction(a);
        return a;
    };
    comando(
        tr("&New"), "NuovoProgetto", QKeySequence::New,
        [this] {
            if (ConfermaAbbandono())
                Nuovo();
        },
        true);
    comando(
        tr("&Open..."), "ApriProgetto", QKeySequence::Open, [this] { ChiediApertura(); }, true);
    recenti_ = menu->addMenu(tr("Recent projects"));
    recenti_->setObjectName(QStringLiteral("ProgettiRecenti"));
    connect(recenti_, &QMenu::aboutToShow, this, &FinestraProgetto::RiempiRecenti);
    comando(
        tr("&Save"), "SalvaProgetto", QKeySequence::Save, [this] { SalvaComando(); }, true);
    comando(
        tr("Save &as..."), "SalvaProgettoConNome", QKeySequence::SaveAs, [this] { SalvaConNome(); }, false);
    menu->addSeparator();
    barra->addSeparator();
    comando(
        tr("&Report as PDF..."), "RapportoPdf", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R),
        [this] { ChiediRapporto(); }, true);
    comando(
        tr("&Print the report..."), "StampaRapporto", QKeySequence::Print, [this] { Stampa(); }, true);
    menu->addSeparator();
    comando(
        tr("&Close"), "ChiudiProgetto", QKeySequence::Close, [this] { close(); }, false);
}

void FinestraProgetto::Modificato()
{
    if (!caricamento_) {
        modificato_ = true;
        AggiornaTitolo();
    }
    Aggiorna();
}

// The project as the boxes describe it, read back as its file would be, and computed: what
// zelmar-prevedi prints for the saved file.
void FinestraProgetto::Aggiorna()
{
    progetto_ = editor_->Leggi();
    const LetturaSituazione::Esito esito =
        LetturaSituazione::Leggi(ScritturaSituazione::InJson(progetto_.situazione));
    if (const auto* errore = std::get_if<LetturaSituazione::Errore>(&esito)) {
        completa_.reset();
        risultato_.reset();
        risultati_->MostraMancante(errore->chiave, errore->messaggio);
        candidati_->Disponibile(false, tr("Describe the situation completely first."));
        candidati_->SituazioneAttuale(std::nullopt);
        return;
    }
    completa_ = std::get<Situazione>(esito);
    risultato_ = Previsione::Calcola(*completa_);
    risultati_->Mostra(*completa_, *risultato_);
    candidati_->Disponibile(RicercaCandidati::Possibile(*completa_),
                            tr("A facade has no separating element to try entries in."));
    candidati_->SituazioneAttuale(completa_);
}

void FinestraProgetto::AggiornaTitolo()
{
    const QString nome = file_.isEmpty() ? tr("untitled") : QFileInfo(file_).fileName();
    setWindowTitle(tr("Acoustic design - %1[*] - ZELMARtek").arg(nome));
    setWindowModified(modificato_);
}

void FinestraProgetto::CercaPer(CasellaElemento* casella)
{
    if (!collegamenti_.scegliVoce)
        return;
    const QPointer<FinestraProgetto> finestra(this);
    const QPointer<CasellaElemento> dove(casella);
    collegamenti_.scegliVoce(
        tr("Puts the entry chosen into «%1» of the design window").arg(casella->Didascalia()),
        [finestra, dove](const TabelleCartellaDati::Tabella& tabella, const QString& nome) {
            if (!finestra || !dove)
                return;
            finestra->MettiVoce(dove, tabella, nome);
            finestra->raise();
            finestra->activateWindow();
        });
    statusBar()->showMessage(tr("Find the entry, choose it, then press «Use in the project»."));
}

void FinestraProgetto::AvviaCandidati()
{
    if (completa_)
        candidati_->Avvia(*completa_, GetCartellaDati());
}

bool FinestraProgetto::MettiVoce(CasellaElemento* casella, const TabelleCartellaDati::Tabella& tabella,
                                 const QString& nome)
{
    std::optional<RecordMateriale> record;
    try {
        record = DettaglioMateriale::Leggi(tabella.file, tabella.tabella, tabella.codice, nome);
    } catch (const DbException& errore) {
        MessageBox::show(
            this, tr("«%1» could not be read from %2: %3").arg(nome, tabella.relativo, errore.Descrizione()),
            MessageBox::Exclamation);
        return false;
    }
    if (!record) {
        MessageBox::show(
            this, tr("«%1» is no longer in %2 (table %3).").arg(nome, tabella.relativo, tabella.tabella),
            MessageBox::Exclamation);
        return false;
    }
    const ElementoDaVoce::Esito esito = ElementoDaVoce::Da(*record, tabella.codice, casella->Tipo());
    if (const auto* rifiuto = std::get_if<QString>(&esito)) {
        MessageBox::show(this, *rifiuto, MessageBox::Exclamation);
        return false;
    }
    Elemento elemento = std::get<Elemento>(esito);
    if (const auto vecchio = casella->Contenuto())
        elemento.area = vecchio->area;
    casella->Imposta(elemento, FonteVoce{tabella.relativo, tabella.tabella, nome});
    Modificato();
    statusBar()->showMessage(tr("«%1» is now in the slot «%2».").arg(nome, casella->Didascalia()), 5000);
    return true;
}

void FinestraProgetto::UsaVoceMostrata(CasellaElemento* casella)
{
    const auto voce = collegamenti_.voceMostrata ? collegamenti_.voceMostrata() : std::nullopt;
    if (!voce) {
        MessageBox::show(this, tr("The main window shows no entry: choose one in its list first."),
                         MessageBox::Information);
        return;
    }
    TabelleCartellaDati::Tabella tabella;
    tabella.file = voce->file;
    tabella.relativo = QDir(GetCartellaDati()).relativeFilePath(voce->file);
    tabella.tabella = voce->tabella;
    tabella.codice = voce->codice;
    MettiVoce(casella, tabella, voce->record.Valore(RecordSchema::Campo::Nome).toString());
}

void FinestraProgetto::Nuovo()
{
    candidati_->Annulla();
    caricamento_ = true;
    editor_->Azzera();
    caricamento_ = false;
    file_.clear();
    modificato_ = false;
    Aggiorna();
    AggiornaTitolo();
}

bool FinestraProgetto::Apri(const QString& percorso)
{
    const FileProgetto::Esito esito = FileProgetto::Apri(percorso);
    if (const auto* errore = std::get_if<LetturaSituazione::Errore>(&esito)) {
        MessageBox::show(this,
                         tr("The project %1 cannot be opened: %2")
                             .arg(QDir::toNativeSeparators(percorso),
                                  errore->chiave.isEmpty()
                                      ? errore->messaggio
                                      : QStringLiteral("«%1»: %2").arg(errore->chiave, errore->messaggio)),
                         MessageBox::Exclamation);
        return false;
    }
    const Progetto& progetto = std::get<Progetto>(esito);
    candidati_->Annulla();
    caricamento_ = true;
    editor_->Carica(progetto);
    caricamento_ = false;
    file_ = percorso;
    modificato_ = false;
    Ricorda(percorso);
    Aggiorna();
    AggiornaTitolo();

    QStringList avvisi;
    for (const VerificaFonti::Esito& e : VerificaFonti::Verifica(progetto, GetCartellaDati())) {
        const QString voce = tr("«%1» (%2, table %3)").arg(e.fonte.nome, e.fonte.file, e.fonte.tabella);
        if (e.stato == VerificaFonti::Stato::Cambiata)
            avvisi << tr("%1: the entry has changed").arg(voce);
        else if (e.stato == VerificaFonti::Stato::Sparita)
            avvisi << tr("%1: the entry is gone").arg(voce);
        else if (e.stato == VerificaFonti::Stato::Illeggibile)
            avvisi << tr("%1: could not be read (%2)").arg(voce, e.errore);
    }
    if (!avvisi.isEmpty())
        MessageBox::show(
            this,
            tr("Some entries this project's elements came from are not what they were; the project "
               "keeps the values it stored:\n%1")
                .arg(avvisi.join(QLatin1Char('\n'))),
            MessageBox::Exclamation);
    return true;
}

bool FinestraProgetto::Salva(const QString& percorso)
{
    Aggiorna();
    if (!completa_) {
        const auto esito = LetturaSituazione::Leggi(ScritturaSituazione::InJson(progetto_.situazione));
        const auto& errore = std::get<LetturaSituazione::Errore>(esito);
        MessageBox::show(
            this,
            tr("The project cannot be saved yet: «%1»: %2\nA project file holds a complete situation.")
                .arg(errore.chiave, errore.messaggio),
            MessageBox::Exclamation);
        return false;
    }
    QString errore;
    if (!FileProgetto::Salva(percorso, progetto_, &errore)) {
        MessageBox::show(
            this,
            tr("The project could not be saved in %1: %2").arg(QDir::toNativeSeparators(percorso), errore),
            MessageBox::Exclamation);
        return false;
    }
    file_ = percorso;
    modificato_ = false;
    Ricorda(percorso);
    AggiornaTitolo();
    statusBar()->showMessage(tr("Saved in %1").arg(QDir::toNativeSeparators(percorso)), 5000);
    return true;
}

bool FinestraProgetto::SalvaComando()
{
    return file_.isEmpty() ? SalvaConNome() : Salva(file_);
}

bool FinestraProgetto::SalvaConNome()
{
    const QString suggerito = file_.isEmpty()
                                  ? tr("project") + QLatin1Char('.') + QLatin1String(FileProgetto::Estensione)
                                  : QFileInfo(file_).fileName();
    QString percorso =
        FileDialog::getSaveFileName(this, tr("Save the project"), suggerito, {Filtro()}, kScopo);
    if (percorso.isEmpty())
        return false;
    if (QFileInfo(percorso).suffix().isEmpty())
        percorso += QLatin1Char('.') + QLatin1String(FileProgetto::Estensione);
    return Salva(percorso);
}

void FinestraProgetto::ChiediApertura()
{
    if (!ConfermaAbbandono())
        return;
    const QString percorso = FileDialog::getOpenFileName(this, tr("Open a project"), {Filtro()}, 0, kScopo);
    if (!percorso.isEmpty())
        Apri(percorso);
}

QStringList FinestraProgetto::Recenti()
{
    return ImpostazioniUtente::Leggi(kRecenti).toStringList();
}

void FinestraProgetto::Ricorda(const QString& percorso)
{
    QStringList recenti = Recenti();
    const QString assoluto = QFileInfo(percorso).absoluteFilePath();
    recenti.removeAll(assoluto);
    recenti.prepend(assoluto);
    ImpostazioniUtente::Scrivi(kRecenti, recenti.mid(0, kRecentiMassimi));
}

void FinestraProgetto::RiempiRecenti()
{
    recenti_->clear();
    const QStringList recenti = Recenti();
    for (int i = 0; i < recenti.size(); ++i) {
        const QString percorso = recenti[i];
        recenti_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(percorso)), this,
                            [this, percorso] {
                                if (ConfermaAbbandono())
                                    Apri(percorso);
                            });
    }
    if (recenti.isEmpty())
        recenti_->addAction(tr("(none)"))->setEnabled(false);
}

// Whether what the user typed may be left: saved first when the user wants it.
bool FinestraProgetto::ConfermaAbbandono()
{
    if (!modificato_)
        return true;
    if (MessageBox::show(this, tr("Save the changes to the project first?"), MessageBox::Question,
                         MessageBox::YesNo, MessageBox::Yes) == MessageBox::No)
        return true;
    return SalvaComando();
}

void FinestraProgetto::closeEvent(QCloseEvent* evento)
{
    if (!ConfermaAbbandono()) {
        evento->ignore();
        return;
    }
    candidati_->Annulla();
    evento->accept();
}

// ---------------------------------------------------------------- report

namespace {

RapportoProgetto::Contenuto Contenuto(const EditorSituazione& editor, const Situazione& situazione,
                                      const RisultatoPrevisione& risultato, const QString& file)
{
    RapportoProgetto::Contenuto c{
        file.isEmpty() ? QString() : QFileInfo(file).fileName(), situazione, risultato, {}};
    for (const CasellaElemento* casella : editor.Caselle())
        if (casella->Contenuto())
            c.elementi.append({casella->Posto(), casella->Didascalia(), Valori(*casella), casella->Fonte()});
    return c;
}

} // namespace

QString FinestraProgetto::EsportaRapporto(const QString& pdf)
{
    Aggiorna();
    QString errore;
    if (!risultato_) {
        errore = tr("The situation is not complete yet: there is no result to report.");
    } else {
        const QString temporaneo = pdf + QStringLiteral(".tmp");
        {
            QPdfWriter scrittore(temporaneo);
            scrittore.setPageSize(QPageSize(QPageSize::A4));
            scrittore.setPageMargins(QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter);
            scrittore.setTitle(tr("Acoustic design - report"));
            scrittore.setCreator(QStringLiteral("ZELMARtek"));
            RapportoProgetto::Stampa(scrittore, Contenuto(*editor_, *completa_, *risultato_, file_));
        }
        QFile::remove(pdf);
        if (QFileInfo(temporaneo).size() == 0 || !QFile::rename(temporaneo, pdf)) {
            QFile::remove(temporaneo);
            errore = tr("the file could not be written");
        }
    }
    if (!errore.isEmpty())
        MessageBox::show(
            this, tr("The report could not be written in %1: %2").arg(QDir::toNativeSeparators(pdf), errore),
            MessageBox::Exclamation);
    return errore;
}

void FinestraProgetto::ChiediRapporto()
{
    const QString base = file_.isEmpty() ? tr("project") : QFileInfo(file_).completeBaseName();
    const QString percorso = FileDialog::getSaveFileName(
        this, tr("Report as PDF"), base + QStringLiteral(".pdf"), {tr("PDF files (*.pdf)")}, kScopo);
    if (!percorso.isEmpty())
        EsportaRapporto(percorso);
}

void FinestraProgetto::Stampa()
{
    Aggiorna();
    if (!risultato_) {
        MessageBox::show(this, tr("The situation is not complete yet: there is no result to report."),
                         MessageBox::Information);
        return;
    }
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setPageSize(QPageSize(QPageSize::A4));
    if (!DialogoStampa::Esegui(stampante, this))
        return;
    RapportoProgetto::Stampa(stampante, Contenuto(*editor_, *completa_, *risultato_, file_));
    if (stampante.printerState() == QPrinter::Error)
        MessageBox::show(this, tr("The report could not be printed."), MessageBox::Exclamation);
}
