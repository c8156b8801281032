#include "FinestraRicerca.h"

#include "CasellaData.h"
#include "CsvRisultati.h"
#include "app/FileDialog.h"
#include "app/MessageBox.h"
#include "config/ZelmarCommonModule.h"
#include "exchange/TipiVoce.h"
#include "model/Categorie.h"
#include "search/LetturaValori.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QSplitter>
#include <QTableView>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <memory>

namespace {

constexpr int RuoloFile = Qt::UserRole + 1;
const QString kPersonale = QStringLiteral("Databases/Database/Database_sperimentale.mdb");
const QString kTeorico = QStringLiteral("Databases/Database/Database_teorico.mdb");

QTreeWidgetItem* Nodo(QTreeWidgetItem* padre, const QString& testo, const QString& file = {})
{
    auto* nodo = new QTreeWidgetItem(padre, {testo});
    nodo->setFlags(nodo->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
    nodo->setCheckState(0, Qt::Checked);
    nodo->setData(0, RuoloFile, file);
    return nodo;
}

} // namespace

FinestraRicerca::FinestraRicerca(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FinestraRicerca"));
    setWindowTitle(tr("Search - ZELMARtek"));
    auto* divisore = new QSplitter(Qt::Horizontal, this);
    divisore->addWidget(CreaCriteri());
    divisore->addWidget(CreaRisultati());
    divisore->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(divisore);
    resize(1280, 660);
    AggiornaDatabase();
    AggiornaStato();
    AggiornaComandi();
}

FinestraRicerca::~FinestraRicerca()
{
    Annulla();
    if (lavoro_)
        lavoro_->wait();
}

QWidget* FinestraRicerca::CreaCriteri()
{
    auto* pannello = new QWidget;
    auto* colonna = new QVBoxLayout(pannello);
    colonna->addWidget(CreaTipi(pannello), 1);
    colonna->addWidget(CreaDove(pannello), 1);
    auto* modulo = new QGridLayout;
    const int righe = CreaIntervalli(pannello, modulo);
    CreaDate(pannello, modulo, righe);
    colonna->addLayout(modulo);
    colonna->addLayout(CreaPulsanti(pannello));

    auto* scorrimento = new QScrollArea;
    scorrimento->setWidget(pannello);
    scorrimento->setWidgetResizable(true);
    scorrimento->setMinimumWidth(pannello->sizeHint().width() + 20);
    return scorrimento;
}

QWidget* FinestraRicerca::CreaTipi(QWidget* pannello)
{
    auto* gruppo = new QGroupBox(tr("&Kinds (none checked: all)"), pannello);
    tipi_ = new QListWidget(gruppo);
    tipi_->setObjectName(QStringLiteral("TipiRicerca"));
    for (const TipoMateriale& tipo : Categorie::Tipi()) {
        auto* voce = new QListWidgetItem(TipiVoce::Nome(tipo.codice), tipi_);
        voce->setData(Qt::UserRole, tipo.codice);
        voce->setFlags(voce->flags() | Qt::ItemIsUserCheckable);
        voce->setCheckState(Qt::Unchecked);
    }
    (new QVBoxLayout(gruppo))->addWidget(tipi_);
    return gruppo;
}

QWidget* FinestraRicerca::CreaDove(QWidget* pannello)
{
    auto* gruppo = new QGroupBox(tr("&Databases"), pannello);
    dove_ = new QTreeWidget(gruppo);
    dove_->setObjectName(QStringLiteral("DoveRicerca"));
    dove_->setHeaderHidden(true);
    (new QVBoxLayout(gruppo))->addWidget(dove_);
    return gruppo;
}

int FinestraRicerca::CreaIntervalli(QWidget* pannello, QGridLayout* modulo)
{
    testo_ = new QLineEdit(pannello);
    testo_->setObjectName(QStringLiteral("TestoRicerca"));
    testo_->setPlaceholderText(tr("name, keyword, description, certificate, testing body, company"));
    testo_->setClearButtonEnabled(true);
    connect(testo_, &QLineEdit::returnPressed, this, &FinestraRicerca::Cerca);
    auto* etichettaTesto = new QLabel(tr("&Text:"), pannello);
    etichettaTesto->setBuddy(testo_);
    modulo->addWidget(etichettaTesto, 0, 0);
    modulo->addWidget(testo_, 0, 1, 1, 2);
    modulo->addWidget(new QLabel(tr("from"), pannello), 1, 1, Qt::AlignHCenter);
    modulo->addWidget(new QLabel(tr("to"), pannello), 1, 2, Qt::AlignHCenter);
    const QString nomi[] = {tr("&Rating (Rw, DRw, Ln,w, \u0394Lw, Dn,e,w):"),
                            tr("Rating + &first term (Rw + C, Ln,w + CI):"),
                            tr("Rating + &second term (Rw + Ctr):"),
                            tr("&m' (kg/m\u00b2):"),
                            tr("&s (mm):"),
                            tr("&Area (m\u00b2):")};
    const char* oggetti[] = {"Indice", "IndicePiuPrimo", "IndicePiuSecondo", "Massa", "Spessore", "Area"};
    for (int i = 0; i < int(intervalli_.size()); ++i) {
        auto* etichetta = new QLabel(nomi[i], pannello);
        intervalli_[i] = {new QLineEdit(pannello), new QLineEdit(pannello)};
        intervalli_[i].minimo->setObjectName(QString::fromLatin1(oggetti[i]) + QStringLiteral("Min"));
        intervalli_[i].massimo->setObjectName(QString::fromLatin1(oggetti[i]) + QStringLiteral("Max"));
        for (QLineEdit* casella : {intervalli_[i].minimo, intervalli_[i].massimo}) {
            casella->setMaximumWidth(80);
            casella->setAlignment(Qt::AlignRight);
            connect(casella, &QLineEdit::returnPressed, this, &FinestraRicerca::Cerca);
        }
        etichetta->setBuddy(intervalli_[i].minimo);
        modulo->addWidget(etichetta, 2 + i, 0);
        modulo->addWidget(intervalli_[i].minimo, 2 + i, 1);
        modulo->addWidget(intervalli_[i].massimo, 2 + i, 2);
    }
    return 2 + int(intervalli_.size());
}

void FinestraRicerca::CreaDate(QWidget* pannello, QGridLayout* modulo, int riga)
{
    dal_ = new QCheckBox(tr("Test date f&rom:"), pannello);
    al_ = new QCheckBox(tr("Test date &until:"), pannello);
    dataDal_ = new CasellaData(QDate(QDate::currentDate().year(), 1, 1), pannello);
    dataAl_ = new CasellaData(QDate::currentDate(), pannello);
    dal_->setObjectName(QStringLiteral("Dal"));
    al_->setObjectName(QStringLiteral("Al"));
    dataDal_->setObjectName(QStringLiteral("DataDal"));
    dataAl_->setObjectName(QStringLiteral("DataAl"));
    // A date typed or chosen in the calendar is a criterion: its box gets checked.
    for (auto [data, casella] : {std::pair{dataDal_, dal_}, std::pair{dataAl_, al_}}) {
        connect(data, &CasellaData::dataScelta, casella, [casella = casella] { casella->setChecked(true); });
        connect(data, &QLineEdit::returnPressed, this, &FinestraRicerca::Cerca);
    }
    modulo->addWidget(dal_, riga, 0);
    modulo->addWidget(dataDal_, riga, 1, 1, 2);
    modulo->addWidget(al_, riga + 1, 0);
    modulo->addWidget(dataAl_, riga + 1, 1, 1, 2);
    difforme_ = new QCheckBox(tr("Stored rating &differs from the one computed from the curve"), pannello);
    difforme_->setObjectName(QStringLiteral("Difforme"));
    modulo->addWidget(difforme_, riga + 2, 0, 1, 3);
}

QLayout* FinestraRicerca::CreaPulsanti(QWidget* pannello)
{
    auto* pulsanti = new QHBoxLayout;
    auto* azzera = new QPushButton(tr("C&lear"), pannello);
    azzera->setObjectName(QStringLiteral("AzzeraRicerca"));
    connect(azzera, &QPushButton::clicked, this, &FinestraRicerca::Azzera);
    cerca_ = new QPushButton(tr("&Search"), pannello);
    cerca_->setObjectName(QStringLiteral("Cerca"));
    cerca_->setDefault(true);
    connect(cerca_, &QPushButton::clicked, this, &FinestraRicerca::Cerca);
    pulsanti->addStretch(1);
    pulsanti->addWidget(azzera);
    pulsanti->addWidget(cerca_);
    return pulsanti;
}

QWidget* FinestraRicerca::CreaRisultati()
{
    auto* pannello = new QWidget;
    avanzamento_ = new QProgressBar(pannello);
    avanzamento_->setObjectName(QStringLiteral("AvanzamentoRicerca"));
    avanzamento_->setRange(0, 1);
    avanzamento_->setValue(0);
    annulla_ = new QPushButton(tr("Ca&ncel"), pannello);
    annulla_->setObjectName(QStringLiteral("AnnullaRicerca"));
    annulla_->setEnabled(false);
    connect(annulla_, &QPushButton::clicked, this, &FinestraRicerca::Annulla);
    auto* riga = new QHBoxLayout;
    riga->addWidget(avanzamento_, 1);
    riga->addWidget(annulla_);

    stato_ = new QLabel(pannello);
    stato_->setObjectName(QStringLiteral("StatoRicerca"));
    stato_->setWordWrap(true);
    errori_ = new QLabel(pannello);
    errori_->setObjectName(QStringLiteral("ErroriRicerca"));
    errori_->setWordWrap(true);
    errori_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    errori_->setStyleSheet(QStringLiteral("color: #b00000"));
    errori_->hide();

    CreaElenco(pannello);

    const auto pulsante = [&](const QString& testo, const char* nome, void (FinestraRicerca::*azione)()) {
        auto* p = new QPushButton(testo, pannello);
        p->setObjectName(QString::fromLatin1(nome));
        connect(p, &QPushButton::clicked, this, azione);
        return p;
    };
    mostra_ = pulsante(tr("S&how in the main window"), "MostraTrovata", &FinestraRicerca::MostraScelta);
    confronta_ =
        pulsante(tr("Add to the c&omparison"), "ConfrontaTrovate", &FinestraRicerca::ConfrontaScelte);
    copia_ = pulsante(tr("Cop&y into the custom database"), "CopiaTrovata", &FinestraRicerca::CopiaScelta);
    esporta_ = pulsante(tr("&Export CSV..."), "EsportaRicerca", &FinestraRicerca::ChiediEsportazione);
    usa_ = pulsante(tr("&Use in the project"), "UsaNelProgetto", &FinestraRicerca::UsaScelta);
    usa_->hide();
    auto* comandi = new QHBoxLayout;
    for (QPushButton* p : {usa_, mostra_, confronta_, copia_})
        comandi->addWidget(p);
    comandi->addStretch(1);
    comandi->addWidget(esporta_);

    auto* layout = new QVBoxLayout(pannello);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(riga);
    layout->addWidget(stato_);
    layout->addWidget(errori_);
    layout->addWidget(elenco_, 1);
    layout->addLayout(comandi);
    return pannello;
}

void FinestraRicerca::CreaElenco(QWidget* pannello)
{
    modello_ = new ModelloRisultati(this);
    elenco_ = new QTableView(pannello);
    elenco_->setObjectName(QStringLiteral("RisultatiRicerca"));
    elenco_->setModel(modello_);
    elenco_->setSortingEnabled(true);
    elenco_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder); // the tables' order
    elenco_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    elenco_->horizontalHeader()->setStretchLastSection(true);
    // Columns sized to their content as the first entries and the last arrive, judged on a
    // few hundred rows: a million would make each sizing slow.
    elenco_->horizontalHeader()->setResizeContentsPrecision(300);
    elenco_->setSelectionBehavior(QAbstractItemView::SelectRows);
    elenco_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    elenco_->verticalHeader()->hide();
    elenco_->verticalHeader()->setDefaultSectionSize(elenco_->fontMetrics().height() + 6);
    elenco_->setWordWrap(false);
    connect(elenco_, &QTableView::doubleClicked, this, &FinestraRicerca::MostraScelta);
    connect(elenco_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FinestraRicerca::AggiornaComandi);
}

