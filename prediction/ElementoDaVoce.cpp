#include "prediction/ElementoDaVoce.h"

#include "model/Categorie.h"

#include <algorithm>

namespace {

QString NomeTipo(int codice)
{
    const TipoMateriale* tipo = Categorie::PerCodice(codice);
    return tipo ? QCoreApplication::translate("TipoMateriale", tipo->nome) : QString::number(codice);
}

} // namespace

Elemento ElementoDaVoce::Leggi(const RecordMateriale& voce, int codice)
{
    Elemento e;
    const TipoMateriale* tipo = Categorie::PerCodice(codice);
    if (!tipo)
        return e;
    MotoreValutazione::Bande bande;
    for (int i = 0; i < MotoreValutazione::NumeroBande; ++i)
        bande[i] = voce.NumeroBanda(tipo->grandezza, i);
    bande = MotoreValutazione::SenzaZeriNonMisurati(bande);
    if (std::any_of(bande.begin(), bande.end(), [](const auto& b) { return b.has_value(); }))
        e.r.bande = bande;
    for (const ColonnaValutazione& v : tipo->valutazioni)
        if (v.significato == Significato::Principale)
            e.r.indice = voce.Numero(v.campo);
    const auto& fisiche = tipo->fisiche;
    if (std::find(fisiche.begin(), fisiche.end(), RecordSchema::Campo::Massa) != fisiche.end())
        if (const std::optional<double> massa = voce.Numero(RecordSchema::Campo::Massa); massa > 0)
            e.massa = massa;
    return e;
}

ElementoDaVoce::Esito ElementoDaVoce::Da(const RecordMateriale& voce, int codice, TipoPosto posto)
{
    if (PostoElemento::Accetta(posto, codice))
        return Leggi(voce, codice);
    QStringList adatti;
    for (int c : PostoElemento::Codici(posto))
        adatti << NomeTipo(c);
    return tr("«%1» is an entry of the kind «%2», which does not fit the %3: that takes %4.")
        .arg(voce.Valore(RecordSchema::Campo::Nome).toString(), NomeTipo(codice), PostoElemento::Nome(posto),
             adatti.join(QStringLiteral(", ")));
}
