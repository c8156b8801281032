// A building situation to predict, as the engineer describes it: the elements (library entries
// or typed numbers), their linings and junctions, and the rooms' geometry. Plain data: the JSON
// inputs of zelmar-prevedi and the design projects are read into it (LetturaSituazione) and
// written from it (ScritturaSituazione); the engines compute from it.
#pragma once

#include "rating/MotoreValutazione.h"

#include <optional>
#include <variant>
#include <vector>

enum class Modello
{
    Semplificato, // single-number ratings of the elements
    Dettagliato,  // one-third-octave bands
};

// One quantity of an element (sound reduction index, lining improvement, element-normalised
// level difference): its single-number rating, its bands, or both, as a library entry has.
struct Curva
{
    std::optional<double> indice;                  // Rw, ΔRw, Dn,e,w in dB
    std::optional<MotoreValutazione::Bande> bande; // 50-5000 Hz, nothing where no value
};

// A wall or floor.
struct Elemento
{
    Curva r;                     // R, Rw
    std::optional<double> massa; // m', kg/m²
    std::optional<double> area;  // m²
};

enum class TipoGiunto
{
    Croce, // rigid cross junction
    T,     // rigid T junction, the separating element as the stem
    Dato,  // Kij typed by the engineer
};

struct Giunto
{
    TipoGiunto tipo = TipoGiunto::Croce;
    double kFf = 0, kFd = 0, kDf = 0; // dB, for Dato
};

// One junction of the separating element with a flanking element on each side of it.
struct Fianco
{
    double lunghezza = 0; // coupling length lf, m
    Giunto giunto;
    Elemento sorgente, ricevente;                      // F (source room) and f (receiving room)
    Curva rivestimentoSorgente, rivestimentoRicevente; // ΔR of linings on F and on f
};

// Airborne sound between two rooms.
struct SituazioneAerea
{
    Modello modello = Modello::Dettagliato;
    double ss = 0; // area of the separating element, m²
    double v = 0;  // volume of the receiving room, m³
    Elemento separazione;
    Curva rivestimentoSorgente, rivestimentoRicevente; // linings of the separating element
    std::vector<Fianco> fianchi;
};

// Impact sound through a floor (simplified model only).
struct SituazioneCalpestio
{
    double massa = 0;          // m' of the bare floor, kg/m²
    std::optional<double> lnw; // a measured Ln,w of the bare floor, in place of the one from its mass
    double dlw = 0;            // ΔLw of the covering or floating floor
    double massaFianchi = 0;   // mean m' of the homogeneous flanking elements, kg/m²
    double v = 0;              // volume of the receiving room, m³
};

struct ElementoFacciata
{
    double area = 0; // m²
    Curva r;         // R, Rw
};

// Airborne sound from outside through a facade.
struct SituazioneFacciata
{
    Modello modello = Modello::Dettagliato;
    double s = 0;    // area of the facade seen from the room, m²
    double v = 0;    // volume of the room, m³
    double dlfs = 0; // level difference due to the facade's shape ΔLfs, dB
    std::vector<ElementoFacciata> elementi;
    std::vector<Curva> piccoli; // small elements: Dn,e, Dn,e,w
};

struct Situazione
{
    std::variant<SituazioneAerea, SituazioneCalpestio, SituazioneFacciata> calcolo;
    std::optional<char> categoria;                    // building category 'A'..'G' of DPCM 5-12-1997
    int numeroBande = MotoreValutazione::NumeroBande; // of the band arrays written: 21 or 16
};
