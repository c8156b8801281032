// The one table of kinds: for each kind code (the test categories of the custom and
// experimental databases, and the kinds of the theoretical database) every fact tied to
// it: where its tables lie, which columns they carry, what each rating column means, and
// how the tree, the windows and the tools caption and lay out its entries. Column names
// come from the record schema. Adding a kind is adding a row to this table: the tree, the
// tables of a data folder, the count of categories and the tools' lists of kind codes are
// all read from its rows.
#pragma once

#include "RecordSchema.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <span>
#include <vector>

enum CodiceCategoria : int
{
    catNessuna = 0,
    catRwLaboratorio = 1,
    catRwInOpera = 2,
    catDRwLaboratorio = 3,
    catLnwLaboratorio = 4,
    catLnwInOpera = 5,
    catDLwLaboratorio = 6,
    catInfissi = 7,
    catRwTeorico = 8,
    catLnwTeorico = 9,
    catDnewLaboratorio = 10,
    catDRwTeorico = 100,
};

// A caption: a catalogue message followed by a literal text, or either alone. One with
// neither leaves the caption it would replace as it is.
struct Didascalia
{
    int messaggio = 0;
    const char* testo = nullptr;
    bool Invariata() const { return messaggio == 0 && testo == nullptr; }
    QString Testo(const std::function<QString(int)>& catalogo) const;
};

// What a rating column means.
enum class Significato
{
    Principale, // the single-number rating: Rw, DRw, Lnw, DLnw, Dnew
    C,          // spectrum adaptation terms of the airborne ratings
    Ctr,
    Ci,      // adaptation term of the impact ratings
    CEsteso, // the floor tables' third column: Ci 50-5000 (laboratory and in situ) or Ci 50-3150
};

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

struct ColonnaValutazione
{
    RecordSchema::Campo campo;
    Significato significato;
    Didascalia editor;   // caption of its box in the editor
    Didascalia contesto; // its name in the save's failure message, after message 77 and a blank
};

struct TipoMateriale
{
    int codice = 0;
    // The kind's name in the comparison and on the data sheet: English, translated in the
    // context "TipoMateriale".
    const char* nome = nullptr;
    const char* simbolo = nullptr;          // key of the category's tree root; nullptr for theoretical kinds
    int messaggioRadice = 0;                // the root's caption
    const char* cartella = nullptr;         // folder of the experimental files
    const char* tabellaPersonale = nullptr; // the kind's table in Database_sperimentale
    const char* tabellaTeorica = nullptr;   // the kind's table in Database_teorico
    // Catalogue message captioning the kind's node under the custom root (a category) or the
    // theoretical root (a theoretical kind). Each root lists its children in the order of
    // these messages, as the catalogue keeps them; a theoretical kind shares the message of
    // the category of its quantity.
    int messaggioFiglio = 0;
    const char* cartellaImmagini = nullptr; // nullptr: always the placeholder picture
    RecordSchema::Grandezza grandezza = RecordSchema::Grandezza::R;
    // The quantity the band values hold, where the columns' prefix says another (the
    // theoretical DRw table holds improvements DRi under columns named R).
    std::optional<RecordSchema::Grandezza> grandezzaValori{};
    bool cantiere = false;                          // the in-situ kinds carry the site
    std::span<const RecordSchema::Campo> fisiche{}; // in the order the save writes them
    std::span<const ColonnaValutazione> valutazioni{};
    std::optional<ValoreConservato> principaleConservato{}; // none: the kind keeps no rating

    // The main window.
    const char* rigaValutazione = nullptr; // start of the rating line: "Rw(C,Ctr)= "
    int rigaDopoRiempimento = 0;           // its caption after a list fill: message + " = "
    int rigaDopoScelta = 0;                // after a keyword choice: message + "= "; 0 leaves it
    Didascalia intestazioneBande{};
    bool sceltaImpostaIntestazione = false; // a keyword choice sets the band headings too
    // The information window: captions of its boxes 9 and 10; nullptr leaves one as it is.
    std::array<const char*, 2> didascalieInformazioni{};

    // The editor: the band column's heading, the captions of structure boxes 3 and 4.
    Didascalia bandeEditor{};
    std::array<Didascalia, 2> strutturaEditor{};
};

// The experimental categories are the kinds with a custom table.
using Categoria = TipoMateriale;

namespace Categorie {
// The experimental categories, in the order of the tree's roots (the table's order).
std::span<const TipoMateriale> Tutte();
// Every kind: the categories first, then the other kinds, each in the table's order.
std::span<const TipoMateriale> Tipi();
// The children of the custom root (teorici false: the categories) or of the theoretical root
// (the kinds with a theoretical table), in the tree's order.
std::vector<const TipoMateriale*> Figli(bool teorici);
// Replaces the table of kinds for the rest of the process, as a test does to add a kind to
// the shipped rows (Tipi()). Call it before anything reads the table: the kinds handed out
// before it are gone. The rows' texts and column lists must outlive the process's use.
void Installa(std::span<const TipoMateriale> tipi);
// The kind codes with their names, for a tool's help: "1 Rw (laboratory), 2 ...", in code
// order, names translated; broken into lines no longer than larghezza, each after rientro,
// the last without a line end.
QString ElencoCodici(const QString& rientro, int larghezza);
// nullptr for a code that is no kind (0 and unknown values).
const TipoMateriale* PerCodice(int codice);
bool IsTeorico(int codice);
// The category of a kind: itself for a category; for a theoretical kind, the category whose
// node under the custom root shares its caption; nullptr for a code that is no kind.
const Categoria* CategoriaDi(int codice);
bool IsSperimentale(int codice); // the kind has a custom table
// The kind's table in the theoretical database; empty for a kind without one.
QString TabellaTeorica(int codice);
// Image folder for the detail display; empty for a kind without pictures and unknown codes.
QString CartellaImmagini(int codice);
// Band prefix of the kind's tables.
QString PrefissoBande(int codice);

// The named columns of the kind's tables, and all of its columns by name, in table order.
std::vector<RecordSchema::Campo> Campi(const TipoMateriale& tipo);
QStringList ColonneTabella(int codice);
// Which kept rating a rating column feeds; none for the theoretical kinds.
std::optional<ValoreConservato> Conservato(const TipoMateriale& tipo, const ColonnaValutazione& valutazione);
} // namespace Categorie
