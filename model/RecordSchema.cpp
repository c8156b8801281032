#include "RecordSchema.h"

#include "Categorie.h"

namespace RecordSchema {

const std::array<int, NumeroBande> Frequenze{50,  63,  80,  100, 125,  160,  200,  250,  315,  400, 500,
                                             630, 800, 1000, 1250, 1600, 2000, 2500, 3150, 4000, 5000};

const QStringList ColonneDescrittive{
    QStringLiteral("Nome"),          QStringLiteral("Parola chiave"),       QStringLiteral("Descrizione"),
    QStringLiteral("Certificato"),   QStringLiteral("Data Prova"),          QStringLiteral("Ente di prova"),
    QStringLiteral("Società richiedente"), QStringLiteral("Informazione addizionale"), QStringLiteral("Immagine"),
};

namespace {

struct ValoriTipo
{
    const char* prefisso;
    const char* valutazioni[3];
};

constexpr ValoriTipo kTipi[6] = {
    {"R", {"Rw (dB)", "C (dB)", "Ctr (dB)"}},
    {"DRi", {"DRw (dB)", "C (dB)", "Ctr (dB)"}},
    {"Ln", {"Lnw (dB)", "Ci (dB)", "Ci 50_5000 (dB)"}},
    {"DLn", {"DLnw (dB)", "Ci (dB)", "Ci 50-3150 (dB)"}},
    {"Dn", {"Dnew (dB)", "C (dB)", "Ctr (dB)"}},
    {"Ln", {"Lnw (dB)", "Ci (dB)", "C50_5000 (dB)"}},
};

const ScritturaColonna kMassa{QStringLiteral("m' (kg/m²)"), QStringLiteral("Text10"), 6, 59};
const ScritturaColonna kSpessore{QStringLiteral("s (mm)"), QStringLiteral("Text11"), 7, 60};
const ScritturaColonna kArea{QStringLiteral("Area (m²)"), QStringLiteral("Text12"), 8, 61};
const ScritturaColonna kFc{QStringLiteral("fc (Hz)"), QStringLiteral("Text13"), 9, 62};
const ScritturaColonna kEta{QStringLiteral("Eta int"), QStringLiteral("Text14"), 10, 63};
const ScritturaColonna kVRicevente{QStringLiteral("V ricevente (m³)"), QStringLiteral("Text13"), 9, 65};
const ScritturaColonna kVEmittente{QStringLiteral("V emittente (m³)"), QStringLiteral("Text14"), 10, 64};

const std::vector<ScritturaColonna> kDescrittive{
    {QStringLiteral("Nome"), QStringLiteral("Text15"), 11, 68},
    {QStringLiteral("Parola chiave"), QStringLiteral("Combo1"), 14, 69},
    {QStringLiteral("Certificato"), QStringLiteral("Text4"), 12, 70},
    {QStringLiteral("Data Prova"), QStringLiteral("MonthView1"), 4, 71},
    {QStringLiteral("Ente di prova"), QStringLiteral("Text6"), 2, 72},
    {QStringLiteral("Società richiedente"), QStringLiteral("Text7"), 3, 73},
    {QStringLiteral("Descrizione"), QStringLiteral("Text3"), 13, 74},
    {QStringLiteral("Informazione addizionale"), QStringLiteral("Text8"), 15, 75},
    {QStringLiteral("Immagine"), QStringLiteral("Text9"), 5, 76},
};
const ScritturaColonna kCantiere{QStringLiteral("Cantiere"), QStringLiteral("Text16"), -1, 0};

} // namespace

std::optional<TipoBande> TipoBandePerCodice(int codice)
{
    switch (codice) {
    case catRwLaboratorio:
    case catRwInOpera:
    case catInfissi:
        return 0;
    case catDRwLaboratorio:
        return 1;
    case catLnwLaboratorio:
        return 2;
    case catDLwLaboratorio:
        return 3;
    case catDnewLaboratorio:
        return 4;
    case catLnwInOpera:
        return 5;
    default:
        return std::nullopt;
    }
}

QString PrefissoBande(TipoBande tipo) { return tipo < 6 ? QString::fromUtf8(kTipi[tipo].prefisso) : QString(); }

std::array<QString, 3> ColonneValutazione(TipoBande tipo)
{
    if (tipo >= 6)
        return {};
    const ValoriTipo& v = kTipi[tipo];
    return {QString::fromUtf8(v.valutazioni[0]), QString::fromUtf8(v.valutazioni[1]),
            QString::fromUtf8(v.valutazioni[2])};
}

QString NomeColonnaBanda(const QString& prefisso, int banda)
{
    return prefisso + QStringLiteral(" - ") + QString::number(Frequenze.at(banda)) + QStringLiteral("Hz (dB)");
}

QStringList ColonneBande(const QString& prefisso)
{
    QStringList nomi;
    for (int i = 0; i < NumeroBande; ++i)
        nomi << NomeColonnaBanda(prefisso, i);
    return nomi;
}

std::vector<ScritturaColonna> ColonneFisiche(int codice)
{
    switch (codice) {
    case catRwLaboratorio:
        return {kMassa, kSpessore, kArea, kFc, kEta};
    case catRwInOpera:
        return {kMassa, kSpessore, kVRicevente, kVEmittente, kArea};
    case catDRwLaboratorio:
    case catDLwLaboratorio:
        return {kMassa, kSpessore};
    case catLnwLaboratorio:
        return {kMassa, kSpessore, kFc, kEta};
    case catLnwInOpera:
        return {kMassa, kSpessore, kVRicevente};
    case catInfissi:
        return {kMassa, kArea, kSpessore};
    case catDnewLaboratorio:
        return {kSpessore, kFc};
    default:
        return {};
    }
}

std::vector<ScritturaColonna> OrdineScrittura(int codice)
{
    if (!TipoBandePerCodice(codice))
        return {};
    std::vector<ScritturaColonna> ordine = kDescrittive;
    if (codice == catRwInOpera || codice == catLnwInOpera)
        ordine.insert(ordine.begin() + 4, kCantiere); // right after the test date
    for (const ScritturaColonna& c : ColonneFisiche(codice))
        ordine.push_back(c);
    return ordine;
}

bool IsNumerica(const QString& colonna)
{
    if (ColonneDescrittive.contains(colonna) || colonna == QLatin1String(ColonnaCantiere))
        return false;
    return true;
}

QStringList ColonneTabella(int codice)
{
    const auto tipo = TipoBandePerCodice(codice);
    if (!tipo)
        return {};
    QStringList colonne = ColonneDescrittive;
    if (codice == catRwInOpera || codice == catLnwInOpera)
        colonne << QString::fromUtf8(ColonnaCantiere);
    // Physical columns in the order users know from the certificate forms.
    const ScritturaColonna* ordineTabella[] = {&kMassa, &kSpessore, &kArea, &kFc, &kEta, &kVRicevente, &kVEmittente};
    const auto fisiche = ColonneFisiche(codice);
    for (const ScritturaColonna* c : ordineTabella)
        for (const ScritturaColonna& f : fisiche)
            if (f.colonna == c->colonna)
                colonne << f.colonna;
    for (const QString& v : ColonneValutazione(*tipo))
        colonne << v;
    colonne << ColonneBande(PrefissoBande(*tipo));
    return colonne;
}

QStringList ColonneTabellaTeorica(int codice)
{
    QStringList colonne{QStringLiteral("Nome"), QStringLiteral("Descrizione"), QStringLiteral("Immagine")};
    switch (codice) {
    case catRwTeorico:
        colonne << kMassa.colonna << kSpessore.colonna << kArea.colonna << kFc.colonna << kEta.colonna
                << QStringLiteral("Rw (dB)") << QStringLiteral("C (dB)") << QStringLiteral("Ctr (dB)")
                << ColonneBande(QStringLiteral("R"));
        break;
    case catLnwTeorico:
        colonne << kMassa.colonna << kSpessore.colonna << kArea.colonna << kFc.colonna << kEta.colonna
                << QStringLiteral("Lnw (dB)") << QStringLiteral("Ci (dB)") << ColonneBande(QStringLiteral("Ln"));
        break;
    case catDRwTeorico:
        colonne << kMassa.colonna << kSpessore.colonna << kArea.colonna << QStringLiteral("DRw (dB)")
                << QStringLiteral("C (dB)") << QStringLiteral("Ctr (dB)") << ColonneBande(QStringLiteral("R"));
        break;
    default:
        return {};
    }
    return colonne;
}

} // namespace RecordSchema
