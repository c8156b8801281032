// zelmar-condividi: moves a laboratory's custom database between a file (the program's own
// or an Access file) and the shared database on a PostgreSQL server, every entry of the
// custom tables in stored order. Rows are streamed in batches (COPY on the server side), so
// memory stays flat whatever the size; every value crosses exactly or the copy is refused
// before anything is committed; the new file is written under a temporary name and renamed
// at the end; the row counts of what was written are checked.
#include "model/DatabaseCondiviso.h"
#include "model/RecordSchema.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"
#include "storage/pg/AttesaServer.h"
#include "storage/pg/PgDatabase.h"
#include "storage/pg/TestoCopiaPg.h"
#include "storage/sqlite/SqliteDatabase.h"
#include "tools/FileDiUscita.h"
#include "tools/Strumenti.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <sqlite3.h>

namespace {

// The texts, in the interface language of the program's Zelmar.ini.
class Testi
{
    Q_DECLARE_TR_FUNCTIONS(ZelmarCondividi)

public:
    static QString Uso()
    {
        return tr("Usage: zelmar-condividi [--sostituisci] --verso-server FILE CONNINFO\n"
                  "       zelmar-condividi --verso-file CONNINFO FILE\n"
                  "Copies the custom database FILE (the program's own or an Access file) into the shared\n"
                  "database on the PostgreSQL server of the libpq connection string CONNINFO, or the\n"
                  "server's tables into the new file FILE. The PG* environment variables and ~/.pgpass\n"
                  "apply as libpq applies them. Tables that already hold entries on the server are not\n"
                  "written unless --sostituisci is given, which replaces their entries.\n"
                  "Every value crosses exactly: a value the other side cannot hold as it is (bytes in a\n"
                  "text column, a text that is not UTF-8, a number that is not finite) stops the copy\n"
                  "before anything is written, naming the table, the entry and the column.\n"
                  "-h, --help prints this help.\n"
                  "Exit status: 0 done, 1 a failure (connection, refused table or value, count that does\n"
                  "not match), 2 wrong usage, a missing input file or table, or an existing output FILE.");
    }
};

// An exit status with its message, thrown to main.
struct Uscita
{
    int stato;
    QString messaggio;
};

// Rows go to the server in batches of about this many bytes.
constexpr qsizetype Lotto = 1 << 20;

const QString ColonnaNome = RecordSchema::Nome(RecordSchema::Campo::Nome);

void Scrivi(const QString& testo)
{
    std::fprintf(stderr, "%s\n", testo.toLocal8Bit().constData());
}

// Whether a text's bytes are UTF-8 as the server takes it: valid, and without a NUL.
bool Utf8Valido(QByteArrayView byte)
{
    bool ascii = true;
    for (const char c : byte) {
        if (c == 0)
            return false;
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    }
    return ascii || QString::fromUtf8(byte).toUtf8() == byte;
}

// The refusal of a value that cannot cross as it is.
Uscita Rifiuto(const QString& tabella, const QString& nome, const QString& colonna, const QString& perche)
{
    return {1, Testi::tr("The table \u00ab%1\u00bb, entry \u00ab%2\u00bb, column \u00ab%3\u00bb: %4. Nothing "
                         "was written.")
                   .arg(tabella, nome, colonna, perche)};
}

void Conta(const QString& tabella, qint64 scritte, qint64 contate, bool* tutteUguali)
{
    Scrivi(Testi::tr("%1: %n rows", nullptr, int(contate)).arg(tabella));
    if (scritte != contate) {
        Scrivi(Testi::tr("%1: %2 rows were read, but %3 are stored.").arg(tabella).arg(scritte).arg(contate));
        *tutteUguali = false;
    }
}

// ---------------------------------------------------------------- file to server

// One row of the file in COPY's text form, for the server's columns; throws the refusal of
// a value that would not cross exactly.
void AggiungiRiga(QByteArray& lotto, const RigaLetta& riga, const QString& tabella,
                  const QStringList& colonne, const QVector<TabellaPg::Colonna>& tipi, int colonnaNome)
{
    const auto rifiuta = [&](int i, const QString& perche) {
        const QString nome = colonnaNome >= 0 ? riga.Valore(colonnaNome).toString() : QString();
        return Rifiuto(tabella, nome, colonne[i], perche);
    };
    for (int i = 0; i < colonne.size(); ++i) {
        if (i > 0)
            lotto += '\t';
        // The engine's own text first, without a conversion; then numbers; what is left is
        // Null, bytes, or the text of an Access file.
        const std::optional<QByteArrayView> utf8 = riga.TestoUtf8(i);
        const std::optional<double> numero = utf8 ? std::nullopt : riga.Numero(i);
        const QVariant valore = utf8 || numero ? QVariant() : riga.Valore(i);
        const QByteArray convertito =
            valore.typeId() == QMetaType::QString ? valore.toString().toUtf8() : QByteArray();
        if (!utf8 && !numero && valore.isNull()) {
            TestoCopiaPg::AggiungiNull(lotto);
        } else if (tipi[i].numerica) {
            if (!numero)
                throw rifiuta(i, Testi::tr("\u00ab%1\u00bb is not a number")
                                     .arg(utf8 ? QString::fromUtf8(*utf8) : valore.toString()));
            const double n = numero.value_or(0.0);
            if (!std::isfinite(n))
                throw rifiuta(i, Testi::tr("the number is not finite"));
            char cifre[32];
            const auto fine = std::to_chars(cifre, cifre + sizeof cifre, n).ptr;
            lotto.append(cifre, fine - cifre);
        } else if (valore.typeId() == QMetaType::QByteArray || tipi[i].binaria) {
            throw rifiuta(i, Testi::tr("it holds bytes, not text"));
        } else if (numero || (!utf8 && valore.typeId() != QMetaType::QString)) {
            throw rifiuta(i, Testi::tr("it holds a number where the server keeps text"));
        } else {
            const QByteArrayView testo = utf8 ? *utf8 : QByteArrayView(convertito);
            if (!Utf8Valido(testo))
                throw rifiuta(i, Testi::tr("the text is not valid UTF-8 or holds a NUL character"));
            TestoCopiaPg::Aggiungi(lotto, testo.data(), testo.size());
        }
    }
    lotto += '\n';
}

// A table of the file on its way to the server.
struct TabellaInViaggio
{
    QString nome;
    std::unique_ptr<Recordset> righe;
    qint64 scritte = 0;
};

// Every shared table of the file, opened for reading; a missing one stops the copy.
std::vector<TabellaInViaggio> ApriTabelleDelFile(Database& origine, const QString& file)
{
    std::vector<TabellaInViaggio> tabelle;
    for (const DefinizioneTabella& t : DatabaseCondiviso::Tabelle()) {
        try {
            tabelle.push_back({t.nome, origine.OpenRecordset(t.nome)});
        } catch (const DbException& e) {
            if (e.Numero() == DbErrore::TabellaNonTrovata)
                throw Uscita{
                    2, Testi::tr("The file \u00ab%1\u00bb has no table \u00ab%2\u00bb.").arg(file, t.nome)};
            throw;
        }
    }
    return tabelle;
}

// The server's type of each of the file's columns; a column the server lacks stops the copy.
QVector<TabellaPg::Colonna> ColonneSulServer(PgDatabase& server, const QString& tabella,
                                             const QStringList& colonne)
{
    QVector<TabellaPg::Colonna> tipi;
    const QVector<TabellaPg::Colonna> delServer = server.Colonne(tabella);
    for (const QString& colonna : colonne) {
        const auto trovata = std::find_if(delServer.begin(), delServer.end(), [&](const auto& c) {
            return c.nome.compare(colonna, Qt::CaseInsensitive) == 0;
        });
        if (trovata == delServer.end())
            throw Uscita{
                1, Testi::tr("The table \u00ab%1\u00bb of the database %2 has no column \u00ab%3\u00bb, "
                             "which the file has: nothing was written.")
                       .arg(tabella, server.Server(), colonna)};
        tipi << *trovata;
    }
    return tipi;
}

// One table's rows streamed to the server in batches, in place of what it held.
void CopiaSulServer(PgDatabase& server, TabellaInViaggio& t, bool sostituisci)
{
    const QStringList colonne = t.righe->FieldNames();
    const QVector<TabellaPg::Colonna> tipi = ColonneSulServer(server, t.nome, colonne);
    if (server.OpenRecordset(t.nome)->RecordCount() > 0 && !sostituisci)
        throw Uscita{1, Testi::tr("The table \u00ab%1\u00bb of the database %2 already holds entries: "
                                  "nothing was written (--sostituisci replaces them).")
                            .arg(t.nome, server.Server())};
    server.Svuota(t.nome);
    const int colonnaNome = int(colonne.indexOf(ColonnaNome));
    server.AggiungiRighe(t.nome, colonne, [&](const PgDatabase::Invio& invia) {
        QByteArray lotto;
        t.righe->LeggiColonne(colonne, [&](const RigaLetta& riga) {
            AggiungiRiga(lotto, riga, t.nome, colonne, tipi, colonnaNome);
            ++t.scritte;
            if (lotto.size() >= Lotto) {
                invia(lotto);
                lotto.clear();
            }
            return true;
        });
        invia(lotto);
    });
    t.righe->Close();
}

int VersoServer(const QString& file, const QString& conninfo, bool sostituisci)
{
    if (!QFileInfo(file).isFile())
        throw Uscita{2, Testi::tr("The file \u00ab%1\u00bb does not exist.").arg(file)};
    auto origine = DBEngine::OpenDatabase(file, DBEngine::Uso::Lettura);
    std::vector<TabellaInViaggio> tabelle = ApriTabelleDelFile(*origine, file);
    QStringList nomi;
    for (const TabellaInViaggio& t : tabelle)
        nomi << t.nome;

    auto server = PgDatabase::Apri(conninfo, DatabaseCondiviso::Tabelle());
    server->BloccaPerCopia(nomi);
    for (TabellaInViaggio& t : tabelle)
        CopiaSulServer(*server, t, sostituisci);
    origine->Close();
    bool tutteUguali = true;
    for (const TabellaInViaggio& t : tabelle)
        Conta(t.nome, t.scritte, server->OpenRecordset(t.nome)->RecordCount(), &tutteUguali);
    if (!tutteUguali)
        throw Uscita{1, Testi::tr("Nothing was written.")};
    server->CommitTrans();
    server->Close();
    return 0;
}

// ---------------------------------------------------------------- server to file

// The new file, written through the engine's own interface: no journal and no syncs while it
// is a temporary file nobody else knows of; it is synced as a whole before it takes its name.
class FileNuovo
{
public:
    explicit FileNuovo(const QString& percorso) : percorso_(percorso)
    {
        if (sqlite3_open_v2(QFile::encodeName(percorso).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr) !=
            SQLITE_OK)
            Errore();
        Esegui("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; BEGIN");
    }
    ~FileNuovo() { sqlite3_close_v2(db_); }

