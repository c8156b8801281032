// The storage engines: the same operations on the program's own files and on the shared
// database of a PostgreSQL server (number conversion with the user's decimal separator,
// cursors in stored order, the seek by name, the list and the name check as whole-table
// reads, odd table names); then, on files, transactions, shared and exclusive use, and
// damaged, foreign, missing and read-only files.
#include "ServerDiProva.h"
#include "TestSupport.h"
#include "VoceDiProva.h"

#include "model/Categorie.h"
#include "model/DatabaseCondiviso.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"
#include "storage/NomiSenzaMaiuscole.h"
#include "storage/TabellePreviste.h"
#include "storage/pg/AttesaServer.h"
#include "storage/pg/PgConnessione.h"
#include "storage/pg/ServerCondiviso.h"
#include "storage/sqlite/SqliteDatabase.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QTest>
#include <csignal>
#include <sqlite3.h>
#include <unistd.h>

using TestSupport::Contenuto;
using TestSupport::NomiInTabella;
using TestSupport::Prova;
using Uso = DBEngine::Uso;

namespace {

const QString kTabella = QStringLiteral("Rw_laboratorio");
const QString kMassa = QStringLiteral("m' (kg/m²)");
const QString kNome = QStringLiteral("Nome");
const QString kDescrizione = QStringLiteral("Descrizione");
const QString kParola = QStringLiteral("Parola chiave");
const char* const kMotori[] = {"sqlite", "postgresql"};

void Motori()
{
    QTest::addColumn<QString>("motore");
    for (const char* motore : kMotori)
        QTest::newRow(motore) << QString::fromLatin1(motore);
}

QStringList Colonna(Recordset& rs, const QString& colonna)
{
    QStringList valori;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        valori << rs.Field(colonna).toString();
    return valori;
}

void Cerca(Recordset& rs, const QString& nome)
{
    rs.SetIndex(kNome);
    rs.Seek(QStringLiteral("="), nome);
}

void Aggiungi(Recordset& rs, const QStringList& colonneEValori)
{
    rs.AddNew();
    for (qsizetype i = 0; i + 1 < colonneEValori.size(); i += 2)
        rs.SetField(colonneEValori[i], colonneEValori[i + 1]);
    rs.Update();
}

} // namespace

class TestSqliteDatabase : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir cartella_;
    int contatore_ = 0;

    QString NuovoPercorso() { return cartella_.filePath(QStringLiteral("prova%1.mdb").arg(++contatore_)); }

    // A new, empty database of the engine with these tables: a file, or a path put on a
    // schema of its own on the test server.
    QString NuovoDatabase(const QString& motore, const std::vector<DefinizioneTabella>& tabelle)
    {
        const QString percorso = NuovoPercorso();
        if (motore == QLatin1String("sqlite")) {
            auto db = SqliteDatabase::Crea(percorso);
            for (const DefinizioneTabella& t : tabelle)
                db->CreaTabellaMateriale(t.nome, t.colonne, t.isNumerica);
            return percorso;
        }
        ServerCondiviso::Collega(percorso, {ServerDiProva::Avviato()->NuovoSchema(), tabelle});
        return percorso;
    }

    // A new database with the laboratory partition table holding these names (and, as
    // keyword and description, parole[i] and descrizione), written in one transaction.
    QString CreaConNomi(const QString& motore, const QStringList& nomi, const QStringList& parole = {},
                        const QString& descrizione = {})
    {
        const QString percorso = NuovoDatabase(
            motore, {{kTabella, Categorie::ColonneTabella(catRwLaboratorio), RecordSchema::IsNumerica}});
        auto db = DBEngine::OpenDatabase(percorso);
        db->BeginTrans();
        auto rs = db->OpenRecordset(kTabella);
        for (qsizetype i = 0; i < nomi.size(); ++i)
            Aggiungi(*rs, {kNome, nomi[i], kParola, parole.value(i, nomi[i]), kDescrizione,
                           descrizione.isNull() ? nomi[i] : descrizione});
        rs->Close();
        db->CommitTrans();
        return percorso;
    }

