#include "FinestraVerifica.h"

#include "app/FileDialog.h"
#include "app/MessageBox.h"
#include "exchange/ScritturaCsv.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>

namespace {

enum Colonna
{
    File,
    Tabella,
    Nome,
    ColonnaMemorizzata,
    Memorizzato,
    Calcolato,
    NumeroColonne
};

// The row's table, by its place among the tables checked, on the first cell.
constexpr int RuoloTabella = Qt::UserRole + 1;

QStandardItem* Cella(const QVariant& valore)
{
    auto* cella = new QStandardItem;
    cella->setData(valore, Qt::DisplayRole);
    if (valore.typeId() != QMetaType::QString)
        cella->setData(int(Qt::AlignRight | Qt::AlignVCenter), Qt::TextAlignmentRole);
    cella->setEditable(false);
    return cella;
}

} // namespace

FinestraVerifica::FinestraVerifica(const QString& titolo, std::vector<TabelleCartellaDati::Tabella> tabelle,
                                   QWidget* parent)
    : QDialog(parent, Qt::Window), tabelle_(std::move(tabelle))
{
    setObjectName(QStringLiteral("FinestraVerifica"));
    setWindowTitle(tr("Check of the ratings - ZELMARtek"));
    auto* intestazione = new QLabel(titolo, this);
    intestazione->setWordWrap(true);
    QFont grassetto = intestazione->font();
    grassetto.setBold(true);
    intestazione->setFont(grassetto);

    avanzamento_ = new QProgressBar(this);
    // One table gives no steps to count: the bar just shows the check is busy.
    avanzamento_->setRange(0, tabelle_.size() > 1 ? int(tabelle_.size()) : 0);
    annullaPulsante_ = new QPushButton(tr("&Cancel"), this);
    annullaPulsante_->setObjectName(QStringLiteral("AnnullaVerifica"));
    connect(annullaPulsante_, &QPushButton::clicked, this, &FinestraVerifica::Annulla);
    auto* riga = new QHBoxLayout;
    riga->addWidget(avanzamento_, 1);
    riga->addWidget(annullaPulsante_);

    stato_ = new QLabel(this);
    stato_->setObjectName(QStringLiteral("StatoVerifica"));
    stato_->setWordWrap(true);
    erroriEtichetta_ = new QLabel(this);
    erroriEtichetta_->setObjectName(QStringLiteral("ErroriVerifica"));
    erroriEtichetta_->setWordWrap(true);
    erroriEtichetta_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    erroriEtichetta_->setStyleSheet(QStringLiteral("color: #b00000"));
    erroriEtichetta_->hide();

    CreaElenco();

    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Close, this);
    esporta_ = pulsanti->addButton(tr("&Export CSV..."), QDialogButtonBox::ActionRole);
    esporta_->setObjectName(QStringLiteral("EsportaCsv"));
    esporta_->setEnabled(false);
    connect(esporta_, &QPushButton::clicked, this, &FinestraVerifica::ChiediEsportazione);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intestazione);
    layout->addLayout(riga);
    layout->addWidget(stato_);
    layout->addWidget(erroriEtichetta_);
    layout->addWidget(elenco_, 1);
    layout->addWidget(pulsanti);
    resize(980, 480);
    AggiornaStato();
}

void FinestraVerifica::CreaElenco()
{
    modello_ = new QStandardItemModel(0, NumeroColonne, this);
    modello_->setHorizontalHeaderLabels(
        {tr("File"), tr("Table"), tr("Name"), tr("Column"), tr("Stored"), tr("Computed")});
    ordinato_ = new QSortFilterProxyModel(this);
    ordinato_->setSourceModel(modello_);
    ordinato_->setSortLocaleAware(true);
    elenco_ = new QTableView(this);
    elenco_->setObjectName(QStringLiteral("ElencoDifferenze"));
    elenco_->setModel(ordinato_);
    elenco_->setSortingEnabled(true);
    elenco_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder); // the order found
    // The names whole; a long file path gives way, shortened in its middle.
    for (int c = 0; c < NumeroColonne; ++c)
        elenco_->horizontalHeader()->setSectionResizeMode(c, c == File ? QHeaderView::Stretch
                                                                       : QHeaderView::ResizeToContents);
    elenco_->setTextElideMode(Qt::ElideMiddle);
    elenco_->setSelectionBehavior(QAbstractItemView::SelectRows);
    elenco_->verticalHeader()->hide();
    elenco_->setWordWrap(false);
    connect(elenco_, &QTableView::doubleClicked, this, &FinestraVerifica::ChiediMostra);
}

FinestraVerifica::~FinestraVerifica()
{
    Annulla();
    if (lavoro_)
        lavoro_->wait();
}

