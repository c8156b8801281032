// The main window's display of the selected entry: its band values, description, rating
// line and picture in the window's boxes, its sheet in the information window, the chart of
// its curve with the ratings computed from it; and what of the entry the window keeps for
// the editor (the stored row, the band values, the ratings of its kind).
#pragma once

#include "ControlliForm1.h"
#include "ImmaginiRecenti.h"
#include "model/Categorie.h"
#include "model/RecordMateriale.h"

#include <array>
#include <optional>

class Form2;
class ValutazioniForm1;

class VisualizzazioneForm1
{
public:
    VisualizzazioneForm1(const ControlliForm1& controlli, ValutazioniForm1& valutazioni);

    // Shows the entry read of the table at percorso, a table of its kind.
    void Mostra(RecordMateriale record, const TipoMateriale& tipo, const QString& percorso, Form2& info);
    // An entry gone since the list was read: its boxes and band values blank.
    void MostraAssente();
    // The band boxes and the ratings computed, for the entry of the kind or for no selection.
    void DisegnaGrafico(bool selezione, const TipoMateriale* tipo);
    void CancellaGrafico();
    void ResetValoriForm1();
    // Blanks the boxes, the band values and the ratings kept: nothing of an entry stays.
    void Svuota();
    void DimenticaRecord() { mostrato_.reset(); }

    const std::optional<RecordMateriale>& Record() const { return mostrato_; }
    const std::array<float, RecordSchema::NumeroBande>& ValoriBande() const { return valoriBande_; }
    const std::array<double, NumeroValoriConservati>& Conservati() const { return conservati_; }

private:
    void MostraImmagine(int codice, const std::optional<QString>& immagine, const QString& percorso);

    const ControlliForm1& c_;
    ValutazioniForm1& valutazioni_;
    std::array<float, RecordSchema::NumeroBande> valoriBande_{};
    std::array<double, NumeroValoriConservati> conservati_{};
    std::optional<RecordMateriale> mostrato_;
    ImmaginiRecenti immagini_;
};
