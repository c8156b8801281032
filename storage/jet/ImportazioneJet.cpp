#include "ImportazioneJet.h"

#include "storage/SuDisco.h"

#include "DatabaseAccess.h"
#include "FirmaJet.h"
#include "LettoreJetIsolato.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"
#include "storage/sqlite/SqliteConnessione.h"
#include "storage/sqlite/SqliteSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

namespace {

using EsitoFile = ImportazioneJet::EsitoFile;

QByteArray Intestazione(const QString& percorso)
{
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.read(100) : QByteArray();
}

// The conversion written out as a new file, on disk before it is read back.
void ScriviFile(const SqliteConnessione& conversione, const QString& percorso)
{
    const QString azione = QStringLiteral("scrivere il file convertito «%1»").arg(percorso);
    Istruzione copia = conversione.Prepara(QStringLiteral("VACUUM INTO ?1"), azione);
    conversione.Lega(copia.get(), 1, percorso, azione);
    conversione.Passo(copia.get(), azione);
    QFile file(percorso);
    if (!file.open(QIODevice::ReadWrite) || ::fsync(file.handle()) != 0)
        throw DbException(DbErrore::ErroreDisco,
                          QStringLiteral("Impossibile %1: %2.").arg(azione, file.errorString()));
}

[[noreturn]] void NonUguale(const QString& percorso, const QString& cosa)
{
    throw DbException(
        DbErrore::Generico,
        QStringLiteral("la verifica del file convertito «%1» non è riuscita: %2").arg(percorso, cosa));
}

bool Uguali(sqlite3_stmt* a, sqlite3_stmt* b, int colonna)
{
    const int tipo = sqlite3_column_type(a, colonna);
    if (tipo != sqlite3_column_type(b, colonna))
        return false;
    if (tipo == SQLITE_INTEGER || tipo == SQLITE_FLOAT)
        return sqlite3_column_double(a, colonna) == sqlite3_column_double(b, colonna);
    const int byte = sqlite3_column_bytes(a, colonna);
    return byte == sqlite3_column_bytes(b, colonna) &&
           (byte == 0 ||
            std::memcmp(sqlite3_column_blob(a, colonna), sqlite3_column_blob(b, colonna), size_t(byte)) == 0);
}

// The new file read back holds the conversion: the same tables and indexes, and every
// row with the same values, stored bytes and kinds of value alike.
void Verifica(const SqliteConnessione& conversione, const QString& percorso)
{
    const auto file = SqliteConnessione::Apri(percorso, SqliteConnessione::Modo::SolaLettura);
    const QString azione = QStringLiteral("rileggere il file convertito «%1»").arg(percorso);
    const auto righe = [&](const SqliteConnessione& c, const QString& sql) { return c.Prepara(sql, azione); };
    QStringList tabelle;
    const QString schema = QStringLiteral("SELECT type, name, sql FROM sqlite_master ORDER BY rowid");
    for (Istruzione a = righe(conversione, schema), b = righe(*file, schema);;) {
        const bool inA = conversione.Passo(a.get(), azione);
        if (inA != file->Passo(b.get(), azione))
            NonUguale(percorso, QStringLiteral("le tabelle non sono quelle del file originale"));
        if (!inA)
            break;
        for (int c = 0; c < 3; ++c)
            if (!Uguali(a.get(), b.get(), c))
                NonUguale(percorso, QStringLiteral("le tabelle non sono quelle del file originale"));
        if (QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(a.get(), 0))) == "table")
            tabelle << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(a.get(), 1)));
    }
    for (const QString& tabella : tabelle) {
        const QString sql =
            QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(SqliteSchema::QuotaIdentificatore(tabella));
        Istruzione a = righe(conversione, sql);
        Istruzione b = righe(*file, sql);
        for (int riga = 1;; ++riga) {
            const bool inA = conversione.Passo(a.get(), azione);
            if (inA != file->Passo(b.get(), azione))
                NonUguale(percorso,
                          QStringLiteral("la tabella «%1» non ha le righe dell'originale").arg(tabella));
            if (!inA)
                break;
            for (int c = 0; c < sqlite3_column_count(a.get()); ++c)
                if (!Uguali(a.get(), b.get(), c))
                    NonUguale(percorso,
                              QStringLiteral("nella tabella «%1» la riga %2, colonna «%3», ha un valore "
                                             "diverso")
                                  .arg(tabella)
                                  .arg(riga)
                                  .arg(QString::fromUtf8(sqlite3_column_name(a.get(), c))));
        }
    }
}

