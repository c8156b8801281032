#include "ElencoCandidati.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
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
    Indice,
    Normalizzato,
    Rispettato,
    Massa,
    NumeroColonne
};

QStandardItem* Cella(const QVariant& valore)
{
    auto* cella = new QStandardItem;
    cella->setData(valore, Qt::DisplayRole);
    cella->setEditable(false);
    return cella;
}

} // namespace

ElencoCandidati::ElencoCandidati(QWidget* parent) : QWidget(parent)
{
    auto* colonna = new QVBoxLayout(this);
    auto* comandi = new QHBoxLayout;
    cerca_ = new QPushButton(tr("&Which constructions pass here?"), this);
    cerca_->setObjectName(QStringLiteral("CercaCandidati"));
    cerca_->setToolTip(
        tr("Tries every wall (or floor) of every database of the data folder as the separating "
           "element of this situation"));
    annulla_ = new QPushButton(tr("Cancel"), this);
    annulla_->setObjectName(QStringLiteral("AnnullaCandidati"));
    annulla_->setEnabled(false);
    avanzamento_ = new QProgressBar(this);
    avanzamento_->setObjectName(QStringLiteral("AvanzamentoCandidati"));
    comandi->addWidget(cerca_);
    comandi->addWidget(annulla_);
    comandi->addWidget(avanzamento_, 1);
    colonna->addLayout(comandi);
    stato_ = new QLabel(this);
    stato_->setObjectName(QStringLiteral("StatoCandidati"));
    stato_->setWordWrap(true);
    colonna->addWidget(stato_);

    modello_ = new QStandardItemModel(0, NumeroColonne, this);
    ordine_ = new QSortFilterProxyModel(this);
    ordine_->setSourceModel(modello_);
    tabella_ = new QTableView(this);
    tabella_->setObjectName(QStringLiteral("Candidati"));
    tabella_->setModel(ordine_);
    tabella_->setSortingEnabled(true);
    tabella_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabella_->verticalHeader()->hide();
    tabella_->horizontalHeader()->setStretchLastSection(true);
    tabella_->setToolTip(tr("Double click: put the entry into the separating slot"));
    colonna->addWidget(tabella_, 1);

    connect(cerca_, &QPushButton::clicked, this, &ElencoCandidati::richiesta);
    connect(annulla_, &QPushButton::clicked, this, &ElencoCandidati::Annulla);
    connect(tabella_, &QTableView::doubleClicked, this, [this](const QModelIndex& indice) {
        const QModelIndex origine = ordine_->mapToSource(indice);
        const int t = modello_->item(origine.row(), File)->data(Qt::UserRole).toInt();
        if (t >= 0 && size_t(t) < tabelle_.size())
            emit scelta(tabelle_[size_t(t)], modello_->item(origine.row(), Nome)->text());
    });
    Disponibile(false, {});
}

ElencoCandidati::~ElencoCandidati()
{
    Annulla();
    if (lavoro_)
        lavoro_->wait();
}

void ElencoCandidati::Disponibile(bool possibile, const QString& perche)
{
    disponibile_ = possibile;
    cerca_->setEnabled(possibile && !InCorso());
    if (!InCorso() && modello_->rowCount() == 0)
        stato_->setText(
            possibile ? tr("Every entry that fits the separating slot is tried in this situation.") : perche);
}

