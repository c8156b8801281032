#include "ImmagineMateriale.h"

#include "config/ZelmarCommonModule.h"
#include "storage/DbException.h"
#include "storage/NomiSenzaMaiuscole.h"
#include "storage/pg/ImmaginiCondivise.h"

#include <QFile>

namespace ImmagineMateriale {

QString PercorsoImmagineScelta;

QString NomeFile(const QString& percorso)
{
    const qsizetype separatore = percorso.lastIndexOf(QLatin1Char('/'));
    return separatore < 0 ? percorso : percorso.mid(separatore + 1);
}

void CopiaImmagineScelta(const QString& cartellaCategoria, const QString& nomeFile)
{
    // Only a plain file name may land in the folder; anything else would write elsewhere.
    if (PercorsoImmagineScelta.isEmpty() || nomeFile.isEmpty() || nomeFile != NomeFile(nomeFile) ||
        nomeFile == QLatin1String(".") || nomeFile == QLatin1String(".."))
        return;
    // A picture of that name in another letter case is the same picture.
    const QString destinazione =
        NomiSenzaMaiuscole::Trova(ZelmarCommonModule::GetCartellaImmagini(cartellaCategoria)) + nomeFile;
    if (QFile::exists(NomiSenzaMaiuscole::Trova(destinazione)))
        return;
    QFile::copy(PercorsoImmagineScelta, destinazione);
}

void CondividiImmagine(const QString& percorsoDatabase, const QString& cartellaCategoria,
                       const QString& nomeFile)
{
    if (nomeFile.isEmpty() || nomeFile != NomeFile(nomeFile) || nomeFile == QLatin1String(".") ||
        nomeFile == QLatin1String(".."))
        return;
    try {
        ImmaginiCondivise::Condividi(percorsoDatabase, cartellaCategoria, nomeFile,
                                     ZelmarCommonModule::GetCartellaImmagini(cartellaCategoria) + nomeFile);
    } catch (const DbException&) {
        // The entry is saved; its picture reaches the server with the next save that names it.
    }
}

} // namespace ImmagineMateriale
