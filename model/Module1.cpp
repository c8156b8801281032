#include "Module1.h"

#include "RecordSchema.h"

namespace Module1 {
int CategoriaCorrente = 0;
QString CartellaCategoria;
QString NomeDatabase;
QString NomeTabella;
std::array<QString, RecordSchema::NumeroBande> EtichetteBande;

void RiempiEtichetteBande()
{
    for (int i = 0; i < RecordSchema::NumeroBande; ++i)
        EtichetteBande[i] = QString::number(RecordSchema::Frequenze[i]) + QStringLiteral(" Hz");
}

void Rispecchia(const TabellaCorrente& corrente)
{
    CategoriaCorrente = corrente.categoria;
    CartellaCategoria = corrente.cartellaCategoria;
    NomeDatabase = corrente.nomeDatabase;
    NomeTabella = corrente.nomeTabella;
}
} // namespace Module1
