#include "Categorie.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

using C = RecordSchema::Campo;
using G = RecordSchema::Grandezza;
using S = Significato;
using V = ValoreConservato;

constexpr const char* kPartizioniVerticali = "Partizioni verticali (Rw)";
constexpr const char* kPartizioniOrizzontali = "Partizioni orizzontali (Lnw)";
constexpr const char* kFc = "fc [Hz]";
constexpr const char* kEta = "Eta int";
constexpr Didascalia kInvariata{};

// Physical columns, in the order the save writes them.
constexpr C kFisicheRw[] = {C::Massa, C::Spessore, C::Area, C::Fc, C::Eta};
constexpr C kFisicheRwInOpera[] = {C::Massa, C::Spessore, C::VRicevente, C::VEmittente, C::Area};
constexpr C kFisicheMassaSpessore[] = {C::Massa, C::Spessore};
constexpr C kFisicheLnw[] = {C::Massa, C::Spessore, C::Fc, C::Eta};
constexpr C kFisicheLnwInOpera[] = {C::Massa, C::Spessore, C::VRicevente};
constexpr C kFisicheInfissi[] = {C::Massa, C::Area, C::Spessore};
constexpr C kFisicheDnew[] = {C::Spessore, C::Fc};
constexpr C kFisicheTeoriche[] = {C::Massa, C::Spessore, C::Area, C::Fc, C::Eta};
constexpr C kFisicheDRwTeorico[] = {C::Massa, C::Spessore, C::Area};

// Rating columns: what each means, its editor caption and its name in a failure message.
constexpr ColonnaValutazione kValutazioniRw[] = {{C::Rw, S::Principale, kInvariata, {20}},
                                                 {C::C, S::C, kInvariata, {50}},
                                                 {C::Ctr, S::Ctr, kInvariata, {51}}};
constexpr ColonnaValutazione kValutazioniRwInOpera[] = {
    {C::Rw, S::Principale, {82}, {20}}, {C::C, S::C, kInvariata, {50}}, {C::Ctr, S::Ctr, kInvariata, {51}}};
constexpr ColonnaValutazione kValutazioniDRw[] = {{C::DRw, S::Principale, {21, " [dB]"}, {21}},
                                                  {C::C, S::C, {50, " [dB]"}, {50}},
                                                  {C::Ctr, S::Ctr, {51, " [dB]"}, {51}}};
constexpr ColonnaValutazione kValutazioniLnw[] = {
    {C::Lnw, S::Principale, {22, " [dB]"}, {22}},
    {C::Ci, S::Ci, {0, "Ci [dB]"}, {0, "Ci"}},
    {C::Ci50_5000, S::CEsteso, {0, "C 50-5000 [dB]"}, {0, "Ci 50-5000"}}};
constexpr ColonnaValutazione kValutazioniLnwInOpera[] = {
    {C::Lnw, S::Principale, {25, "  [dB]"}, {21}},
    {C::Ci, S::Ci, {0, "Ci [dB]"}, {0, "Ci"}},
    {C::C50_5000, S::CEsteso, {0, "C 50-5000 [dB]"}, {0, "Ci 50-5000"}}};
constexpr ColonnaValutazione kValutazioniDLw[] = {
    {C::DLnw, S::Principale, {23, "  [dB]"}, {32}},
    {C::Ci, S::Ci, {0, "Ci [dB]"}, {0, "Ci"}},
    {C::Ci50_3150, S::CEsteso, {0, "Ci 50-3150 [dB]"}, {0, "Ci 50-3150"}}};
constexpr ColonnaValutazione kValutazioniInfissi[] = {{C::Rw, S::Principale, {20, "  [dB]"}, {20}},
                                                      {C::C, S::C, {50, "  [dB]"}, {50}},
                                                      {C::Ctr, S::Ctr, {51, "  [dB]"}, {51}}};
constexpr ColonnaValutazione kValutazioniDnew[] = {{C::Dnew, S::Principale, {79, "  [dB]"}, {79}},
                                                   {C::C, S::C, {50, "  [dB]"}, {0, "C"}},
                                                   {C::Ctr, S::Ctr, {51, "  [dB]"}, {0, "Ctr"}}};
