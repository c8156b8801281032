#include "ImportazioneJet.h"

#include "DBEngine.h"
#include "DbException.h"
#include "JetBackend.h"
#include "JetDatabase.h"
#include "SqliteDatabase.h"
#include "SqliteSchema.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <sqlite3.h>

namespace {

using EsitoFile = ImportazioneJet::EsitoFile;
using Tabelle = QVector<std::shared_ptr<const TabellaJet>>;

const QString ColonnaNome = QStringLiteral("Nome");

QString Quota(const QString& nome)
{
    return SqliteSchema::QuotaIdentificatore(nome);
}

QString TipoSqlite(TipoColonnaJet tipo)
{
    switch (tipo) {
    case TipoColonnaJet::Numero:
        return QStringLiteral("REAL");
    case TipoColonnaJet::Binario:
        return QStringLiteral("BLOB");
    case TipoColonnaJet::Testo:
    case TipoColonnaJet::Data:
        break;
    }
    return QStringLiteral("TEXT");
}

QByteArray Intestazione(const QString& percorso)
{
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.read(100) : QByteArray();
}

// A connection of the engine's C interface on the file being written; every failure
// becomes a DbException naming the file.
class FileNuovo
{
public:
    explicit FileNuovo(const QString& percorso) : percorso_(percorso)
    {
        const int codice =
            sqlite3_open_v2(QFile::encodeName(percorso).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
        Controlla(codice, "apertura");
        Esegui("PRAGMA journal_mode = DELETE; PRAGMA synchronous = FULL");
    }
    ~FileNuovo() { sqlite3_close_v2(db_); }
    FileNuovo(const FileNuovo&) = delete;
    FileNuovo& operator=(const FileNuovo&) = delete;

    void Esegui(const QString& sql) { Esegui(sql.toUtf8().constData()); }
    void Esegui(const char* sql) { Controlla(sqlite3_exec(db_, sql, nullptr, nullptr, nullptr), sql); }

    sqlite3_stmt* Prepara(const QString& sql)
    {
        sqlite3_stmt* istruzione = nullptr;
        Controlla(sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &istruzione, nullptr),
                  "preparazione");
        return istruzione;
    }

