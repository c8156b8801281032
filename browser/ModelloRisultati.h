// The entries a search found, as the search window lists them: one row per entry, kept in
// the order of the tables and of their rows however the batches arrive, with numbers and
// dates sorted as such.
#pragma once

#include "model/TabelleCartellaDati.h"
#include "search/VociTrovate.h"

#include <QAbstractTableModel>
#include <vector>

class ModelloRisultati : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Colonna
    {
        Nome,
        Tipo,
        Database,
        Tabella,
        Valutazione,
        Massa,
        Spessore,
        DataProva,
        Ente,
        NumeroColonne
    };
    // What the columns sort by.
    static constexpr int RuoloOrdine = Qt::UserRole + 1;

    explicit ModelloRisultati(QObject* parent = nullptr);

    // A new search through these tables: the list is emptied.
    void Ricomincia(std::vector<TabelleCartellaDati::Tabella> tabelle);
    void Aggiungi(std::vector<VoceTrovata>&& voci);

    VoceTrovata Voce(int riga) const { return voci_.Voce(size_t(riga)); }
    const TabelleCartellaDati::Tabella& TabellaDi(const VoceTrovata& voce) const
    {
        return tabelle_[size_t(voce.tabella)];
    }
    // The row's text in a column, as shown.
    QString Testo(int riga, int colonna) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& indice, int ruolo = Qt::DisplayRole) const override;
    QVariant headerData(int sezione, Qt::Orientation orientamento,
                        int ruolo = Qt::DisplayRole) const override;

private:
    std::vector<TabelleCartellaDati::Tabella> tabelle_;
    VociTrovate voci_;
};
