#include "EsportazioneGrafico.h"

#include <QChart>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace {

QString Tr(const char* testo)
{
    return QCoreApplication::translate("EsportazioneGrafico", testo);
}

void Disegna(QChart* grafico, QPainter& pittore, const QRectF& destinazione)
{
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setRenderHint(QPainter::TextAntialiasing);
    grafico->scene()->render(&pittore, destinazione, grafico->sceneBoundingRect());
}

bool ScriviPng(QChart* grafico, QIODevice& file)
{
    const QSize dimensione = (grafico->size() * 2).toSize();
    QImage immagine(dimensione, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::white);
    QPainter pittore(&immagine);
    Disegna(grafico, pittore, QRectF(QPointF(), dimensione));
    pittore.end();
    return immagine.save(&file, "PNG");
}

bool ScriviSvg(QChart* grafico, QIODevice& file, const QString& titolo)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(grafico->size().toSize());
    svg.setViewBox(QRectF(QPointF(), grafico->size()));
    svg.setTitle(titolo);
    QPainter pittore(&svg);
    Disegna(grafico, pittore, QRectF(QPointF(), grafico->size()));
    return pittore.end();
}

bool ScriviPdf(QChart* grafico, QIODevice& file, const QString& titolo)
{
    QPdfWriter pdf(&file);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    pdf.setTitle(titolo);
    pdf.setCreator(QStringLiteral("ZELMARtek"));
    QPainter pittore(&pdf);
    const QRectF pagina(QPointF(), QSizeF(pdf.width(), pdf.height()));
    QSizeF dimensione = grafico->size();
    dimensione.scale(pagina.size(), Qt::KeepAspectRatio);
    Disegna(grafico, pittore, QRectF(pagina.topLeft(), dimensione));
    return pittore.end();
}

} // namespace

QString EsportazioneGrafico::Salva(QChart* grafico, const QString& percorso)
{
    const QString formato = QFileInfo(percorso).suffix().toLower();
    if (formato != QLatin1String("png") && formato != QLatin1String("svg") && formato != QLatin1String("pdf"))
        return Tr("%1: the chart is written as PNG, SVG or PDF, chosen by the file's suffix.").arg(percorso);
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly))
        return Tr("%1 cannot be written: %2").arg(percorso, file.errorString());
    const QString titolo = grafico->title().isEmpty() ? QStringLiteral("ZELMARtek") : grafico->title();
    bool scritto = false;
    if (formato == QLatin1String("png"))
        scritto = ScriviPng(grafico, file);
    else if (formato == QLatin1String("svg"))
        scritto = ScriviSvg(grafico, file, titolo);
    else
        scritto = ScriviPdf(grafico, file, titolo);
    if (!scritto || !file.commit())
        return Tr("%1 cannot be written: %2").arg(percorso, file.errorString());
    return {};
}
