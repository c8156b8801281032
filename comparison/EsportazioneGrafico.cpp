#include "EsportazioneGrafico.h"

#include "GraficoCurve.h"

#include <QChart>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cmath>

namespace {

// The legend in the chart's own units (pixels on screen).
constexpr double kRigaLegenda = 20;
constexpr int kCarattereLegenda = 12;
constexpr double kMargineLegenda = 10;

double AltezzaLegenda(const QList<EsportazioneGrafico::VoceLegenda>& legenda)
{
    return legenda.isEmpty() ? 0 : legenda.size() * kRigaLegenda + 2 * kMargineLegenda;
}

QSizeF Dimensione(QChart* grafico, const QList<EsportazioneGrafico::VoceLegenda>& legenda)
{
    return {grafico->size().width(), grafico->size().height() + AltezzaLegenda(legenda)};
}

// The chart laid out again at a new size (its axes and labels placed for it).
void Ridimensiona(QChart* grafico, const QSizeF& dimensione)
{
    grafico->resize(dimensione);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

void DisegnaLegenda(QPainter& pittore, const QList<EsportazioneGrafico::VoceLegenda>& legenda, double y,
                    double larghezza)
{
    QFont carattere = pittore.font();
    carattere.setPixelSize(kCarattereLegenda);
    // Without ligatures a PDF's text reads back (and is found) letter for letter.
    carattere.setStyleStrategy(QFont::PreferNoShaping);
    pittore.setFont(carattere);
    pittore.setPen(Qt::black);
    const QFontMetricsF metrica(carattere);
    const double sinistra = kMargineLegenda * 2;
    for (int i = 0; i < legenda.size(); ++i) {
        const double alto = y + kMargineLegenda + i * kRigaLegenda;
        GraficoCurve::DisegnaMarcatore(pittore, QRectF(sinistra, alto + 5, 10, 10), legenda[i].stile);
        const QRectF testo(sinistra + 18, alto, larghezza - sinistra - 18 - kMargineLegenda, kRigaLegenda);
        pittore.drawText(testo, Qt::AlignLeft | Qt::AlignVCenter,
                         metrica.elidedText(legenda[i].testo, Qt::ElideRight, testo.width()));
    }
}

bool ScriviPng(QChart* grafico, const QList<EsportazioneGrafico::VoceLegenda>& legenda, QIODevice& file)
{
    const QSize dimensione = (Dimensione(grafico, legenda) * 2).toSize();
    QImage immagine(dimensione, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::white);
    QPainter pittore(&immagine);
    EsportazioneGrafico::Disegna(pittore, grafico, legenda, QRectF(QPointF(), dimensione));
    pittore.end();
    return immagine.save(&file, "PNG");
}

bool ScriviSvg(QChart* grafico, const QList<EsportazioneGrafico::VoceLegenda>& legenda, QIODevice& file,
               const QString& titolo)
{
    const QSizeF dimensione = Dimensione(grafico, legenda);
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(dimensione.toSize());
    svg.setViewBox(QRectF(QPointF(), dimensione));
    svg.setTitle(titolo);
    QPainter pittore(&svg);
    EsportazioneGrafico::Disegna(pittore, grafico, legenda, QRectF(QPointF(), dimensione));
    return pittore.end();
}

bool ScriviPdf(QChart* grafico, const QList<EsportazioneGrafico::VoceLegenda>& legenda, QIODevice& file,
               const QString& titolo)
{
    QPdfWriter pdf(&file);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    pdf.setTitle(titolo);
    pdf.setCreator(QStringLiteral("ZELMARtek"));
    QPainter pittore(&pdf);
    EsportazioneGrafico::Disegna(pittore, grafico, legenda, QRectF(0, 0, pdf.width(), pdf.height()));
    return pittore.end();
}

} // namespace

void EsportazioneGrafico::Disegna(QPainter& pittore, QChart* grafico, const QList<VoceLegenda>& legenda,
                                  const QRectF& destinazione)
{
    // The chart takes the destination's proportions (a page is wider than the window's chart),
    // laid out at its own width for the drawing, then given back its size.
    const QSizeF propria = grafico->size();
    const double altezza =
        propria.width() * destinazione.height() / destinazione.width() - AltezzaLegenda(legenda);
    if (std::abs(altezza - propria.height()) > 1 && altezza > propria.height() / 3)
        Ridimensiona(grafico, QSizeF(propria.width(), altezza));
    const QSizeF dimensione = Dimensione(grafico, legenda);
    const double scala =
        std::min(destinazione.width() / dimensione.width(), destinazione.height() / dimensione.height());
    pittore.save();
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setRenderHint(QPainter::TextAntialiasing);
    pittore.translate(destinazione.topLeft());
    pittore.scale(scala, scala);
    pittore.fillRect(QRectF(QPointF(), dimensione), Qt::white);
    grafico->scene()->render(&pittore, QRectF(QPointF(), grafico->size()), grafico->sceneBoundingRect());
    DisegnaLegenda(pittore, legenda, grafico->size().height(), dimensione.width());
    pittore.restore();
    if (grafico->size() != propria)
        Ridimensiona(grafico, propria);
}

QString EsportazioneGrafico::Salva(QChart* grafico, const QList<VoceLegenda>& legenda,
                                   const QString& percorso)
{
    const QString formato = QFileInfo(percorso).suffix().toLower();
    if (formato != QLatin1String("png") && formato != QLatin1String("svg") && formato != QLatin1String("pdf"))
        return QCoreApplication::translate(
                   "EsportazioneGrafico",
                   "%1: the chart is written as PNG, SVG or PDF, chosen by the file's suffix.")
            .arg(percorso);
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly))
        return QCoreApplication::translate("EsportazioneGrafico", "%1 cannot be written: %2")
            .arg(percorso, file.errorString());
    const QString titolo = QCoreApplication::translate("EsportazioneGrafico", "Comparison of curves");
    bool scritto = false;
    if (formato == QLatin1String("png"))
        scritto = ScriviPng(grafico, legenda, file);
    else if (formato == QLatin1String("svg"))
        scritto = ScriviSvg(grafico, legenda, file, titolo);
    else
        scritto = ScriviPdf(grafico, legenda, file, titolo);
    if (!scritto || !file.commit())
        return QCoreApplication::translate("EsportazioneGrafico", "%1 cannot be written: %2")
            .arg(percorso, file.errorString());
    return {};
}
