// The left side of the design window: what the engineer describes. The kind of situation
// (airborne between rooms, impact, facade), the model, the building category, the geometry,
// the junctions and every element slot. It turns its boxes into a project (the situation
// and each slot's source entry) and a project back into its boxes.
#pragma once

#include "prediction/PostoElemento.h"
#include "prediction/Progetto.h"
#include "prediction/Requisiti.h"

#include <QList>
#include <QWidget>

class CasellaElemento;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QSpinBox;
class QVBoxLayout;
class RiquadroGiunto;

class EditorSituazione : public QWidget
{
    Q_OBJECT
public:
    explicit EditorSituazione(QWidget* parent = nullptr);

    Requisiti::Calcolo Calcolo() const;
    void ScegliCalcolo(Requisiti::Calcolo calcolo);
    // The project the boxes describe. Its situation may lack what its model needs (an empty
    // slot, a missing mass): LetturaSituazione tells what. A box holding no number counts as
    // empty.
    Progetto Leggi() const;
    void Carica(const Progetto& progetto);
    // Back to an empty airborne situation with four junctions.
    void Azzera();

    // The slots of the kind shown, in the order of the situation's input.
    QList<CasellaElemento*> Caselle() const;
    // The slot the candidates go into: the separating wall or the floor; none for a facade.
    CasellaElemento* Separazione() const;
    void ImpostaGiunti(int numero);
    void ImpostaElementiFacciata(int elementi, int piccoli);
    QComboBox* SceltaCalcolo() const { return calcolo_; }
    QComboBox* SceltaCategoria() const { return categoria_; }
    QComboBox* SceltaModello() const { return modello_; }

signals:
    void cambiata();
    void usaVoceMostrata(CasellaElemento* casella);
    void cerca(CasellaElemento* casella);

private:
    QWidget* CreaAerea();
    QWidget* CreaCalpestio();
    QWidget* CreaFacciata();
    QLineEdit* Numero(QFormLayout* modulo, const char* nome, const QString& didascalia,
                      const QString& suggerimento);
    CasellaElemento* Casella(TipoPosto tipo, const QString& didascalia, const QString& simbolo,
                             const QString& posto);
    void Collega(CasellaElemento* casella);
    void GiuntiCambiati(int numero);
    void FacciataCambiata();
    Modello ModelloScelto(const QList<CasellaElemento*>& caselle) const;
    SituazioneAerea LeggiAerea() const;
    SituazioneCalpestio LeggiCalpestio() const;
    SituazioneFacciata LeggiFacciata() const;
    void CaricaAerea(const SituazioneAerea& s, const std::map<QString, FonteVoce>& fonti);
    void CaricaCalpestio(const SituazioneCalpestio& s, const std::map<QString, FonteVoce>& fonti);
    void CaricaFacciata(const SituazioneFacciata& s, const std::map<QString, FonteVoce>& fonti);

    QComboBox* calcolo_ = nullptr;
    QComboBox* modello_ = nullptr;
    QComboBox* categoria_ = nullptr;
    QList<QWidget*> pagine_; // one per kind; only the chosen one is shown

    // Airborne.
    QLineEdit* ss_ = nullptr;
    QLineEdit* vAerea_ = nullptr;
    CasellaElemento* separazione_ = nullptr;
    CasellaElemento* rivestimentoSorgente_ = nullptr;
    CasellaElemento* rivestimentoRicevente_ = nullptr;
    QSpinBox* numeroGiunti_ = nullptr;
    QVBoxLayout* giunti_ = nullptr;
    QList<RiquadroGiunto*> riquadriGiunti_;

    // Impact.
    CasellaElemento* solaio_ = nullptr;
    CasellaElemento* pavimento_ = nullptr;
    QLineEdit* massaFianchi_ = nullptr;
    QLineEdit* vCalpestio_ = nullptr;

    // Facade.
    QLineEdit* s_ = nullptr;
    QLineEdit* vFacciata_ = nullptr;
    QLineEdit* dlfs_ = nullptr;
    QSpinBox* numeroElementi_ = nullptr;
    QSpinBox* numeroPiccoli_ = nullptr;
    QVBoxLayout* elementiFacciata_ = nullptr;
    QVBoxLayout* piccoliFacciata_ = nullptr;
    QList<QPair<CasellaElemento*, QLineEdit*>> elementi_; // slot and area
    QList<CasellaElemento*> piccoli_;
};
