// How the detail display shows an entry of each kind: the rating line, the ratings kept
// for the editor, and the physical boxes of the information window with their captions.
#pragma once

#include <QString>
#include <array>

// The ratings the main window keeps from the entries it shows, read by the editor.
enum class ValoreConservato
{
    Rw,
    Lnw,
    DLw,
    Dnew,
    C,
    Ctr,
    Ci,
    CEsteso
};
constexpr int NumeroValoriConservati = 8;

struct VistaTipo
{
    // One piece of the rating line: a literal, then the value of a field (none when nullptr).
    struct Pezzo
    {
        const char* letterale;
        const char* campo;
    };
    struct Conservato
    {
        ValoreConservato valore;
        const char* campo; // nullptr: nothing kept
    };

    int codice;
    std::array<Pezzo, 4> rigaValutazione; // unused pieces have a nullptr literal
    std::array<Conservato, 3> conservati;
    // Fields of the information window's boxes 6..11; nullptr hides the box and its caption.
    std::array<const char*, 6> caselleFisiche;
    // New captions of the boxes 9 and 10; nullptr leaves a caption as it is.
    const char* etichetta9;
    const char* etichetta10;
};

class VistaPerTipo
{
public:
    // nullptr for a code that is no kind (0 and unknown values).
    static const VistaTipo* PerCodice(int codice);
    // First box of the information window that the physical table describes.
    static constexpr int PrimaCasellaFisica = 6;
};
