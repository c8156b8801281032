// zelmar-condividi: moves a laboratory's custom database between a file (the program's own
// or an Access file) and the shared database on a PostgreSQL server, every entry of the
// custom tables in stored order, and checks the row counts of what it wrote.
#include "app/Traduzioni.h"
#include "app/ZelmarCommonModule.h"
#include "avvio/CartelleUtente.h"
#include "model/DatabaseCondiviso.h"
#include "model/RecordSchema.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"
#include "storage/PgDatabase.h"
#include "storage/SqliteDatabase.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <cstdio>

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
                  "-h, --help prints this help.\n"
                  "Exit status: 0 done, 1 a failure (connection, refused table, count that does not\n"
                  "match), 2 wrong usage, a missing input file or table, or an existing output FILE.");
    }
};

// An exit status with its message, thrown to main.
struct Uscita
{
    int stato;
    QString messaggio;
};

struct Tabella
{
    QString nome;
    QStringList colonne;
    std::vector<QVector<QVariant>> righe;
};

void Scrivi(const QString& testo)
{
    std::fprintf(stderr, "%s\n", testo.toLocal8Bit().constData());
}

Tabella Leggi(Database& database, const QString& nome)
{
    Tabella tabella{nome, {}, {}};
    auto rs = database.OpenRecordset(nome);
    tabella.colonne = rs->FieldNames();
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
        QVector<QVariant> riga;
        for (const QString& colonna : tabella.colonne)
            riga << rs->Field(colonna);
        tabella.righe.push_back(std::move(riga));
    }
    rs->Close();
    return tabella;
}

// The custom tables of a database, each as the program names it; a missing one is missing input.
std::vector<Tabella> LeggiTutte(Database& database, const QString& dove)
{
    std::vector<Tabella> tabelle;
    for (const DefinizioneTabella& t : DatabaseCondiviso::Tabelle()) {
        try {
            tabelle.push_back(Leggi(database, t.nome));
        } catch (const DbException& e) {
            if (e.Numero() == DbErrore::TabellaNonTrovata)
                throw Uscita{2, Testi::tr("%1 has no table \u00ab%2\u00bb.").arg(dove, t.nome)};
            throw;
        }
        tabelle.back().nome = t.nome;
    }
    return tabelle;
}

void Conta(const QString& tabella, qsizetype scritte, qsizetype contate, bool* tutteUguali)
{
    Scrivi(Testi::tr("%1: %n rows", nullptr, int(contate)).arg(tabella));
    if (scritte != contate) {
        Scrivi(Testi::tr("%1: %2 rows were read, but %3 are stored.").arg(tabella).arg(scritte).arg(contate));
        *tutteUguali = false;
    }
}

int VersoServer(const QString& file, const QString& conninfo, bool sostituisci)
{
    if (!QFileInfo(file).isFile())
        throw Uscita{2, Testi::tr("The file \u00ab%1\u00bb does not exist.").arg(file)};
    auto origine = DBEngine::OpenDatabase(file, DBEngine::Uso::Lettura);
    const std::vector<Tabella> tabelle = LeggiTutte(*origine, Testi::tr("The file \u00ab%1\u00bb").arg(file));
    origine->Close();

    auto server = PgDatabase::Apri(conninfo, DatabaseCondiviso::Tabelle());
    QStringList nomi;
    for (const Tabella& t : tabelle)
        nomi << t.nome;
    server->BloccaPerCopia(nomi);
    for (const Tabella& t : tabelle) {
        auto rs = server->OpenRecordset(t.nome);
        for (const QString& colonna : t.colonne)
            if (!rs->HasField(colonna))
                throw Uscita{
                    1, Testi::tr("The table \u00ab%1\u00bb of the database %2 has no column \u00ab%3\u00bb, "
                                 "which the file has: nothing was written.")
                           .arg(t.nome, server->Server(), colonna)};
        if (rs->RecordCount() > 0 && !sostituisci)
            throw Uscita{1, Testi::tr("The table \u00ab%1\u00bb of the database %2 already holds entries: "
                                      "nothing was written (--sostituisci replaces them).")
                                .arg(t.nome, server->Server())};
        server->Svuota(t.nome);
        server->AggiungiRighe(t.nome, t.colonne, t.righe);
    }
    bool tutteUguali = true;
    for (const Tabella& t : tabelle)
        Conta(t.nome, qsizetype(t.righe.size()), server->OpenRecordset(t.nome)->RecordCount(), &tutteUguali);
    if (!tutteUguali)
        throw Uscita{1, Testi::tr("Nothing was written.")};
    server->CommitTrans();
    server->Close();
    return 0;
}

void ScriviFile(const QString& file, const std::vector<Tabella>& tabelle)
{
    auto destinazione = SqliteDatabase::Crea(file);
    for (const Tabella& t : tabelle)
        destinazione->CreaTabellaMateriale(t.nome, t.colonne, RecordSchema::IsNumerica);
    destinazione->BeginTrans();
    for (const Tabella& t : tabelle) {
        auto rs = destinazione->OpenRecordset(t.nome);
        for (const QVector<QVariant>& riga : t.righe) {
            rs->AddNew();
            for (int i = 0; i < riga.size(); ++i)
                if (!riga[i].isNull())
                    rs->SetField(t.colonne[i], riga[i].typeId() == QMetaType::Double
                                                   ? QString::number(riga[i].toDouble(), 'g',
                                                                     QLocale::FloatingPointShortest)
                                                   : riga[i].toString());
            rs->Update();
        }
        rs->Close();
    }
    destinazione->CommitTrans();
    destinazione->Close();
}

int VersoFile(const QString& conninfo, const QString& file)
{
    if (QFileInfo::exists(file))
        throw Uscita{2, Testi::tr("The file \u00ab%1\u00bb already exists: it is not replaced.").arg(file)};
    auto server = PgDatabase::Apri(conninfo, {});
    server->IniziaLettura();
    const std::vector<Tabella> tabelle =
        LeggiTutte(*server, Testi::tr("The database %1").arg(server->Server()));
    server->Close();
    bool tutteUguali = true;
    try {
        ScriviFile(file, tabelle);
        auto scritto = DBEngine::OpenDatabase(file);
        for (const Tabella& t : tabelle)
            Conta(t.nome, qsizetype(t.righe.size()), scritto->OpenRecordset(t.nome)->RecordCount(),
                  &tutteUguali);
        scritto->Close();
    } catch (...) {
        QFile::remove(file);
        throw;
    }
    if (!tutteUguali) {
        QFile::remove(file);
        throw Uscita{1, Testi::tr("The file \u00ab%1\u00bb was removed.").arg(file)};
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication applicazione(argc, argv);
    CartelleUtente::PerStrumento();
    Traduzioni::Installa(ZelmarCommonModule::GetLingua());
    // Numbers go into the file as text in one fixed form, read back exactly.
    QLocale::setDefault(QLocale::c());
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