void FinestraVerifica::Avvia()
{
    if (lavoro_)
        return;
    lavoro_ = QThread::create([this] {
        VerificaValutazioni::VerificaTutte(
            tabelle_, QThread::idealThreadCount(), annulla_,
            [this](size_t indice, const VerificaValutazioni::EsitoTabella& esito) {
                QMetaObject::invokeMethod(
                    this, [this, indice, esito] { TabellaFatta(indice, esito); }, Qt::QueuedConnection);
            });
    });
    lavoro_->setParent(this);
    connect(lavoro_, &QThread::finished, this, &FinestraVerifica::Terminata);
    lavoro_->start();
}

void FinestraVerifica::Annulla()
{
    annulla_ = true;
}

bool FinestraVerifica::InCorso() const
{
    return lavoro_ && !finita_;
}

void FinestraVerifica::TabellaFatta(size_t indice, const VerificaValutazioni::EsitoTabella& esito)
{
    const TabelleCartellaDati::Tabella& t = tabelle_[indice];
    for (const VerificaValutazioni::Differenza& d : esito.diverse) {
        QStandardItem* file = Cella(t.relativo);
        file->setData(qulonglong(indice), RuoloTabella);
        modello_->appendRow({file, Cella(t.tabella), Cella(d.nome), Cella(RecordSchema::Nome(d.colonna)),
                             Cella(d.memorizzato), Cella(d.calcolato)});
    }
    differenze_ += int(esito.diverse.size());
    voci_ += esito.voci;
    annullata_ = annullata_ || esito.annullata;
    if (!esito.errore.isEmpty())
        errori_ << (esito.fileIlleggibile ? tr("%1: %2").arg(t.relativo, esito.errore)
                                          : tr("%1, table %2: %3").arg(t.relativo, t.tabella, esito.errore));
    fatte_ = indice + 1;
    complete_ += esito.annullata ? 0 : 1;
    avanzamento_->setRange(0, int(tabelle_.size()));
    avanzamento_->setValue(int(fatte_));
    AggiornaStato();
}

void FinestraVerifica::Terminata()
{
    finita_ = true;
    annullaPulsante_->setEnabled(false);
    esporta_->setEnabled(modello_->rowCount() > 0);
    AggiornaStato();
    emit terminata();
}

void FinestraVerifica::AggiornaStato()
{
    QString testo = tr("%1 of %n table(s) checked", nullptr, int(tabelle_.size())).arg(complete_) +
                    QStringLiteral(", ") + tr("%Ln entry(ies) rated", nullptr, int(voci_)) +
                    QStringLiteral(", ") +
                    tr("%Ln stored rating(s) differing from the computed one(s).", nullptr, differenze_);
    if (!InCorso() && lavoro_)
        testo += QLatin1Char(' ') + (annullata_         ? tr("Cancelled.")
                                     : differenze_ == 0 ? tr("Every stored rating equals the computed one.")
                                                        : tr("Done."));
    stato_->setText(testo);
    erroriEtichetta_->setVisible(!errori_.isEmpty());
    erroriEtichetta_->setText(tr("%n file(s) or table(s) could not be read:", nullptr, int(errori_.size())) +
                              QLatin1Char('\n') + errori_.join(QLatin1Char('\n')));
}

void FinestraVerifica::ChiediEsportazione()
{
    const QString percorso = FileDialog::getSaveFileName(
        this, tr("Export the differences as CSV"), QStringLiteral("valutazioni.csv"),
        {tr("CSV files (*.csv)")}, QStringLiteral("verifica"));
    if (!percorso.isEmpty())
        EsportaCsv(percorso);
}

bool FinestraVerifica::EsportaCsv(const QString& percorso)
{
    QStringList campi; // the window's own headings, in the interface language
    for (int c = 0; c < NumeroColonne; ++c)
        campi << ScritturaCsv::Testo(modello_->headerData(c, Qt::Horizontal).toString());
    QByteArray csv = ScritturaCsv::Inizio() + ScritturaCsv::Riga(campi).toUtf8();
    for (int r = 0; r < ordinato_->rowCount(); ++r) {
        campi.clear();
        for (int c = 0; c < NumeroColonne; ++c)
            campi << ScritturaCsv::Valore(ordinato_->index(r, c).data());
        csv += ScritturaCsv::Riga(campi).toUtf8();
    }
    QSaveFile file(percorso);
    if (file.open(QIODevice::WriteOnly) && file.write(csv) == csv.size() && file.commit())
        return true;
    MessageBox::show(this, tr("The file %1 could not be written: %2").arg(percorso, file.errorString()),
                     MessageBox::Exclamation);
    return false;
}

void FinestraVerifica::ChiediMostra(const QModelIndex& indice)
{
    const QModelIndex riga = ordinato_->mapToSource(indice);
    const QVariant tabella = modello_->index(riga.row(), File).data(RuoloTabella);
    if (tabella.isValid())
        emit mostra(tabelle_[tabella.toULongLong()], modello_->index(riga.row(), Nome).data().toString());
}

void FinestraVerifica::closeEvent(QCloseEvent* evento)
{
    Annulla();
    QDialog::closeEvent(evento);
}
