// One slot of the design window: a place of the situation an element takes (the separating
// wall, a lining, a flanking element, a facade element...). It shows where its element came
// from (a library entry, or typed values), its single number and, where the slot has one, its
// mass; the user fills it with the main window's entry, from the search, or by typing.
#pragma once

#include "prediction/FonteVoce.h"
#include "prediction/PostoElemento.h"
#include "prediction/Situazione.h"

#include <QWidget>
#include <map>
#include <optional>

class QLabel;
class QLineEdit;
class QToolButton;

class CasellaElemento : public QWidget
{
    Q_OBJECT
public:
    // didascalia: the slot's caption; simbolo: its single number ("Rw", "ΔRw", "Dn,e,w"...).
    CasellaElemento(TipoPosto tipo, const QString& didascalia, const QString& simbolo,
                    QWidget* parent = nullptr);

    TipoPosto Tipo() const { return tipo_; }
    const QString& Didascalia() const { return didascalia_; }
    const QString& Simbolo() const { return simbolo_; }
    bool ConMassa() const;
    // The slot's path in the situation ("fianchi[2].F"); set by the editor, which renumbers.
    void ImpostaPosto(const QString& posto) { posto_ = posto; }
    const QString& Posto() const { return posto_; }

    // The element as the boxes hold it: nothing when the slot is empty.
    std::optional<Elemento> Contenuto() const;
    const std::optional<FonteVoce>& Fonte() const { return fonte_; }
    bool HaBande() const { return elemento_ && elemento_->r.bande.has_value(); }

    // Fills the slot (an entry's element with its source, or stored values without one).
    void Imposta(const Elemento& elemento, const std::optional<FonteVoce>& fonte);
    void Svuota();
    // Fills the slot with what a project stores at its path: the element and its source, if any;
    // a curve with neither number nor bands (and no mass) leaves it empty.
    void Carica(const Elemento& elemento, const std::map<QString, FonteVoce>& fonti);

    // A number as the user types it: the locale's decimal separator or a point; nothing for an
    // empty or unreadable text.
    static std::optional<double> Numero(const QString& testo);
    static QString Testo(const std::optional<double>& valore);

    QLineEdit* CasellaValore() const { return valore_; }
    QLineEdit* CasellaMassa() const { return massa_; }

signals:
    void cambiata();
    // The user asked for the main window's entry, or for the search window.
    void usaVoceMostrata();
    void cerca();

private:
    void ValoreDigitato();
    void MassaDigitata();
    void Digitato(const Elemento& e);
    void AggiornaFonte();

    TipoPosto tipo_;
    QString didascalia_, simbolo_;
    QString posto_;
    std::optional<Elemento> elemento_;
    std::optional<FonteVoce> fonte_;
    QLineEdit* valore_ = nullptr;
    QLineEdit* massa_ = nullptr;
    QLabel* fonteTesto_ = nullptr;
    QToolButton* scegli_ = nullptr;
};