DbException ErroreSulDisco(const QString& testo)
{
    return DbException(DbErrore::ErroreDisco, testo);
}

// The backup: a second name for the original where the file system has them, else a copy
// written to disk. Either way the original keeps its own name.
void CreaCopia(const QString& percorso, const QString& copia)
{
    if (::link(QFile::encodeName(percorso).constData(), QFile::encodeName(copia).constData()) == 0)
        return;
    if (errno == EEXIST)
        throw ErroreSulDisco(QStringLiteral("il file «%1» esiste già").arg(copia));
    const QString errore = QStringLiteral("impossibile copiare «%1» in «%2»").arg(percorso, copia);
    if (!QFile::copy(percorso, copia)) // never over a file already there
        throw ErroreSulDisco(errore);
    QFile copiato(copia);
    if (!copiato.open(QIODevice::ReadWrite) || ::fsync(copiato.handle()) != 0) {
        copiato.close();
        QFile::remove(copia);
        throw ErroreSulDisco(errore);
    }
}

// The original gets its backup name beside its own, then the new file, already on disk,
// replaces it in one step: at no moment is the original's name missing, and a crash leaves
// either the original or the new file under it, with the backup beside it.
void Sostituisci(const QString& percorso, const QString& nuovo, const QString& copia)
{
    const QString cartella = QFileInfo(percorso).absolutePath();
    CreaCopia(percorso, copia);
    try {
        if (!SuDisco::Sincronizza(cartella))
            throw ErroreSulDisco(
                QStringLiteral("impossibile rendere durevoli i nomi nella cartella «%1»").arg(cartella));
        if (::rename(QFile::encodeName(nuovo).constData(), QFile::encodeName(percorso).constData()) != 0)
            throw ErroreSulDisco(
                QStringLiteral("impossibile dare al file convertito il nome «%1»").arg(percorso));
    } catch (const DbException&) {
        QFile::remove(copia);
        throw;
    }
    // The new file has the name now: a folder that cannot be synced only leaves it to the
    // file system to make that durable.
    SuDisco::Sincronizza(cartella);
}

QString PercorsoTemporaneo(const QString& percorso)
{
    return percorso + QStringLiteral(".importazione");
}

} // namespace

int ImportazioneJet::Rapporto::Quanti(EsitoFile::Stato stato) const
{
    return static_cast<int>(
        std::count_if(file.begin(), file.end(), [&](const EsitoFile& e) { return e.stato == stato; }));
}

QString ImportazioneJet::Rapporto::Testo() const
{
    QStringList righe;
    for (const EsitoFile& e : file) {
        switch (e.stato) {
        case EsitoFile::Convertito:
            righe << QCoreApplication::translate("ImportazioneJet",
                                                 "Converted: %1 (%2 tables, %3 rows); the original is in %4")
                         .arg(e.percorso)
                         .arg(e.tabelle)
                         .arg(e.righe)
                         .arg(e.copia);
            break;
        case EsitoFile::GiaNelFormato:
            righe << QCoreApplication::translate("ImportazioneJet", "Already in the program's format: %1")
                         .arg(e.percorso);
            break;
        case EsitoFile::Errore:
            righe << QCoreApplication::translate("ImportazioneJet", "Not converted: %1: %2")
                         .arg(e.percorso, e.dettaglio);
            break;
        case EsitoFile::Annullato:
            righe << QCoreApplication::translate("ImportazioneJet",
                                                 "Left as it was, the import cancelled: %1")
                         .arg(e.percorso);
            break;
        }
    }
    QString conti =
        QCoreApplication::translate(
            "ImportazioneJet", "Files converted: %1; already in the program's format: %2; not converted: %3")
            .arg(Quanti(EsitoFile::Convertito))
            .arg(Quanti(EsitoFile::GiaNelFormato))
            .arg(Quanti(EsitoFile::Errore));
    if (Quanti(EsitoFile::Annullato) > 0)
        conti += QCoreApplication::translate("ImportazioneJet", "; left as they were by the cancel: %1")
                     .arg(Quanti(EsitoFile::Annullato));
    righe << conti + QLatin1Char('.');
    return righe.join(QLatin1Char('\n'));
}

