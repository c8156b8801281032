#include "ImmaginiCondivise.h"

#include "PgDatabase.h"
#include "ServerCondiviso.h"
#include "storage/DbException.h"
#include "storage/NomiSenzaMaiuscole.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace ImmaginiCondivise {

void Condividi(const QString& percorsoDatabase, const QString& cartella, const QString& nome,
               const QString& file)
{
    const auto collegamento = ServerCondiviso::Per(percorsoDatabase);
    QFile immagine(file);
    if (!collegamento || !immagine.open(QIODevice::ReadOnly))
        return;
    const QByteArray dati = immagine.readAll();
    auto database = PgDatabase::Apri(collegamento->conninfo, collegamento->tabelle);
    database->SalvaImmagine(cartella, nome, dati);
    database->Close();
}

bool Procura(const QString& percorsoDatabase, const QString& cartella, const QString& nome,
             const QString& destinazione)
{
    if (QFileInfo::exists(NomiSenzaMaiuscole::Trova(destinazione)))
        return true;
    const auto collegamento = ServerCondiviso::Per(percorsoDatabase);
    if (!collegamento)
        return false;
    std::optional<QByteArray> dati;
    try {
        auto database = PgDatabase::Apri(collegamento->conninfo, collegamento->tabelle);
        dati = database->LeggiImmagine(cartella, nome);
        database->Close();
    } catch (const DbException&) {
        return false;
    }
    if (!dati)
        return false;
    // Written whole under another name first, so that a half-written picture never shows.
    QTemporaryFile temporaneo(QFileInfo(destinazione).absolutePath() + QStringLiteral("/.zelmar-XXXXXX"));
    if (!temporaneo.open() || temporaneo.write(*dati) != dati->size() || !temporaneo.flush())
        return false;
    if (temporaneo.rename(destinazione))
        temporaneo.setAutoRemove(false);
    return QFileInfo::exists(destinazione);
}

} // namespace ImmaginiCondivise
