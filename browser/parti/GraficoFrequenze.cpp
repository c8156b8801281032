#include "GraficoFrequenze.h"

#include <algorithm>

namespace {

constexpr double kAltezzaMassimo = 80;
constexpr double kAltezzaMinimo = 10;

void CalcolaIntervallo(const std::array<float, 21>& v, GeometriaGrafico& g)
{
    float max = v[0];
    float min = v[10]; // the 500 Hz band
    for (int i = 1; i <= 20; ++i) {
        if (v[i] > max)
            max = v[i];
        if (v[i] != 0 && v[i] < min)
            min = v[i];
    }
    if (min == max)
        max = max + 1;
    g.max = max;
    g.min = min;
}

void CalcolaGriglia(GeometriaGrafico& g)
{
    for (int x = 1; x <= 19; x += 3)
        g.griglia.append(QLineF(x, 0, x, 90));
    for (int y = 10; y <= 80; y += 35)
        g.griglia.append(QLineF(0, y, 20, y));
}

// Zero bands carry no value: they are bridged by the segment between their neighbours.
void CalcolaCurva(const std::array<float, 21>& v, GeometriaGrafico& g)
{
    g.curva.clear();
    g.marcatori.clear();
    auto punto = [&](int i) { return QPointF(i, g.K * v[i] + g.Off); };
    int j = 20;
    int k = 0;
    for (int i = 0; i <= 19; ++i) {
        if (k > j) {
            g.curva.append(QLineF(punto(j), punto(k)));
            j = k;
        }
        if (v[i] != 0)
            j = i;
        if (v[i + 1] != 0)
            k = i + 1;
    }
    if (k > j)
        g.curva.append(QLineF(punto(j), punto(k)));
    for (int i = 0; i <= 20; ++i)
        if (v[i] != 0)
            g.marcatori.append(punto(i));
}

// The range captions, max at the top line and min at the bottom one, and the curve on that scale.
void Scala(GeometriaGrafico& g, const QLocale& locale)
{
    g.testoMassimo = FormattaValoreGrafico(g.max, locale);
    g.testoMinimo = FormattaValoreGrafico(g.min, locale);
    g.K = (kAltezzaMassimo - kAltezzaMinimo) / (double(g.max) - double(g.min));
    g.Off = kAltezzaMassimo - g.K * g.max;
    CalcolaCurva(g.valori, g);
}

} // namespace

QString FormattaValoreGrafico(double valore, const QLocale& locale)
{
    QLocale formato = locale;
    formato.setNumberOptions(formato.numberOptions() & ~QLocale::OmitGroupSeparator);
    return formato.toString(valore, 'f', 1);
}

GeometriaGrafico CalcolaGrafico(const std::array<float, 21>& ValoriBande, bool selezione,
                                const QLocale& locale)
{
    GeometriaGrafico g;
    g.selezione = selezione;
    if (!selezione)
        return g;
    g.valori = ValoriBande;
    CalcolaIntervallo(ValoriBande, g);
    CalcolaGriglia(g);
    Scala(g, locale);
    return g;
}

void AggiungiRiferimento(GeometriaGrafico& g, const Valutazione& v, const MotoreValutazione::Bande& bande,
                         const QLocale& locale)
{
    if (!g.selezione || !v.indice)
        return;
    const auto [basso, alto] = std::minmax_element(v.riferimento.begin(), v.riferimento.end());
    if (*alto > g.max || *basso < g.min) {
        g.max = std::max(g.max, float(*alto));
        g.min = std::min(g.min, float(*basso));
        Scala(g, locale);
    }
    auto punto = [&](int i, double valore) {
        return QPointF(Valutazione::PrimaBanda + i, g.K * valore + g.Off);
    };
    for (int i = 0; i < Valutazione::NumeroBandeValutate; ++i) {
        if (i + 1 < Valutazione::NumeroBandeValutate)
            g.riferimento.append(QLineF(punto(i, v.riferimento[i]), punto(i + 1, v.riferimento[i + 1])));
        const auto& banda = bande[Valutazione::PrimaBanda + i];
        if (v.deviazioni[i] > 0 && banda)
            g.deviazioni.append(QLineF(punto(i, *banda), punto(i, v.riferimento[i])));
    }
}
