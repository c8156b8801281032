// The eight test categories and the eleven kind codes: folders, tables, band quantity,
// tree symbol and caption message of each. One table of facts that every window reads.
#pragma once

#include <QString>
#include <span>

enum CodiceCategoria : int {
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

struct Categoria
{
    const char* simbolo;         // key of the tree root
    int messaggioRadice;         // catalogue message of the root caption
    const char* cartella;        // folder of the experimental files and of the images
    int codice;                  // kind code
    const char* tabellaPersonale; // table in Database_sperimentale
    const char* prefissoBande;   // band quantity: prefix of the band columns
};

namespace Categorie {
// The eight experimental categories in tree order.
std::span<const Categoria> Tutte();
// nullptr for codes without a category (0, 8, 9, 100).
const Categoria* PerCodice(int codice);
const Categoria* PerSimbolo(const QString& simbolo);
bool IsTeorico(int codice);
bool IsSperimentale(int codice); // 1..7 and 10
// Theoretical table of codes 8, 9, 100; empty otherwise.
QString TabellaTeorica(int codice);
// Image folder for the detail display: follows the code (8 and 9 use the laboratory
// partition folders); empty for 100 and unknown codes.
QString CartellaImmagini(int codice);
// Band prefix read by the detail display, theoretical kinds included.
QString PrefissoBande(int codice);
} // namespace Categorie
