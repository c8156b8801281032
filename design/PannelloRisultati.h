// The right side of the design window: the in-situ result of the situation described, the
// limit of its building category and whether it is met (a mark and words, not a colour alone),
// its class, the table of every transmission path weakest first, and the chart of R' per band
// with the separating element's laboratory curve and the shifted reference curve.
#pragma once

#include "prediction/RisultatoPrevisione.h"
#include "prediction/Situazione.h"

#include <QWidget>

class QChart;
class QChartView;
class QLabel;
class QTableWidget;

class PannelloRisultati : public QWidget
{
    Q_OBJECT
public:
    explicit PannelloRisultati(QWidget* parent = nullptr);

    void Mostra(const Situazione& situazione, const RisultatoPrevisione& risultato);
    // Nothing can be computed yet: why (the key of what is missing, and the fault).
    void MostraMancante(const QString& chiave, const QString& messaggio);

    QLabel* Principale() const { return principale_; }
    QLabel* Secondario() const { return secondario_; }
    QLabel* Requisito() const { return requisito_; }
    QLabel* Classe() const { return classe_; }
    QTableWidget* Percorsi() const { return percorsi_; }
    QChart* Grafico() const { return grafico_; }
    QChartView* VistaGrafico() const { return vista_; }

    // Draws the chart of a result (R' per band, the separating element's laboratory curve, the
    // reference curve shifted to R'w) on a chart: the window's and the report's.
    static void DisegnaGrafico(QChart* grafico, const Situazione& situazione, const RisultatoPrevisione& r);

private:
    QLabel* principale_ = nullptr;
    QLabel* secondario_ = nullptr;
    QLabel* requisito_ = nullptr;
    QLabel* classe_ = nullptr;
    QTableWidget* percorsi_ = nullptr;
    QChart* grafico_ = nullptr;
    QChartView* vista_ = nullptr;
};
