#include "InsiemeConfronto.h"

#include "exchange/TipiVoce.h"

#include <QCoreApplication>

QString InsiemeConfronto::Grandezza() const
{
    return elementi_.isEmpty() ? QString() : TipiVoce::GrandezzaBande(elementi_.first().voce.codice);
}

QString InsiemeConfronto::Aggiungi(const DatiVoce& voce)
{
    for (const Elemento& e : elementi_)
        if (e.voce.StessaVoce(voce))
            return QCoreApplication::translate("InsiemeConfronto",
                                               "\u00ab%1\u00bb is already in the comparison.")
                .arg(voce.nome);
    if (Quanti() >= Massimo)
        return QCoreApplication::translate(
                   "InsiemeConfronto",
                   "The comparison already holds %1 entries, as many as it can: remove one before adding "
                   "\u00ab%2\u00bb.")
            .arg(Massimo)
            .arg(voce.nome);
    const QString grandezza = TipiVoce::GrandezzaBande(voce.codice);
    if (!elementi_.isEmpty() && grandezza != Grandezza())
        return QCoreApplication::translate(
                   "InsiemeConfronto",
                   "\u00ab%1\u00bb holds %2 band values, the entries compared hold %3 values: only curves of "
                   "one quantity can be compared.")
            .arg(voce.nome, grandezza, Grandezza());
    elementi_.append({voce, StileLibero()});
    return {};
}

void InsiemeConfronto::Rimuovi(int indice)
{
    if (indice >= 0 && indice < Quanti())
        elementi_.removeAt(indice);
}

int InsiemeConfronto::StileLibero() const
{
    for (int stile = 0;; ++stile) {
        bool preso = false;
        for (const Elemento& e : elementi_)
            preso = preso || e.stile == stile;
        if (!preso)
            return stile;
    }
}