constexpr ColonnaValutazione kValutazioniDRwTeorico[] = {{C::DRw, S::Principale, kInvariata, kInvariata},
                                                         {C::C, S::C, kInvariata, kInvariata},
                                                         {C::Ctr, S::Ctr, kInvariata, kInvariata}};
constexpr ColonnaValutazione kValutazioniLnwTeorico[] = {{C::Lnw, S::Principale, kInvariata, kInvariata},
                                                         {C::Ci, S::Ci, kInvariata, kInvariata}};

// The shipped kinds: the categories in the order of the tree's roots, then the theoretical
// kinds.
constexpr TipoMateriale kTipi[] = {
    {.codice = catRwLaboratorio,
     .nome = QT_TRANSLATE_NOOP("TipoMateriale", "Rw (laboratory)"),
     .simbolo = "Rw",
     .messaggioRadice = 29,
     .cartella = kPartizioniVerticali,
     .tabellaPersonale = "Rw_laboratorio",
     .messaggioFiglio = 20,
     .cartellaImmagini = kPartizioniVerticali,
     .grandezza = G::R,
     .fisiche = kFisicheRw,
     .valutazioni = kValutazioniRw,
     .principaleConservato = V::Rw,
     .rigaValutazione = "Rw(C,Ctr)= ",
     .rigaDopoRiempimento = 11,
     .rigaDopoScelta = 11,
     .intestazioneBande = {10},
     .didascalieInformazioni = {kFc, kEta},
     .strutturaEditor = {{{80}, {81}}}},
    {.codice = catDRwLaboratorio,
     .nome = QT_TRANSLATE_NOOP("TipoMateriale", "DRw (laboratory)"),
     .simbolo = "DRw",
     .messaggioRadice = 30,
     .cartella = "Strati aggiuntivi verticali (DRw)",
     .tabellaPersonale = "DRw_laboratorio",
     .messaggioFiglio = 21,
     .cartellaImmagini = "Strati aggiuntivi verticali (DRw)",
     .grandezza = G::DRi,
     .fisiche = kFisicheMassaSpessore,
     .valutazioni = kValutazioniDRw,
     .principaleConservato = V::Rw,
     .rigaValutazione = "DRw(C,Ctr)= ",
     .rigaDopoRiempimento = 14,
     .rigaDopoScelta = 14,
     .intestazioneBande = {84, " [dB]"},
     .bandeEditor = {84, " [dB]"}},
    {.codice = catLnwLaboratorio,
     .nome = QT_TRANSLATE_NOOP("TipoMateriale", "Lnw (laboratory)"),
     .simbolo = "Lnw",
     .messaggioRadice = 31,
     .cartella = kPartizioniOrizzontali,
     .tabellaPersonale = "Lnw_laboratorio",
     .messaggioFiglio = 22,
     .cartellaImmagini = kPartizioniOrizzontali,
     .grandezza = G::Ln,
     .fisiche = kFisicheLnw,
     .valutazioni = kValutazioniLnw,
     .principaleConservato = V::Lnw,
     .rigaValutazione = "Lnw(Ci,Ci 50-5000)= ",
     .rigaDopoRiempimento = 15,
     .rigaDopoScelta = 15,
     .intestazioneBande = {18},
     .didascalieInformazioni = {kFc, kEta},
     .bandeEditor = {85, "  [dB]"},
     .strutturaEditor = {{{0, kFc}, {0, kEta}}}},
    {.codice = catDLwLaboratorio,
     .nome = QT_TRANSLATE_NOOP("TipoMateriale", "DLw (laboratory)"),
     .simbolo = "DLw",
     .messaggioRadice = 32,
     .cartella = "Strati aggiuntivi orizzontali (DLw)",
     .tabellaPersonale = "DLw_laboratorio",
     .messaggioFiglio = 23,
     .cartellaImmagini = "Strati aggiuntivi orizzontali (DLw)",
     .grandezza = G::DLn,
     .fisiche = kFisicheMassaSpessore,
     .valutazioni = kValutazioniDLw,
     .principaleConservato = V::DLw,
     .rigaValutazione = "DLw(Ci,C 50-3150)= ",
     .rigaDopoRiempimento = 17,
     .rigaDopoScelta = 17,
     .intestazioneBande = {86, " [dB]"},
     .bandeEditor = {86, "  [dB]"}},
    {.codice = catInfissi,
     .nome = QT_TRANSLATE_NOOP("TipoMateriale", "Windows and doors"),
     .simbolo = "Infissi",
     .messaggioRadice = 33,
     .cartella = "Infissi",
     .tabellaPersonale = "Infissi",
     .messaggioFiglio = 26,
     .cartellaImmagini = "Infissi",
     .grandezza = G::R,
     .fisiche = kFisicheInfissi,
     .valutazioni = kValutazioniInfissi,
     .principaleConservato = V::Rw,
     .rigaValutazione = "R'w(C,Ctr)= ",
     .rigaDopoRiempimento = 11,
     .rigaDopoScelta = 11,
     .intestazioneBande = {10},
     .bandeEditor = {10, "  [dB]"}},
    {.codice = catRwInOpera,
     .nome = QT_TRANSLATE_NOOP("TipoMateriale", "R'w (in situ)"),
     .simbolo = "R'w",
     .messaggioRadice = 34,
     .cartella = "Dati in opera_Rw",
     .tabellaPersonale = "Rw_in_opera",
     .messaggioFiglio = 24,
     .cartellaImmagini = "Dati in opera_Rw",
     .grandezza = G::R,
     .cantiere = true,
     .fisiche = kFisicheRwInOpera,
     .valutazioni = kValutazioniRwInOpera,
     .principaleConservato = V::Rw,
     .rigaValutazione = "R'w(C,Ctr)= ",
     .rigaDopoRiempimento = 13,
     .rigaDopoScelta = 13,
     .intestazioneBande = {83, " [dB]"},
     .didascalieInformazioni = {"Vr [m³]", "Ve [m³]"},
     .bandeEditor = {83}},
    {.codice = catLnwInOpera,
     .nome = QT_TRANSLATE_NOOP("TipoMateriale", "L'nw (in situ)"),
     .simbolo = "L'nw",
     .messaggioRadice = 35,
     .cartella = "Dati in opera_Lnw",
     .tabellaPersonale = "Lnw_in_opera",
     .messaggioFiglio = 25,
     .cartellaImmagini = "Dati in opera_Lnw",
     .grandezza = G::Ln,
     .cantiere = true,
     .fisiche = kFisicheLnwInOpera,
     .valutazioni = kValutazioniLnwInOpera,
     .principaleConservato = V::Lnw,
     .rigaValutazione = "L'nw(Ci,Ci 50-5000)= ",
     .rigaDopoRiempimento = 15,
     .rigaDopoScelta = 16,
     .intestazioneBande = {18},
     .didascalieInformazioni = {"Vr [m³]", nullptr},
     .bandeEditor = {18, "  [dB]"}},
    {.codice = catDnewLaboratorio,
     .nome = QT_TRANSLATE_NOOP("TipoMateriale", "Dnew (small elements)"),
     .simbolo = "Piccoli elementi",
     .messaggioRadice = 36,
     .cartella = "Piccoli elementi (Dnew)",
     .tabellaPersonale = "Dnew_laboratorio",
     .messaggioFiglio = 27,
     .cartellaImmagini = "Piccoli elementi (Dnew)",
     .grandezza = G::Dn,
     .fisiche = kFisicheDnew,
     .valutazioni = kValutazioniDnew,
     .principaleConservato = V::Dnew,
     .rigaValutazione = "Dnew(C,Ctr)= ",
     .rigaDopoRiempimento = 89,
     .rigaDopoScelta = 11,
     .intestazioneBande = {87, " [dB]"},
     .didascalieInformazioni = {kFc, kEta},
     .bandeEditor = {87, "  [dB]"},
     .strutturaEditor = {{{80, " "}, kInvariata}}},
    {.codice = catRwTeorico,
     .nome = QT_TRANSLATE_NOOP("TipoMateriale", "Rw (theoretical)"),
     .tabellaTeorica = "Potere_fonoisolante",
     .messaggioFiglio = 20,
     .cartellaImmagini = kPartizioniVerticali,
     .grandezza = G::R,
     .fisiche = kFisicheTeoriche,
     .valutazioni = kValutazioniRw,
     .rigaValutazione = "R'w(C,Ctr)= ",
     .rigaDopoRiempimento = 11,
     .rigaDopoScelta = 11,
     .intestazioneBande = {10},
     .sceltaImpostaIntestazione = true,
     .didascalieInformazioni = {kFc, kEta}},
    {.codice = catLnwTeorico,
     .nome = QT_TRANSLATE_NOOP("TipoMateriale", "Lnw (theoretical)"),
     .tabellaTeorica = "Livello_calpestio",
     .messaggioFiglio = 22,
     .cartellaImmagini = kPartizioniOrizzontali,
     .grandezza = G::Ln,
     .fisiche = kFisicheTeoriche,
     .valutazioni = kValutazioniLnwTeorico,
     .rigaValutazione = "L'nw(Ci)= ",
     .rigaDopoRiempimento = 15,
     .rigaDopoScelta = 15,
     .intestazioneBande = {18},
     .sceltaImpostaIntestazione = true,
     .didascalieInformazioni = {kFc, kEta}},
    {.codice = catDRwTeorico,
     .nome = QT_TRANSLATE_NOOP("TipoMateriale", "DRw (theoretical)"),
     .tabellaTeorica = "DRw",
     .messaggioFiglio = 21,
     .grandezza = G::R,
     .grandezzaValori = G::DRi,
     .fisiche = kFisicheDRwTeorico,
     .valutazioni = kValutazioniDRwTeorico,
     .rigaValutazione = "DRw(C,Ctr)= ",
     .rigaDopoRiempimento = 14,
     .intestazioneBande = {84, " [dB] = "},
     .didascalieInformazioni = {kFc, kEta}},
};

