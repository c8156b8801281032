// The chart box of the main window: paints the grid, the band curve and its markers
// computed by CalcolaGrafico over a light background, and on demand the shifted reference
// curve with the unfavourable deviations under the curve.
#pragma once

#include "GraficoFrequenze.h"

#include <QWidget>

class Picture1 : public QWidget
{
    Q_OBJECT
public:
    explicit Picture1(QWidget* parent = nullptr);

    void Disegna(const GeometriaGrafico& geometria);
    // Removes the drawing; the background stays.
    void Pulisci();
    const GeometriaGrafico& Geometria() const { return geometria_; }

    static const QColor ColoreCurva; // RGB(169, 3, 132)
    static const QColor ColoreRiferimento;
    static const QColor ColoreDeviazioni;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointF InPixel(const QPointF& punto) const;
    void DisegnaSfondo(class QPainter& p) const;

    GeometriaGrafico geometria_;
};
