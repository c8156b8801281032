// The names of the material list as a list model: the whole list is handed over at once,
// so that a table of a hundred thousand entries is listed without one item per name.
#pragma once

#include "storage/ElencoTesti.h"
#include <QAbstractListModel>
#include <functional>

class ModelloNomi : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void Imposta(ElencoTesti nomi);
    // Changes the names in place (a reset, as Imposta is); what cambia returns.
    bool Cambia(const std::function<bool(ElencoTesti&)>& cambia);
    QString Nome(int riga) const { return nomi_.at(riga); }

    int rowCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int ruolo = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;

private:
    ElencoTesti nomi_;
};
