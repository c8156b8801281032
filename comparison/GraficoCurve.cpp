#include "GraficoCurve.h"

#include "AsseFrequenze.h"
#include "exchange/TipiVoce.h"
#include "model/RecordSchema.h"

#include <QCategoryAxis>
#include <QChart>
#include <QCoreApplication>
#include <QLineSeries>
#include <QPainter>
#include <QPixmap>
#include <QValueAxis>
#include <cmath>

namespace {

// Twelve colours that stay apart on white and in print.
constexpr QRgb kColori[] = {0x1f77b4, 0xd62728, 0x2ca02c, 0xff7f0e, 0x9467bd, 0x8c564b,
                            0xe377c2, 0x17becf, 0x7f7f7f, 0xbcbd22, 0x393b79, 0x843c39};
constexpr QScatterSeries::MarkerShape kForme[] = {
    QScatterSeries::MarkerShapeCircle,   QScatterSeries::MarkerShapeRectangle,
    QScatterSeries::MarkerShapeTriangle, QScatterSeries::MarkerShapeRotatedRectangle,
    QScatterSeries::MarkerShapeStar,     QScatterSeries::MarkerShapePentagon};

QCategoryAxis* AsseX(QChart* grafico)
{
    auto* asse = new QCategoryAxis(grafico);
    asse->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    asse->setStartValue(AsseFrequenze::Inizio());
    for (int banda = 0; banda < RecordSchema::NumeroBande; ++banda)
        asse->append(AsseFrequenze::Etichetta(banda), AsseFrequenze::Posizione(banda));
    asse->setRange(AsseFrequenze::Inizio(), AsseFrequenze::Fine());
    asse->setTitleText(QCoreApplication::translate("GraficoCurve", "Frequency (Hz)"));
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

void GraficoCurve::DisegnaMarcatore(QPainter& p, const QRectF& r, int stile)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Colore(stile));
    const QPointF c = r.center();
    const double w = r.width() / 2;
    const double h = r.height() / 2;
    switch (Forma(stile)) {
    case QScatterSeries::MarkerShapeRectangle:
        p.drawRect(r.adjusted(w * 0.15, h * 0.15, -w * 0.15, -h * 0.15));
        break;
    case QScatterSeries::MarkerShapeTriangle:
        p.drawPolygon(QPolygonF{{c.x(), r.top()}, {r.right(), r.bottom()}, {r.left(), r.bottom()}});
        break;
    case QScatterSeries::MarkerShapeRotatedRectangle:
        p.drawPolygon(
            QPolygonF{{c.x(), r.top()}, {r.right(), c.y()}, {c.x(), r.bottom()}, {r.left(), c.y()}});
        break;
    case QScatterSeries::MarkerShapeStar:
    case QScatterSeries::MarkerShapePentagon: {
        QPolygonF punte;
        const int n = Forma(stile) == QScatterSeries::MarkerShapeStar ? 10 : 5;
        for (int i = 0; i < n; ++i) {
            const double angolo = -M_PI / 2 + i * 2 * M_PI / n;
            const double raggio = n == 10 && i % 2 ? 0.45 : 1.0;
            punte << c + QPointF(std::cos(angolo) * w * raggio, std::sin(angolo) * h * raggio);
        }
        p.drawPolygon(punte);
        break;
    }
    default:
        p.drawEllipse(r);
        break;
    }
    p.restore();
}

QIcon GraficoCurve::Icona(int stile)
{
    QPixmap immagine(16, 16);
    immagine.fill(Qt::transparent);
    QPainter pittore(&immagine);
    DisegnaMarcatore(pittore, QRectF(2, 2, 12, 12), stile);
    pittore.end();
    return QIcon(immagine);
}

QString GraficoCurve::Didascalia(const DatiVoce& voce)
{
    QStringList pezzi{voce.nome, TipiVoce::Nome(voce.codice)};
    if (const QString dichiarata = TipiVoce::RigaDichiarata(voce.codice, voce.valutazioni);
        !dichiarata.isEmpty())
        pezzi << (voce.diverse.isEmpty()
                      ? QCoreApplication::translate("GraficoCurve", "declared %1").arg(dichiarata)
                      : QCoreApplication::translate("GraficoCurve", "declared %1 (not as computed: %2)")
                            .arg(dichiarata, voce.diverse.join(QStringLiteral(", "))));
    if (voce.calcolata && voce.calcolata->indice)
        pezzi << QCoreApplication::translate("GraficoCurve", "computed %1")
                     .arg(TipiVoce::RigaCalcolata(voce.codice, *voce.calcolata));
    else if (voce.calcolata)
        pezzi << QCoreApplication::translate("GraficoCurve",
                                             "not computed: a band from 100 to 3150 Hz has no value");
    return pezzi.join(QStringLiteral(" \u2013 "));
}

int GraficoCurve::Banda(const QPointF& punto)
{
    const int banda = int(std::lround((punto.x() - AsseFrequenze::Posizione(0)) * 10));
    return std::clamp(banda, 0, RecordSchema::NumeroBande - 1);
}

namespace {

// The shifted reference curve of a computed rating, dashed; its values join valori.
QLineSeries* LineaRiferimento(QChart* grafico, const Valutazione& calcolata, const QPen& penna,
                              QList<double>& valori)
{
    auto* riferimento = new QLineSeries(grafico);
    riferimento->setPen(penna);
    for (int i = 0; i < Valutazione::NumeroBandeValutate; ++i) {
        const double y = calcolata.riferimento[i];
        riferimento->append(AsseFrequenze::Posizione(Valutazione::PrimaBanda + i), y);
        valori << y;
    }
    return riferimento;
}

} // namespace

QList<QScatterSeries*> GraficoCurve::Disegna(QChart* grafico, const QList<Curva>& curve, bool riferimenti,
                                             double spessore)
{
    grafico->removeAllSeries();
    for (QAbstractAxis* asse : grafico->axes()) {
        grafico->removeAxis(asse);
        delete asse; // a removed axis would still be drawn
    }
    grafico->legend()->hide();

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
        if (riferimenti && voce.calcolata && voce.calcolata->indice)
            tutte << LineaRiferimento(grafico, *voce.calcolata, QPen(colore, 1.5 * spessore, Qt::DashLine),
                                      valori);
        tutte << punti;
        marcatori << punti;
    }

    QCategoryAxis* asseX = AsseX(grafico);
    QValueAxis* asseY = AsseY(
        grafico, valori, curve.isEmpty() ? QString() : TipiVoce::GrandezzaBande(curve.first().voce->codice));
    grafico->addAxis(asseX, Qt::AlignBottom);
    grafico->addAxis(asseY, Qt::AlignLeft);
    for (QAbstractSeries* serie : tutte) {
        grafico->addSeries(serie);
        serie->attachAxis(asseX);
        serie->attachAxis(asseY);
    }
    return marcatori;
}
