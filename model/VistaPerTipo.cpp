#include "VistaPerTipo.h"

#include "Categorie.h"

namespace {

using V = ValoreConservato;

// Rating line "<prefix><rating>(<term 1><sep><term 2>) dB".
constexpr std::array<VistaTipo::Pezzo, 4> Riga(const char* prefisso, const char* valutazione,
                                               const char* termine1, const char* separatore,
                                               const char* termine2)
{
    return {{{prefisso, valutazione}, {"(", termine1}, {separatore, termine2}, {") dB", nullptr}}};
}

constexpr const char* kMassa = "m' (kg/m²)";
constexpr const char* kSpessore = "s (mm)";
constexpr const char* kArea = "Area (m²)";
constexpr const char* kFc = "fc (Hz)";
constexpr const char* kEta = "Eta int";
constexpr const char* kVRicevente = "V ricevente (m³)";
constexpr const char* kVEmittente = "V emittente (m³)";
constexpr const char* kCantiere = "Cantiere";

constexpr std::array<VistaTipo::Conservato, 3> kNessunoConservato{
    {{V::Rw, nullptr}, {V::C, nullptr}, {V::Ctr, nullptr}}};

const VistaTipo kViste[] = {
    {catRwLaboratorio,
     Riga("Rw(C,Ctr)= ", "Rw (dB)", "C (dB)", ", ", "Ctr (dB)"),
     {{{V::Rw, "Rw (dB)"}, {V::C, "C (dB)"}, {V::Ctr, "Ctr (dB)"}}},
     {kMassa, kSpessore, kArea, kFc, kEta, nullptr},
     "fc [Hz]",
     "Eta int"},
    {catRwInOpera,
     Riga("R'w(C,Ctr)= ", "Rw (dB)", "C (dB)", ", ", "Ctr (dB)"),
     {{{V::Rw, "Rw (dB)"}, {V::C, "C (dB)"}, {V::Ctr, "Ctr (dB)"}}},
     {kMassa, kSpessore, kArea, kVRicevente, kVEmittente, kCantiere},
     "Vr [m³]",
     "Ve [m³]"},
    {catDRwLaboratorio,
     Riga("DRw(C,Ctr)= ", "DRw (dB)", "C (dB)", ", ", "Ctr (dB)"),
     {{{V::Rw, "DRw (dB)"}, {V::C, "C (dB)"}, {V::Ctr, "Ctr (dB)"}}},
     {kMassa, kSpessore, nullptr, nullptr, nullptr, nullptr},
     nullptr,
     nullptr},
    {catLnwLaboratorio,
     Riga("Lnw(Ci,Ci 50-5000)= ", "Lnw (dB)", "Ci (dB)", ",", "Ci 50_5000 (dB)"),
     {{{V::Lnw, "Lnw (dB)"}, {V::Ci, "Ci (dB)"}, {V::CEsteso, "Ci 50_5000 (dB)"}}},
     {kMassa, kSpessore, nullptr, kFc, kEta, nullptr},
     "fc [Hz]",
     "Eta int"},
    {catLnwInOpera,
     Riga("L'nw(Ci,Ci 50-5000)= ", "Lnw (dB)", "Ci (dB)", ",", "C50_5000 (dB)"),
     {{{V::Lnw, "Lnw (dB)"}, {V::Ci, "Ci (dB)"}, {V::CEsteso, "C50_5000 (dB)"}}},
     {kMassa, kSpessore, nullptr, kVRicevente, nullptr, kCantiere},
     "Vr [m³]",
     nullptr},
    {catDLwLaboratorio,
     Riga("DLw(Ci,C 50-3150)= ", "DLnw (dB)", "Ci (dB)", ",", "Ci 50-3150 (dB)"),
     {{{V::DLw, "DLnw (dB)"}, {V::Ci, "Ci (dB)"}, {V::CEsteso, "Ci 50-3150 (dB)"}}},
     {kMassa, kSpessore, nullptr, nullptr, nullptr, nullptr},
     nullptr,
     nullptr},
    {catInfissi,
     Riga("R'w(C,Ctr)= ", "Rw (dB)", "C (dB)", ", ", "Ctr (dB)"),
     {{{V::Rw, "Rw (dB)"}, {V::C, "C (dB)"}, {V::Ctr, "Ctr (dB)"}}},
     {kMassa, kSpessore, kArea, nullptr, nullptr, nullptr},
     nullptr,
     nullptr},
    {catRwTeorico,
     Riga("R'w(C,Ctr)= ", "Rw (dB)", "C (dB)", ", ", "Ctr (dB)"),
     kNessunoConservato,
     {kMassa, kSpessore, kArea, kFc, kEta, nullptr},
     "fc [Hz]",
     "Eta int"},
    {catLnwTeorico,
     {{{"L'nw(Ci)= ", "Lnw (dB)"}, {"(", "Ci (dB)"}, {") dB", nullptr}, {nullptr, nullptr}}},
     kNessunoConservato,
     {kMassa, kSpessore, kArea, kFc, kEta, nullptr},
     "fc [Hz]",
     "Eta int"},
    {catDnewLaboratorio,
     Riga("Dnew(C,Ctr)= ", "Dnew (dB)", "C (dB)", ", ", "Ctr (dB)"),
     {{{V::Dnew, "Dnew (dB)"}, {V::C, "C (dB)"}, {V::Ctr, "Ctr (dB)"}}},
     {nullptr, kSpessore, nullptr, kFc, nullptr, nullptr},
     "fc [Hz]",
     "Eta int"},
    {catDRwTeorico,
     Riga("DRw(C,Ctr)= ", "DRw (dB)", "C (dB)", ", ", "Ctr (dB)"),
     kNessunoConservato,
     {kMassa, kSpessore, kArea, nullptr, nullptr, nullptr},
     "fc [Hz]",
     "Eta int"},
};

} // namespace

const VistaTipo* VistaPerTipo::PerCodice(int codice)
{
    for (const VistaTipo& v : kViste)
        if (v.codice == codice)
            return &v;
    return nullptr;
}
