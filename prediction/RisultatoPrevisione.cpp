#include "prediction/RisultatoPrevisione.h"

std::string Percorso::Nome() const
{
    static const char* const Nomi[] = {"Dd", "Ff", "Fd", "Df", "E", "P"};
    std::string nome = Nomi[int(tipo)];
    return numero > 0 ? nome + std::to_string(numero) : nome;
}
