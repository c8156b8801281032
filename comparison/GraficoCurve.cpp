#include "GraficoCurve.h"

#include "AsseFrequenze.h"
#include "exchange/TipiVoce.h"
#include "model/RecordSchema.h"

#include <QCategoryAxis>
#include <QChart>
#include <QCoreApplication>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>
#include <cmath>

namespace {

QString Tr(const char* testo)
{
    return QCoreApplication::translate("GraficoCurve", testo);
}

// Twelve colours that stay apart on white and in print.
constexpr QRgb kColori[] = {0x1f77b4, 0xd62728, 0x2ca02c, 0xff7f0e, 0x9467bd, 0x8c564b,
                            0xe377c2, 0x17becf, 0x7f7f7f, 0xbcbd22, 0x393b79, 0x843c39};
constexpr QScatterSeries::MarkerShape kForme[] = {
    QScatterSeries::MarkerShapeCircle, QScatterSeries::MarkerShapeRectangle,
    QScatterSeries::MarkerShapeTriangle, QScatterSeries::MarkerShapeRotatedRectangle,
    QScatterSeries::MarkerShapeStar, QScatterSeries::MarkerShapePentagon};

void Nascondi(QChart* grafico, QAbstractSeries* serie)
{
    for (QLegendMarker* marcatore : grafico->legend()->markers(serie))
        marcatore->setVisible(false);
}

QCategoryAxis* AsseX(QChart* grafico)
{
    auto* asse = new QCategoryAxis(grafico);
    asse->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    asse->setStartValue(AsseFrequenze::Inizio());
    for (int banda = 0; banda < RecordSchema::NumeroBande; ++banda)
        asse->append(AsseFrequenze::Etichetta(banda), AsseFrequenze::Posizione(banda));
    asse->setRange(AsseFrequenze::Inizio(), AsseFrequenze::Fine());
    asse->setTitleText(Tr("Frequency (Hz)"));
    return asse;
}

QValueAxis* AsseY(QChart* grafico, const QList<double>& valori, const QString& grandezza)
{
    auto* asse = new QValueAxis(grafico);
    const AsseFrequenze::Scala scala = AsseFrequenze::ScalaDecibel(valori);
    asse->setRange(scala.minimo, scala.massimo);
    asse->setTickType(QValueAxis::TicksDynamic);
    asse->setTickAnchor(0);
    asse->setTickInterval(AsseFrequenze::PassoDecibel);
    asse->setLabelFormat(QStringLiteral("%.0f"));
    asse->setTitleText(grandezza.isEmpty() ? QStringLiteral("dB") : grandezza + QStringLiteral(" (dB)"));
    return asse;
}

} // namespace

QColor GraficoCurve::Colore(int stile)
{
    return QColor(kColori[stile % std::size(kColori)]);
}

QScatterSeries::MarkerShape GraficoCurve::Forma(int stile)
{
    return kForme[stile % std::size(kForme)];
}

QString GraficoCurve::Didascalia(const DatiVoce& voce)
{
    QStringList pezzi{voce.nome, TipiVoce::Nome(voce.codice), voce.rigaValutazione};
    if (voce.calcolata)
        pezzi << Tr("computed %1").arg(TipiVoce::RigaCalcolata(voce.codice, *voce.calcolata));
    return pezzi.join(QStringLiteral(" \u2013 "));
}

int GraficoCurve::Banda(const QPointF& punto)
{
    const int banda = int(std::lround((punto.x() - AsseFrequenze::Posizione(0)) * 10));
    return std::clamp(banda, 0, RecordSchema::NumeroBande - 1);
}

QList<QScatterSeries*> GraficoCurve::Disegna(QChart* grafico, const QList<Curva>& curve, bool riferimenti,
                                             double spessore)
{
    grafico->removeAllSeries();
    for (QAbstractAxis* asse : grafico->axes())
        grafico->removeAxis(asse);
    grafico->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);

    QList<QAbstractSeries*> tutte;
    QList<QScatterSeries*> marcatori;
    QList<double> valori;
    for (const Curva& curva : curve) {
        const DatiVoce& voce = *curva.voce;
        const QColor colore = Colore(curva.stile);
        QPen penna(colore, 2 * spessore);

        QLineSeries* tratto = nullptr;
        auto* punti = new QScatterSeries(grafico);
        punti->setName(Didascalia(voce));
        punti->setColor(colore);
        punti->setBorderColor(colore);
        punti->setMarkerShape(Forma(curva.stile));
        punti->setMarkerSize(9 * spessore);
        for (int banda = 0; banda < RecordSchema::NumeroBande; ++banda) {
            if (!voce.bande[banda]) {
                tratto = nullptr; // a band without a value breaks the line
                continue;
            }
            const QPointF punto(AsseFrequenze::Posizione(banda), *voce.bande[banda]);
            if (!tratto) {
                tratto = new QLineSeries(grafico);
                tratto->setPen(penna);
                tutte << tratto;
            }
            tratto->append(punto);
            punti->append(punto);
            valori << punto.y();
        }
        if (riferimenti && voce.calcolata && voce.calcolata->indice) {
            auto* riferimento = new QLineSeries(grafico);
            riferimento->setPen(QPen(colore, 1.5 * spessore, Qt::DashLine));
            for (int i = 0; i < Valutazione::NumeroBandeValutate; ++i) {
                const double y = voce.calcolata->riferimento[i];
                riferimento->append(AsseFrequenze::Posizione(Valutazione::PrimaBanda + i), y);
                valori << y;
            }
            tutte << riferimento;
        }
        tutte << punti;
        marcatori << punti;
    }

    QCategoryAxis* asseX = AsseX(grafico);
    QValueAxis* asseY =
        AsseY(grafico, valori, curve.isEmpty() ? QString() : TipiVoce::GrandezzaBande(curve.first().voce->codice));
    grafico->addAxis(asseX, Qt::AlignBottom);
    grafico->addAxis(asseY, Qt::AlignLeft);
    for (QAbstractSeries* serie : tutte) {
        grafico->addSeries(serie);
        serie->attachAxis(asseX);
        serie->attachAxis(asseY);
        if (!qobject_cast<QScatterSeries*>(serie))
            Nascondi(grafico, serie);
    }
    return marcatori;
}
