#include "Categorie.h"

#include <array>

namespace {
constexpr std::array<Categoria, 8> kCategorie{{
    {"Rw", 29, "Partizioni verticali (Rw)", catRwLaboratorio, "Rw_laboratorio", "R"},
    {"DRw", 30, "Strati aggiuntivi verticali (DRw)", catDRwLaboratorio, "DRw_laboratorio", "DRi"},
    {"Lnw", 31, "Partizioni orizzontali (Lnw)", catLnwLaboratorio, "Lnw_laboratorio", "Ln"},
    {"DLw", 32, "Strati aggiuntivi orizzontali (DLw)", catDLwLaboratorio, "DLw_laboratorio", "DLn"},
    {"Infissi", 33, "Infissi", catInfissi, "Infissi", "R"},
    {"R'w", 34, "Dati in opera_Rw", catRwInOpera, "Rw_in_opera", "R"},
    {"L'nw", 35, "Dati in opera_Lnw", catLnwInOpera, "Lnw_in_opera", "Ln"},
    {"Piccoli elementi", 36, "Piccoli elementi (Dnew)", catDnewLaboratorio, "Dnew_laboratorio", "Dn"},
}};
} // namespace

namespace Categorie {

std::span<const Categoria> Tutte() { return kCategorie; }

const Categoria* PerCodice(int codice)
{
    for (const Categoria& c : kCategorie)
        if (c.codice == codice)
            return &c;
    return nullptr;
}

const Categoria* PerSimbolo(const QString& simbolo)
{
    for (const Categoria& c : kCategorie)
        if (simbolo == QLatin1String(c.simbolo))
            return &c;
    return nullptr;
}

bool IsTeorico(int codice) { return codice == catRwTeorico || codice == catLnwTeorico || codice == catDRwTeorico; }

bool IsSperimentale(int codice) { return PerCodice(codice) != nullptr; }

QString TabellaTeorica(int codice)
{
    switch (codice) {
    case catRwTeorico:
        return QStringLiteral("Potere_fonoisolante");
    case catLnwTeorico:
        return QStringLiteral("Livello_calpestio");
    case catDRwTeorico:
        return QStringLiteral("DRw");
    default:
        return {};
    }
}

QString CartellaImmagini(int codice)
{
    if (codice == catRwTeorico)
        codice = catRwLaboratorio;
    else if (codice == catLnwTeorico)
        codice = catLnwLaboratorio;
    const Categoria* c = PerCodice(codice);
    return c ? QString::fromUtf8(c->cartella) : QString();
}

QString PrefissoBande(int codice)
{
    if (codice == catRwTeorico || codice == catDRwTeorico)
        return QStringLiteral("R");
    if (codice == catLnwTeorico)
        return QStringLiteral("Ln");
    const Categoria* c = PerCodice(codice);
    return c ? QString::fromUtf8(c->prefissoBande) : QString();
}

} // namespace Categorie
