// "Which constructions pass here?" in the design window: every entry of the data folder that
// fits the separating slot, tried in the situation described, listed in a sortable table as
// the worker threads find them, with progress and cancel. A double click asks for that entry
// in the slot.
#pragma once

#include "model/TabelleCartellaDati.h"
#include "prediction/RicercaCandidati.h"
#include "prediction/Situazione.h"

#include <QWidget>
#include <atomic>
#include <memory>
#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;
class QThread;

class ElencoCandidati : public QWidget
{
    Q_OBJECT
public:
    explicit ElencoCandidati(QWidget* parent = nullptr);
    // Cancels a search still running and waits for it.
    ~ElencoCandidati() override;

    // Whether the situation described can be searched, and why not.
    void Disponibile(bool possibile, const QString& perche);
    // Searches the data folder's tables with the situation, which must be complete.
    void Avvia(const Situazione& situazione, const QString& cartellaDati);
    void Annulla();
    // The situation the window now describes (nothing while it is incomplete): when it differs
    // from the one searched in more than the separating slot, the list is marked as out of
    // date (a search still running is cancelled) and can no longer be picked from.
    void SituazioneAttuale(const std::optional<Situazione>& attuale);
    bool Superata() const { return superata_; }
    bool InCorso() const { return lavoro_ != nullptr; }

    QTableView* Tabella() const { return tabella_; }
    const QStandardItemModel& Modello() const { return *modello_; }
    QPushButton* PulsanteCerca() const { return cerca_; }

signals:
    // The user pressed the search button: the window answers with Avvia.
    void richiesta();
    void scelta(const TabelleCartellaDati::Tabella& tabella, const QString& nome);
    void terminata();

private:
    void Ricevi(int generazione, const std::vector<Candidato>& trovati, qint64 esaminate);
    void TabellaFatta(int generazione, size_t indice, const RicercaCandidati::EsitoTabella& esito);
    void Fine(int generazione);
    void AggiornaStato();

    QPushButton* cerca_ = nullptr;
    QPushButton* annulla_ = nullptr;
    QProgressBar* avanzamento_ = nullptr;
    QLabel* stato_ = nullptr;
    QStandardItemModel* modello_ = nullptr;
    QSortFilterProxyModel* ordine_ = nullptr;
    QTableView* tabella_ = nullptr;

    std::vector<TabelleCartellaDati::Tabella> tabelle_;
    std::shared_ptr<RicercaCandidati> ricerca_;
    std::shared_ptr<std::atomic<bool>> annullata_;
    QThread* lavoro_ = nullptr;
    int generazione_ = 0;
    bool calpestio_ = false;
    bool disponibile_ = false;
    QByteArray impronta_; // of the situation searched
    bool superata_ = false;
    qint64 esaminate_ = 0, saltate_ = 0;
    QStringList illeggibili_;
};
