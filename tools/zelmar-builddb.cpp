// zelmar-builddb: builds the shipped database files from their text sources at build time.
//
//   zelmar-builddb catalogo <messaggi.tsv> <InterfMess.mdb>
//       The message catalogue: table "GESTIONEDB", one text column per language,
//       one row per message in message order.
//   zelmar-builddb tabelle <sorgente.txt> <file.mdb>
//       Material tables (custom, theoretical or experimental) with their entries.
//   zelmar-builddb cartelle <cartella dati>
//       Creates the eight category folders below <cartella dati>/Databases/Database.
//
// The output is written to a temporary file and moved into place only when complete, so
// a failed build never leaves a half-written database behind.
//
// Material source format (UTF-8, one "key: value" per line):
//
//   # comment
//   @tabella <table name> <kind code>
//   Nome: Muro in laterizio 12 cm
//   Parola chiave: Laterizio
//   Rw (dB): 52
//   Bande: 35.5 36 - 38 ...        (the 21 band values, "-" leaves a band Null)
//
// Keys are the stored column names, character for character. An empty line ends an entry;
// a column without a line stays Null. In text values "\r", "\n" and "\\" stand for a
// carriage return, a line feed and a backslash. Numbers use "." as decimal separator.

#include "Categorie.h"
#include "RecordSchema.h"
#include "SqliteSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QStringList>
#include <QTextStream>

#include <sqlite3.h>

#include <cstdio>
#include <optional>
#include <stdexcept>
#include <variant>
#include <vector>

namespace {

// Written into every file of the program ("ZELM"), as the program itself does.
constexpr int IdentificativoApplicazione = 0x5A454C4D;

struct ErroreCostruzione : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Errore(const QString& testo)
{
    throw ErroreCostruzione(testo.toStdString());
}

[[noreturn]] void ErroreRiga(const QString& file, int riga, const QString& testo)
{
    Errore(QStringLiteral("%1:%2: %3").arg(file).arg(riga).arg(testo));
}

using Valore = std::variant<std::monostate, QString, double>;

struct Materiale
{
    int riga = 0;
    QHash<QString, Valore> valori;
};

struct Tabella
{
    QString nome;
    int codice = 0;
    QStringList colonne;
    std::vector<Materiale> materiali;
};

QStringList ColonnePerCodice(int codice)
{
    return Categorie::ColonneTabella(codice);
}

// ---------------------------------------------------------------------------------------
// SQLite file
// ---------------------------------------------------------------------------------------

class FileDatabase
{
public:
    explicit FileDatabase(const QString& percorso) : percorso_(percorso)
    {
        QFile::remove(percorso_);
        if (sqlite3_open_v2(QFile::encodeName(percorso_).constData(), &db_,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
            Errore(QStringLiteral("cannot create %1: %2").arg(percorso_, Messaggio()));
        Esegui(QStringLiteral("PRAGMA application_id = %1").arg(IdentificativoApplicazione));
        Esegui(QStringLiteral("PRAGMA journal_mode = DELETE"));
        Esegui(QStringLiteral("BEGIN"));
    }
    ~FileDatabase() { sqlite3_close_v2(db_); }
    FileDatabase(const FileDatabase&) = delete;
    FileDatabase& operator=(const FileDatabase&) = delete;

    void Esegui(const QString& sql)
    {
        char* messaggio = nullptr;
        if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &messaggio) != SQLITE_OK) {
            const QString testo = QString::fromUtf8(messaggio ? messaggio : "?");
            sqlite3_free(messaggio);
            Errore(QStringLiteral("%1: %2 (%3)").arg(percorso_, testo, sql));
        }
    }

