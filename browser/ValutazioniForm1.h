// The main window's ratings computed from the curve: a field in the status bar with the
// computed ratings of the shown entry and a mark when a stored rating differs from them,
// the shifted reference curve on the chart on demand (remembered in the user's settings),
// and the commands that check the stored ratings of the current table or of every
// database of the data folder. The "Ratings" menu of the window's menu bar holds them.
#pragma once

#include "browser/parti/GraficoFrequenze.h"
#include "checkwindow/FinestraVerifica.h"
#include "exchange/DatiVoce.h"
#include "model/TabelleCartellaDati.h"
#include "model/ValutazioneMateriale.h"

#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <optional>

class FinestraPrincipale;
class QAction;
class QLabel;

class ValutazioniForm1 : public QObject
{
    Q_OBJECT
public:
    explicit ValutazioniForm1(FinestraPrincipale& finestra);

    // After the display: the shown entry of the kind, or none (nothing shown).
    void Mostra(const RecordMateriale* record, const TipoMateriale* tipo);
    // Adds the reference curve of the shown entry to the chart, when it is asked for.
    void CompletaGrafico(GeometriaGrafico& geometria) const;

    void VerificaTabella();
    void VerificaCartella();
    // The check window last opened, while it is open.
    FinestraVerifica* Verifica() const { return verifica_; }

    static constexpr const char* ChiaveRiferimento = "Grafico/CurvaDiRiferimento";

signals:
    // An entry the check window shows on a double click, to be shown in the main window.
    void mostraVoce(const DatiVoce& voce);

private:
    void ApriVerifica(const QString& titolo, std::vector<TabelleCartellaDati::Tabella> tabelle);
    void ImpostaRiferimento(bool mostrare);
    QAction* Comando(const QString& nome, const QString& testo, const QKeySequence& scorciatoia);

    FinestraPrincipale& finestra_;
    QLabel* campo_ = nullptr; // the computed ratings
    QLabel* segno_ = nullptr; // the stored ratings that differ, shown only when some do
    QAction* riferimento_ = nullptr;
    QPointer<FinestraVerifica> verifica_;
    std::optional<Valutazione> calcolata_;
    MotoreValutazione::Bande bande_{};
};
