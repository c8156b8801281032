// The search window: criteria on every database of the data folder (kinds, databases, a
// text, ranges of the ratings, of m', s, area and test date, ratings that differ from the
// curve), run on worker threads with progress and cancel; the entries found fill a table
// sortable by any column as they are found, the files that cannot be read are named above
// it. The entries chosen are shown in the main window, sent to the comparison, copied into
// the custom database, exported as CSV, or one of them put into the design window that asked. It stays open
// beside the main window.
#pragma once

#include "ModelloRisultati.h"
#include "search/RicercaTabelle.h"

#include <QWidget>
#include <atomic>
#include <optional>

class CasellaData;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableView;
class QThread;
class QTreeWidget;

class FinestraRicerca : public QWidget
{
    Q_OBJECT
public:
    explicit FinestraRicerca(QWidget* parent = nullptr);
    // Cancels a search still running and waits for it.
    ~FinestraRicerca() override;

    // The databases offered, from the data folder as it is now; the choices made are kept.
    void AggiornaDatabase();
    // The criteria as typed; nothing (after telling the user) when a box holds no number.
    std::optional<CriteriRicerca> Criteri();
    // Starts a search with the criteria typed.
    void Cerca();
    void Annulla();
    bool InCorso() const;
    // Offers "Use in the project" for the one entry chosen (perche: its tool tip) until an
    // entry is used or FineScelta; the entry used is handed over by usa.
    void ChiediScelta(const QString& perche);
    void FineScelta();
    // Writes the list as shown; false (after telling the user) when the file cannot be written.
    bool EsportaCsv(const QString& percorso);

    QTableView* Elenco() const { return elenco_; }
    const ModelloRisultati& Risultati() const { return *modello_; }
    // The entry of a row of the list as shown.
    VoceTrovata VoceMostrata(int riga) const { return modello_->Voce(riga); }

signals:
    void terminata();
    // The user asked to see an entry in the main window, to compare entries, to copy one.
    void mostra(const TabelleCartellaDati::Tabella& tabella, const QString& nome);
    void confronta(const QList<QPair<TabelleCartellaDati::Tabella, QString>>& voci);
    void copia(const TabelleCartellaDati::Tabella& tabella, const QString& nome);
    // The entry chosen for the design window that asked for one.
    void usa(const TabelleCartellaDati::Tabella& tabella, const QString& nome);

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    // The criteria column: kinds, databases, text and ranges, dates, the buttons.
    QWidget* CreaCriteri();
    QWidget* CreaTipi(QWidget* pannello);
    QWidget* CreaDove(QWidget* pannello);
    int CreaIntervalli(QWidget* pannello, QGridLayout* modulo); // the first grid row left free
    void CreaDate(QWidget* pannello, QGridLayout* modulo, int riga);
    QLayout* CreaPulsanti(QWidget* pannello);
    QWidget* CreaRisultati();
    void CreaElenco(QWidget* pannello);
    // The search on a worker thread; what it hands back after a newer one started is dropped.
    void Avvia(int generazione);
    void Azzera();
    void TabellaFatta(size_t indice, const RicercaTabelle::EsitoTabella& esito);
    void Terminata();
    void AggiornaStato();
    void AggiornaComandi();
    void DimensionaColonne();
    QList<int> RigheScelte() const;
    // The entries chosen, in the list's order, as the commands hand them over.
    QList<QPair<TabelleCartellaDati::Tabella, QString>> VociScelte() const;
    void MostraScelta();
    void ConfrontaScelte();
    void CopiaScelta();
    void UsaScelta();
    void ChiediEsportazione();

    struct Caselle
    {
        QLineEdit* minimo;
        QLineEdit* massimo;
    };
    QListWidget* tipi_ = nullptr;
    QTreeWidget* dove_ = nullptr;
    QLineEdit* testo_ = nullptr;
    std::array<Caselle, 6> intervalli_{};
    QCheckBox* dal_ = nullptr;
    QCheckBox* al_ = nullptr;
    CasellaData* dataDal_ = nullptr;
    CasellaData* dataAl_ = nullptr;
    QCheckBox* difforme_ = nullptr;
    QPushButton* cerca_ = nullptr;

    QProgressBar* avanzamento_ = nullptr;
    QPushButton* annulla_ = nullptr;
    QLabel* stato_ = nullptr;
    QLabel* errori_ = nullptr;
    ModelloRisultati* modello_ = nullptr;
    QTableView* elenco_ = nullptr;
    QPushButton* mostra_ = nullptr;
    QPushButton* confronta_ = nullptr;
    QPushButton* copia_ = nullptr;
    QPushButton* esporta_ = nullptr;
    QPushButton* usa_ = nullptr;

    std::vector<TabelleCartellaDati::Tabella> tabelle_;
    CriteriRicerca criteri_;
    std::atomic<bool> annullata_{false};
    QThread* lavoro_ = nullptr;
    int generazione_ = 0;
    size_t fatte_ = 0;
    qint64 voci_ = 0;
    bool interrotta_ = false;
    QStringList illeggibili_;
};
