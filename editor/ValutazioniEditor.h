// The ratings computed from the band values as they are typed in the editor: shown under
// the rating boxes, and copied into them (in the locale's form) by one command. Only the
// boxes whose stored column has the meaning of a computed value are filled; the floor
// tables' third column and the linings' ratings are left to the user.
#pragma once

#include "model/Categorie.h"

#include <QObject>
#include <QPoint>
#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

class ValutazioniEditor : public QObject
{
    Q_OBJECT
public:
    static constexpr int NumeroValutazioni = 3;
    // Puts a line under each rating box and the copy button below them, in contenitore (at
    // the given place, in pixels), and follows the band boxes as they change.
    ValutazioniEditor(QWidget* contenitore, const std::array<QLineEdit*, 21>& bande,
                      const std::array<QLineEdit*, NumeroValutazioni>& valutazioni, const QPoint& pulsante);

    // The kind whose entry is being edited; none for a kind the editor does not write.
    void ImpostaTipo(const TipoMateriale* tipo);
    // Writes the computed values into the rating boxes.
    void Copia();
    // The computed value for rating box i, when there is one.
    std::optional<int> Calcolato(int i) const { return calcolati_[size_t(i)]; }

private:
    void Aggiorna();

    std::array<QLineEdit*, 21> bande_;
    std::array<QLineEdit*, NumeroValutazioni> valutazioni_;
    std::array<QLabel*, NumeroValutazioni> etichette_{};
    std::array<std::optional<int>, NumeroValutazioni> calcolati_{};
    QPushButton* copia_ = nullptr;
    const TipoMateriale* tipo_ = nullptr;
};
