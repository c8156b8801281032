#include "prediction/Previsione.h"

#include "prediction/PrevisioneAerea.h"
#include "prediction/PrevisioneCalpestio.h"
#include "prediction/PrevisioneFacciata.h"

Requisiti::Calcolo Previsione::CalcoloDi(const Situazione& situazione)
{
    // The alternatives of the situation in the order of the kinds.
    static_assert(std::variant_size_v<decltype(Situazione::calcolo)> == 3);
    return Requisiti::Calcolo(situazione.calcolo.index());
}

RisultatoPrevisione Previsione::Calcola(const Situazione& situazione)
{
    RisultatoPrevisione r;
    if (const auto* aerea = std::get_if<SituazioneAerea>(&situazione.calcolo))
        r = PrevisioneAerea(*aerea).Calcola();
    else if (const auto* calpestio = std::get_if<SituazioneCalpestio>(&situazione.calcolo))
        r = PrevisioneCalpestio::Calcola(*calpestio);
    else
        r = PrevisioneFacciata::Calcola(std::get<SituazioneFacciata>(situazione.calcolo));
    const Requisiti::Calcolo calcolo = CalcoloDi(situazione);
    if (situazione.categoria)
        r.requisito = Requisiti::Verifica(calcolo, *situazione.categoria, r);
    r.classe = Requisiti::Classe(calcolo, r);
    return r;
}
