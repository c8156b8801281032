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

QString PercorsoDatabaseCorrente(const QString& cartellaDati)
{
    QString cartella = CartellaCategoria;
    cartella.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return cartellaDati + QStringLiteral("/Databases/Database") + cartella + NomeDatabase +
           QStringLiteral(".mdb");
}

void Azzera()
{
    CategoriaCorrente = 0;
    CartellaCategoria.clear();
    NomeDatabase.clear();
    NomeTabella.clear();
}
} // namespace Module1