    // Inserts one row; values in the order of the columns.
    void Inserisci(const QString& tabella, const QStringList& colonne, const std::vector<Valore>& valori)
    {
        QStringList nomi, segnaposti;
        for (int i = 0; i < colonne.size(); ++i) {
            nomi << SqliteSchema::QuotaIdentificatore(colonne.at(i));
            segnaposti << QStringLiteral("?%1").arg(i + 1);
        }
        const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(SqliteSchema::QuotaIdentificatore(tabella),
                                     nomi.join(QStringLiteral(", ")), segnaposti.join(QStringLiteral(", ")));
        sqlite3_stmt* istruzione = nullptr;
        const QByteArray testo = sql.toUtf8();
        if (sqlite3_prepare_v2(db_, testo.constData(), int(testo.size()), &istruzione, nullptr) != SQLITE_OK)
            Errore(QStringLiteral("%1: %2 (%3)").arg(percorso_, Messaggio(), sql));
        for (int i = 0; i < int(valori.size()); ++i) {
            if (const QString* t = std::get_if<QString>(&valori[i])) {
                const QByteArray utf8 = t->toUtf8();
                sqlite3_bind_text(istruzione, i + 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
            } else if (const double* d = std::get_if<double>(&valori[i])) {
                sqlite3_bind_double(istruzione, i + 1, *d);
            } else {
                sqlite3_bind_null(istruzione, i + 1);
            }
        }
        const int esito = sqlite3_step(istruzione);
        sqlite3_finalize(istruzione);
        if (esito != SQLITE_DONE)
            Errore(QStringLiteral("%1: %2 (%3)").arg(percorso_, Messaggio(), sql));
    }

    void Concludi()
    {
        Esegui(QStringLiteral("COMMIT"));
        if (sqlite3_close_v2(db_) != SQLITE_OK)
            Errore(QStringLiteral("cannot close %1: %2").arg(percorso_, Messaggio()));
        db_ = nullptr;
    }

private:
    QString Messaggio() const { return QString::fromUtf8(db_ ? sqlite3_errmsg(db_) : "out of memory"); }

    QString percorso_;
    sqlite3* db_ = nullptr;
};

// Builds into "<output>.tmp" and renames it over the output when the build succeeded.
template <typename Scrivi> void CostruisciFile(const QString& uscita, Scrivi scrivi)
{
    QDir().mkpath(QFileInfo(uscita).absolutePath());
    const QString temporaneo = uscita + QStringLiteral(".tmp");
    try {
        FileDatabase db(temporaneo);
        scrivi(db);
        db.Concludi();
    } catch (...) {
        QFile::remove(temporaneo);
        throw;
    }
    QFile::remove(uscita);
    if (!QFile::rename(temporaneo, uscita))
        Errore(QStringLiteral("cannot move %1 to %2").arg(temporaneo, uscita));
}

QStringList LeggiRighe(const QString& percorso)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        Errore(QStringLiteral("cannot read %1: %2").arg(percorso, file.errorString()));
    QString testo = QString::fromUtf8(file.readAll());
    testo.remove(QLatin1Char('\r'));
    QStringList righe = testo.split(QLatin1Char('\n'));
    if (!righe.isEmpty() && righe.last().isEmpty())
        righe.removeLast();
    return righe;
}

// ---------------------------------------------------------------------------------------
// Message catalogue
// ---------------------------------------------------------------------------------------

void CostruisciCatalogo(const QString& sorgente, const QString& uscita)
{
    const QStringList righe = LeggiRighe(sorgente);
    if (righe.isEmpty())
        Errore(QStringLiteral("%1: empty catalogue").arg(sorgente));
    const QStringList intestazione = righe.first().split(QLatin1Char('\t'));
    if (intestazione.size() < 2)
        ErroreRiga(sorgente, 1, QStringLiteral("header needs a number column and at least one language"));
    const QStringList lingue = intestazione.mid(1);

    CostruisciFile(uscita, [&](FileDatabase& db) {
        db.Esegui(SqliteSchema::CreaTabella(QStringLiteral("GESTIONEDB"), lingue,
                                            [](const QString&) { return false; }));
        int atteso = 1;
        for (int r = 1; r < righe.size(); ++r) {
            const QStringList campi = righe.at(r).split(QLatin1Char('\t'));
            if (campi.size() != intestazione.size())
                ErroreRiga(
                    sorgente, r + 1,
                    QStringLiteral("%1 fields, expected %2").arg(campi.size()).arg(intestazione.size()));
            bool ok = false;
            const int numero = campi.first().toInt(&ok);
            // The row order is the message number: the file must list every number in turn.
            if (!ok || numero != atteso)
                ErroreRiga(sorgente, r + 1, QStringLiteral("message number %1 expected").arg(atteso));
            std::vector<Valore> testi;
            for (const QString& t : campi.mid(1))
                testi.emplace_back(t);
            db.Inserisci(QStringLiteral("GESTIONEDB"), lingue, testi);
            ++atteso;
        }
    });
}

// ---------------------------------------------------------------------------------------
// Material tables
// ---------------------------------------------------------------------------------------

QString Decodifica(const QString& valore)
{
    QString risultato;
    for (int i = 0; i < valore.size(); ++i) {
        const QChar c = valore.at(i);
        if (c != QLatin1Char('\\') || i + 1 == valore.size()) {
            risultato += c;
            continue;
        }
        const QChar dopo = valore.at(++i);
        if (dopo == QLatin1Char('r'))
            risultato += QLatin1Char('\r');
        else if (dopo == QLatin1Char('n'))
            risultato += QLatin1Char('\n');
        else
            risultato += dopo;
    }
    return risultato;
}

std::optional<double> Numero(const QString& testo)
{
    bool ok = false;
    const double d = QLocale::c().toDouble(testo, &ok);
    return ok ? std::optional<double>(d) : std::nullopt;
}

class LettoreTabelle
{
public:
    explicit LettoreTabelle(const QString& sorgente) : sorgente_(sorgente) {}