void FinestraRicerca::AggiornaDatabase()
{
    // What the user had unchecked stays unchecked.
    QSet<QString> esclusi;
    for (QTreeWidgetItemIterator it(dove_); *it; ++it)
        if (!(*it)->data(0, RuoloFile).toString().isEmpty() && (*it)->checkState(0) == Qt::Unchecked)
            esclusi.insert((*it)->data(0, RuoloFile).toString());
    dove_->clear();
    const QString cartellaDati = ZelmarCommonModule::GetCartellaDati();
    Nodo(dove_->invisibleRootItem(), ZelmarCommonModule::M(19), kPersonale);
    Nodo(dove_->invisibleRootItem(), ZelmarCommonModule::M(28), kTeorico);
    QTreeWidgetItem* sperimentali = Nodo(dove_->invisibleRootItem(), tr("Experimental databases"));
    QTreeWidgetItem* categoria = nullptr;
    int codiceCorrente = 0;
    for (const TabelleCartellaDati::Tabella& t : TabelleCartellaDati::Elenca(cartellaDati)) {
        if (t.relativo == kPersonale || t.relativo == kTeorico)
            continue;
        // A category's files under its root's caption, as the tree shows them.
        if (!categoria || t.codice != codiceCorrente) {
            categoria = Nodo(sperimentali, ModelloRisultati::TestoTabella(t, ModelloRisultati::Database));
            codiceCorrente = t.codice;
        }
        Nodo(categoria, t.tabella, t.relativo);
    }
    for (QTreeWidgetItemIterator it(dove_); *it; ++it)
        if (esclusi.contains((*it)->data(0, RuoloFile).toString()))
            (*it)->setCheckState(0, Qt::Unchecked);
    dove_->expandToDepth(0);
}