constexpr C kDescrittive[] = {
    C::Nome,      C::ParolaChiave, C::Descrizione,        C::Certificato,
    C::DataProva, C::EnteProva,    C::SocietaRichiedente, C::InformazioneAddizionale,
    C::Immagine};
constexpr C kDescrittiveTeoriche[] = {C::Nome, C::Descrizione, C::Immagine};

} // namespace

QString Didascalia::Testo(const std::function<QString(int)>& catalogo) const
{
    return (messaggio > 0 ? catalogo(messaggio) : QString()) + QString::fromUtf8(testo);
}

namespace {

// The table in use: the shipped rows, or those a test installed, with the categories first.
struct TabellaTipi
{
    std::vector<TipoMateriale> tipi;
    size_t categorie = 0;

    void Imposta(std::span<const TipoMateriale> righe)
    {
        tipi.assign(righe.begin(), righe.end());
        const auto fine = std::stable_partition(tipi.begin(), tipi.end(),
                                                [](const TipoMateriale& t) { return t.tabellaPersonale; });
        categorie = size_t(fine - tipi.begin());
    }
};

TabellaTipi& Tabella()
{
    static TabellaTipi tabella = [] {
        TabellaTipi t;
        t.Imposta(kTipi);
        return t;
    }();
    return tabella;
}

} // namespace

