// The names of the material list as a list model: the whole list is handed over at once,
// so that a table of a hundred thousand entries is listed without one item per name.
#pragma once

#include "storage/ElencoTesti.h"
#include <QAbstractListModel>

class ModelloNomi : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void Imposta(ElencoTesti nomi);
    QString Nome(int riga) const { return nomi_.at(riga); }

    int rowCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int ruolo = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;

private:
    ElencoTesti nomi_;
};