std::optional<CriteriRicerca> FinestraRicerca::Criteri()
{
    CriteriRicerca criteri;
    for (int i = 0; i < tipi_->count(); ++i)
        if (tipi_->item(i)->checkState() == Qt::Checked)
            criteri.tipi.insert(tipi_->item(i)->data(Qt::UserRole).toInt());
    QSet<QString> file;
    bool tutti = true;
    for (QTreeWidgetItemIterator it(dove_); *it; ++it) {
        const QString relativo = (*it)->data(0, RuoloFile).toString();
        if (relativo.isEmpty())
            continue;
        if ((*it)->checkState(0) == Qt::Checked)
            file.insert(relativo);
        else
            tutti = false;
    }
    if (!tutti)
        criteri.file = file;
    criteri.testo = testo_->text().trimmed();
    ::Intervallo<double>* destinazioni[] = {&criteri.indice,           &criteri.indicePiuPrimo,
                                            &criteri.indicePiuSecondo, &criteri.massa,
                                            &criteri.spessore,         &criteri.area};
    for (size_t i = 0; i < intervalli_.size(); ++i) {
        for (QLineEdit* casella : {intervalli_[i].minimo, intervalli_[i].massimo}) {
            if (casella->text().trimmed().isEmpty())
                continue;
            const std::optional<double> valore = LetturaValori::Numero(casella->text());
            if (!valore) {
                casella->setFocus();
                casella->selectAll();
                MessageBox::show(this, tr("\u00ab%1\u00bb is not a number.").arg(casella->text()),
                                 MessageBox::Exclamation);
                return std::nullopt;
            }
            (casella == intervalli_[i].minimo ? destinazioni[i]->minimo : destinazioni[i]->massimo) = valore;
        }
    }
    for (auto [casella, data, limite] : {std::tuple{dal_, dataDal_, &criteri.data.minimo},
                                         std::tuple{al_, dataAl_, &criteri.data.massimo}}) {
        if (!casella->isChecked())
            continue;
        *limite = data->Data();
        if (!*limite) {
            data->setFocus();
            data->selectAll();
            MessageBox::show(
                this,
                tr("\u00ab%1\u00bb is not a date: day/month/year, such as 31/12/2012.").arg(data->text()),
                MessageBox::Exclamation);
            return std::nullopt;
        }
    }
    criteri.difforme = difforme_->isChecked();
    return criteri;
}