private slots:
    void initTestCase()
    {
        TestSupport::PreparaAmbiente();
        QVERIFY(cartella_.isValid());
    }
    void init()
    {
        QString motivo;
        if (QByteArray(QTest::currentDataTag()).startsWith("postgresql"))
            QVERIFY2(ServerDiProva::Avviato(&motivo), qPrintable(motivo));
    }
    void cleanup()
    {
        AttesaServer::Installa(nullptr);
        AttesaServer::Imposta({});
        PgConnessione::ChiudiInattive();
        TabellePreviste::DimenticaTutte();
    }

    void conversioni_data()
    {
        QTest::addColumn<QString>("motore");
        QTest::addColumn<QString>("colonna");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QVariant>("atteso"); // invalid: the write is refused
        const QVariant rifiutato;
        for (const char* m : kMotori) {
            const QString motore = QString::fromLatin1(m);
            // clang-format off
            QTest::addRow("%s virgola decimale", m) << motore << kMassa << "52,5" << QVariant(52.5);
            QTest::addRow("%s intero", m) << motore << kMassa << "40" << QVariant(40.0);
            QTest::addRow("%s negativo", m) << motore << QStringLiteral("C (dB)") << "-2" << QVariant(-2.0);
            QTest::addRow("%s esponente", m) << motore << kMassa << "2E-3" << QVariant(0.002);
            QTest::addRow("%s banda", m) << motore << QStringLiteral("R - 1000Hz (dB)") << "33,1" << QVariant(33.1);
            QTest::addRow("%s tutte le cifre", m) << motore << kMassa << "0,30000000000000004" << QVariant(0.30000000000000004);
            for (const char* t : {"52.5", "1.000", "", "abc", "1,2,3", "inf"})
                QTest::addRow("%s rifiutato «%s»", m, t) << motore << kMassa << QString::fromLatin1(t) << rifiutato;
            QTest::addRow("%s testo invariato", m) << motore << kDescrizione << " 52.5 l'\"a\"; -- \\ $1" << QVariant(" 52.5 l'\"a\"; -- \\ $1");
            QTest::addRow("%s testo vuoto", m) << motore << kDescrizione << "" << QVariant(QStringLiteral(""));
            QTest::addRow("%s testo numerico", m) << motore << QStringLiteral("Certificato") << "0012" << QVariant("0012");
            // clang-format on
        }
    }
    void conversioni()
    {
        QFETCH(QString, motore);
        QFETCH(QString, colonna);
        QFETCH(QString, testo);
        QFETCH(QVariant, atteso);
        const QString percorso = CreaConNomi(motore, {});
        {
            auto rs = DBEngine::OpenDatabase(percorso)->OpenRecordset(kTabella);
            rs->AddNew();
            rs->SetField(kNome, QStringLiteral("Muro"));
            const auto esito = Prova([&] { rs->SetField(colonna, testo); });
            QCOMPARE(esito.numero, atteso.isValid() ? 0 : DbErrore::ConversioneTipo);
            if (!atteso.isValid())
                QVERIFY(esito.descrizione.contains(colonna) && esito.descrizione.contains("«" + testo + "»"));
            rs->Update();
        }
        auto rs = DBEngine::OpenDatabase(percorso)->OpenRecordset(kTabella);
        QCOMPARE(rs->RecordCount(), 1);
        const QVariant letto = rs->Field(colonna);
        QCOMPARE(letto.typeId(), atteso.isValid() ? atteso.typeId() : QMetaType::UnknownType);
        QCOMPARE(letto, atteso); // a refused value is never stored
    }

    // The kind of a column follows its declared type; names ignore letter case.
    void tipiLetti()
    {
        auto db = SqliteDatabase::Crea(NuovoPercorso());
        db->Execute(
            QStringLiteral("CREATE TABLE t (Nome TEXT, reale REAL, intero INTEGER, libero, numerico NUMERIC);"
                           "INSERT INTO t VALUES ('a', 45, 7, 3, NULL)"));
        auto rs = db->OpenRecordset(QStringLiteral("t"));
        QCOMPARE(rs->Field(QStringLiteral("REALE")), QVariant(45.0));
        QCOMPARE(rs->Field(QStringLiteral("libero")), QVariant(3.0));
        QVERIFY(rs->Field(QStringLiteral("numerico")).isNull());
        rs->AddNew();
        QCOMPARE(Prova([&] { rs->SetField(QStringLiteral("numerico"), QStringLiteral("3.5")); }).numero,
                 DbErrore::ConversioneTipo);
        for (const char* colonna : {"intero", "libero"})
            rs->SetField(QString::fromLatin1(colonna), QStringLiteral("52,5"));
        rs->Update();
        QCOMPARE(Colonna(*rs, QStringLiteral("intero")), QStringList({"7", "52.5"}));
        QCOMPARE(Colonna(*rs, QStringLiteral("libero")), QStringList({"3", "52,5"}));
    }

    void operazioniFuoriPosto_data() { Motori(); }
    void operazioniFuoriPosto()
    {
        QFETCH(QString, motore);
        auto db = DBEngine::OpenDatabase(CreaConNomi(motore, {}));
        auto rs = db->OpenRecordset(kTabella);
        const QString ignota = QStringLiteral("fc (Hz) sbagliata");
        QVERIFY(rs->Eof() && !rs->HasField(ignota));
        const std::pair<std::function<void()>, int> casi[] = {
            {[&] { rs->Field(kNome); }, DbErrore::NessunRecordCorrente},
            {[&] { rs->Field(ignota); }, DbErrore::ElementoNonTrovato},
            {[&] { rs->Edit(); }, DbErrore::NessunRecordCorrente},
            {[&] { rs->Delete(); }, DbErrore::NessunRecordCorrente},
            {[&] { rs->MoveNext(); }, DbErrore::NessunRecordCorrente},
            {[&] { rs->SetField(kNome, QStringLiteral("x")); }, DbErrore::AggiornamentoSenzaModifica},
            {[&] { rs->Update(); }, DbErrore::AggiornamentoSenzaModifica},
            {[&] { rs->Seek(QStringLiteral("="), QStringLiteral("x")); }, DbErrore::IndiceNonTrovato},
            {[&] { rs->AddNew(), rs->SetField(ignota, QStringLiteral("1")); }, DbErrore::ElementoNonTrovato},
            {[&] { Cerca(*rs, QStringLiteral("x")), rs->Seek(QStringLiteral(">="), QStringLiteral("x")); },
             DbErrore::Generico},
            {[&] { rs->Close(), rs->Close(), rs->MoveFirst(); }, DbErrore::Generico},
            {[&] { db->Close(), db->OpenRecordset(kTabella); }, DbErrore::Generico},
        };
        for (const auto& [operazione, numero] : casi)
            QCOMPARE(Prova(operazione).numero, numero);
        QVERIFY(rs->Eof());
    }

    // The seek finds the first of equal names in stored order, nothing for a near name,
    // and the cursor goes on in stored order from the row found.
    void seek_data() { Motori(); }
    void seek()
    {
        QFETCH(QString, motore);
        const QString percorso = CreaConNomi(motore, {"Muro B", "Muro A", "Muro B", "muro b"}, {}, QString());
        auto rs = DBEngine::OpenDatabase(percorso)->OpenRecordset(kTabella);
        rs->MoveNext();
        rs->MoveNext();
        rs->Edit();
        rs->SetField(kDescrizione, QStringLiteral("seconda"));
        rs->Update();
        Cerca(*rs, QStringLiteral("Muro B"));
        QVERIFY(!rs->NoMatch());
        QCOMPARE(rs->Field(kDescrizione).toString(), QStringLiteral("Muro B"));
        rs->Seek(QStringLiteral("="), QStringLiteral("Muro A"));
        rs->MoveNext();
        QCOMPARE(rs->Field(kDescrizione).toString(), QStringLiteral("seconda"));
        for (const char* vicino : {"Muro", "Muro B ", "MURO B"}) {
            rs->Seek(QStringLiteral("="), QString::fromLatin1(vicino));
            QVERIFY(rs->NoMatch());
            QCOMPARE(Prova([&] { rs->Field(kNome); }).numero, DbErrore::NessunRecordCorrente);
        }
    }

    void indiceNome_data()
    {
        QTest::addColumn<QString>("indice");
        QTest::addColumn<bool>("accettato");
        QTest::newRow("altro nome") << "CREATE INDEX IdxQualsiasi ON t (Nome)" << true;
        QTest::newRow("unico") << "CREATE UNIQUE INDEX u ON t (Nome)" << true;
        QTest::newRow("nessun indice") << "" << false;
        QTest::newRow("due colonne") << "CREATE INDEX d ON t (Nome, Descrizione)" << false;
        QTest::newRow("altra colonna") << "CREATE INDEX Nome ON t (Descrizione)" << false;
        QTest::newRow("parziale") << "CREATE INDEX p ON t (Nome) WHERE Descrizione IS NOT NULL" << false;
        QTest::newRow("senza maiuscole") << "CREATE INDEX n ON t (Nome COLLATE NOCASE)" << false;
    }
    void indiceNome()
    {
        QFETCH(QString, indice);
        QFETCH(bool, accettato);
        auto db = SqliteDatabase::Crea(NuovoPercorso());
        db->Execute(
            "CREATE TABLE t (Nome TEXT, Descrizione TEXT); INSERT INTO t VALUES ('A', 'uno'), ('B', 'due');" +
            indice);
        auto rs = db->OpenRecordset(QStringLiteral("t"));
        const auto esito = Prova([&] { Cerca(*rs, QStringLiteral("B")); });
        QCOMPARE(esito.numero, accettato ? 0 : DbErrore::IndiceNonTrovato);
        if (accettato)
            QCOMPARE(rs->Field(kDescrizione).toString(), QStringLiteral("due"));
    }

    // Deleting, adding and editing keep the stored order and the cursor's place.
    void ordineDiMemorizzazione_data() { Motori(); }
    void ordineDiMemorizzazione()
    {
        QFETCH(QString, motore);
        const QString percorso = CreaConNomi(motore, {"D", "B", "C", "A"});
        {
            auto db = DBEngine::OpenDatabase(percorso, Uso::Esclusivo);
            auto rs = db->OpenRecordset(kTabella);
            Cerca(*rs, QStringLiteral("B"));
            rs->Delete();
            QCOMPARE(Prova([&] { rs->Field(kNome); }).numero, DbErrore::NessunRecordCorrente);
            rs->MoveNext();
            QCOMPARE(rs->Field(kNome).toString(), QStringLiteral("C"));
            Aggiungi(*rs, {kNome, "E"});
            QCOMPARE(rs->Field(kNome).toString(), QStringLiteral("C")); // the row before AddNew
            rs->Edit();
            rs->SetField(kMassa, QStringLiteral("120,5"));
            rs->Update();
            Cerca(*rs, QStringLiteral("A"));
            rs->Delete();
            rs->MoveNext();
            QCOMPARE(rs->Field(kNome).toString(), QStringLiteral("E"));
            Aggiungi(*rs, {kNome, "0"});
            QCOMPARE(Colonna(*rs, kMassa), QStringList({"", "120.5", "", ""}));
            // Deleting while walking the table reaches every other row once.
            for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext())
                if (rs->Field(kNome).toString() != QLatin1String("E"))
                    rs->Delete();
            // A pending row is dropped with its cursor.
            rs->AddNew();
            rs->SetField(kNome, QStringLiteral("Mai salvato"));
        }
        QCOMPARE(NomiInTabella(percorso, kTabella), QStringList({"E"}));
    }

    // The list: names in stored order (rows without a name left out), distinct keywords in
    // order of first appearance compared exactly (in a file, two damaged ones that read the
    // same are one), and the rows of one keyword. The name check ignores letter case in every
    // alphabet, not only in a to z.
    void elenco_data() { Motori(); }
    void elenco()
    {
        QFETCH(QString, motore);
        const bool file = motore == QLatin1String("sqlite");
        const QString percorso = CreaConNomi(motore, {"A", "", "Straße 😀", "D", "E", "F", "Z"},
                                             {"muro", "Città", "muro", "città", "muro ", "Città", "Citta"});
        if (file)
            TestSupport::AltraConnessione(percorso).Esegui(
                "INSERT INTO Rw_laboratorio (Nome, \"Parola chiave\") VALUES "
                "('H', CAST(x'43697474E0' AS TEXT)), ('I', CAST(x'43697474E8' AS TEXT))");
        auto rs = DBEngine::OpenDatabase(percorso)->OpenRecordset(kTabella);
        Aggiungi(*rs, {kParola, "senza nome"});
        Aggiungi(*rs, {kNome, "G", kParola, ""});
        Cerca(*rs, QStringLiteral("D")); // edited, it keeps its place (a server writes it anew)
        rs->Edit();
        rs->SetField(kMassa, QStringLiteral("120"));
        rs->Update();
        auto elenco = rs->LeggiElenco(kNome, kParola, true, std::nullopt);
        QCOMPARE(elenco.nomi.toStringList(),
                 file ? QStringList({"A", "", "Straße 😀", "D", "E", "F", "Z", "H", "I", "G"})
                      : QStringList({"A", "", "Straße 😀", "D", "E", "F", "Z", "G"}));
        QCOMPARE(
            elenco.paroleChiave,
            file ? QStringList({"muro", "Città", "città", "muro ", "Citta", "Citt\uFFFD", "senza nome", ""})
                 : QStringList({"muro", "Città", "città", "muro ", "Citta", "senza nome", ""}));
        QVERIFY(rs->Eof());
        QCOMPARE(rs->LeggiElenco(kNome, kParola, false, QStringLiteral("Città")).nomi.toStringList(),
                 QStringList({"", "F"}));
        QCOMPARE(Prova([&] { rs->LeggiElenco(kNome, QStringLiteral("Manca"), true, {}); }).numero,
                 DbErrore::ElementoNonTrovato);
        for (const char* nome : {"STRASSE 😀", "straße 😀", "d"})
            QVERIFY(rs->ContieneIgnorandoMaiuscole(kNome, QString::fromUtf8(nome)));
        for (const char* nome : {"STRASS", "STRASSE", "Ù"})
            QVERIFY(!rs->ContieneIgnorandoMaiuscole(kNome, QString::fromUtf8(nome)));
    }

    // A filtered read hands over, in stored order and with their places, the rows where one
    // of the chosen columns passes the test, and counts the rows it looked at; the file's
    // test inside its statement agrees with the one made row by row.
    void letturaFiltrata_data() { Motori(); }
    void letturaFiltrata()
    {
        QFETCH(QString, motore);
        const QString percorso = CreaConNomi(motore, {"Muro", "A", "Parete", "Solaio", "muro 2"},
                                             {"x", "muro", "y", "il muro", "z"});
        auto rs = DBEngine::OpenDatabase(percorso)->OpenRecordset(kTabella);
        const auto contiene = [](QByteArrayView testo) { return QByteArrayView(testo).contains("muro"); };
        std::atomic<bool> annullata = false;
        struct Caso
        {
            FiltroTesti filtro;
            int fermaDopo;
            QStringList attese;
            qint64 viste;
        };
        const Caso casi[] = {
            {{{kNome, kParola}, contiene, nullptr}, 9, {"1 A", "3 Solaio", "4 muro 2"}, 5},
            {{{kParola}, contiene, nullptr}, 1, {"1 A"}, 2},
            {{{kParola}, {}, nullptr}, 9, {"0 Muro", "1 A", "2 Parete", "3 Solaio", "4 muro 2"}, 5},
            {{{}, contiene, nullptr}, 9, {}, 5},
            {{{kNome, kParola}, contiene, &annullata}, 9, {}, -1},
        };
        annullata = true;
        for (const bool nelMotore : {true, false}) {
            for (const Caso& caso : casi) {
                QStringList lette;
                const auto riga = [&](const RigaLetta& r, qint64 posto) {
                    lette << QStringLiteral("%1 %2").arg(posto).arg(r.Valore(0).toString());
                    return lette.size() < caso.fermaDopo;
                };
                const QStringList colonne{kNome};
                const qint64 viste = nelMotore
                                         ? rs->LeggiColonneFiltrate(colonne, caso.filtro, riga)
                                         : rs->Recordset::LeggiColonneFiltrate(colonne, caso.filtro, riga);
                QCOMPARE(lette, caso.attese);
                if (caso.viste >= 0)
                    QCOMPARE(viste, caso.viste);
            }
        }
    }

    // A transaction takes effect at its commit or not at all; while it writes, or while a
    // handle or a cursor that outlived it holds the file exclusively, nobody else writes,
    // and an exclusive opening waits for nobody.
    void usoDelFile()
    {
        const QString percorso = CreaConNomi(QStringLiteral("sqlite"), {"A"});
        TestSupport::AltraConnessione altra(percorso);
        for (bool esclusivo : {false, true}) {
            auto db = DBEngine::OpenDatabase(percorso, esclusivo ? Uso::Esclusivo : Uso::Scrittura);
            db->BeginTrans();
            auto rs = db->OpenRecordset(kTabella);
            Aggiungi(*rs, {kNome, esclusivo ? "B" : "mai"});
            QCOMPARE(altra.Esegui("INSERT INTO Rw_laboratorio (Nome) VALUES ('x')"), SQLITE_BUSY);
            if (!esclusivo)
                continue; // closed without a commit
            db->CommitTrans();
            db->Close();
            for (Uso uso : {Uso::Lettura, Uso::Scrittura, Uso::Esclusivo}) {
                const auto esito = Prova([&] { DBEngine::OpenDatabase(percorso, uso); });
                QVERIFY(esito.numero == DbErrore::FileInUso && esito.descrizione.contains(percorso));
            }
            QCOMPARE(altra.Esegui("SELECT count(*) FROM Rw_laboratorio"), SQLITE_BUSY);
            QCOMPARE(Colonna(*rs, kNome), QStringList({"A", "B"}));
        }
        QCOMPARE(altra.Esegui("BEGIN IMMEDIATE; INSERT INTO Rw_laboratorio (Nome) VALUES ('in corso')"),
                 SQLITE_OK);
        QCOMPARE(Prova([&] { DBEngine::OpenDatabase(percorso, Uso::Esclusivo); }).numero,
                 DbErrore::FileInUso);
        // Reading is still possible while the other program writes; its row is not seen yet.
        QCOMPARE(NomiInTabella(percorso, kTabella), QStringList({"A", "B"}));
        QCOMPARE(altra.Esegui("COMMIT"), SQLITE_OK);
        QCOMPARE(DBEngine::OpenDatabase(percorso, Uso::Esclusivo)->OpenRecordset(kTabella)->RecordCount(), 3);
    }

    void nomiDiTabellaInsoliti_data()
    {
        QTest::addColumn<QString>("motore");
        QTest::addColumn<QString>("tabella");
        for (const char* motore : kMotori)
            for (const char* nome : {"a\"b", "[x]", "my table", "\"my table\"", "'; DROP TABLE x; --",
                                     "x\"; DROP TABLE \"x", "main.x", "Società (m²)", "rowid"})
                QTest::addRow("%s %s", motore, nome)
                    << QString::fromLatin1(motore) << QString::fromUtf8(nome);
    }
    void nomiDiTabellaInsoliti()
    {
        QFETCH(QString, motore);
        QFETCH(QString, tabella);
        const QString percorso = NuovoDatabase(
            motore, {{QStringLiteral("x"), {kNome}, RecordSchema::IsNumerica},
                     {tabella, Categorie::ColonneTabella(catInfissi), RecordSchema::IsNumerica}});
        {
            auto db = DBEngine::OpenDatabase(percorso);
            auto rs = db->OpenRecordset(tabella);
            Aggiungi(*rs, {kNome, "Finestra", kMassa, "25,5"});
            Aggiungi(*rs, {kNome, "Porta", kParola, "p"});
            Cerca(*rs, QStringLiteral("Porta"));
            rs->Edit();
            rs->SetField(kDescrizione, tabella);
            rs->Update();
            rs->Delete();
            QCOMPARE(rs->ContieneIgnorandoMaiuscole(kNome, QStringLiteral("finestra")), true);
            QCOMPARE(Prova([&] { db->OpenRecordset(tabella + QStringLiteral("2")); }).numero,
                     DbErrore::TabellaNonTrovata);
        }
        auto db = DBEngine::OpenDatabase(percorso);
        QCOMPARE(db->TableNames(), QStringList({QStringLiteral("x"), tabella}));
        auto rs = db->OpenRecordset(tabella);
        QCOMPARE(Colonna(*rs, kMassa), QStringList({"25.5"}));
        QCOMPARE(rs->LeggiElenco(kNome, kParola, true, {}).nomi.toStringList(), QStringList({"Finestra"}));
    }

    void tabelleEColonneInsolite()
    {
        auto db = SqliteDatabase::Crea(NuovoPercorso());
        QCOMPARE(Prova([&] {
                     db->CreaTabellaMateriale(QStringLiteral("sqlite_prova"), {kNome},
                                              RecordSchema::IsNumerica);
                 }).numero,
                 DbErrore::Generico);
        db->Execute(QStringLiteral("CREATE TABLE b (rowid TEXT, Nome TEXT); CREATE TABLE a (Nome TEXT);"
                                   "CREATE VIEW v AS SELECT * FROM a; CREATE INDEX i ON a (Nome); ANALYZE;"
                                   "INSERT INTO b VALUES ('z', 'primo'), ('a', 'secondo')"));
        QCOMPARE(db->TableNames(), QStringList({"b", "a"}));
        QCOMPARE(Prova([&] { db->OpenRecordset(QStringLiteral("v")); }).numero, DbErrore::TabellaNonTrovata);
        auto rs = db->OpenRecordset(QStringLiteral("B")); // table names ignore letter case
        QCOMPARE(Colonna(*rs, QStringLiteral("rowid")), QStringList({"z", "a"}));
        rs->MoveFirst();
        rs->Delete();
        rs->MoveNext();
        QCOMPARE(rs->Field(kNome).toString(), QStringLiteral("secondo"));
        QCOMPARE(rs->RecordCount(), 1);
        const auto mancante = Prova([&] { db->OpenRecordset(QStringLiteral("Infissi")); });
        QCOMPARE(mancante.numero, DbErrore::TabellaNonTrovata);
        QVERIFY(mancante.descrizione.contains(QStringLiteral("«Infissi»")));
    }

    // A damaged or foreign file is refused at opening or while reading, with its name and
    // a clear number; it is never changed, and never a crash.
    void fileDanneggiato_data()
    {
        QTest::addColumn<QString>("danno");
        for (const char* danno : {"centro", "prima", "metà", "firma", "vuoto", "testo", "zeri", "casuali",
                                  "solo la firma", "firma senza terminatore"})
            QTest::newRow(danno) << QString::fromUtf8(danno);
    }
    void fileDanneggiato()
    {
        QFETCH(QString, danno);
        QStringList nomi;
        for (int i = 0; i < 2000; ++i)
            nomi << QStringLiteral("Materiale %1").arg(i);
        const QString percorso =
            CreaConNomi(QStringLiteral("sqlite"), nomi, {}, QString(200, QLatin1Char('d')));
        QByteArray dati = Contenuto(percorso), casuali;
        for (int i = 0; i < 5000; ++i)
            casuali.append(char((i * 7919 + 13) % 251));
        const qsizetype n = dati.size();
        const std::map<QString, QByteArray> danneggiati{
            {"centro", QByteArray(dati).replace(n * 2 / 5, n / 5, QByteArray(n / 5, char(0xA5)))},
            {"prima", QByteArray(dati).replace(100, 3900, QByteArray(3900, char(0x5A)))},
            {"metà", dati.left(n / 2)},
            {"firma", dati.left(50)},
            {"vuoto", QByteArray()},
            {"testo", "Nome;Descrizione\nMuro;laterizio\n"},
            {"zeri", QByteArray(8192, '\0')},
            {"casuali", casuali},
            {"solo la firma", QByteArray("SQLite format 3\0", 16) + casuali},
            {"firma senza terminatore", "SQLite format 3 and more text"}};
        dati = danneggiati.at(danno);
        QVERIFY(TestSupport::Scrivi(percorso, dati));
        const auto esito = Prova([&] {
            auto rs = DBEngine::OpenDatabase(percorso)->OpenRecordset(kTabella);
            for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext())
                rs->Field(kDescrizione);
            rs->LeggiElenco(kNome, kParola, true, {});
            Cerca(*rs, QStringLiteral("Materiale 1999"));
        });
        QCOMPARE(esito.numero, DbErrore::FormatoNonRiconosciuto);
        QVERIFY2(esito.descrizione.contains(percorso), qPrintable(esito.descrizione));
        QCOMPARE(Contenuto(percorso), dati);
    }

    // A server that cannot be reached, refuses the user, lacks the tables, cuts the
    // connection or stops, another user's save holding the table, a server process stopped,
    // the wait given up by the window's listener: the message names the server, the save ends
    // within its limit (a generous bound), nothing is half-written, and the same save goes
    // through once the fault is gone (a connection cut between two handlers is made again
    // unnoticed).
    void guastiDelServer_data()
    {
        QTest::addColumn<QString>("guasto");
        QTest::addColumn<int>("numero");
        // clang-format off
        QTest::newRow("postgresql irraggiungibile") << "irraggiungibile" << DbErrore::ConnessioneServer;
        QTest::newRow("postgresql password sbagliata") << "password" << DbErrore::ConnessioneServer;
        QTest::newRow("postgresql senza tabelle") << "tabelle" << DbErrore::PermessoNegato;
        QTest::newRow("postgresql connessione chiusa tra due salvataggi") << "tra" << 0;
        QTest::newRow("postgresql connessione chiusa nel salvataggio") << "durante" << DbErrore::ConnessioneServer;
        QTest::newRow("postgresql server fermato") << "fermato" << DbErrore::ConnessioneServer;
        QTest::newRow("postgresql tabella tenuta da un altro") << "tenuta" << DbErrore::FileInUso;
        QTest::newRow("postgresql attesa abbandonata") << "abbandonata" << DbErrore::ConnessioneServer;
        QTest::newRow("postgresql processo del server fermo") << "fermo" << DbErrore::ConnessioneServer;
        // clang-format on
    }
    void guastiDelServer()
    {
        QFETCH(QString, guasto);
        QFETCH(int, numero);
        ServerDiProva& server = *ServerDiProva::Avviato();
        const QString password = qEnvironmentVariable("PGPASSWORD");
        server.Esegui(QStringLiteral("CREATE ROLE zelmar_utenti"));
        for (const char* ruolo : {"ingegnere", "estraneo"})
            server.Esegui(
                QStringLiteral("CREATE ROLE %1 LOGIN IN ROLE zelmar_utenti").arg(QLatin1String(ruolo)));
        server.Esegui(
            QStringLiteral("ALTER ROLE ingegnere PASSWORD '%1'; ALTER ROLE estraneo PASSWORD 'altra'")
                .arg(password));
        const QString utente = guasto == QLatin1String("tabelle")    ? QStringLiteral("ingegnere")
                               : guasto == QLatin1String("password") ? QStringLiteral("estraneo")
                                                                     : QString();
        AttesaServer::Imposta({guasto == "tenuta" ? 1000 : 120000, 120000, guasto == "fermo" ? 3000 : 0});
        struct Rinuncia : AttesaServer
        {
            bool Continua(const QString&, const QString&, int) override { return false; }
            void Fine() override {}
        };
        if (guasto == "abbandonata")
            AttesaServer::Installa(std::make_shared<Rinuncia>());
        const QString conninfo = server.NuovoSchema(utente);
        const QString amministratore = NuovoPercorso(), percorso = NuovoPercorso();
        DatabaseCondiviso::Collega(amministratore, conninfo.section(QStringLiteral(" user="), 0, 0));
        DatabaseCondiviso::Collega(percorso, guasto == QLatin1String("irraggiungibile")
                                                 ? conninfo + QStringLiteral(" host=127.0.0.1 port=1")
                                                 : conninfo);
        const auto salva = [&](const QString& nome,
                               SalvataggioMateriale::Osservatore* osservatore = nullptr) {
            return SalvataggioMateriale::Salva(
                VoceDiProva::Richiesta(percorso, catRwLaboratorio,
                                       VoceDiProva::ValoriVoce(catRwLaboratorio, nome, 3)),
                osservatore);
        };
        if (guasto != QLatin1String("tabelle"))
            QCOMPARE(SalvataggioMateriale::Salva(
                         VoceDiProva::Richiesta(amministratore, catRwLaboratorio,
                                                VoceDiProva::ValoriVoce(catRwLaboratorio, "Prima", 1)))
                         .tipo,
                     SalvataggioMateriale::Esito::Ok);
        struct Tronca : SalvataggioMateriale::Osservatore
        {
            ServerDiProva* server = nullptr;
            int scritture = 0;
            void InizioScrittura(const QString&) override
            {
                if (server && ++scritture == 5)
                    server->TroncaConnessioni();
            }
            void FineScrittura(const QString&) override {}
        } tronca;
        if (guasto == QLatin1String("tra"))
            server.TroncaConnessioni();
        if (guasto == QLatin1String("durante"))
            tronca.server = &server;
        if (guasto == QLatin1String("fermato"))
            QVERIFY(server.Ferma());
        std::unique_ptr<Database> altra; // holding the table as a save does
        if (guasto == "tenuta" || guasto == "abbandonata") {
            altra = DBEngine::OpenDatabase(amministratore);
            altra->BeginTrans();
            altra->OpenRecordset(kTabella);
        }
        if (guasto == "fermo")
            NomiInTabella(percorso, kTabella); // a connection kept, idle, to stop
        const QStringList fermi = guasto != "fermo"
                                      ? QStringList()
                                      : server
                                            .Esegui("SELECT string_agg(pid::text, ' ') FROM pg_stat_activity "
                                                    "WHERE application_name = 'ZELMARtek' AND "
                                                    "state = 'idle'")
                                            .split(' ', Qt::SkipEmptyParts);
        for (const QString& pid : fermi)
            kill(pid.toInt(), SIGSTOP);
        QElapsedTimer tempo;
        tempo.start();
        const auto esito = salva(QStringLiteral("Seconda"), &tronca);
        QVERIFY2(tempo.elapsed() < 60000, qPrintable(QString::number(tempo.elapsed())));
        for (const QString& pid : fermi)
            kill(pid.toInt(), SIGCONT);
        if (altra)
            altra->Rollback();
        QCOMPARE(esito.numero, numero);
        QVERIFY2(numero == 0 || esito.descrizione.contains(ServerCondiviso::NomePerMessaggi(percorso)),
                 qPrintable(esito.descrizione));
        if (guasto == QLatin1String("fermato"))
            QVERIFY(server.Avvia());
        if (numero != 0) {
            QCOMPARE(NomiInTabella(amministratore, kTabella).contains(QStringLiteral("Seconda")), false);
            tronca.server = nullptr;
            if (guasto == QLatin1String("irraggiungibile"))
                DatabaseCondiviso::Collega(percorso, conninfo);
            server.Esegui(QStringLiteral("ALTER ROLE estraneo PASSWORD '%1'").arg(password));
            NomiInTabella(amministratore, kTabella); // the tables, made by a role that may
            QCOMPARE(salva(QStringLiteral("Seconda")).tipo, SalvataggioMateriale::Esito::Ok);
        }
        QVERIFY(NomiInTabella(amministratore, kTabella).contains(QStringLiteral("Seconda")));
    }

    void fileMancanteECreazione()
    {
        const QString mancante = cartella_.filePath(QStringLiteral("mancante.mdb"));
        const auto esito = Prova([&] { DBEngine::OpenDatabase(mancante); });
        QCOMPARE(esito.numero, DbErrore::FileNonTrovato);
        QVERIFY(esito.descrizione.contains(mancante) && !QFile::exists(mancante)); // opening never creates
        QCOMPARE(Prova([&] { DBEngine::OpenDatabase(cartella_.path()); }).numero,
                 DbErrore::FormatoNonRiconosciuto);

        const QString percorso = NuovoPercorso();
        DBEngine::CreateDatabase(percorso)->Close();
        QVERIFY(DBEngine::OpenDatabase(percorso)->TableNames().isEmpty());
        const QByteArray prima = Contenuto(percorso);
        QCOMPARE(Prova([&] { DBEngine::CreateDatabase(percorso); }).numero, DbErrore::Generico);
        QCOMPARE(Contenuto(percorso), prima);
        QVERIFY(Prova([&] {
                    DBEngine::CreateDatabase(cartella_.filePath(QStringLiteral("no/x.mdb")));
                }).numero != 0);

        // Folders and files in other letter cases: of several, the first in name order.
        QVERIFY(QDir(cartella_.path()).mkpath(QStringLiteral("Dati")));
        for (const char* nome : {"Dati/caso.mdb", "Dati/Caso.MDB"})
            DBEngine::CreateDatabase(cartella_.filePath(QString::fromLatin1(nome)))->Close();
        QCOMPARE(NomiSenzaMaiuscole::Trova(cartella_.filePath(QStringLiteral("DATI/CASO.mdb"))),
                 cartella_.filePath(QStringLiteral("Dati/Caso.MDB")));
        QVERIFY(DBEngine::OpenDatabase(cartella_.filePath(QStringLiteral("dati/CASO.MDB")))
                    ->TableNames()
                    .isEmpty());
    }

    // A custom database file that lacks the kinds' tables gets them, with their columns and
    // index, when it is opened; one that cannot be written opens read-only, and opening a
    // missing table says so, naming the file and the table.
    void tabelleMancanti_data()
    {
        QTest::addColumn<int>("uso");
        QTest::addColumn<QString>("causa");
        QTest::newRow("letto") << int(Uso::Lettura) << "";
        QTest::newRow("scritto") << int(Uso::Scrittura) << "";
        QTest::newRow("file protetto") << int(Uso::Lettura) << "permessi";
        QTest::newRow("letto da un altro programma") << int(Uso::Scrittura) << "occupato";
    }
    void tabelleMancanti()
    {
        QFETCH(int, uso);
        QFETCH(QString, causa);
        const bool protetto = !causa.isEmpty();
        if (causa == QLatin1String("permessi") && geteuid() == 0)
            QSKIP("file permissions do not bind the superuser");
        const QString percorso = CreaConNomi(QStringLiteral("sqlite"), {"A"});
        DatabaseCondiviso::Prevedi(percorso);
        if (causa == QLatin1String("permessi"))
            QVERIFY(QFile::setPermissions(percorso, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        TestSupport::AltraConnessione altra(percorso);
        if (causa == QLatin1String("occupato"))
            QCOMPARE(altra.Esegui("BEGIN; SELECT count(*) FROM Rw_laboratorio"), SQLITE_OK);
        const QByteArray prima = Contenuto(percorso);
        auto db = DBEngine::OpenDatabase(percorso, Uso(uso));
        for (const DefinizioneTabella& t : DatabaseCondiviso::Tabelle()) {
            if (protetto && t.nome != kTabella) {
                const auto esito = Prova([&] { db->OpenRecordset(t.nome); });
                QCOMPARE(esito.numero, DbErrore::TabellaNonTrovata);
                QVERIFY2(esito.descrizione.contains(percorso) && esito.descrizione.contains(t.nome),
                         qPrintable(esito.descrizione));
                continue;
            }
            auto rs = db->OpenRecordset(t.nome);
            QCOMPARE(rs->FieldNames(), t.colonne);
            Cerca(*rs, t.nome == kTabella ? QStringLiteral("A") : QString()); // by the "Nome" index
            QCOMPARE(rs->NoMatch(), t.nome != kTabella);
        }
        QCOMPARE(Contenuto(percorso) == prima, protetto);
    }

    // A write that cannot be made leaves the file as it was, the cursor on its row and the
    // connection usable; the message names the file and the table.
    void scritturaRifiutata_data()
    {
        QTest::addColumn<QString>("causa");
        QTest::addColumn<int>("numero");
        QTest::newRow("aperto in sola lettura") << "sola lettura" << DbErrore::SolaLettura;
        QTest::newRow("file protetto") << "permessi" << DbErrore::SolaLettura;
        QTest::newRow("disco pieno") << "pieno" << DbErrore::ErroreDisco;
        QTest::newRow("letto da un altro programma") << "occupato" << DbErrore::FileInUso;
    }
    void scritturaRifiutata()
    {
        QFETCH(QString, causa);
        QFETCH(int, numero);
        const QString percorso = CreaConNomi(QStringLiteral("sqlite"), {"A", "B"});
        if (causa == QLatin1String("permessi")) {
            if (geteuid() == 0)
                QSKIP("file permissions do not bind the superuser");
            QVERIFY(QFile::setPermissions(percorso, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        }
        const QByteArray prima = Contenuto(percorso);
        TestSupport::AltraConnessione altra(percorso);
        if (causa == QLatin1String("occupato"))
            QCOMPARE(altra.Esegui("BEGIN; SELECT count(*) FROM Rw_laboratorio"), SQLITE_OK);
        {
            auto db = SqliteDatabase::Apri(percorso, causa == QLatin1String("sola lettura")
                                                         ? SqliteDatabase::Modo::SolaLettura
                                                         : SqliteDatabase::Modo::Condiviso);
            if (causa == QLatin1String("pieno"))
                db->Execute(QStringLiteral("PRAGMA max_page_count = 1")); // no room beyond the present size
            auto rs = db->OpenRecordset(kTabella);
            rs->AddNew();
            rs->SetField(kNome, QStringLiteral("C"));
            rs->SetField(kDescrizione, QString(200000, QLatin1Char('x')));
            const auto esito = Prova([&] { rs->Update(); });
            QCOMPARE(esito.numero, numero);
            QVERIFY2(esito.descrizione.contains(percorso) && esito.descrizione.contains(kTabella),
                     qPrintable(esito.descrizione));
            QCOMPARE(rs->Field(kNome).toString(), QStringLiteral("A"));
            if (causa != QLatin1String("pieno")) // a deletion needs no room
                QCOMPARE(Prova([&] { rs->Delete(); }).numero, numero);
            QCOMPARE(Colonna(*rs, kNome), QStringList({"A", "B"}));
        }
        QCOMPARE(altra.Esegui("COMMIT"), causa == QLatin1String("occupato") ? SQLITE_OK : SQLITE_ERROR);
        QCOMPARE(Contenuto(percorso), prima);
        QVERIFY(!QFile::exists(percorso + QStringLiteral("-journal")));
    }
};

QTEST_GUILESS_MAIN(TestSqliteDatabase)
#include "TestSqliteDatabase.moc"