    void Prepara(const QString& tabella, const QStringList& colonne)
    {
        QStringList quotate, segnaposti;
        for (const QString& colonna : colonne) {
            quotate << QStringLiteral("\"%1\"").arg(QString(colonna).replace('"', QStringLiteral("\"\"")));
            segnaposti << QStringLiteral("?");
        }
        sqlite3_finalize(inserimento_);
        inserimento_ = nullptr;
        const QByteArray sql = QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                                   .arg(QString(tabella).replace('"', QStringLiteral("\"\"")),
                                        quotate.join(QLatin1Char(',')), segnaposti.join(QLatin1Char(',')))
                                   .toUtf8();
        if (sqlite3_prepare_v2(db_, sql.constData(), int(sql.size()), &inserimento_, nullptr) != SQLITE_OK)
            Errore();
    }
    sqlite3_stmt* Riga() const { return inserimento_; }
    void Inserisci()
    {
        if (sqlite3_step(inserimento_) != SQLITE_DONE)
            Errore();
        sqlite3_reset(inserimento_);
    }
    void Chiudi()
    {
        sqlite3_finalize(inserimento_);
        inserimento_ = nullptr;
        Esegui("COMMIT");
        if (sqlite3_close_v2(std::exchange(db_, nullptr)) != SQLITE_OK)
            throw Uscita{1, Testi::tr("%1 cannot be written.").arg(percorso_)};
    }

private:
    void Esegui(const char* sql)
    {
        if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            Errore();
    }
    [[noreturn]] void Errore()
    {
        throw Uscita{
            1, Testi::tr("%1 cannot be written: %2").arg(percorso_, QString::fromUtf8(sqlite3_errmsg(db_)))};
    }

