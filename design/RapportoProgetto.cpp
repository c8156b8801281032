#include "RapportoProgetto.h"

#include "PannelloRisultati.h"
#include "TestiRisultato.h"
#include "comparison/EsportazioneGrafico.h"
#include "model/FormatoNumero.h"
#include "model/LocaleDocumenti.h"
#include "prediction/Previsione.h"

#include <QChart>
#include <QDate>
#include <QGraphicsScene>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <QUrl>

namespace {

QString Celle(const QStringList& celle, const char* tag = "td", const QList<int>& larghezze = {})
{
    QString riga = QStringLiteral("<tr>");
    for (int i = 0; i < celle.size(); ++i)
        riga += QStringLiteral("<%1%3>%2</%1>")
                    .arg(QLatin1String(tag), celle[i].toHtmlEscaped(),
                         i < larghezze.size() ? QStringLiteral(" width=%1%").arg(larghezze[i]) : QString());
    return riga + QStringLiteral("</tr>");
}

QString Numero(double valore)
{
    return FormatoNumero::Testo(valore, LocaleDocumenti::Locale());
}

QString Modello(Modello m)
{
    return m == Modello::Dettagliato ? RapportoProgetto::tr("detailed (one-third-octave bands)")
                                     : RapportoProgetto::tr("simplified (single numbers)");
}

QString Giunto(const ::Giunto& g)
{
    switch (g.tipo) {
    case TipoGiunto::Croce:
        return RapportoProgetto::tr("rigid cross");
    case TipoGiunto::T:
        return RapportoProgetto::tr("rigid T");
    case TipoGiunto::Dato:
        return RapportoProgetto::tr("KFf %1, KFd %2, KDf %3 dB")
            .arg(Numero(g.kFf), Numero(g.kFd), Numero(g.kDf));
    }
    return {};
}

// The situation's kind, model and geometry, one line each.
QStringList Descrizione(const ::Situazione& s)
{
    QStringList righe;
    if (const auto* a = std::get_if<SituazioneAerea>(&s.calcolo)) {
        righe << RapportoProgetto::tr("Airborne sound between rooms, EN 12354-1; model: %1")
                     .arg(Modello(a->modello))
              << RapportoProgetto::tr("Ss = %1 m², V = %2 m³").arg(Numero(a->ss), Numero(a->v));
        for (size_t i = 0; i < a->fianchi.size(); ++i) {
            const Fianco& f = a->fianchi[i];
            righe << RapportoProgetto::tr("Junction %1: lf = %2 m, %3; S F = %4 m², S f = %5 m²")
                         .arg(i + 1)
                         .arg(Numero(f.lunghezza), Giunto(f.giunto), Numero(f.sorgente.area.value_or(0)),
                              Numero(f.ricevente.area.value_or(0)));
        }
    } else if (const auto* c = std::get_if<SituazioneCalpestio>(&s.calcolo)) {
        righe << RapportoProgetto::tr("Impact sound, EN 12354-2, simplified model")
              << RapportoProgetto::tr(
                     "m' of the floor = %1 kg/m², m' of the flanking elements = %2 kg/m², V = %3 m³")
                     .arg(Numero(c->massa), Numero(c->massaFianchi), Numero(c->v));
    } else {
        const auto& f = std::get<SituazioneFacciata>(s.calcolo);
        righe << RapportoProgetto::tr("Facade, EN 12354-3; model: %1").arg(Modello(f.modello))
              << RapportoProgetto::tr("S = %1 m², V = %2 m³, ΔLfs = %3 dB")
                     .arg(Numero(f.s), Numero(f.v), Numero(f.dlfs));
    }
    righe << (s.categoria ? RapportoProgetto::tr("Building category %1 (DPCM 5-12-1997)")
                                .arg(QChar::fromLatin1(*s.categoria))
                          : RapportoProgetto::tr("No building category"));
    return righe;
}

QImage Grafico(const ::Situazione& s, const RisultatoPrevisione& r)
{
    QGraphicsScene scena; // the chart is drawn from its scene
    auto* grafico = new QChart;
    scena.addItem(grafico);
    grafico->resize(1300, 720);
    PannelloRisultati::DisegnaGrafico(grafico, s, r);
    QList<EsportazioneGrafico::VoceLegenda> legenda;
    if (r.perBande)
        legenda.append({RapportoProgetto::tr("R' in the building; dashed: its reference curve shifted"), 0});
    if (const auto* a = std::get_if<SituazioneAerea>(&s.calcolo); a && a->separazione.r.bande)
        legenda.append({RapportoProgetto::tr("R of the separating element (laboratory)"), 1});
    grafico->setTitle({});
    QImage immagine(1600, 1000, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::white);
    QPainter pittore(&immagine);
    pittore.setRenderHint(QPainter::Antialiasing);
    EsportazioneGrafico::Disegna(pittore, grafico, legenda,
                                 QRectF(0, 0, immagine.width(), immagine.height()));
    return immagine;
}

} // namespace

