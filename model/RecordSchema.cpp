#include "RecordSchema.h"

namespace RecordSchema {

const std::array<int, NumeroBande> Frequenze{50,  63,  80,   100,  125,  160,  200,  250,  315,  400, 500,
                                             630, 800, 1000, 1250, 1600, 2000, 2500, 3150, 4000, 5000};

namespace {

struct Colonna
{
    const char* nome;
    bool numerica;
    int contesto;
    int posizione;
};

// In the order of Campo.
constexpr Colonna kColonne[NumeroCampi] = {
    {"Nome", false, 68, -1},
    {"Parola chiave", false, 69, -1},
    {"Descrizione", false, 74, -1},
    {"Certificato", false, 70, -1},
    {"Data Prova", false, 71, -1},
    {"Ente di prova", false, 72, -1},
    {"Società richiedente", false, 73, -1},
    {"Informazione addizionale", false, 75, -1},
    {"Immagine", false, 76, -1},
    {"Cantiere", false, 0, -1},
    {"m' (kg/m²)", true, 59, 0},
    {"s (mm)", true, 60, 1},
    {"Area (m²)", true, 61, 2},
    {"fc (Hz)", true, 62, 3},
    {"Eta int", true, 63, 4},
    {"V ricevente (m³)", true, 65, 3},
    {"V emittente (m³)", true, 64, 4},
    {"Rw (dB)", true, 0, -1},
    {"DRw (dB)", true, 0, -1},
    {"Lnw (dB)", true, 0, -1},
    {"DLnw (dB)", true, 0, -1},
    {"Dnew (dB)", true, 0, -1},
    {"C (dB)", true, 0, -1},
    {"Ctr (dB)", true, 0, -1},
    {"Ci (dB)", true, 0, -1},
    {"Ci 50_5000 (dB)", true, 0, -1},
    {"C50_5000 (dB)", true, 0, -1},
    {"Ci 50-3150 (dB)", true, 0, -1},
};

constexpr const char* kPrefissi[] = {"R", "DRi", "Ln", "DLn", "Dn"};

} // namespace

QString Nome(Campo campo)
{
    return QString::fromUtf8(kColonne[int(campo)].nome);
}

bool IsNumerico(Campo campo)
{
    return kColonne[int(campo)].numerica;
}

int MessaggioContesto(Campo campo)
{
    return kColonne[int(campo)].contesto;
}

int Posizione(Campo campo)
{
    return kColonne[int(campo)].posizione;
}

QString Prefisso(Grandezza grandezza)
{
    return QString::fromLatin1(kPrefissi[int(grandezza)]);
}

QString NomeColonnaBanda(Grandezza grandezza, int banda)
{
    return Prefisso(grandezza) + QStringLiteral(" - ") + QString::number(Frequenze.at(banda)) +
           QStringLiteral("Hz (dB)");
}

QStringList ColonneBande(Grandezza grandezza)
{
    QStringList nomi;
    for (int i = 0; i < NumeroBande; ++i)
        nomi << NomeColonnaBanda(grandezza, i);
    return nomi;
}

bool IsNumerica(const QString& colonna)
{
    for (const Colonna& c : kColonne)
        if (colonna == QString::fromUtf8(c.nome))
            return c.numerica;
    return true; // the band columns
}

} // namespace RecordSchema
