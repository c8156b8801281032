#include "ColonneTabella.h"

#include "DbException.h"

int ColonneTabella::Indice(const QString& colonna) const
{
    for (int i = 0; i < colonne.size(); ++i)
        if (colonne[i].nome.compare(colonna, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int ColonneTabella::IndiceEsistente(const QString& colonna) const
{
    const int indice = Indice(colonna);
    if (indice < 0)
        throw DbException(DbErrore::ElementoNonTrovato,
                          QStringLiteral("La tabella «%1» non ha il campo «%2».").arg(tabella, colonna));
    return indice;
}

QStringList ColonneTabella::Nomi() const
{
    QStringList nomi;
    for (const Colonna& colonna : colonne)
        nomi << colonna.nome;
    return nomi;
}
