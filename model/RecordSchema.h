// Stored layout of a material entry: the exact name of every column (stored data, spelled
// here once), which columns hold numbers, and the rule that names the 21 band columns of
// each band quantity. The table of kinds (Categorie) says which columns each kind's
// tables carry; everything else reads the names from here.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace RecordSchema {

constexpr int NumeroBande = 21;
// Centre frequencies in Hz, band order 0..20.
extern const std::array<int, NumeroBande> Frequenze;

// Every column but the band columns, in the order the tables carry them.
enum class Campo
{
    // descriptive (text)
    Nome,
    ParolaChiave,
    Descrizione,
    Certificato,
    DataProva,
    EnteProva,
    SocietaRichiedente,
    InformazioneAddizionale,
    Immagine,
    Cantiere, // the in-situ tables only
              // physical
    Massa,
    Spessore,
    Area,
    Fc,
    Eta,
    VRicevente,
    VEmittente,
    // ratings
    Rw,
    DRw,
    Lnw,
    DLnw,
    Dnew,
    C,
    Ctr,
    Ci,
    Ci50_5000, // the laboratory floor tables
    C50_5000,  // the in-situ floor tables
    Ci50_3150, // the floor-covering tables
};
constexpr int NumeroCampi = int(Campo::Ci50_3150) + 1;

// The band quantity of a table: the prefix of its band columns.
enum class Grandezza
{
    R,
    DRi,
    Ln,
    DLn,
    Dn,
};

QString Nome(Campo campo);
bool IsNumerico(Campo campo);
inline bool IsValutazione(Campo campo)
{
    return campo >= Campo::Rw;
}
// Catalogue message that names the value when the save fails writing it; 0 when the
// column has none (the site, and the ratings, which each kind names).
int MessaggioContesto(Campo campo);
// Place of a physical column in the row of five structure boxes of the information window
// and of the editor (0 surface mass, 1 thickness, 2 area, 3 fc or receiving room, 4 loss
// factor or source room); -1 for the other columns.
int Posizione(Campo campo);

QString Prefisso(Grandezza grandezza);
// "R - 50Hz (dB)" and so on.
QString NomeColonnaBanda(Grandezza grandezza, int banda);
QStringList ColonneBande(Grandezza grandezza);

// Whether a column, by name, holds numbers: every column but the text columns above.
bool IsNumerica(const QString& colonna);

} // namespace RecordSchema