QString RapportoProgetto::Html(const Contenuto& c)
{
    const QLocale locale = LocaleDocumenti::Locale();
    const Requisiti::Calcolo calcolo = Previsione::CalcoloDi(c.situazione);
    const RisultatoPrevisione& r = c.risultato;
    QString html = QStringLiteral("<html><body><h2>%1</h2><p>%2</p>")
                       .arg(tr("Acoustic design - report").toHtmlEscaped(),
                            (tr("Date: %1").arg(LocaleDocumenti::Data(QDate::currentDate())) +
                             (c.file.isEmpty() ? QString() : tr(" - project %1").arg(c.file)))
                                .toHtmlEscaped());
    html += QStringLiteral("<h3>%1</h3><p>").arg(tr("Situation").toHtmlEscaped());
    for (const QString& riga : Descrizione(c.situazione))
        html += riga.toHtmlEscaped() + QStringLiteral("<br>");
    html += QStringLiteral("</p><h3>%1</h3><table border=1 cellspacing=0 cellpadding=3 width=100%>")
                .arg(tr("Elements").toHtmlEscaped());
    html += Celle({tr("Slot"), tr("Values"), tr("Source entry")}, "th", {28, 20, 52});
    for (const Elemento& e : c.elementi)
        html += Celle({e.didascalia + QStringLiteral(" (") + e.posto + QLatin1Char(')'), e.valori,
                       e.fonte ? tr("«%1» (%2, %3)").arg(e.fonte->nome, e.fonte->file, e.fonte->tabella)
                               : tr("typed")});
    html +=
        QStringLiteral("</table><h3>%1</h3><p><b>%2</b><br>%3<br>")
            .arg(tr("Result").toHtmlEscaped(), TestiRisultato::Principale(calcolo, r, locale).toHtmlEscaped(),
                 TestiRisultato::Secondario(calcolo, r, locale).toHtmlEscaped());
    if (c.situazione.categoria)
        html += QStringLiteral("<b>%1</b><br>")
                    .arg(TestiRisultato::Requisito(r, *c.situazione.categoria, locale).toHtmlEscaped());
    html += TestiRisultato::Classe(r).toHtmlEscaped() + QStringLiteral("</p>");
    html += QStringLiteral("<h3>%1</h3><table border=1 cellspacing=0 cellpadding=2 width=60%>")
                .arg(tr("Transmission paths, weakest first").toHtmlEscaped());
    html += Celle({tr("Path"), tr("Value (dB)"), tr("Share of energy (%)")}, "th", {30, 30, 40});
    for (const TestiRisultato::RigaPercorso& p : TestiRisultato::Percorsi(r, locale))
        html += Celle({p.nome, p.valore, p.quota});
    html += QStringLiteral("</table>");
    if (r.perBande)
        html += QStringLiteral("<p><img src=\"grafico.png\" width=460></p>");
    html += QStringLiteral("<p><small>%1</small></p></body></html>")
                .arg(tr("Standards: %1").arg(TestiRisultato::Norme()).toHtmlEscaped());
    return html;
}

bool RapportoProgetto::Stampa(QPagedPaintDevice& pagine, const Contenuto& contenuto)
{
    QTextDocument documento;
    QFont carattere = documento.defaultFont();
    carattere.setPointSizeF(7);
    documento.setDefaultFont(carattere);
    if (contenuto.risultato.perBande)
        documento.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("grafico.png")),
                              Grafico(contenuto.situazione, contenuto.risultato));
    // Laid out on the page in points, so that the font and the chart keep their sizes on paper.
    documento.setPageSize(pagine.pageLayout().paintRectPoints().size());
    documento.setHtml(Html(contenuto));
    documento.print(&pagine);
    return true;
}
