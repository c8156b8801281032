#include "prediction/ScritturaSituazione.h"

#include <QJsonArray>

namespace {

QJsonArray Bande(const MotoreValutazione::Bande& bande, int numeroBande)
{
    QJsonArray valori;
    const int prima = numeroBande == MotoreValutazione::NumeroBande ? 0 : Valutazione::PrimaBanda;
    for (int i = prima; i < prima + numeroBande; ++i)
        valori.append(bande[i] ? QJsonValue(*bande[i]) : QJsonValue(QJsonValue::Null));
    return valori;
}

// A performance under its two keys ("R" and "Rw"), as far as it has them.
void Prestazione(QJsonObject& o, const Curva& c, const char* bande, const char* indice, int numeroBande)
{
    if (c.bande)
        o.insert(QLatin1String(bande), Bande(*c.bande, numeroBande));
    if (c.indice)
        o.insert(QLatin1String(indice), *c.indice);
}

// A lining under its one key: bands in the detailed model, its rating in the simplified.
void Rivestimento(QJsonObject& o, const Curva& c, const char* chiave, Modello m, int numeroBande)
{
    if (c.bande && (m == Modello::Dettagliato || !c.indice))
        o.insert(QLatin1String(chiave), Bande(*c.bande, numeroBande));
    else if (c.indice)
        o.insert(QLatin1String(chiave), *c.indice);
}

QJsonObject InJson(const Elemento& e, const Curva& rivestimento, Modello m, int numeroBande)
{
    QJsonObject o;
    Prestazione(o, e.r, "R", "Rw", numeroBande);
    if (e.massa)
        o.insert(QLatin1String("massa"), *e.massa);
    if (e.area)
        o.insert(QLatin1String("area"), *e.area);
    Rivestimento(o, rivestimento, "DR", m, numeroBande);
    return o;
}

QString NomeModello(Modello m)
{
    return m == Modello::Dettagliato ? QStringLiteral("dettagliato") : QStringLiteral("semplificato");
}

QJsonValue InJson(const Giunto& g)
{
    if (g.tipo == TipoGiunto::Croce)
        return QStringLiteral("croce");
    if (g.tipo == TipoGiunto::T)
        return QStringLiteral("T");
    return QJsonObject{{"KFf", g.kFf}, {"KFd", g.kFd}, {"KDf", g.kDf}};
}

void Aerea(QJsonObject& o, const SituazioneAerea& s, int n)
{
    o.insert(QLatin1String("calcolo"), QStringLiteral("aereo"));
    o.insert(QLatin1String("modello"), NomeModello(s.modello));
    o.insert(QLatin1String("Ss"), s.ss);
    o.insert(QLatin1String("V"), s.v);
    QJsonObject separazione = InJson(s.separazione, {}, s.modello, n);
    Rivestimento(separazione, s.rivestimentoSorgente, "DR_sorgente", s.modello, n);
    Rivestimento(separazione, s.rivestimentoRicevente, "DR_ricevente", s.modello, n);
    o.insert(QLatin1String("separazione"), separazione);
    QJsonArray fianchi;
    for (const Fianco& f : s.fianchi)
        fianchi.append(QJsonObject{{"lunghezza", f.lunghezza},
                                   {"giunto", InJson(f.giunto)},
                                   {"F", InJson(f.sorgente, f.rivestimentoSorgente, s.modello, n)},
                                   {"f", InJson(f.ricevente, f.rivestimentoRicevente, s.modello, n)}});
    o.insert(QLatin1String("fianchi"), fianchi);
}

void Calpestio(QJsonObject& o, const SituazioneCalpestio& s)
{
    o.insert(QLatin1String("calcolo"), QStringLiteral("calpestio"));
    o.insert(QLatin1String("modello"), NomeModello(Modello::Semplificato));
    o.insert(QLatin1String("massa"), s.massa);
    if (s.lnw)
        o.insert(QLatin1String("Lnw"), *s.lnw);
    o.insert(QLatin1String("DLw"), s.dlw);
    o.insert(QLatin1String("massa_fianchi"), s.massaFianchi);
    o.insert(QLatin1String("V"), s.v);
}

void Facciata(QJsonObject& o, const SituazioneFacciata& s, int n)
{
    o.insert(QLatin1String("calcolo"), QStringLiteral("facciata"));
    o.insert(QLatin1String("modello"), NomeModello(s.modello));
    o.insert(QLatin1String("S"), s.s);
    o.insert(QLatin1String("V"), s.v);
    o.insert(QLatin1String("DLfs"), s.dlfs);
    QJsonArray elementi, piccoli;
    for (const ElementoFacciata& e : s.elementi) {
        QJsonObject elemento{{"area", e.area}};
        Prestazione(elemento, e.r, "R", "Rw", n);
        elementi.append(elemento);
    }
    for (const Curva& c : s.piccoli) {
        QJsonObject piccolo;
        Prestazione(piccolo, c, "Dne", "Dnew", n);
        piccoli.append(piccolo);
    }
    o.insert(QLatin1String("elementi"), elementi);
    o.insert(QLatin1String("piccoli"), piccoli);
}

} // namespace

QJsonObject ScritturaSituazione::InJson(const Situazione& situazione)
{
    QJsonObject o;
    const int n = situazione.numeroBande;
    if (const auto* aerea = std::get_if<SituazioneAerea>(&situazione.calcolo))
        Aerea(o, *aerea, n);
    else if (const auto* calpestio = std::get_if<SituazioneCalpestio>(&situazione.calcolo))
        Calpestio(o, *calpestio);
    else
        Facciata(o, std::get<SituazioneFacciata>(situazione.calcolo), n);
    if (situazione.categoria)
        o.insert(QLatin1String("categoria"), QString(QLatin1Char(*situazione.categoria)));
    return o;
}