    void Controlla(int codice, const char* fase) const
    {
        if (codice == SQLITE_OK || codice == SQLITE_ROW || codice == SQLITE_DONE)
            return;
        throw DbException(DbErrore::ErroreDisco, QStringLiteral("Impossibile scrivere il file «%1» (%2): %3.")
                                                     .arg(percorso_, QString::fromUtf8(fase),
                                                          QString::fromUtf8(sqlite3_errmsg(db_))));
    }

private:
    QString percorso_;
    sqlite3* db_ = nullptr;
};

struct Finalizza
{
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Istruzione = std::unique_ptr<sqlite3_stmt, Finalizza>;

void Lega(FileNuovo& file, sqlite3_stmt* istruzione, int posizione, const QVariant& valore)
{
    int codice = SQLITE_OK;
    if (valore.isNull())
        codice = sqlite3_bind_null(istruzione, posizione);
    else if (valore.typeId() == QMetaType::Double)
        codice = sqlite3_bind_double(istruzione, posizione, valore.toDouble());
    else if (valore.typeId() == QMetaType::QByteArray) {
        const QByteArray byte = valore.toByteArray();
        codice = sqlite3_bind_blob64(istruzione, posizione, byte.constData(),
                                     static_cast<sqlite3_uint64>(byte.size()), SQLITE_TRANSIENT);
    } else {
        const QByteArray testo = valore.toString().toUtf8();
        codice =
            sqlite3_bind_text64(istruzione, posizione, testo.constData(),
                                static_cast<sqlite3_uint64>(testo.size()), SQLITE_TRANSIENT, SQLITE_UTF8);
    }
    file.Controlla(codice, "scrittura di un valore");
}

bool HaColonnaNome(const TabellaJet& tabella)
{
    for (const ColonnaJet& c : tabella.colonne)
        if (c.nome == ColonnaNome)
            return true;
    return false;
}

void ScriviTabella(FileNuovo& file, const TabellaJet& tabella)
{
    QStringList colonne, segnaposto;
    for (int i = 0; i < tabella.colonne.size(); ++i) {
        colonne << Quota(tabella.colonne[i].nome) + QLatin1Char(' ') + TipoSqlite(tabella.colonne[i].tipo);
        segnaposto << QStringLiteral("?%1").arg(i + 1);
    }
    file.Esegui(
        QStringLiteral("CREATE TABLE %1 (%2)").arg(Quota(tabella.nome), colonne.join(QStringLiteral(", "))));
    if (HaColonnaNome(tabella))
        file.Esegui(SqliteSchema::CreaIndiceNome(tabella.nome));
    const Istruzione inserisci(
        file.Prepara(QStringLiteral("INSERT INTO %1 VALUES (%2)")
                         .arg(Quota(tabella.nome), segnaposto.join(QStringLiteral(", ")))));
    for (const QVector<QVariant>& riga : tabella.righe) {
        for (int i = 0; i < riga.size(); ++i)
            Lega(file, inserisci.get(), i + 1, riga[i]);
        file.Controlla(sqlite3_step(inserisci.get()), "scrittura di una riga");
        sqlite3_reset(inserisci.get());
    }
}

void ScriviFile(const QString& percorso, const Tabelle& tabelle)
{
    DBEngine::CreateDatabase(percorso)->Close();
    FileNuovo file(percorso);
    file.Esegui("BEGIN");
    for (const auto& tabella : tabelle)
        ScriviTabella(file, *tabella);
    file.Esegui("COMMIT");
}

bool Uguali(const QVariant& letto, const QVariant& atteso, TipoColonnaJet tipo)
{
    if (atteso.isNull() || letto.isNull())
        return atteso.isNull() && letto.isNull();
    if (tipo == TipoColonnaJet::Numero)
        return letto.typeId() == QMetaType::Double && letto.toDouble() == atteso.toDouble();
    if (tipo == TipoColonnaJet::Binario)
        return true; // compared byte by byte in VerificaBinari
    return letto.toString() == atteso.toString();
}

[[noreturn]] void NonUguale(const QString& percorso, const TabellaJet& tabella, const QString& cosa)
{
    throw DbException(DbErrore::Generico,
                      QStringLiteral("la verifica del file convertito «%1» non è riuscita: "
                                     "nella tabella «%2» %3")
                          .arg(percorso, tabella.nome, cosa));
}

// Binary values, which the cursor gives as text, are compared on the stored bytes.
void VerificaBinari(const QString& percorso, const TabellaJet& tabella)
{
    for (int c = 0; c < tabella.colonne.size(); ++c) {
        if (tabella.colonne[c].tipo != TipoColonnaJet::Binario)
            continue;
        FileNuovo file(percorso);
        const Istruzione leggi(file.Prepara(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                                                .arg(Quota(tabella.colonne[c].nome), Quota(tabella.nome))));
        for (const QVector<QVariant>& riga : tabella.righe) {
            if (sqlite3_step(leggi.get()) != SQLITE_ROW)
                NonUguale(percorso, tabella, QStringLiteral("mancano righe"));
            const auto* dati = static_cast<const char*>(sqlite3_column_blob(leggi.get(), 0));
            const QByteArray letto(dati, sqlite3_column_bytes(leggi.get(), 0));
            if ((sqlite3_column_type(leggi.get(), 0) == SQLITE_NULL) != riga[c].isNull() ||
                letto != riga[c].toByteArray())
                NonUguale(percorso, tabella,
                          QStringLiteral("la colonna «%1» ha byte diversi").arg(tabella.colonne[c].nome));
        }
    }
}

// Reads the new file back through the storage layer, as the program will, and compares
// tables, row counts and every value with what was read from the Jet file.
void Verifica(const QString& percorso, const Tabelle& tabelle)
{
    auto db = DBEngine::OpenDatabase(percorso);
    QStringList nomi;
    for (const auto& t : tabelle)
        nomi << t->nome;
    if (db->TableNames() != nomi)
        throw DbException(DbErrore::Generico,
                          QStringLiteral("la verifica del file convertito «%1» non è riuscita: le tabelle "
                                         "non sono quelle del file originale")
                              .arg(percorso));
    for (const auto& t : tabelle) {
        auto rs = db->OpenRecordset(t->nome);
        if (rs->RecordCount() != static_cast<int>(t->righe.size()))
            NonUguale(
                percorso, *t,
                QStringLiteral("ci sono %1 righe invece di %2").arg(rs->RecordCount()).arg(t->righe.size()));
        size_t r = 0;
        for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext(), ++r)
            for (int c = 0; c < t->colonne.size(); ++c)
                if (!Uguali(rs->Field(t->colonne[c].nome), t->righe[r][c], t->colonne[c].tipo))
                    NonUguale(percorso, *t,
                              QStringLiteral("la riga %1, colonna «%2», ha un valore diverso")
                                  .arg(r + 1)
                                  .arg(t->colonne[c].nome));
        rs->Close();
    }
    db->Close();
    for (const auto& t : tabelle)
        VerificaBinari(percorso, *t);
}

// The original goes to its backup name, then the new file takes the original's name;
// if the second step fails the first is undone.
void Sostituisci(const QString& percorso, const QString& nuovo, const QString& copia)
{
    if (!QFile::rename(percorso, copia))
        throw DbException(DbErrore::ErroreDisco,
                          QStringLiteral("impossibile rinominare «%1» in «%2»").arg(percorso, copia));
    if (!QFile::rename(nuovo, percorso)) {
        QFile::rename(copia, percorso);
        throw DbException(DbErrore::ErroreDisco,
                          QStringLiteral("impossibile dare al file convertito il nome «%1»").arg(percorso));
    }
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
            righe << QStringLiteral("Convertito: %1 (%2 tabelle, %3 righe); l'originale è in %4")
                         .arg(e.percorso)
                         .arg(e.tabelle)
                         .arg(e.righe)
                         .arg(e.copia);
            break;
        case EsitoFile::GiaNelFormato:
            righe << QStringLiteral("Già nel formato del programma: %1").arg(e.percorso);
            break;
        case EsitoFile::Errore:
            righe << QStringLiteral("Non convertito: %1: %2").arg(e.percorso, e.dettaglio);
            break;
        }
    }
    righe << QStringLiteral("File convertiti: %1; già nel formato del programma: %2; non convertiti: %3.")
                 .arg(Quanti(EsitoFile::Convertito))
                 .arg(Quanti(EsitoFile::GiaNelFormato))
                 .arg(Quanti(EsitoFile::Errore));
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
                                                        int totaleFile)
{
    EsitoFile esito;
    esito.percorso = percorso;
    if (!JetBackend::IsJetHeader(Intestazione(percorso))) {
        try {
            DBEngine::OpenDatabase(percorso)->Close();
            esito.stato = EsitoFile::GiaNelFormato;
        } catch (const DbException& e) {
            esito.dettaglio = e.Descrizione();
        }
        return esito;
    }
    const QString temporaneo = PercorsoTemporaneo(percorso);
    try {
        auto jet = JetDatabase::Apri(percorso);
        Tabelle tabelle;
        for (const QString& nome : jet->TableNames()) {
            if (avanzamento)
                avanzamento(numeroFile, totaleFile, percorso, nome);
            tabelle << jet->LeggiTabella(nome);
            esito.righe += static_cast<qint64>(tabelle.back()->righe.size());
        }
        jet->Close();
        esito.tabelle = static_cast<int>(tabelle.size());
        QFile::remove(temporaneo); // what a run stopped half-way left behind
        ScriviFile(temporaneo, tabelle);
        Verifica(temporaneo, tabelle);
        esito.copia = NomeCopia(percorso);
        Sostituisci(percorso, temporaneo, esito.copia);
        esito.stato = EsitoFile::Convertito;
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
                                                           const Avanzamento& avanzamento)
{
    Rapporto rapporto;
    const QStringList file = FileDaEsaminare(cartella);
    for (int i = 0; i < file.size(); ++i)
        rapporto.file << ImportaFile(file[i], avanzamento, i + 1, static_cast<int>(file.size()));
    return rapporto;
}