    QString percorso_;
    sqlite3* db_ = nullptr;
    sqlite3_stmt* inserimento_ = nullptr;
};

// Binds one row the server wrote to the insert; throws the refusal of a value the file
// would not hold exactly.
void LegaRiga(sqlite3_stmt* riga, const QByteArray& valori, const std::vector<TestoCopiaPg::Campo>& campi,
              const QString& tabella, const QVector<TabellaPg::Colonna>& colonne, int colonnaNome)
{
    const auto rifiuta = [&](int i, const QString& perche) {
        const QString nome = colonnaNome >= 0 && !campi[colonnaNome].Nullo()
                                 ? QString::fromUtf8(campi[colonnaNome].In(valori))
                                 : QString();
        return Rifiuto(tabella, nome, colonne[i].nome, perche);
    };
    for (int i = 0; i < colonne.size(); ++i) {
        const QByteArrayView campo = campi[i].In(valori);
        if (campi[i].Nullo()) {
            sqlite3_bind_null(riga, i + 1);
        } else if (colonne[i].numerica) {
            double numero = 0;
            const auto letto = std::from_chars(campo.data(), campo.data() + campo.size(), numero);
            if (letto.ec != std::errc() || letto.ptr != campo.data() + campo.size() || !std::isfinite(numero))
                throw rifiuta(
                    i, Testi::tr("\u00ab%1\u00bb is not a finite number").arg(QString::fromUtf8(campo)));
            sqlite3_bind_double(riga, i + 1, numero);
        } else if (colonne[i].binaria) {
            const QByteArray byte = QByteArray::fromHex(
                campo.sliced(std::min<qsizetype>(2, campo.size())).toByteArray()); // "\x" and hex digits
            sqlite3_bind_blob(riga, i + 1, byte.constData(), int(byte.size()), SQLITE_TRANSIENT);
        } else {
            if (!Utf8Valido(campo))
                throw rifiuta(i, Testi::tr("the text is not valid UTF-8 or holds a NUL character"));
            sqlite3_bind_text(riga, i + 1, campo.data(), int(campo.size()), SQLITE_TRANSIENT);
        }
    }
}

// A table of the server on its way to the file.
struct TabellaInArrivo
{
    QString nome;
    QVector<TabellaPg::Colonna> colonne;
    QStringList nomi;
    qint64 scritte = 0;
};

// Every shared table of the server with its columns; a missing one stops the copy.
std::vector<TabellaInArrivo> TabelleDelServer(PgDatabase& server)
{
    std::vector<TabellaInArrivo> tabelle;
    for (const DefinizioneTabella& t : DatabaseCondiviso::Tabelle()) {
        TabellaInArrivo tabella{t.nome, {}, {}};
        try {
            tabella.colonne = server.Colonne(t.nome);
        } catch (const DbException& e) {
            if (e.Numero() == DbErrore::TabellaNonTrovata)
                throw Uscita{
                    2,
                    Testi::tr("The database %1 has no table \u00ab%2\u00bb.").arg(server.Server(), t.nome)};
            throw;
        }
        for (const TabellaPg::Colonna& c : tabella.colonne)
            tabella.nomi << c.nome;
        tabelle.push_back(tabella);
    }
    return tabelle;
}

// The server's rows of every table written into the new file, counted.
void CopiaNelFile(PgDatabase& server, std::vector<TabellaInArrivo>& tabelle, const QString& percorso)
{
    {
        auto vuoto = SqliteDatabase::Crea(percorso);
        for (const TabellaInArrivo& t : tabelle)
            vuoto->CreaTabellaMateriale(t.nome, t.nomi, [&](const QString& colonna) {
                return t.colonne[t.nomi.indexOf(colonna)].numerica;
            });
        vuoto->Close();
    }
    FileNuovo nuovo(percorso);
    QByteArray valori;
    std::vector<TestoCopiaPg::Campo> campi;
    for (TabellaInArrivo& t : tabelle) {
        nuovo.Prepara(t.nome, t.nomi);
        const int colonnaNome = int(t.nomi.indexOf(ColonnaNome));
        server.LeggiRighe(t.nome, t.nomi, [&](const QByteArray& riga) {
            if (!TestoCopiaPg::Campi(riga, valori, campi) || campi.size() != size_t(t.colonne.size()))
                throw Uscita{1, Testi::tr("The server sent a row of the table \u00ab%1\u00bb that cannot be "
                                          "read: nothing was written.")
                                    .arg(t.nome)};
            LegaRiga(nuovo.Riga(), valori, campi, t.nome, t.colonne, colonnaNome);
            nuovo.Inserisci();
            ++t.scritte;
        });
    }
    server.Close();
    nuovo.Chiudi();
}

int VersoFile(const QString& conninfo, const QString& file)
{
    if (QFileInfo::exists(file) || QFileInfo(file).isSymLink())
        throw Uscita{2, Testi::tr("The file \u00ab%1\u00bb already exists: it is not replaced.").arg(file)};
    auto server = PgDatabase::Apri(conninfo, {});
    server->IniziaLettura();
    std::vector<TabellaInArrivo> tabelle = TabelleDelServer(*server);
    FileDiUscita uscita(file);
    CopiaNelFile(*server, tabelle, uscita.Temporaneo());

    bool tutteUguali = true;
    {
        auto scritto = DBEngine::OpenDatabase(uscita.Temporaneo(), DBEngine::Uso::Lettura);
        for (const TabellaInArrivo& t : tabelle)
            Conta(t.nome, t.scritte, scritto->OpenRecordset(t.nome)->RecordCount(), &tutteUguali);
        scritto->Close();
    }
    if (!tutteUguali)
        throw Uscita{1, Testi::tr("The file \u00ab%1\u00bb was not written.").arg(file)};
    if (const QString errore = uscita.Conferma(false); !errore.isEmpty())
        throw Uscita{QFileInfo::exists(file) ? 2 : 1, errore};
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication applicazione(argc, argv);
    Strumenti::Prepara(QStringLiteral("zelmar-condividi"));
    // A whole table's copy may take minutes: no statement limit; a lock held by a save is
    // waited for as the program waits.
    AttesaServer::Limiti limiti;
    limiti.istruzioneMs = 0;
    limiti.rispostaMs = 0;
    AttesaServer::Imposta(limiti);
    QStringList argomenti = applicazione.arguments().mid(1);
    if (argomenti.value(0) == QLatin1String("--help") || argomenti.value(0) == QLatin1String("-h")) {
        std::printf("%s\n", Testi::Uso().toLocal8Bit().constData());
        return 0;
    }
    const bool sostituisci = argomenti.value(0) == QLatin1String("--sostituisci");
    if (sostituisci)
        argomenti.removeFirst();
    const QString verso = argomenti.value(0);
    const bool versoServer = verso == QLatin1String("--verso-server");
    if (argomenti.size() != 3 || (!versoServer && (verso != QLatin1String("--verso-file") || sostituisci))) {
        std::fprintf(stderr, "%s\n", Testi::Uso().toLocal8Bit().constData());
        return 2;
    }
    try {
        return versoServer ? VersoServer(argomenti[1], argomenti[2], sostituisci)
                           : VersoFile(argomenti[1], argomenti[2]);
    } catch (const Uscita& uscita) {
        Scrivi(uscita.messaggio);
        return uscita.stato;
    } catch (const DbException& e) {
        Scrivi(e.Descrizione());
        return 1;
    }
}