void FinestraRicerca::Azzera()
{
    for (int i = 0; i < tipi_->count(); ++i)
        tipi_->item(i)->setCheckState(Qt::Unchecked);
    for (int i = 0; i < dove_->topLevelItemCount(); ++i)
        dove_->topLevelItem(i)->setCheckState(0, Qt::Checked);
    testo_->clear();
    for (const Caselle& intervallo : intervalli_) {
        intervallo.minimo->clear();
        intervallo.massimo->clear();
    }
    dal_->setChecked(false);
    al_->setChecked(false);
    difforme_->setChecked(false);
}

void FinestraRicerca::Cerca()
{
    const std::optional<CriteriRicerca> criteri = Criteri();
    if (!criteri)
        return;
    Annulla();
    if (lavoro_) {
        lavoro_->wait();
        delete lavoro_;
        lavoro_ = nullptr;
    }
    annullata_ = false;
    criteri_ = *criteri;
    tabelle_ = TabelleCartellaDati::Elenca(ZelmarCommonModule::GetCartellaDati());
    modello_->Ricomincia(tabelle_);
    elenco_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    fatte_ = 0;
    voci_ = 0;
    interrotta_ = false;
    illeggibili_.clear();
    avanzamento_->setRange(0, int(tabelle_.size()));
    avanzamento_->setValue(0);
    annulla_->setEnabled(true);
    Avvia(++generazione_);
    AggiornaStato();
}

