#include "SceltaTabella.h"

#include "app/ZelmarCommonModule.h"
#include "model/Categorie.h"

#include <utility>

using ZelmarCommonModule::M;

namespace {

// Root captions of the experimental categories, in the order a caption is compared.
constexpr int kOrdineRadici[] = {34, 35, 29, 30, 31, 32, 33, 36};
constexpr int kRadicePersonale = 19;
constexpr int kRadiceTeorica = 28;

std::optional<int> CodicePersonale(const QString& nodo)
{
    const std::pair<QString, int> kFigli[] = {
        {QStringLiteral("R'w"), catRwInOpera},
        {QStringLiteral("L'nw"), catLnwInOpera},
        {QStringLiteral("Rw"), catRwLaboratorio},
        {QStringLiteral("DRw"), catDRwLaboratorio},
        {QStringLiteral("Lnw"), catLnwLaboratorio},
        {QStringLiteral("DLw"), catDLwLaboratorio},
        {M(26), catInfissi},
        {M(27), catDnewLaboratorio},
    };
    for (const auto& [didascalia, codice] : kFigli)
        if (nodo == didascalia)
            return codice;
    return std::nullopt;
}

std::optional<int> CodiceTeorico(const QString& nodo)
{
    const std::pair<QString, int> kFigli[] = {
        {QStringLiteral("Rw"), catRwTeorico},
        {QStringLiteral("DRw"), catDRwTeorico},
        {QStringLiteral("Lnw"), catLnwTeorico},
    };
    for (const auto& [didascalia, codice] : kFigli)
        if (nodo == didascalia)
            return codice;
    return std::nullopt;
}

void ScegliTabella(SceltaTabella::Esito& esito, std::optional<int> codice, const QString& tabella)
{
    esito.cartellaCategoria = QStringLiteral("/");
    if (!codice)
        return;
    esito.codice = codice;
    esito.nomeTabella = tabella;
}

} // namespace

SceltaTabella::Esito SceltaTabella::Scegli(const QString& radice, const QString& nodo)
{
    Esito esito;
    esito.didascalia = M(38) + QStringLiteral(": ") + radice + QStringLiteral(": ") + nodo;
    esito.nomeDatabase = nodo;

    for (int messaggio : kOrdineRadici) {
        if (radice != M(messaggio))
            continue;
        for (const Categoria& c : Categorie::Tutte()) {
            if (c.messaggioRadice != messaggio)
                continue;
            esito.cartellaCategoria = QLatin1Char('/') + QString::fromUtf8(c.cartella) + QLatin1Char('/');
            esito.nomeTabella = nodo;
            esito.codice = c.codice;
        }
        return esito;
    }

    if (radice == M(kRadicePersonale)) {
        const std::optional<int> codice = CodicePersonale(nodo);
        const Categoria* categoria = codice ? Categorie::PerCodice(*codice) : nullptr;
        ScegliTabella(esito, codice, categoria ? QString::fromUtf8(categoria->tabellaPersonale) : QString());
        esito.inserisciModifica = true;
        esito.cancella = true;
        esito.nomeDatabase = QStringLiteral("Database_sperimentale");
    } else if (radice == M(kRadiceTeorica)) {
        const std::optional<int> codice = CodiceTeorico(nodo);
        ScegliTabella(esito, codice, codice ? Categorie::TabellaTeorica(*codice) : QString());
        esito.cancella = true;
        esito.nomeDatabase = QStringLiteral("Database_teorico");
    }
    return esito;
}
