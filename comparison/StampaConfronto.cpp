#include "StampaConfronto.h"

#include "EsportazioneGrafico.h"
#include "GraficoCurve.h"
#include "TabellaConfronto.h"

#include <QChart>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

void DisegnaTabella(QPainter& pittore, const QRectF& pagina, const InsiemeConfronto& insieme)
{
    QList<DatiVoce> voci;
    for (const InsiemeConfronto::Elemento& e : insieme.Elementi())
        voci << e.voce;
    const QList<TabellaConfronto::Riga> righe = TabellaConfronto::Righe(voci);
    const int numeroRighe = int(righe.size()) + 1;
    const double altezzaRiga = std::min(pagina.height() / numeroRighe, pagina.height() / 24);
    const double larghezzaEtichette = pagina.width() * 0.22;
    const double larghezzaColonna =
        (pagina.width() - larghezzaEtichette) / std::max<qsizetype>(1, voci.size());

    QFont carattere = pittore.font();
    carattere.setPixelSize(std::max(1, int(altezzaRiga * 0.62)));
    carattere.setStyleStrategy(QFont::PreferNoShaping); // the text reads back letter for letter
    pittore.setFont(carattere);
    const QFontMetricsF metrica(carattere, pittore.device());
    const auto cella = [&](int riga, int colonna, const QString& testo, Qt::Alignment allineamento) {
        const double x =
            colonna < 0 ? pagina.left() : pagina.left() + larghezzaEtichette + colonna * larghezzaColonna;
        const double larghezza = colonna < 0 ? larghezzaEtichette : larghezzaColonna;
        const QRectF r(x, pagina.top() + riga * altezzaRiga, larghezza, altezzaRiga);
        pittore.drawRect(r);
        const QRectF interno = r.adjusted(altezzaRiga * 0.15, 0, -altezzaRiga * 0.15, 0);
        pittore.drawText(interno, allineamento | Qt::AlignVCenter,
                         metrica.elidedText(testo, Qt::ElideRight, interno.width()));
    };

    pittore.setPen(QPen(Qt::black, 0));
    cella(0, -1, TabellaConfronto::Intestazione(), Qt::AlignLeft);
    for (int c = 0; c < voci.size(); ++c) {
        pittore.fillRect(QRectF(pagina.left() + larghezzaEtichette + c * larghezzaColonna, pagina.top(),
                                larghezzaColonna, altezzaRiga * 0.12),
                         GraficoCurve::Colore(insieme.Elementi()[c].stile));
        cella(0, c, voci[c].nome, Qt::AlignHCenter);
    }
    for (int r = 0; r < righe.size(); ++r) {
        cella(r + 1, -1, righe[r].etichetta, Qt::AlignLeft);
        for (int c = 0; c < righe[r].celle.size(); ++c)
            cella(r + 1, c, TabellaConfronto::TestoCella(righe[r].celle[c]), Qt::AlignHCenter);
    }
}

} // namespace

bool StampaConfronto::Stampa(QPagedPaintDevice& pagine, QChart* grafico, const InsiemeConfronto& insieme)
{
    QPainter pittore;
    if (!pittore.begin(&pagine))
        return false;
    pittore.setRenderHint(QPainter::Antialiasing);
    const QRectF pagina(0, 0, pagine.width(), pagine.height());
    QList<EsportazioneGrafico::VoceLegenda> legenda;
    for (const InsiemeConfronto::Elemento& e : insieme.Elementi())
        legenda.append({GraficoCurve::Didascalia(e.voce), e.stile});
    EsportazioneGrafico::Disegna(pittore, grafico, legenda, pagina);
    if (!pagine.newPage())
        return false;
    DisegnaTabella(pittore, pagina, insieme);
    return pittore.end();
}