void FinestraRicerca::Avvia(int generazione)
{
    lavoro_ = QThread::create([this, generazione] {
        RicercaTabelle::CercaTutte(
            tabelle_, criteri_, QThread::idealThreadCount(), annullata_,
            [this, generazione](std::vector<VoceTrovata>&& lotto) {
                if (!modello_->AttendiPosto(lotto.size(), annullata_))
                    return;
                auto voci = std::make_shared<std::vector<VoceTrovata>>(std::move(lotto));
                QMetaObject::invokeMethod(
                    this,
                    [this, generazione, voci] {
                        if (generazione == generazione_) {
                            const bool primi = modello_->rowCount() == 0;
                            modello_->Aggiungi(std::move(*voci));
                            if (primi)
                                DimensionaColonne();
                        }
                        AggiornaStato();
                    },
                    Qt::QueuedConnection);
            },
            [this, generazione](size_t indice, const RicercaTabelle::EsitoTabella& esito) {
                QMetaObject::invokeMethod(
                    this,
                    [this, generazione, indice, esito] {
                        if (generazione == generazione_)
                            TabellaFatta(indice, esito);
                    },
                    Qt::QueuedConnection);
            });
    });
    lavoro_->setParent(this);
    connect(lavoro_, &QThread::finished, this, [this, generazione] {
        if (generazione == generazione_)
            Terminata();
    });
    lavoro_->start();
}

void FinestraRicerca::Annulla()
{
    annullata_ = true;
}

bool FinestraRicerca::InCorso() const
{
    return lavoro_ && !lavoro_->isFinished();
}

void FinestraRicerca::TabellaFatta(size_t indice, const RicercaTabelle::EsitoTabella& esito)
{
    const TabelleCartellaDati::Tabella& t = tabelle_[indice];
    voci_ += esito.voci;
    interrotta_ = interrotta_ || esito.annullata;
    if (!esito.errore.isEmpty())
        illeggibili_ << (esito.fileIlleggibile
                             ? tr("%1: %2").arg(t.relativo, esito.errore)
                             : tr("%1, table %2: %3").arg(t.relativo, t.tabella, esito.errore));
    fatte_ = indice + 1;
    avanzamento_->setValue(int(fatte_));
    AggiornaStato();
}

