// The command-line tools under hostile arguments and files, zelmar-condividi killed in the
// middle of a copy and fed values the other side cannot hold, and the shared database's
// server holding a lock or stopped: no input changes (md5 of every file), no output half
// written, no value changed on the way, no call that waits without end.
#include "FotografiaDatabase.h"
#include "ServerDiProva.h"
#include "TestSupport.h"

#include "model/CancellazioneMateriale.h"
#include "model/DatabaseCondiviso.h"
#include "model/ListaMateriali.h"
#include "storage/AttesaServer.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"
#include "storage/PgConnessione.h"
#include "storage/ServerCondiviso.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <csignal>
#include <sys/stat.h>

namespace {

const QString Muro = QStringLiteral("Muro in laterizio 12 cm");

QMap<QString, QByteArray> Impronte(const QString& cartella)
{
    QMap<QString, QByteArray> impronte = TestSupport::FileSotto(cartella);
    for (QByteArray& contenuto : impronte)
        contenuto = QCryptographicHash::hash(contenuto, QCryptographicHash::Md5).toHex();
    return impronte;
}

int Esegui(const QStringList& comando, QString* errori = nullptr)
{
    QProcess p;
    p.start(QStringLiteral(ZELMAR_STRUMENTI "/") + comando[0], comando.mid(1));
    if (!p.waitForFinished(300000))
        return -1;
    if (errori)
        *errori = QString::fromUtf8(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

// The rows of a file's custom tables, whatever their row numbers.
std::vector<FotografiaDatabase::Riga> Righe(const QString& percorso)
{
    auto righe = FotografiaDatabase::Righe(percorso);
    for (auto& riga : righe)
        riga.numero = 0;
    return righe;
}

// The schema of a connection string of ServerDiProva, for the superuser's statements.
QString Schema(const QString& conninfo)
{
    return conninfo.section(QLatin1Char('='), 2).remove(QLatin1Char('\''));
}

// A table's rows on the server, by their values in stored order.
QString Impronta(const QString& conninfo)
{
    return QStringLiteral("SELECT count(*) || coalesce(md5(string_agg(concat_ws('|', \"Nome\", \"Descrizione\", \"Rw (dB)\"), "
                          "'/' ORDER BY zelmar_ordine)), '') FROM %1.\"Rw_laboratorio\"").arg(Schema(conninfo));
}

// Stops waiting at once, the first time it is asked.
struct Rinuncia : AttesaServer
{
    int chiamate = 0;
    bool Continua(const QString&, const QString&, int) override { return ++chiamate < 0; }
    void Fine() override {}
};

} // namespace

class TestStrumentiOstili : public QObject
{
    Q_OBJECT

    ServerDiProva* server_ = nullptr;

    QString Server()
    {
        QString motivo;
        server_ = ServerDiProva::Avviato(&motivo);
        return server_ ? server_->NuovoSchema() : QString();
    }

private slots:
    void initTestCase() { TestSupport::PreparaAmbiente(); }
    void cleanup()
    {
        AttesaServer::Installa(nullptr);
        AttesaServer::Imposta({});
        PgConnessione::ChiudiInattive();
        ServerCondiviso::ScollegaTutti();
    }

    void Invocazioni_data()
    {
        QTest::addColumn<QStringList>("comando"); // {dati}: Databases/Database, {uscita}: another folder
        QTest::addColumn<int>("stato");
        QTest::addColumn<QString>("atteso"); // on standard error
        const QString db = "{dati}/Database_sperimentale.mdb", piatta = QString("99999 ").repeated(21).trimmed();
        // clang-format off
        QTest::newRow("CSV over its database") << QStringList{"zelmar-esporta", "--csv", db, db, "Rw_laboratorio"} << 2 << "non viene sostituit";
        QTest::newRow("PDF over its database") << QStringList{"zelmar-esporta", "--pdf", db, db, "Rw_laboratorio", Muro} << 2 << "non viene sostituit";
        QTest::newRow("CSV over a hard link of it") << QStringList{"zelmar-esporta", "--csv", "{uscita}/collegamento", db, "Infissi"} << 2 << "collegamento";
        QTest::newRow("CSV over a symbolic link to it") << QStringList{"zelmar-esporta", "--csv", "{uscita}/simbolico", db, "Infissi"} << 2 << "simbolico";
        QTest::newRow("CSV into a FIFO") << QStringList{"zelmar-esporta", "--csv", "{uscita}/fifo", db, "Infissi"} << 2 << "fifo";
        QTest::newRow("CSV over a folder") << QStringList{"zelmar-esporta", "--csv", "{dati}", db, "Infissi"} << 2 << "non viene sostituit";
        QTest::newRow("copy over an existing file") << QStringList{"zelmar-condividi", "--verso-file", "dbname=x", db} << 2 << "esiste già";
        QTest::newRow("copy of a missing file") << QStringList{"zelmar-condividi", "--verso-server", "{dati}/manca.mdb", "dbname=x"} << 2 << "manca.mdb";
        QTest::newRow("flat curve at 99999 dB") << (QStringList{"zelmar-valuta", "R"} + piatta.split(' ')) << 2 << "99999";
        QTest::newRow("400 digits") << (QStringList{"zelmar-valuta", "R", QString(400, '9')} + QString("50 ").repeated(20).trimmed().split(' ')) << 2 << "999999";
        QTest::newRow("unknown option of importjet") << QStringList{"zelmar-importjet", "--foo", "{dati}"} << 2 << "--foo";
        QTest::newRow("unknown option of cerca") << QStringList{"zelmar-cerca", "{cartella}", "--foo"} << 2 << "\u00ab--foo\u00bb";
        QTest::newRow("search over a name not UTF-8") << QStringList{"zelmar-cerca", "{cartella}"} << 1 << "Prove \ufffd.mdb";
        QTest::newRow("check over a name not UTF-8") << QStringList{"zelmar-valuta", "--verifica", "{cartella}"} << 1 << "Prove \ufffd.mdb";
        // clang-format on
    }
    void Invocazioni()
    {
        QFETCH(QStringList, comando);
        QFETCH(int, stato);
        QFETCH(QString, atteso);
        TestSupport::AmbienteDati dati;
        QTemporaryDir uscita;
        QVERIFY(dati.ok() && uscita.isValid());
        const QString db = dati.percorsoDatabase("Database_sperimentale.mdb");
        const QByteArray rw = QFile::encodeName(dati.percorsoDatabase("Partizioni verticali (Rw)"));
        QVERIFY(QFile::link(db, uscita.filePath("simbolico")) &&
                link(QFile::encodeName(db), QFile::encodeName(uscita.filePath("collegamento"))) == 0 &&
                mkfifo(QFile::encodeName(uscita.filePath("fifo")), 0600) == 0 &&
                link(rw + "/Prove 2009.mdb", rw + "/Prove \xff.mdb") == 0);
        for (QString& a : comando)
            a.replace("{dati}", dati.percorsoDatabase("")).replace("{uscita}", uscita.path())
                .replace("{cartella}", dati.cartellaDati());
        const auto prima = Impronte(dati.cartellaDati());
        QString errori;
        const int uscito = Esegui(comando, &errori);
        const auto dopo = Impronte(dati.cartellaDati());
        unlink(rw + "/Prove \xff.mdb");
        QCOMPARE(uscito, stato);
        QVERIFY2(errori.contains(atteso), qPrintable(errori));
        QCOMPARE(dopo, prima);
    }

    // Values that cross exactly, and values the other side cannot hold as they are: the copy
    // is refused naming the table, the entry and the column, and writes nothing.
    void ValoriDellaCopia_data()
    {
        QTest::addColumn<QString>("sqlFile");
        QTest::addColumn<QString>("sqlServer"); // run on the server's copy before it is copied back
        QTest::addColumn<QString>("atteso");    // empty: the round trip gives the same rows
        const QString rw = "UPDATE Rw_laboratorio SET ", dove = " WHERE \"Nome\" = 'Muro in laterizio 12 cm'";
        // clang-format off
        QTest::newRow("exact values") << rw + "Descrizione = 'a\tb\\c\r\nà€😀', \"Rw (dB)\" = 0.1, \"C (dB)\" = -0.0, \"Ctr (dB)\" = 4.9e-324, \"Eta int\" = 1.7976931348623157e308" + dove << "" << "";
        QTest::newRow("bytes in a text column") << rw + "Descrizione = x'414243'" + dove << "" << "«Descrizione»";
        QTest::newRow("text not UTF-8") << rw + "Descrizione = CAST(x'ff41' AS TEXT)" + dove << "" << "«Descrizione»";
        QTest::newRow("infinite rating") << rw + "\"Rw (dB)\" = 9e999" + dove << "" << "«Rw (dB)»";
        QTest::newRow("text in a numeric column") << rw + "\"Rw (dB)\" = 'abc'" + dove << "" << "«Rw (dB)»";
        QTest::newRow("infinite on the server") << "" << rw + "\"Rw (dB)\" = 'Infinity'" + dove << "«Rw (dB)»";
        // clang-format on
    }
    void ValoriDellaCopia()
    {
        QFETCH(QString, sqlFile);
        QFETCH(QString, sqlServer);
        QFETCH(QString, atteso);
        const QString conninfo = Server();
        QVERIFY(server_);
        TestSupport::AmbienteDati dati;
        const QString file = dati.percorsoDatabase("Database_sperimentale.mdb"), copia = file + ".copia";
        QCOMPARE(TestSupport::AltraConnessione(file).Esegui(sqlFile.toUtf8()), 0);
        const auto prima = Impronte(dati.cartellaDati());
        QString errori;
        QCOMPARE(Esegui({"zelmar-condividi", "--verso-server", file, conninfo}, &errori), sqlFile.isEmpty() || atteso.isEmpty() ? 0 : 1);
        if (!sqlServer.isEmpty())
            server_->Esegui(sqlServer.replace("Rw_laboratorio", Schema(conninfo) + ".\"Rw_laboratorio\""));
        if (sqlServer.isEmpty() && !atteso.isEmpty()) {
            QCOMPARE(server_->Esegui(Impronta(conninfo)), "0");
        } else {
            QCOMPARE(Esegui({"zelmar-condividi", "--verso-file", conninfo, copia}, &errori), atteso.isEmpty() ? 0 : 1);
            QVERIFY(atteso.isEmpty() ? Righe(copia) == Righe(file) : !QFile::exists(copia));
        }
        QVERIFY2(errori.contains(atteso) && (atteso.isEmpty() || errori.contains(Muro)), qPrintable(errori));
        auto dopo = Impronte(dati.cartellaDati());
        dopo.remove("Databases/Database/Database_sperimentale.mdb.copia");
        QCOMPARE(dopo, prima);
    }

    // zelmar-condividi killed as soon as the rows flow, either way: no file, or the server's
    // table as it was; run again, the copy is whole.
    void CopiaUccisa_data()
    {
        QTest::addColumn<bool>("versoFile");
        QTest::newRow("to the file") << true;
        QTest::newRow("to the server") << false;
    }
    void CopiaUccisa()
    {
        QFETCH(bool, versoFile);
        const QString conninfo = Server();
        QVERIFY(server_);
        TestSupport::AmbienteDati dati;
        const QString file = dati.percorsoDatabase("Database_sperimentale.mdb"), copia = file + ".copia";
        QCOMPARE(TestSupport::AltraConnessione(file).Esegui(
                     "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000) INSERT INTO "
                     "Rw_laboratorio (Nome, Descrizione, \"Rw (dB)\") SELECT 'Voce ' || i, hex(randomblob(80)), i / 7.0 FROM n"),
                 0);
        QCOMPARE(Esegui({"zelmar-condividi", "--verso-server", file, conninfo}), 0);
        const QString prima = server_->Esegui(Impronta(conninfo));
        const QStringList comando = versoFile ? QStringList{"zelmar-condividi", "--verso-file", conninfo, copia}
                                              : QStringList{"zelmar-condividi", "--sostituisci", "--verso-server", file, conninfo};
        const QString copiaInCorso = "SELECT count(*) FROM pg_stat_activity WHERE state = 'active' AND query LIKE 'COPY%'";
        QProcess copiatore;
        copiatore.start(QStringLiteral(ZELMAR_STRUMENTI "/zelmar-condividi"), comando.mid(1));
        QVERIFY(copiatore.waitForStarted());
        for (int i = 0; i < 6000 && copiatore.state() != QProcess::NotRunning; ++i) {
            if (versoFile ? !QDir(QFileInfo(copia).path()).entryList({".*.tmp"}, QDir::Files | QDir::Hidden).isEmpty()
                          : server_->Esegui(copiaInCorso) == "1")
                break;
            QThread::msleep(10);
        }
        QVERIFY(copiatore.state() == QProcess::Running);
        ::kill(pid_t(copiatore.processId()), SIGKILL);
        copiatore.waitForFinished();
        for (int i = 0; i < 3000 && server_->Esegui(copiaInCorso) != "0"; ++i)
            QThread::msleep(10);
        QVERIFY(!QFile::exists(copia));
        QCOMPARE(server_->Esegui(Impronta(conninfo)), prima);
        QCOMPARE(Esegui(comando), 0);
        QVERIFY(versoFile ? Righe(copia) == Righe(file) : server_->Esegui(Impronta(conninfo)) == prima);
    }

    // A deletion while another connection holds the table, and a list fill while the server
    // process of the connection is stopped: each ends at its limit with a message naming the
    // server, or at once when the window's listener stops waiting. The bounds are generous.
    void ServerCheFaAspettare_data()
    {
        QTest::addColumn<int>("bloccoMs");
        QTest::addColumn<int>("rispostaMs");
        QTest::addColumn<bool>("rinuncia");
        QTest::addColumn<bool>("fermo"); // the server processes stopped
        QTest::addColumn<int>("entroMs");
        QTest::newRow("lock") << 1000 << 0 << false << false << 45000;
        QTest::newRow("lock, waiting given up") << 120000 << 0 << true << false << 60000;
        QTest::newRow("server stopped") << 60000 << 3000 << false << true << 45000;
    }
    void ServerCheFaAspettare()
    {
        QFETCH(int, bloccoMs);
        QFETCH(int, rispostaMs);
        QFETCH(bool, rinuncia);
        QFETCH(bool, fermo);
        QFETCH(int, entroMs);
        const QString conninfo = Server();
        QVERIFY(server_);
        TestSupport::AmbienteDati dati;
        const QString file = dati.percorsoDatabase("Database_sperimentale.mdb");
        QCOMPARE(Esegui({"zelmar-condividi", "--verso-server", file, conninfo}), 0);
        AttesaServer::Imposta({bloccoMs, 120000, rispostaMs});
        const auto ascoltatore = std::make_shared<Rinuncia>();
        if (rinuncia)
            AttesaServer::Installa(ascoltatore);
        DatabaseCondiviso::Collega(file, conninfo);
        const auto elenco = [&] { ListaMateriali::Leggi(file, "Rw_laboratorio", {}); };
        elenco();
        std::unique_ptr<Database> altra;
        if (!fermo) {
            altra = DBEngine::OpenDatabase(file);
            altra->BeginTrans();
            altra->OpenRecordset("Rw_laboratorio");
        }
        const QString processi = server_->Esegui("SELECT string_agg(pid::text, ' ') FROM pg_stat_activity WHERE "
                                                 "application_name = 'ZELMARtek' AND state = 'idle'");
        for (const QString& pid : processi.split(' ', Qt::SkipEmptyParts))
            if (fermo)
                ::kill(pid.toInt(), SIGSTOP);
        QElapsedTimer tempo;
        tempo.start();
        const auto errore = TestSupport::Prova([&] {
            fermo ? elenco() : void(CancellazioneMateriale::Cancella(file, "Rw_laboratorio", Muro));
        });
        const qint64 ms = tempo.elapsed();
        for (const QString& pid : processi.split(' ', Qt::SkipEmptyParts))
            ::kill(pid.toInt(), SIGCONT);
        QVERIFY2(errore.numero != 0 && errore.descrizione.contains("server"), qPrintable(errore.descrizione));
        QVERIFY2(ms < entroMs, qPrintable(QString::number(ms)));
        QCOMPARE(ascoltatore->chiamate, rinuncia ? 1 : 0);
        for (int i = 0; i < 3000 && server_->Esegui("SELECT count(*) FROM pg_stat_activity WHERE wait_event_type = 'Lock'") != "0"; ++i)
            QThread::msleep(10);
        if (altra)
            altra->Rollback();
        QVERIFY(CancellazioneMateriale::Cancella(file, "Rw_laboratorio", Muro));
    }
};

QTEST_GUILESS_MAIN(TestStrumentiOstili)
#include "TestStrumentiOstili.moc"
