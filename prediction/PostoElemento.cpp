#include "prediction/PostoElemento.h"

#include "model/Categorie.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>

namespace {

// Which kinds of entry fit which kind of slot: the one table of it.
constexpr int kPareti[] = {catRwLaboratorio, catRwTeorico};
constexpr int kRivestimenti[] = {catDRwLaboratorio, catDRwTeorico};
constexpr int kSolai[] = {catLnwLaboratorio, catLnwTeorico};
constexpr int kPavimenti[] = {catDLwLaboratorio};
constexpr int kFacciata[] = {catRwLaboratorio, catRwTeorico, catInfissi};
constexpr int kPiccoli[] = {catDnewLaboratorio};

// A slot path taken apart: its form, the junction or element it names (from 1), the side.
struct Percorso
{
    TipoPosto tipo;
    int numero = 0;
    bool sorgente = true; // the source side: "F", "DR_sorgente"
};

std::optional<Percorso> Analizza(const QString& posto)
{
    static const QRegularExpression fianco(QStringLiteral("^fianchi\\[([1-9][0-9]*)\\]\\.([Ff])(\\.DR)?$"));
    static const QRegularExpression elenco(QStringLiteral("^(elementi|piccoli)\\[([1-9][0-9]*)\\]$"));
    if (posto == QLatin1String("separazione"))
        return Percorso{TipoPosto::Separazione};
    if (posto == QLatin1String("separazione.DR_sorgente") ||
        posto == QLatin1String("separazione.DR_ricevente"))
        return Percorso{TipoPosto::Rivestimento, 0, posto.endsWith(QLatin1String("sorgente"))};
    if (posto == QLatin1String("Lnw"))
        return Percorso{TipoPosto::Solaio};
    if (posto == QLatin1String("DLw"))
        return Percorso{TipoPosto::RivestimentoPavimento};
    if (const QRegularExpressionMatch m = fianco.match(posto); m.hasMatch())
        return Percorso{m.hasCaptured(3) ? TipoPosto::Rivestimento : TipoPosto::Fianco, m.captured(1).toInt(),
                        m.captured(2) == QLatin1String("F")};
    if (const QRegularExpressionMatch m = elenco.match(posto); m.hasMatch())
        return Percorso{m.captured(1) == QLatin1String("elementi") ? TipoPosto::ElementoFacciata
                                                                   : TipoPosto::PiccoloElemento,
                        m.captured(2).toInt()};
    return std::nullopt;
}

// The curve and mass a slot of the situation holds, where they can be read and written;
// nothing for a path that is no slot of it.
struct Luogo
{
    Curva* curva = nullptr;
    std::optional<double>* massa = nullptr;
    // The impact slots hold plain numbers.
    std::optional<double>* lnw = nullptr;
    double* numero = nullptr;
};

Luogo Trova(Situazione& s, const QString& posto)
{
    const std::optional<Percorso> p = Analizza(posto);
    if (!p)
        return {};
    if (auto* aerea = std::get_if<SituazioneAerea>(&s.calcolo)) {
        if (p->numero == 0 && p->tipo == TipoPosto::Separazione)
            return {&aerea->separazione.r, &aerea->separazione.massa};
        if (p->numero == 0 && p->tipo == TipoPosto::Rivestimento)
            return {p->sorgente ? &aerea->rivestimentoSorgente : &aerea->rivestimentoRicevente};
        if (p->numero < 1 || p->numero > int(aerea->fianchi.size()))
            return {};
        Fianco& f = aerea->fianchi[size_t(p->numero - 1)];
        Elemento& e = p->sorgente ? f.sorgente : f.ricevente;
        if (p->tipo == TipoPosto::Fianco)
            return {&e.r, &e.massa};
        return {p->sorgente ? &f.rivestimentoSorgente : &f.rivestimentoRicevente};
    }
    if (auto* calpestio = std::get_if<SituazioneCalpestio>(&s.calcolo)) {
        if (p->tipo == TipoPosto::Solaio)
            return {nullptr, nullptr, &calpestio->lnw, &calpestio->massa};
        if (p->tipo == TipoPosto::RivestimentoPavimento)
            return {nullptr, nullptr, nullptr, &calpestio->dlw};
        return {};
    }
    auto& facciata = std::get<SituazioneFacciata>(s.calcolo);
    if (p->tipo == TipoPosto::ElementoFacciata && p->numero <= int(facciata.elementi.size()))
        return {&facciata.elementi[size_t(p->numero - 1)].r};
    if (p->tipo == TipoPosto::PiccoloElemento && p->numero <= int(facciata.piccoli.size()))
        return {&facciata.piccoli[size_t(p->numero - 1)]};
    return {};
}

bool Vuoto(const Luogo& l)
{
    return !l.curva && !l.numero;
}

} // namespace

