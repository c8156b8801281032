#include "DidascalieLista.h"

#include "app/ZelmarCommonModule.h"

using ZelmarCommonModule::M;

namespace {

struct Didascalie
{
    int codice;
    int rigaRiempimento; // message of the rating line after a fill
    int rigaScelta;      // after a keyword choice; 0 leaves it unchanged
    int intestazione;    // message of the band-row heading
    const char* suffisso;
    bool sceltaImpostaIntestazione;
};

constexpr Didascalie kDidascalie[] = {
    {1, 11, 11, 10, "", false},       {2, 13, 13, 83, " [dB]", false},     {3, 14, 14, 84, " [dB]", false},
    {4, 15, 15, 18, "", false},       {5, 15, 16, 18, "", false},          {6, 17, 17, 86, " [dB]", false},
    {7, 11, 11, 10, "", false},       {8, 11, 11, 10, "", true},           {9, 15, 15, 18, "", true},
    {10, 89, 11, 87, " [dB]", false}, {100, 14, 0, 84, " [dB] = ", false},
};

const Didascalie* PerCodice(int codice)
{
    for (const Didascalie& d : kDidascalie)
        if (d.codice == codice)
            return &d;
    return nullptr;
}

} // namespace

QString DidascalieLista::RigaDopoRiempimento(int codice)
{
    const Didascalie* d = PerCodice(codice);
    return d ? M(d->rigaRiempimento) + QStringLiteral(" = ") : QString();
}

std::optional<QString> DidascalieLista::RigaDopoScelta(int codice)
{
    const Didascalie* d = PerCodice(codice);
    if (!d || d->rigaScelta == 0)
        return std::nullopt;
    return M(d->rigaScelta) + QStringLiteral("= ");
}

QString DidascalieLista::IntestazioneBande(int codice)
{
    const Didascalie* d = PerCodice(codice);
    return d ? M(d->intestazione) + QString::fromUtf8(d->suffisso) : QString();
}

bool DidascalieLista::SceltaImpostaIntestazione(int codice)
{
    const Didascalie* d = PerCodice(codice);
    return d && d->sceltaImpostaIntestazione;
}
