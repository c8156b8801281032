#include "DBEngine.h"

#include "DbException.h"
#include "NomiSenzaMaiuscole.h"
#include "TabellePreviste.h"
#include "storage/jet/FirmaJet.h"
#include "storage/jet/JetBackend.h"
#include "storage/pg/PgDatabase.h"
#include "storage/pg/ServerCondiviso.h"
#include "storage/sqlite/SqliteDatabase.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Enough bytes for either engine's signature.
constexpr qint64 LunghezzaIntestazione = 100;

bool IsIntestazioneSqlite(const QByteArray& primiByte)
{
    static const QByteArray firma("SQLite format 3", 16); // with its closing NUL
    return primiByte.startsWith(firma);
}

QByteArray LeggiIntestazione(const QString& percorso)
{
    const QFileInfo info(percorso);
    if (!info.exists())
        throw DbException(DbErrore::FileNonTrovato, QStringLiteral("Il file «%1» non esiste.").arg(percorso));
    if (info.isDir())
        throw DbException(DbErrore::FormatoNonRiconosciuto,
                          QStringLiteral("«%1» è una cartella, non un file di database.").arg(percorso));
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        throw DbException(
            DbErrore::Generico,
            QStringLiteral("Impossibile leggere il file «%1»: %2.").arg(percorso, file.errorString()));
    return file.read(LunghezzaIntestazione);
}

} // namespace

namespace DBEngine {

std::unique_ptr<Database> OpenDatabase(const QString& nome, Uso uso)
{
    // On the server a save's transaction locks what it changes: no exclusive opening.
    if (const auto collegamento = ServerCondiviso::Per(nome))
        return PgDatabase::Apri(collegamento->conninfo, collegamento->tabelle);
    const QString percorso = NomiSenzaMaiuscole::Trova(nome);
    const QByteArray intestazione = LeggiIntestazione(percorso);
    if (FirmaJet::IsJetHeader(intestazione))
        return JetBackend::Open(percorso);
    if (IsIntestazioneSqlite(intestazione))
        return SqliteDatabase::Apri(percorso,
                                    uso == Uso::Lettura     ? SqliteDatabase::Modo::SolaLettura
                                    : uso == Uso::Esclusivo ? SqliteDatabase::Modo::Esclusivo
                                                            : SqliteDatabase::Modo::Condiviso,
                                    TabellePreviste::Per(nome));
    if (intestazione.isEmpty())
        throw DbException(DbErrore::FormatoNonRiconosciuto,
                          QStringLiteral("Il file «%1» è vuoto: non è un database.").arg(percorso));
    throw DbException(
        DbErrore::FormatoNonRiconosciuto,
        QStringLiteral("Il file «%1» non è un database in un formato riconosciuto.").arg(percorso));
}

std::unique_ptr<Database> CreateDatabase(const QString& percorso)
{
    return SqliteDatabase::Crea(percorso);
}

} // namespace DBEngine