void ElencoCandidati::Avvia(const Situazione& situazione, const QString& cartellaDati)
{
    if (InCorso() || !RicercaCandidati::Possibile(situazione))
        return;
    ++generazione_;
    modello_->removeRows(0, modello_->rowCount());
    ricerca_ = std::make_shared<RicercaCandidati>(situazione);
    impronta_ = RicercaCandidati::Impronta(situazione);
    superata_ = false;
    tabella_->setEnabled(true);
    calpestio_ = ricerca_->Calpestio();
    modello_->setHorizontalHeaderLabels(
        {tr("File"), tr("Table"), tr("Name"), calpestio_ ? QStringLiteral("L'n,w") : QStringLiteral("R'w"),
         calpestio_ ? QStringLiteral("L'nT,w") : QStringLiteral("DnT,w"), tr("Met"), tr("m' (kg/m²)")});
    tabelle_ = TabelleCartellaDati::Elenca(cartellaDati);
    int adatte = 0;
    for (const auto& t : tabelle_)
        adatte += ricerca_->Adatta(t.codice) ? 1 : 0;
    avanzamento_->setRange(0, std::max(1, adatte));
    avanzamento_->setValue(0);
    esaminate_ = saltate_ = 0;
    illeggibili_.clear();
    annullata_ = std::make_shared<std::atomic<bool>>(false);

    const int generazione = generazione_;
    const QPointer<ElencoCandidati> io(this);
    auto ricerca = ricerca_;
    auto annullata = annullata_;
    auto tabelle = tabelle_;
    lavoro_ = QThread::create([=] {
        ricerca->Cerca(
            tabelle, std::max(1, QThread::idealThreadCount()), *annullata,
            [=](std::vector<Candidato>&& trovati, qint64 esaminate) {
                QMetaObject::invokeMethod(io, [=, t = std::move(trovati)] {
                    if (io)
                        io->Ricevi(generazione, t, esaminate);
                });
            },
            [=](size_t indice, const RicercaCandidati::EsitoTabella& esito) {
                QMetaObject::invokeMethod(io, [=] {
                    if (io)
                        io->TabellaFatta(generazione, indice, esito);
                });
            });
    });
    lavoro_->setParent(this);
    connect(lavoro_, &QThread::finished, this, [this, generazione] { Fine(generazione); });
    cerca_->setEnabled(false);
    annulla_->setEnabled(true);
    tabella_->sortByColumn(Indice, calpestio_ ? Qt::AscendingOrder : Qt::DescendingOrder);
    lavoro_->start();
    AggiornaStato();
}

void ElencoCandidati::Annulla()
{
    if (annullata_)
        *annullata_ = true;
}

void ElencoCandidati::SituazioneAttuale(const std::optional<Situazione>& attuale)
{
    if (impronta_.isEmpty())
        return;
    const bool superata = !attuale || RicercaCandidati::Impronta(*attuale) != impronta_;
    if (superata == superata_)
        return;
    superata_ = superata;
    if (superata_)
        Annulla();
    tabella_->setEnabled(!superata_);
    AggiornaStato();
}

void ElencoCandidati::Ricevi(int generazione, const std::vector<Candidato>& trovati, qint64 esaminate)
{
    if (generazione != generazione_)
        return;
    esaminate_ += esaminate;
    for (const Candidato& c : trovati) {
        const auto& t = tabelle_[size_t(c.tabella)];
        QStandardItem* file = Cella(t.relativo);
        file->setData(c.tabella, Qt::UserRole);
        modello_->appendRow({file, Cella(t.tabella), Cella(c.nome), Cella(c.indice), Cella(c.normalizzato),
                             Cella(c.rispettato ? (*c.rispettato ? tr("yes") : tr("no")) : QString()),
                             Cella(c.massa)});
    }
    AggiornaStato();
}

void ElencoCandidati::TabellaFatta(int generazione, size_t indice,
                                   const RicercaCandidati::EsitoTabella& esito)
{
    if (generazione != generazione_ || indice >= tabelle_.size())
        return;
    if (ricerca_ && ricerca_->Adatta(tabelle_[indice].codice))
        avanzamento_->setValue(avanzamento_->value() + 1);
    saltate_ += esito.saltate;
    if (!esito.errore.isEmpty())
        illeggibili_ << QStringLiteral("%1 (%2)").arg(tabelle_[indice].relativo, esito.errore);
    AggiornaStato();
}

void ElencoCandidati::Fine(int generazione)
{
    lavoro_->deleteLater();
    lavoro_ = nullptr;
    annulla_->setEnabled(false);
    cerca_->setEnabled(disponibile_);
    if (generazione == generazione_) {
        avanzamento_->setValue(avanzamento_->maximum());
        AggiornaStato();
    }
    emit terminata();
}

void ElencoCandidati::AggiornaStato()
{
    QString testo = tr("%1 entries looked at, %2 listed, %3 skipped (lacking what the model needs)")
                        .arg(esaminate_)
                        .arg(modello_->rowCount())
                        .arg(saltate_);
    if (!InCorso() && annullata_ && *annullata_)
        testo += tr(" - cancelled");
    if (!illeggibili_.isEmpty())
        testo += QLatin1Char('\n') + tr("Could not be read: %1").arg(illeggibili_.join(QStringLiteral("; ")));
    if (superata_)
        testo +=
            QLatin1Char('\n') +
            tr("The situation has changed since this list was made: search again to try the entries in it.");
    stato_->setText(testo);
    tabella_->resizeColumnsToContents();
}
