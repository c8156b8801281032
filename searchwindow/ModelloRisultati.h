// The entries a search found, as the search window lists them: one row per entry, kept in
// the order of the tables and of their rows however the batches arrive, with numbers and
// dates sorted as such.
#pragma once

#include "model/TabelleCartellaDati.h"
#include "search/VociTrovate.h"

#include <QAbstractTableModel>
#include <QElapsedTimer>
#include <QSemaphore>
#include <QTimer>
#include <atomic>
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
    explicit ModelloRisultati(QObject* parent = nullptr);

    // A new search through these tables: the list is emptied.
    void Ricomincia(std::vector<TabelleCartellaDati::Tabella> tabelle);
    // A batch found (one table's rows in order). The first is listed at once; those arriving
    // soon after wait and are listed together, so that a search finding a million entries
    // changes the list a few times a second rather than thousands of times.
    void Aggiungi(std::vector<VoceTrovata>&& voci);
    // Lists the batches waiting.
    void MostraInAttesa();
    // The search is over: every batch listed, a sorted list sorted again.
    void Completa();
    // Called on a search's threads before a batch is handed over: waits while more entries
    // than the list takes in a moment are on their way to it, so that a search faster than the
    // list leaves them in the tables rather than in memory. False when cancelled meanwhile.
    bool AttendiPosto(size_t voci, const std::atomic<bool>& annulla);

    VoceTrovata Voce(int riga) const { return voci_.Voce(Posto(riga)); }
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
    // Sorts by the column (numbers and dates as such, texts regardless of case and accents,
    // equal values in the tables' order); -1: the tables' order.
    void sort(int colonna, Qt::SortOrder verso = Qt::AscendingOrder) override;
    // What a table's column (kind, database, table) shows for the table's entries.
    static QString TestoTabella(const TabelleCartellaDati::Tabella& t, int colonna);

private:
    void Inserisci(std::vector<VoceTrovata>&& voci);
    void Riordina();
    std::vector<quint32> Ordine(int colonna, bool decrescente) const;
    // The entry a row shows.
    size_t Posto(int riga) const { return ordine_.empty() ? size_t(riga) : ordine_[size_t(riga)]; }

    std::vector<TabelleCartellaDati::Tabella> tabelle_;
    VociTrovate voci_;
    std::vector<std::vector<VoceTrovata>> inAttesa_;
    size_t vociInAttesa_ = 0;
    QTimer attesa_;          // lists what is still waiting when no batch has come for a while
    QElapsedTimer mostrate_; // since batches were last listed
    QSemaphore posti_;       // entries that may still be on their way
    int colonna_ = -1;       // sorted by; -1: the tables' order
    Qt::SortOrder verso_ = Qt::AscendingOrder;
    std::vector<quint32> ordine_; // the entry each row shows, when sorted
    bool daOrdinare_ = false;     // rows added at the end of a sorted list
    QElapsedTimer ordinate_;      // since the list was last sorted
    qint64 durataOrdine_ = 0;     // how long that took, in ms
};
