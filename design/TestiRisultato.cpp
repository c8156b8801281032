#include "TestiRisultato.h"

#include <algorithm>

namespace {

QString Intero(const std::optional<int>& valore, const QLocale& locale)
{
    return valore ? locale.toString(*valore) : QStringLiteral("-");
}

// "52 (-1; -4)", the terms left out when neither is known.
QString ConTermini(const std::optional<int>& indice, const std::optional<int>& c,
                   const std::optional<int>& ctr, const QLocale& locale)
{
    return QStringLiteral("%1 (%2; %3)").arg(Intero(indice, locale), Intero(c, locale), Intero(ctr, locale));
}

} // namespace

QString TestiRisultato::Principale(Requisiti::Calcolo calcolo, const RisultatoPrevisione& r,
                                   const QLocale& locale)
{
    switch (calcolo) {
    case Requisiti::Calcolo::Aereo:
        return QStringLiteral("R'w (C; Ctr) = %1 dB").arg(ConTermini(r.indice, r.c, r.ctr, locale));
    case Requisiti::Calcolo::Calpestio:
        return QStringLiteral("L'n,w = %1 dB").arg(Intero(r.indice, locale));
    case Requisiti::Calcolo::Facciata:
        return QStringLiteral("D2m,nT,w = %1 dB").arg(Intero(r.normalizzato, locale));
    }
    return {};
}

QString TestiRisultato::Secondario(Requisiti::Calcolo calcolo, const RisultatoPrevisione& r,
                                   const QLocale& locale)
{
    switch (calcolo) {
    case Requisiti::Calcolo::Aereo:
        return QStringLiteral("DnT,w (C; Ctr) = %1 dB")
            .arg(ConTermini(r.normalizzato, r.normalizzatoC, r.normalizzatoCtr, locale));
    case Requisiti::Calcolo::Calpestio:
        return QStringLiteral("L'nT,w = %1 dB").arg(Intero(r.normalizzato, locale)) +
               (r.k ? tr("   (K = %1 dB, Ln,w,eq = %2 dB)")
                          .arg(locale.toString(*r.k), locale.toString(r.lnwEq.value_or(0), 'f', 1))
                    : QString());
    case Requisiti::Calcolo::Facciata:
        return QStringLiteral("R'w (C; Ctr) = %1 dB").arg(ConTermini(r.indice, r.c, r.ctr, locale));
    }
    return {};
}

QString TestiRisultato::Requisito(const RisultatoPrevisione& r, char categoria, const QLocale& locale)
{
    if (!r.requisito)
        return {};
    const EsitoRequisito& e = *r.requisito;
    const bool calpestio = QLatin1String(e.grandezza) == QLatin1String("L'n,w");
    return tr("Limit of category %1: %2 %3 %4 dB - %5")
        .arg(QChar::fromLatin1(categoria), QString::fromUtf8(e.grandezza),
             calpestio ? QStringLiteral("≤") : QStringLiteral("≥"), locale.toString(e.limite),
             e.rispettato ? tr("✓ met") : tr("✗ NOT met"));
}

QString TestiRisultato::Classe(const RisultatoPrevisione& r)
{
    static const char* const Classi[] = {"I", "II", "III", "IV"};
    return r.classe ? tr("UNI 11367 class: %1").arg(QLatin1String(Classi[*r.classe - 1]))
                    : tr("UNI 11367 class: below class IV");
}

QList<TestiRisultato::RigaPercorso> TestiRisultato::Percorsi(const RisultatoPrevisione& r,
                                                             const QLocale& locale)
{
    QList<RigaPercorso> righe;
    for (const Percorso& p : r.percorsi)
        righe.append({QString::fromStdString(p.Nome()), locale.toString(p.valore, 'f', r.perBande ? 0 : 1),
                      locale.toString(100 * p.quota, 'f', 1), p.quota});
    std::stable_sort(righe.begin(), righe.end(),
                     [](const RigaPercorso& a, const RigaPercorso& b) { return a.peso > b.peso; });
    return righe;
}

QString TestiRisultato::Norme()
{
    return tr("EN 12354-1:2000, EN 12354-2:2000, EN 12354-3:2000; EN ISO 717-1:2013, EN ISO 717-2:2013; "
              "DPCM 5-12-1997, table B; UNI 11367:2010");
}
