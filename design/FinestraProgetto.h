// The design window ("Acoustic design"): the engineer describes a situation (airborne between
// rooms, impact, facade) with elements taken from the library or typed, and sees at once the
// in-situ result, the limit of the building category, the class, the paths and the chart;
// saves and opens it as a project file, writes or prints its report, and asks which
// constructions of the library would pass here.
#pragma once

#include "CollegamentiProgetto.h"
#include "model/TabelleCartellaDati.h"
#include "prediction/Progetto.h"
#include "prediction/RisultatoPrevisione.h"

#include <QMainWindow>
#include <optional>

class CasellaElemento;
class EditorSituazione;
class ElencoCandidati;
class PannelloRisultati;
class QMenu;
class QTabWidget;

class FinestraProgetto : public QMainWindow
{
    Q_OBJECT
public:
    explicit FinestraProgetto(CollegamentiProgetto collegamenti, QWidget* parent = nullptr);

    EditorSituazione* Editor() const { return editor_; }
    PannelloRisultati* Risultati() const { return risultati_; }
    ElencoCandidati* Candidati() const { return candidati_; }
    QTabWidget* Schede() const { return schede_; }

    // The project the boxes describe, and its result when it is complete.
    const Progetto& ProgettoCorrente() const { return progetto_; }
    const std::optional<RisultatoPrevisione>& Risultato() const { return risultato_; }
    const QString& File() const { return file_; }

    // The entry of a table put into a slot; false (after telling the user why) when it cannot
    // be read or its kind does not fit the slot.
    bool MettiVoce(CasellaElemento* casella, const TabelleCartellaDati::Tabella& tabella,
                   const QString& nome);
    void UsaVoceMostrata(CasellaElemento* casella);

    void Nuovo();
    // False (after telling the user) when the file cannot be read or written; opening tells
    // which source entries changed or are gone.
    bool Apri(const QString& percorso);
    bool Salva(const QString& percorso);
    bool SalvaComando();
    bool SalvaConNome();
    void ChiediApertura();
    // Empty when written, otherwise what went wrong (also shown to the user).
    QString EsportaRapporto(const QString& pdf);
    void ChiediRapporto();
    void Stampa();

    static QStringList Recenti();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void CreaComandi();
    void Aggiorna();
    void Modificato();
    void AggiornaTitolo();
    void RiempiRecenti();
    void Ricorda(const QString& percorso);
    bool ConfermaAbbandono();
    void AvviaCandidati();
    // Asks the search window for an entry to put into the slot.
    void CercaPer(CasellaElemento* casella);

    CollegamentiProgetto collegamenti_;
    EditorSituazione* editor_ = nullptr;
    PannelloRisultati* risultati_ = nullptr;
    ElencoCandidati* candidati_ = nullptr;
    QTabWidget* schede_ = nullptr;
    QMenu* recenti_ = nullptr;

    Progetto progetto_;
    std::optional<Situazione> completa_; // the situation, read back as a file would be
    std::optional<RisultatoPrevisione> risultato_;
    QString file_;
    bool modificato_ = false;
    bool caricamento_ = false;
};
