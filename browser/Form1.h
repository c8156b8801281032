// The main window: the category tree, the material list with its keyword filter, the
// display of the selected entry with its chart, and the commands that act on it.
// Loading it is the program's start-up; closing it ends the program.
#pragma once

#include "ControlliForm1.h"
#include "FinestraPrincipale.h"
#include "VisualizzazioneForm1.h"
#include "browser/parti/Form2.h"
#include "browser/parti/Form4.h"
#include "editor/MaterialeMostrato.h"
#include "model/Categorie.h"
#include "model/ElencoTenuto.h"
#include "model/ListaMateriali.h"
#include "model/RecordMateriale.h"
#include "model/SalvataggioMateriale.h"
#include "storage/ElencoTesti.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>

class ComandiRicerca;
class ComandiVoce;
class DbException;
class Form3;
class ValutazioniForm1;
class QTreeWidgetItem;

class Form1 : public QMainWindow, public FinestraPrincipale
{
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up: message catalogue, captions, toolbar, band labels, category tree and the
    // first list. Leaves an inert window when the catalogue is missing or unusable.
    void Carica();
    bool Inerte() const override { return inerte_; }
    // The table the tree chose last; handed to the list, the display and the commands.
    const TabellaCorrente& Corrente() const override { return corrente_; }
    QMainWindow* Finestra() override { return this; }

    // Event handlers, callable directly.
    void TreeView1_NodeClick(QTreeWidgetItem* nodo);
    void CaricaListaMateriali();
    // The list filled again after a change this program made to the table it shows: what a
    // fresh fill shows, the list it holds changed when nothing else changed the table.
    void AggiornaListaMateriali(const ElencoTenuto::Modifica& modifica);
    void Combo1_Click();
    void List1_Click();
    void List1_DblClick();
    void Toolbar1_ButtonClick(int indice);
    void Command1_Click() { Toolbar1_ButtonClick(1); }
    void Command2_Click() { Toolbar1_ButtonClick(2); }
    void CommandInfoAgg_Click();
    void ApriEditor(const QString& modo, const std::function<void(Form3&)>& prepara = {}) override;
    bool ScegliTabella(const std::function<bool(const TabellaCorrente&)>& accetta) override;
    void Image1_DblClick();
    // Converts the data folder's Jet files, reports per file and builds the tree again.
    void ImportaJet_Click();
    void DisegnaGrafico() override;

    void ResetLabelsForm1();
    void ResetValoriForm1();
    void ResetValoriForm2();

    // What the window shows of the selected entry, as the editor takes it over.
    MaterialeMostrato Mostrato() const;
    // The stored row of the entry the display shows; nothing when none is shown.
    const std::optional<RecordMateriale>& RecordMostrato() const override { return vista_->Record(); }
    const std::array<float, RecordSchema::NumeroBande>& ValoriBande() const { return vista_->ValoriBande(); }
    double Valore(ValoreConservato quale) const { return vista_->Conservati()[static_cast<int>(quale)]; }

    // The information window, created (hidden) when it does not exist yet.
    Form2* InformazioniAggiuntive();
    Form2* InformazioniAggiuntiveSeEsiste() const { return form2_; }
    Form4* FinestraImmagine() const { return form4_; }
    const ControlliForm1& Controlli() const override { return c_; }
    // The ratings computed from the shown entry's curve, the reference curve, the checks.
    ValutazioniForm1* Valutazioni() const { return valutazioni_; }
    // Comparison, data sheet and band copy of the shown entry.
    ComandiVoce* ComandiUscita() const { return comandiVoce_; }
    // The search window and the copy into the custom database.
    ComandiRicerca* Ricerca() const { return comandiRicerca_; }

    // Design client size in twips, and the borders and caption the design adds around it.
    static constexpr int LarghezzaClienteProgetto = 11985;
    static constexpr int AltezzaClienteProgetto = 8190;
    static constexpr int BordoOrizzontale = 12105 - 11985;
    static constexpr int BordoVerticale = 8700 - 8190;

protected:
    void resizeEvent(QResizeEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void CostruisciAlbero();
    void DipingiToolbar();
    void CollegaEventi();
    void AbilitaComandi(bool inserisciModifica, bool cancella);
    void ImpostaIntestazioneBande(const TipoMateriale& tipo);
    void RiempiElenco(ElencoTesti nomi);
    void RiempiLista(const ElencoTenuto::Modifica* modifica);
    void MostraElenco(const TipoMateriale& tipo, ListaMateriali::Contenuto& contenuto, bool nomiLetti);
    void RicaricaDopoSalvataggio(const SalvataggioMateriale::Richiesta& richiesta,
                                 const SalvataggioMateriale::Esito& esito);
    // The current table's list; none, after telling the user and blanking, when it cannot be read.
    std::optional<ListaMateriali::Contenuto> LeggiElenco(const ListaMateriali::Richiesta& richiesta);
    void SelezionaPrimaRiga();
    // Blanks the display, the kept band values and ratings: nothing of an entry stays.
    void SvuotaVisualizzazione();
    void SvuotaDopoErrore();
    void SegnalaErrore(const QString& azione, const DbException& errore);
    QString PercorsoCorrente() const;
    void Cancella_Materiale();
    void ScartaForm2();

    ControlliForm1 c_;
    TabellaCorrente corrente_;
    ValutazioniForm1* valutazioni_ = nullptr;
    ComandiVoce* comandiVoce_ = nullptr;
    ComandiRicerca* comandiRicerca_ = nullptr;
    QPointer<Form2> form2_;
    QPointer<Form4> form4_;
    std::unique_ptr<VisualizzazioneForm1> vista_; // the entry shown, in the boxes and the chart
    ElencoTenuto tenuto_;                         // what the list holds of its table beside the names
    bool inerte_ = true;
};