QStringList ImportazioneJet::FileDaEsaminare(const QString& cartella)
{
    QStringList trovati;
    QDirIterator it(cartella, {QStringLiteral("*.mdb")}, QDir::Files | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        trovati << it.next();
    trovati.sort();
    return trovati;
}

QString ImportazioneJet::NomeCopia(const QString& percorso)
{
    QString copia = percorso + QStringLiteral(".jet");
    for (int n = 2; QFileInfo::exists(copia); ++n)
        copia = percorso + QStringLiteral(".jet.%1").arg(n);
    return copia;
}

ImportazioneJet::EsitoFile ImportazioneJet::ImportaFile(const QString& percorso,
                                                        const Avanzamento& avanzamento, int numeroFile,
                                                        int totaleFile, const std::atomic_bool* annulla)
{
    EsitoFile esito;
    esito.percorso = percorso;
    struct Annullata
    {
    };
    const auto verificaAnnullamento = [annulla] {
        if (annulla && annulla->load())
            throw Annullata();
    };
    if (!FirmaJet::IsJetHeader(Intestazione(percorso))) {
        try {
            DBEngine::OpenDatabase(percorso, DBEngine::Uso::Lettura)->Close();
            esito.stato = EsitoFile::GiaNelFormato;
        } catch (const DbException& e) {
            esito.dettaglio = e.Descrizione();
        }
        return esito;
    }
    const QString temporaneo = PercorsoTemporaneo(percorso);
    try {
        const auto immagine = LettoreJetIsolato::Converti(percorso);
        auto access = DatabaseAccess::Apri(immagine, percorso);
        for (const QString& nome : access->TableNames()) {
            verificaAnnullamento();
            if (avanzamento)
                avanzamento(numeroFile, totaleFile, percorso, nome);
            esito.righe += access->OpenRecordset(nome)->RecordCount(); // a table not read says why here
        }
        esito.tabelle = int(access->TableNames().size());
        access->Close();
        const auto conversione = SqliteConnessione::ApriImmagine(immagine, percorso);
        QFile::remove(temporaneo); // what a run stopped half-way left behind
        ScriviFile(*conversione, temporaneo);
        Verifica(*conversione, temporaneo);
        verificaAnnullamento(); // the last moment the file can be left as it was
        esito.copia = NomeCopia(percorso);
        Sostituisci(percorso, temporaneo, esito.copia);
        esito.stato = EsitoFile::Convertito;
    } catch (const Annullata&) {
        esito.stato = EsitoFile::Annullato;
    } catch (const DbException& e) {
        esito.dettaglio = e.Descrizione();
    } catch (const std::exception& e) {
        esito.dettaglio = QString::fromLocal8Bit(e.what());
    }
    if (esito.stato != EsitoFile::Convertito) {
        QFile::remove(temporaneo);
        esito.copia.clear();
    }
    return esito;
}

ImportazioneJet::Rapporto ImportazioneJet::ImportaCartella(const QString& cartella,
                                                           const Avanzamento& avanzamento,
                                                           const std::atomic_bool* annulla)
{
    Rapporto rapporto;
    const QStringList file = FileDaEsaminare(cartella);
    for (int i = 0; i < file.size(); ++i) {
        if (annulla && annulla->load()) {
            EsitoFile lasciato;
            lasciato.percorso = file[i];
            lasciato.stato = EsitoFile::Annullato;
            rapporto.file << lasciato;
        } else {
            rapporto.file << ImportaFile(file[i], avanzamento, i + 1, static_cast<int>(file.size()), annulla);
        }
    }
    return rapporto;
}