void FinestraRicerca::DimensionaColonne()
{
    elenco_->resizeColumnsToContents();
    for (int c = 0; c < ModelloRisultati::NumeroColonne; ++c)
        elenco_->setColumnWidth(c, std::min(elenco_->columnWidth(c), 420));
}

void FinestraRicerca::Terminata()
{
    modello_->Completa();
    DimensionaColonne();
    annulla_->setEnabled(false);
    AggiornaStato();
    AggiornaComandi();
    emit terminata();
}

void FinestraRicerca::AggiornaStato()
{
    const QLocale locale;
    QString testo = tr("%n entries found", nullptr, modello_->rowCount()) + QStringLiteral(" - ") +
                    tr("%1 of %2 tables searched, %3 entries read.")
                        .arg(fatte_)
                        .arg(tabelle_.size())
                        .arg(locale.toString(voci_));
    if (lavoro_ && !InCorso())
        testo += QLatin1Char(' ') + (interrotta_ ? tr("Cancelled.") : tr("Done."));
    stato_->setText(testo);
    errori_->setVisible(!illeggibili_.isEmpty());
    errori_->setText(tr("%n file(s) or table(s) could not be read:", nullptr, int(illeggibili_.size())) +
                     QLatin1Char('\n') + illeggibili_.join(QLatin1Char('\n')));
    esporta_->setEnabled(modello_->rowCount() > 0);
}

void FinestraRicerca::AggiornaComandi()
{
    const int scelte = int(RigheScelte().size());
    mostra_->setEnabled(scelte == 1);
    usa_->setEnabled(scelte == 1);
    copia_->setEnabled(scelte == 1);
    confronta_->setEnabled(scelte > 0);
    esporta_->setEnabled(modello_->rowCount() > 0);
}

QList<int> FinestraRicerca::RigheScelte() const
{
    QList<int> righe;
    for (const QModelIndex& indice : elenco_->selectionModel()->selectedRows())
        righe << indice.row();
    std::sort(righe.begin(), righe.end());
    return righe;
}

QList<QPair<TabelleCartellaDati::Tabella, QString>> FinestraRicerca::VociScelte() const
{
    QList<QPair<TabelleCartellaDati::Tabella, QString>> voci;
    for (int riga : RigheScelte()) {
        const VoceTrovata v = VoceMostrata(riga);
        voci.append({modello_->TabellaDi(v), v.nome});
    }
    return voci;
}

void FinestraRicerca::MostraScelta()
{
    if (const auto voci = VociScelte(); voci.size() == 1)
        emit mostra(voci.front().first, voci.front().second);
}

void FinestraRicerca::ConfrontaScelte()
{
    if (const auto voci = VociScelte(); !voci.isEmpty())
        emit confronta(voci);
}

void FinestraRicerca::CopiaScelta()
{
    if (const auto voci = VociScelte(); voci.size() == 1)
        emit copia(voci.front().first, voci.front().second);
}

void FinestraRicerca::ChiediEsportazione()
{
    const QString percorso = FileDialog::getSaveFileName(
        this, tr("Export the entries found as CSV"), QStringLiteral("ricerca.csv"), {tr("CSV files (*.csv)")},
        QStringLiteral("ricerca"));
    if (!percorso.isEmpty())
        EsportaCsv(percorso);
}

bool FinestraRicerca::EsportaCsv(const QString& percorso)
{
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly) || !CsvRisultati::Scrivi(*modello_, file) || !file.commit()) {
        MessageBox::show(
            this, tr("The file \u00ab%1\u00bb could not be written: %2").arg(percorso, file.errorString()),
            MessageBox::Exclamation);
        return false;
    }
    return true;
}

void FinestraRicerca::ChiediScelta(const QString& perche)
{
    usa_->setToolTip(perche);
    usa_->show();
}

void FinestraRicerca::FineScelta()
{
    usa_->hide();
}

void FinestraRicerca::UsaScelta()
{
    if (const auto voci = VociScelte(); voci.size() == 1) {
        FineScelta();
        emit usa(voci.front().first, voci.front().second);
    }
}

void FinestraRicerca::closeEvent(QCloseEvent* evento)
{
    Annulla();
    evento->accept();
}
