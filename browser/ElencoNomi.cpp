#include "ElencoNomi.h"

#include "ModelloNomi.h"

#include <QEvent>
#include <QHeaderView>

ElencoNomi::ElencoNomi(QWidget* padre) : QTableView(padre), modello_(new ModelloNomi(this))
{
    setModel(modello_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    horizontalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    // Every row is one line of the same height: the view need not measure each name.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    AdattaAltezzaRighe();
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& attuale) {
                emit currentRowChanged(attuale.isValid() ? attuale.row() : -1);
            });
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& indice) { emit rigaDoppioClick(indice.row()); });
}

void ElencoNomi::Imposta(ElencoTesti nomi)
{
    modello_->Imposta(std::move(nomi));
}

bool ElencoNomi::CambiaNomi(const std::function<bool(ElencoTesti&)>& cambia)
{
    return modello_->Cambia(cambia);
}

int ElencoNomi::count() const
{
    return modello_->rowCount();
}

int ElencoNomi::currentRow() const
{
    const QModelIndex attuale = currentIndex();
    return attuale.isValid() ? attuale.row() : -1;
}

void ElencoNomi::setCurrentRow(int riga)
{
    if (riga < 0 || riga >= count()) {
        selectionModel()->clearCurrentIndex();
        selectionModel()->clearSelection();
        return;
    }
    setCurrentIndex(modello_->index(riga));
}

QString ElencoNomi::testo(int riga) const
{
    return riga >= 0 && riga < count() ? modello_->Nome(riga) : QString();
}

QString ElencoNomi::testoCorrente() const
{
    return testo(currentRow());
}

QRect ElencoNomi::rettangoloRiga(int riga) const
{
    return visualRect(modello_->index(riga));
}

void ElencoNomi::mostraRiga(int riga)
{
    scrollTo(modello_->index(riga));
}

void ElencoNomi::AdattaAltezzaRighe()
{
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 2);
}

void ElencoNomi::changeEvent(QEvent* evento)
{
    QTableView::changeEvent(evento);
    if (evento->type() == QEvent::FontChange)
        AdattaAltezzaRighe();
}
