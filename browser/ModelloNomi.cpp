#include "ModelloNomi.h"

void ModelloNomi::Imposta(ElencoTesti nomi)
{
    beginResetModel();
    std::swap(nomi_, nomi);
    endResetModel();
}

bool ModelloNomi::Cambia(const std::function<bool(ElencoTesti&)>& cambia)
{
    beginResetModel();
    const bool fatto = cambia(nomi_);
    endResetModel();
    return fatto;
}

int ModelloNomi::rowCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : int(nomi_.size());
}

QVariant ModelloNomi::data(const QModelIndex& indice, int ruolo) const
{
    if (!indice.isValid() || indice.row() >= nomi_.size())
        return {};
    if (ruolo == Qt::DisplayRole || ruolo == Qt::EditRole)
        return nomi_.at(indice.row());
    return {};
}

Qt::ItemFlags ModelloNomi::flags(const QModelIndex& indice) const
{
    return indice.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}
