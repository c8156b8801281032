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
    const int numeroRighe = int(righe.size()) + 2; // the names take two lines
    const double altezzaRiga = std::min(pagina.height() / numeroRighe, pagina.height() / 24);
    const double larghezzaEtichette = pagina.width() * 0.22;
    const double larghezzaColonna =
        (pagina.width() - larghezzaEtichette) / std::max<qsizetype>(1, voci.size());

    QFont carattere = pittore.font();
    carattere.setPixelSize(std::max(1, int(altezzaRiga * 0.62)));
    carattere.setStyleStrategy(QFont::PreferNoShaping); // the text reads back letter for letter
    pittore.setFont(carattere);
    const QFontMetricsF metrica(carattere, pittore.device());
    // A cell of the table's row (the names' row, -1, two lines high) and column (the labels, -1).
    const auto cella = [&](int riga, int colonna, const QString& testo, Qt::Alignment allineamento) {
        const double x =
            colonna < 0 ? pagina.left() : pagina.left() + larghezzaEtichette + colonna * larghezzaColonna;
        const double larghezza = colonna < 0 ? larghezzaEtichette : larghezzaColonna;
        const QRectF r(x, pagina.top() + (riga < 0 ? 0 : riga + 2) * altezzaRiga, larghezza,
                       altezzaRiga * (riga < 0 ? 2 : 1));
        pittore.drawRect(r);
        const QRectF interno = r.adjusted(altezzaRiga * 0.15, 0, -altezzaRiga * 0.15, 0);
        if (riga < 0) // the names whole where two lines hold them
            pittore.drawText(interno, allineamento | Qt::AlignVCenter | Qt::TextWordWrap, testo);
        else
            pittore.drawText(interno, allineamento | Qt::AlignVCenter,
                             metrica.elidedText(testo, Qt::ElideRight, interno.width()));
    };

    pittore.setPen(QPen(Qt::black, 0));
    cella(-1, -1, TabellaConfronto::Intestazione(), Qt::AlignLeft);
    for (int c = 0; c < voci.size(); ++c) {
        pittore.fillRect(QRectF(pagina.left() + larghezzaEtichette + c * larghezzaColonna, pagina.top(),
                                larghezzaColonna, altezzaRiga * 0.12),
                         GraficoCurve::Colore(insieme.Elementi()[c].stile));
        cella(-1, c, voci[c].nome, Qt::AlignHCenter);
    }
    for (int r = 0; r < righe.size(); ++r) {
        cella(r, -1, righe[r].etichetta, Qt::AlignLeft);
        for (int c = 0; c < righe[r].celle.size(); ++c) {
            const bool diversa = TabellaConfronto::Diversa(righe[r], voci[c]);
            pittore.setPen(QPen(diversa ? TabellaConfronto::ColoreDiversa : Qt::black, 0));
            cella(r, c, TabellaConfronto::TestoCella(righe[r].celle[c]), Qt::AlignHCenter);
        }
        pittore.setPen(QPen(Qt::black, 0));
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