    std::vector<Tabella> Leggi()
    {
        const QStringList righe = LeggiRighe(sorgente_);
        for (int r = 0; r < righe.size(); ++r) {
            riga_ = r + 1;
            LeggiRiga(righe.at(r));
        }
        ChiudiMateriale();
        return std::move(tabelle_);
    }

private:
    void LeggiRiga(const QString& riga)
    {
        if (riga.trimmed().isEmpty()) {
            ChiudiMateriale();
            return;
        }
        if (riga.startsWith(QLatin1Char('#')))
            return;
        if (riga.startsWith(QLatin1String("@tabella"))) {
            ChiudiMateriale();
            ApriTabella(riga);
            return;
        }
        const int duepunti = riga.indexOf(QLatin1Char(':'));
        if (duepunti < 0)
            Fallisci(QStringLiteral("\"key: value\" expected"));
        ImpostaValore(riga.left(duepunti).trimmed(), riga.mid(duepunti + 1).trimmed());
    }

    void ApriTabella(const QString& riga)
    {
        const QString resto = riga.mid(QStringLiteral("@tabella").size()).trimmed();
        const int spazio = resto.lastIndexOf(QLatin1Char(' '));
        bool ok = false;
        const int codice = spazio > 0 ? resto.mid(spazio + 1).toInt(&ok) : 0;
        const QStringList colonne = ok ? ColonnePerCodice(codice) : QStringList();
        if (colonne.isEmpty())
            Fallisci(
                QStringLiteral("\"@tabella <name> <kind code>\" with a kind code that has a table expected"));
        tabelle_.push_back({resto.left(spazio).trimmed(), codice, colonne, {}});
    }

    void ImpostaValore(const QString& chiave, const QString& valore)
    {
        if (tabelle_.empty())
            Fallisci(QStringLiteral("value before the first @tabella"));
        Tabella& tabella = tabelle_.back();
        if (!materiale_)
            materiale_ = Materiale{riga_, {}};
        if (chiave == QLatin1String("Bande")) {
            ImpostaBande(tabella, valore);
            return;
        }
        if (!tabella.colonne.contains(chiave))
            Fallisci(QStringLiteral("table %1 has no column \"%2\"").arg(tabella.nome, chiave));
        Imposta(chiave, ValoreColonna(chiave, valore));
    }

    void ImpostaBande(const Tabella& tabella, const QString& valore)
    {
        const QStringList numeri = valore.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (numeri.size() != RecordSchema::NumeroBande)
            Fallisci(QStringLiteral("%1 band values, expected %2")
                         .arg(numeri.size())
                         .arg(RecordSchema::NumeroBande));
        const QStringList colonne =
            RecordSchema::ColonneBande(Categorie::PerCodice(tabella.codice)->grandezza);
        for (int i = 0; i < RecordSchema::NumeroBande; ++i)
            Imposta(colonne.at(i), numeri.at(i) == QLatin1String("-")
                                       ? Valore{}
                                       : ValoreColonna(colonne.at(i), numeri.at(i)));
    }

