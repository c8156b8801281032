// Stored layout of a material entry: exact column names per category, the rating and
// band columns named by TipoBande, and the order in which the editor writes them.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace RecordSchema {

constexpr int NumeroBande = 21;
// Centre frequencies in Hz, band order 0..20.
extern const std::array<int, NumeroBande> Frequenze;

// Value-set selector of the rating and band columns (0..5).
using TipoBande = unsigned char;
// TipoBande of a category code 1..7, 10; nullopt for codes with no writable table.
std::optional<TipoBande> TipoBandePerCodice(int codice);
// Band prefix: R, DRi, Ln, DLn, Dn.
QString PrefissoBande(TipoBande tipo);
// The three rating columns, rating 1..3.
std::array<QString, 3> ColonneValutazione(TipoBande tipo);
// "R - 50Hz (dB)" and so on.
QString NomeColonnaBanda(const QString& prefisso, int banda);
QStringList ColonneBande(const QString& prefisso);

// Descriptive columns, every category table.
extern const QStringList ColonneDescrittive;
constexpr const char* ColonnaCantiere = "Cantiere";

// One column written by the save: its editor box, caption and context message.
struct ScritturaColonna
{
    QString colonna;
    QString casella;  // editor box: "Text15", "Combo1", "MonthView1", "Text10"...
    int etichetta;    // index of the Label1 caption marked red while writing; -1 none
    int contesto;     // catalogue message naming the value; 0 leaves the context as it is
};

// Every column the save writes before the ratings and bands, in write order.
std::vector<ScritturaColonna> OrdineScrittura(int codice);
// Physical columns (numeric) of a category code, in write order.
std::vector<ScritturaColonna> ColonneFisiche(int codice);

// Whether a column holds numbers.
bool IsNumerica(const QString& colonna);

// All columns of a category table (custom or experimental), in table order.
QStringList ColonneTabella(int codice);
// Columns of the theoretical tables (codes 8, 9, 100).
QStringList ColonneTabellaTeorica(int codice);

} // namespace RecordSchema
