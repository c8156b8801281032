#include "NuovaParete.h"

#include "model/Categorie.h"
#include "model/RecordSchema.h"

SalvataggioMateriale::Richiesta NuovaParete(const QString& percorso, const QString& tabella,
                                            const QString& nome)
{
    SalvataggioMateriale::Richiesta richiesta;
    richiesta.percorsoDatabase = percorso;
    richiesta.tabella = tabella;
    richiesta.nome = nome;
    richiesta.scritture = SalvataggioMateriale::ScrittureCategoria(
        catRwLaboratorio,
        [&](const QString& colonna) {
            if (colonna == RecordSchema::Nome(RecordSchema::Campo::Nome))
                return nome;
            return RecordSchema::IsNumerica(colonna) ? QStringLiteral("45,5")
                                                     : QStringLiteral("Testo di prova");
        },
        [](int) { return QString(); });
    return richiesta;
}