    Valore ValoreColonna(const QString& colonna, const QString& testo)
    {
        if (!RecordSchema::IsNumerica(colonna))
            return Decodifica(testo);
        const auto numero = Numero(testo);
        if (!numero)
            Fallisci(QStringLiteral("\"%1\" is not a number for column \"%2\"").arg(testo, colonna));
        return *numero;
    }

    void Imposta(const QString& colonna, const Valore& valore)
    {
        if (materiale_->valori.contains(colonna))
            Fallisci(QStringLiteral("column \"%1\" given twice").arg(colonna));
        materiale_->valori.insert(colonna, valore);
    }

    void ChiudiMateriale()
    {
        if (!materiale_)
            return;
        const Tabella& tabella = tabelle_.back();
        // The list and the keyword box show these two as text: they must be there.
        QStringList obbligatorie{QStringLiteral("Nome")};
        if (!Categorie::IsTeorico(tabella.codice))
            obbligatorie << QStringLiteral("Parola chiave");
        for (const QString& c : obbligatorie)
            if (!std::holds_alternative<QString>(materiale_->valori.value(c)))
                ErroreRiga(sorgente_, materiale_->riga, QStringLiteral("entry without \"%1\"").arg(c));
        tabelle_.back().materiali.push_back(std::move(*materiale_));
        materiale_.reset();
    }

    [[noreturn]] void Fallisci(const QString& testo) const { ErroreRiga(sorgente_, riga_, testo); }

    QString sorgente_;
    int riga_ = 0;
    std::vector<Tabella> tabelle_;
    std::optional<Materiale> materiale_;
};

void CostruisciTabelle(const QString& sorgente, const QString& uscita)
{
    const std::vector<Tabella> tabelle = LettoreTabelle(sorgente).Leggi();
    if (tabelle.empty())
        Errore(QStringLiteral("%1: no @tabella").arg(sorgente));
    CostruisciFile(uscita, [&](FileDatabase& db) {
        for (const Tabella& t : tabelle) {
            db.Esegui(SqliteSchema::CreaTabella(t.nome, t.colonne, RecordSchema::IsNumerica));
            db.Esegui(SqliteSchema::CreaIndiceNome(t.nome));
            for (const Materiale& m : t.materiali) {
                std::vector<Valore> valori;
                for (const QString& c : t.colonne)
                    valori.push_back(m.valori.value(c));
                db.Inserisci(t.nome, t.colonne, valori);
            }
        }
    });
}

void CreaCartelleCategorie(const QString& cartellaDati)
{
    for (const Categoria& c : Categorie::Tutte()) {
        const QString percorso =
            cartellaDati + QStringLiteral("/Databases/Database/") + QString::fromUtf8(c.cartella);
        if (!QDir().mkpath(percorso))
            Errore(QStringLiteral("cannot create %1").arg(percorso));
    }
}

int Uso()
{
    std::fputs("usage: zelmar-builddb catalogo <messages.tsv> <out.mdb>\n"
               "       zelmar-builddb tabelle <source.txt> <out.mdb>\n"
               "       zelmar-builddb cartelle <data folder>\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList argomenti = app.arguments().mid(1);
    try {
        if (argomenti.size() == 3 && argomenti.at(0) == QLatin1String("catalogo"))
            CostruisciCatalogo(argomenti.at(1), argomenti.at(2));
        else if (argomenti.size() == 3 && argomenti.at(0) == QLatin1String("tabelle"))
            CostruisciTabelle(argomenti.at(1), argomenti.at(2));
        else if (argomenti.size() == 2 && argomenti.at(0) == QLatin1String("cartelle"))
            CreaCartelleCategorie(argomenti.at(1));
        else
            return Uso();
    } catch (const ErroreCostruzione& e) {
        std::fprintf(stderr, "zelmar-builddb: %s\n", e.what());
        return 1;
    }
    return 0;
}
