#include "ImpaginazioneScheda.h"

#include <algorithm>

namespace {
constexpr double kCarta = 16;
constexpr double kTitolo = 14;
constexpr double kTipo = 6;
constexpr double kValutazione = 21;
constexpr double kDescrizione = 42;
constexpr double kCertificato = 38;
constexpr double kLegenda = 5;
constexpr double kBande = 38;
constexpr double kPiede = 9;
constexpr double kSpazio = 3;
constexpr double kColonnaDestra = 0.37; // share of the width for the picture and the physical data
} // namespace

ImpaginazioneScheda ImpaginazioneScheda::Per(const QSizeF& paginaMm, bool carta, bool immagine)
{
    const QSizeF a4(210, 297);
    ImpaginazioneScheda s = SuA4(a4, carta, immagine);
    const double scala = std::min(paginaMm.width() / a4.width(), paginaMm.height() / a4.height());
    const QPointF spostamento((paginaMm.width() - a4.width() * scala) / 2, 0);
    for (QRectF* r : s.Puntatori())
        *r = QRectF(r->topLeft() * scala + spostamento, r->size() * scala);
    return s;
}

QList<QRectF> ImpaginazioneScheda::Riquadri() const
{
    ImpaginazioneScheda copia = *this;
    QList<QRectF> riquadri;
    for (const QRectF* r : copia.Puntatori())
        if (!r->isEmpty())
            riquadri << *r;
    return riquadri;
}

QList<QRectF*> ImpaginazioneScheda::Puntatori()
{
    return {&carta,       &titolo, &tipo,    &valutazione, &descrizione, &immagine,
            &certificato, &fisici, &grafico, &legenda,     &bande,       &piede};
}

ImpaginazioneScheda ImpaginazioneScheda::SuA4(const QSizeF& paginaMm, bool carta, bool immagine)
{
    ImpaginazioneScheda s;
    const double sinistra = Margine;
    const double larghezza = paginaMm.width() - 2 * Margine;
    const double destra = larghezza * kColonnaDestra;
    const double colonnaSinistra = larghezza - destra - kSpazio;
    double y = Margine;
    const auto riga = [&](double altezza) {
        const QRectF r(sinistra, y, larghezza, altezza);
        y += altezza + kSpazio;
        return r;
    };
    const auto divisa = [&](double altezza, QRectF& aSinistra, QRectF& aDestra) {
        aSinistra = QRectF(sinistra, y, colonnaSinistra, altezza);
        aDestra = QRectF(sinistra + colonnaSinistra + kSpazio, y, destra, altezza);
        y += altezza + kSpazio;
    };
    if (carta)
        s.carta = riga(kCarta);
    s.titolo = riga(kTitolo);
    s.tipo = riga(kTipo);
    s.valutazione = riga(kValutazione);
    if (immagine)
        divisa(kDescrizione, s.descrizione, s.immagine);
    else
        s.descrizione = riga(kDescrizione);
    divisa(kCertificato, s.certificato, s.fisici);

    const double fine = paginaMm.height() - Margine;
    s.piede = QRectF(sinistra, fine - kPiede, larghezza, kPiede);
    s.bande = QRectF(sinistra, s.piede.top() - kSpazio - kBande, larghezza, kBande);
    s.legenda = QRectF(sinistra, s.bande.top() - kSpazio - kLegenda, larghezza, kLegenda);
    s.grafico = QRectF(sinistra, y, larghezza, std::max(0.0, s.legenda.top() - y));
    return s;
}