namespace Categorie {

std::span<const TipoMateriale> Tutte()
{
    return std::span<const TipoMateriale>(Tabella().tipi).first(Tabella().categorie);
}

std::span<const TipoMateriale> Tipi()
{
    return Tabella().tipi;
}

void Installa(std::span<const TipoMateriale> tipi)
{
    Tabella().Imposta(tipi);
}

std::vector<const TipoMateriale*> Figli(bool teorici)
{
    std::vector<const TipoMateriale*> figli;
    for (const TipoMateriale& t : Tipi())
        if (teorici ? t.tabellaTeorica != nullptr : t.tabellaPersonale != nullptr)
            figli.push_back(&t);
    std::stable_sort(figli.begin(), figli.end(), [](const TipoMateriale* a, const TipoMateriale* b) {
        return a->messaggioFiglio < b->messaggioFiglio;
    });
    return figli;
}

QString ElencoCodici(const QString& rientro, int larghezza)
{
    std::vector<const TipoMateriale*> tipi;
    for (const TipoMateriale& t : Tipi())
        tipi.push_back(&t);
    std::sort(tipi.begin(), tipi.end(),
              [](const TipoMateriale* a, const TipoMateriale* b) { return a->codice < b->codice; });
    QString elenco;
    QString riga = rientro;
    for (size_t i = 0; i < tipi.size(); ++i) {
        const QString voce = QString::number(tipi[i]->codice) + QLatin1Char(' ') +
                             QCoreApplication::translate("TipoMateriale", tipi[i]->nome) +
                             QLatin1String(i + 1 < tipi.size() ? "," : ".");
        if (riga.size() > rientro.size() && riga.size() + 1 + voce.size() > larghezza) {
            elenco += riga + QLatin1Char('\n');
            riga = rientro;
        }
        riga += (riga.size() > rientro.size() ? QStringLiteral(" ") : QString()) + voce;
    }
    return elenco + riga;
}

const TipoMateriale* PerCodice(int codice)
{
    for (const TipoMateriale& t : Tipi())
        if (t.codice == codice)
            return &t;
    return nullptr;
}

bool IsTeorico(int codice)
{
    const TipoMateriale* t = PerCodice(codice);
    return t && t->tabellaTeorica;
}

bool IsSperimentale(int codice)
{
    const TipoMateriale* t = PerCodice(codice);
    return t && t->tabellaPersonale;
}

QString TabellaTeorica(int codice)
{
    const TipoMateriale* t = PerCodice(codice);
    return t ? QString::fromUtf8(t->tabellaTeorica) : QString();
}

QString CartellaImmagini(int codice)
{
    const TipoMateriale* t = PerCodice(codice);
    return t ? QString::fromUtf8(t->cartellaImmagini) : QString();
}

QString PrefissoBande(int codice)
{
    const TipoMateriale* t = PerCodice(codice);
    return t ? RecordSchema::Prefisso(t->grandezza) : QString();
}

std::vector<RecordSchema::Campo> Campi(const TipoMateriale& tipo)
{
    std::vector<C> campi;
    for (C c :
         tipo.tabellaTeorica ? std::span<const C>(kDescrittiveTeoriche) : std::span<const C>(kDescrittive))
        campi.push_back(c);
    if (tipo.cantiere)
        campi.push_back(C::Cantiere);
    // The physical columns in the order users know from the certificate forms.
    for (int c = int(C::Massa); c <= int(C::VEmittente); ++c)
        if (std::find(tipo.fisiche.begin(), tipo.fisiche.end(), C(c)) != tipo.fisiche.end())
            campi.push_back(C(c));
    for (const ColonnaValutazione& v : tipo.valutazioni)
        campi.push_back(v.campo);
    return campi;
}

QStringList ColonneTabella(int codice)
{
    const TipoMateriale* tipo = PerCodice(codice);
    if (!tipo)
        return {};
    QStringList colonne;
    for (C c : Campi(*tipo))
        colonne << RecordSchema::Nome(c);
    return colonne + RecordSchema::ColonneBande(tipo->grandezza);
}

std::optional<ValoreConservato> Conservato(const TipoMateriale& tipo, const ColonnaValutazione& valutazione)
{
    if (!tipo.principaleConservato)
        return std::nullopt;
    switch (valutazione.significato) {
    case S::Principale:
        return tipo.principaleConservato;
    case S::C:
        return V::C;
    case S::Ctr:
        return V::Ctr;
    case S::Ci:
        return V::Ci;
    case S::CEsteso:
        return V::CEsteso;
    }
    return std::nullopt;
}

} // namespace Categorie

const Categoria* Categorie::CategoriaDi(int codice)
{
    const TipoMateriale* tipo = PerCodice(codice);
    if (!tipo || tipo->tabellaPersonale)
        return tipo;
    // A theoretical kind's node shares its caption with its category's.
    for (const Categoria& c : Tutte())
        if (c.messaggioFiglio == tipo->messaggioFiglio)
            return &c;
    return nullptr;
}