std::optional<TipoPosto> PostoElemento::Tipo(const QString& posto)
{
    const std::optional<Percorso> p = Analizza(posto);
    return p ? std::optional(p->tipo) : std::nullopt;
}

QString PostoElemento::Nome(TipoPosto tipo)
{
    switch (tipo) {
    case TipoPosto::Separazione:
        return tr("separating element");
    case TipoPosto::Rivestimento:
        return tr("lining");
    case TipoPosto::Fianco:
        return tr("flanking element");
    case TipoPosto::Solaio:
        return tr("floor under impact sound");
    case TipoPosto::RivestimentoPavimento:
        return tr("floor covering");
    case TipoPosto::ElementoFacciata:
        return tr("facade element");
    case TipoPosto::PiccoloElemento:
        return tr("small element");
    }
    return {};
}

std::span<const int> PostoElemento::Codici(TipoPosto tipo)
{
    switch (tipo) {
    case TipoPosto::Separazione:
    case TipoPosto::Fianco:
        return kPareti;
    case TipoPosto::Rivestimento:
        return kRivestimenti;
    case TipoPosto::Solaio:
        return kSolai;
    case TipoPosto::RivestimentoPavimento:
        return kPavimenti;
    case TipoPosto::ElementoFacciata:
        return kFacciata;
    case TipoPosto::PiccoloElemento:
        return kPiccoli;
    }
    return {};
}

bool PostoElemento::Accetta(TipoPosto tipo, int codice)
{
    const std::span<const int> codici = Codici(tipo);
    return std::find(codici.begin(), codici.end(), codice) != codici.end();
}

QStringList PostoElemento::Posti(const Situazione& situazione)
{
    QStringList posti;
    if (const auto* aerea = std::get_if<SituazioneAerea>(&situazione.calcolo)) {
        posti << QStringLiteral("separazione") << QStringLiteral("separazione.DR_sorgente")
              << QStringLiteral("separazione.DR_ricevente");
        for (size_t i = 1; i <= aerea->fianchi.size(); ++i)
            for (const char* lato : {"F", "F.DR", "f", "f.DR"})
                posti << QStringLiteral("fianchi[%1].%2").arg(i).arg(QLatin1String(lato));
    } else if (std::holds_alternative<SituazioneCalpestio>(situazione.calcolo)) {
        posti << QStringLiteral("Lnw") << QStringLiteral("DLw");
    } else {
        const auto& facciata = std::get<SituazioneFacciata>(situazione.calcolo);
        for (size_t i = 1; i <= facciata.elementi.size(); ++i)
            posti << QStringLiteral("elementi[%1]").arg(i);
        for (size_t i = 1; i <= facciata.piccoli.size(); ++i)
            posti << QStringLiteral("piccoli[%1]").arg(i);
    }
    return posti;
}

std::optional<Elemento> PostoElemento::Leggi(const Situazione& situazione, const QString& posto)
{
    // Trova hands out places to write; reading goes through a copy.
    Situazione copia = situazione;
    const Luogo l = Trova(copia, posto);
    if (Vuoto(l))
        return std::nullopt;
    Elemento e;
    if (l.curva)
        e.r = *l.curva;
    if (l.massa)
        e.massa = *l.massa;
    if (l.lnw) {
        e.r.indice = *l.lnw;
        e.massa = *l.numero;
    } else if (l.numero) {
        e.r.indice = *l.numero;
    }
    return e;
}

bool PostoElemento::Imposta(Situazione& situazione, const QString& posto, const Elemento& elemento)
{
    const Luogo l = Trova(situazione, posto);
    if (Vuoto(l))
        return false;
    if (l.curva)
        *l.curva = elemento.r;
    if (l.massa)
        *l.massa = elemento.massa;
    if (l.lnw) {
        *l.lnw = elemento.r.indice;
        if (elemento.massa)
            *l.numero = *elemento.massa;
    } else if (l.numero) {
        *l.numero = elemento.r.indice.value_or(0);
    }
    return true;
}
