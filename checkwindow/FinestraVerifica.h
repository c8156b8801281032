// The check of stored ratings against the ratings computed from the curves, for one table
// or for every database of the data folder: it runs on worker threads with a progress bar
// and a cancel button, lists the entries whose stored ratings differ in a table sorted by
// any column, and exports the list, in the order shown, as CSV; a double click on a line asks
// for its entry in the main window.
#pragma once

#include "model/TabelleCartellaDati.h"
#include "model/VerificaValutazioni.h"

#include <QDialog>
#include <atomic>
#include <vector>

class QLabel;
class QModelIndex;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;
class QThread;

class FinestraVerifica : public QDialog
{
    Q_OBJECT
public:
    FinestraVerifica(const QString& titolo, std::vector<TabelleCartellaDati::Tabella> tabelle,
                     QWidget* parent = nullptr);
    // Cancels a check still running and waits for it.
    ~FinestraVerifica() override;

    // Starts the check on worker threads.
    void Avvia();
    void Annulla();
    // From the start until every table's result is listed.
    bool InCorso() const;
    // Writes the list as shown; false (after telling the user) when the file cannot be written.
    bool EsportaCsv(const QString& percorso);
    QTableView* Elenco() const { return elenco_; }

signals:
    void terminata();
    void mostra(const TabelleCartellaDati::Tabella& tabella, const QString& nome);

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    // The list of the differences, sorted by any column.
    void CreaElenco();
    void TabellaFatta(size_t indice, const VerificaValutazioni::EsitoTabella& esito);
    void Terminata();
    void ChiediEsportazione();
    void AggiornaStato();
    void ChiediMostra(const QModelIndex& indice);

    std::vector<TabelleCartellaDati::Tabella> tabelle_;
    std::atomic<bool> annulla_{false};
    QThread* lavoro_ = nullptr;
    size_t fatte_ = 0;    // tables handed back, in their order
    size_t complete_ = 0; // of those, the ones checked to their end
    qint64 voci_ = 0;
    int differenze_ = 0;
    QStringList errori_;
    bool annullata_ = false;
    bool finita_ = false; // every table's result has reached the window

    QProgressBar* avanzamento_ = nullptr;
    QPushButton* annullaPulsante_ = nullptr;
    QPushButton* esporta_ = nullptr;
    QLabel* stato_ = nullptr;
    QLabel* erroriEtichetta_ = nullptr;
    QStandardItemModel* modello_ = nullptr;
    QSortFilterProxyModel* ordinato_ = nullptr;
    QTableView* elenco_ = nullptr;
};
