#include "SceltaTabella.h"

#include "app/ZelmarCommonModule.h"
#include "model/Categorie.h"

#include <vector>

using ZelmarCommonModule::M;

namespace {

constexpr int kRadicePersonale = 19;
constexpr int kRadiceTeorica = 28;

// Captions are compared with the in-situ kinds first, then the others in tree order.
std::vector<const TipoMateriale*> OrdineDiConfronto(std::span<const TipoMateriale> tipi)
{
    std::vector<const TipoMateriale*> ordine;
    for (bool inOpera : {true, false})
        for (const TipoMateriale& t : tipi)
            if (t.cantiere == inOpera)
                ordine.push_back(&t);
    return ordine;
}

// The kind of the custom or theoretical root's child with this caption.
const TipoMateriale* PerFiglio(const QString& nodo, bool teorico)
{
    for (const TipoMateriale* t : OrdineDiConfronto(Categorie::Tipi()))
        if (bool(t->tabellaTeorica) == teorico && nodo == M(t->messaggioFiglio))
            return t;
    return nullptr;
}

void ScegliTabella(SceltaTabella::Esito& esito, const TipoMateriale* tipo, const char* tabella)
{
    esito.cartellaCategoria = QStringLiteral("/");
    if (!tipo)
        return;
    esito.codice = tipo->codice;
    esito.nomeTabella = QString::fromUtf8(tabella);
}

} // namespace

SceltaTabella::Esito SceltaTabella::Scegli(const QString& radice, const QString& nodo)
{
    Esito esito;
    esito.didascalia = M(38) + QStringLiteral(": ") + radice + QStringLiteral(": ") + nodo;
    esito.nomeDatabase = nodo;

    for (const TipoMateriale* c : OrdineDiConfronto(Categorie::Tutte())) {
        if (radice != M(c->messaggioRadice))
            continue;
        esito.cartellaCategoria = QLatin1Char('/') + QString::fromUtf8(c->cartella) + QLatin1Char('/');
        esito.nomeTabella = nodo;
        esito.codice = c->codice;
        return esito;
    }

    if (radice == M(kRadicePersonale)) {
        const TipoMateriale* tipo = PerFiglio(nodo, false);
        ScegliTabella(esito, tipo, tipo ? tipo->tabellaPersonale : nullptr);
        esito.inserisciModifica = true;
        esito.cancella = true;
        esito.nomeDatabase = QStringLiteral("Database_sperimentale");
    } else if (radice == M(kRadiceTeorica)) {
        const TipoMateriale* tipo = PerFiglio(nodo, true);
        ScegliTabella(esito, tipo, tipo ? tipo->tabellaTeorica : nullptr);
        esito.cancella = true;
        esito.nomeDatabase = QStringLiteral("Database_teorico");
    }
    return esito;
}
