// The command-line tools run as processes on a copy of the test data: what they write, and
// their exit status and message under wrong, missing and hostile arguments and files, with the
// md5 of every input file unchanged; zelmar-condividi killed in the middle of a copy and fed
// values the other side cannot hold. (The server holding a lock or stopped: TestSqliteDatabase.)
#include "FotografiaDatabase.h"
#include "ServerDiProva.h"
#include "TestSupport.h"
#include "TestoPdf.h"

#include "storage/pg/AttesaServer.h"
#include "storage/pg/PgConnessione.h"
#include "storage/pg/ServerCondiviso.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <csignal>
#include <sys/stat.h>

namespace {

const QString Muro = "Muro in laterizio 12 cm";

QMap<QString, QByteArray> Impronte(const QString& cartella)
{
    QMap<QString, QByteArray> impronte = TestSupport::FileSotto(cartella);
    for (QByteArray& contenuto : impronte)
        contenuto = QCryptographicHash::hash(contenuto, QCryptographicHash::Md5).toHex();
    return impronte;
}

int Esegui(const QStringList& comando, QString* errori = nullptr, const QProcessEnvironment& ambiente = {})
{
    QProcess p;
    if (!ambiente.isEmpty())
        p.setProcessEnvironment(ambiente);
    p.start(QStringLiteral(ZELMAR_STRUMENTI "/") + comando[0], comando.mid(1));
    const bool finito = p.waitForFinished(300000);
    if (errori)
        *errori = QString::fromUtf8(p.readAllStandardError() + p.readAllStandardOutput());
    return finito && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

// The server's "Rw_laboratorio" of a connection string of ServerDiProva, and its rows by their values.
QString TabellaServer(const QString& conninfo)
{
    return conninfo.section('=', 2).remove('\'') + ".\"Rw_laboratorio\"";
}
QString Impronta(const QString& conninfo)
{
    const QString righe = "string_agg(concat_ws('|', \"Nome\", \"Descrizione\"), '/' ORDER BY zelmar_ordine)";
    return "SELECT count(*) || coalesce(md5(" + righe + "), '') FROM " + TabellaServer(conninfo);
}

} // namespace

class TestStrumentiOstili : public QObject
{
    Q_OBJECT

    ServerDiProva* server_ = nullptr;
    QString conninfo_;
    std::unique_ptr<TestSupport::AmbienteDati> dati_;
    QString file_; // the custom database

private slots:
    void initTestCase() { TestSupport::PreparaAmbiente(); }
    void init()
    {
        dati_ = std::make_unique<TestSupport::AmbienteDati>();
        QVERIFY(dati_->ok());
        file_ = dati_->percorsoDatabase("Database_sperimentale.mdb");
        if (!QByteArray(QTest::currentTestFunction()).contains("Invocazioni") &&
            !QByteArray(QTest::currentTestFunction()).contains("Scheda"))
            QVERIFY((server_ = ServerDiProva::Avviato()) && !(conninfo_ = server_->NuovoSchema()).isEmpty());
    }
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
        QTest::addColumn<QString>("atteso"); // in what was written (PDF text, CSV), or on standard error
        const QString db = "{dati}/Database_sperimentale.mdb", porta = "Porta interna in legno tamburata";
        const QStringList pdf{"zelmar-esporta", "--pdf", "{uscita}/a.pdf"},
            csv{"zelmar-esporta", "--csv", "{uscita}/a.csv"};
        // clang-format off
        QTest::newRow("sheet of a custom wall") << pdf + QStringList{db, "Rw_laboratorio", Muro} << 0 << "Rw(C;Ctr)= 52(-1;-4) dB";
        QTest::newRow("kind from the category folder") << pdf + QStringList{"{dati}/Partizioni verticali (Rw)/Prove 2009.mdb", "Prove 2009", "Muro in calcestruzzo cellulare 20 cm"} << 0 << "Prove 2009";
        QTest::newRow("theoretical table") << pdf + QStringList{"{dati}/Database_teorico.mdb", "Livello_calpestio", "Solaio in calcestruzzo 16 cm"} << 0 << "L'nw(Ci)= 76(-12) dB";
        QTest::newRow("kind given") << pdf + QStringList{"--tipo", "7", db, "Infissi", porta} << 0 << "R'w(C;Ctr)= 30(-1;-2) dB";
        QTest::newRow("custom table as CSV") << csv + QStringList{db, "Infissi"} << 0 << "\uFEFFNome;Parola chiave;Descrizione;";
        QTest::newRow("Access table as CSV") << csv + QStringList{"{jet}", "Table1"} << 0 << "A;B;C;D;E;F;G;H;I\r\na;b;0;0;0;0;12/12/1981;0;0\r\n";
        QTest::newRow("help") << QStringList{"zelmar-esporta", "--help"} << 0 << "zelmar-esporta --csv";
        QTest::newRow("a name like an option is a name") << pdf + QStringList{db, "Rw_laboratorio", "-3,5"} << 2 << "la voce \u00ab-3,5\u00bb";
        QTest::newRow("missing file") << csv + QStringList{"{dati}/manca.mdb", "T"} << 2 << "manca.mdb non esiste";
        QTest::newRow("missing table") << csv + QStringList{db, "Manca"} << 2 << "non ha la tabella \u00abManca\u00bb";
        QTest::newRow("kind unknown") << pdf + QStringList{"{jet}", "Table1", "a"} << 2 << "--tipo";
        QTest::newRow("no such kind") << pdf + QStringList{"--tipo", "11", db, "T", "a"} << 2 << "\u00ab11\u00bb";
        QTest::newRow("kind with CSV") << csv + QStringList{"--tipo", "1", db, "Infissi"} << 2 << "--tipo";
        QTest::newRow("count of arguments") << csv + QStringList{db} << 2 << "2 argomenti";
        QTest::newRow("no format") << QStringList{"zelmar-esporta", db, "Infissi"} << 2 << "--pdf o --csv";
        QTest::newRow("output not writable") << QStringList{"zelmar-esporta", "--pdf", "{uscita}/manca/a.pdf", db, "Rw_laboratorio", Muro} << 1 << "manca/a.pdf";
        QTest::newRow("damaged file") << csv + QStringList{"{uscita}/guasto.mdb", "T"} << 1 << "guasto.mdb";
        QTest::newRow("CSV over its database") << QStringList{"zelmar-esporta", "--csv", db, db, "Rw_laboratorio"} << 2 << "non viene sostituit";
        QTest::newRow("PDF over its database") << QStringList{"zelmar-esporta", "--pdf", db, db, "Rw_laboratorio", Muro} << 2 << "non viene sostituit";
        QTest::newRow("CSV over a hard link of it") << QStringList{"zelmar-esporta", "--csv", "{uscita}/collegamento", db, "Infissi"} << 2 << "collegamento";
        QTest::newRow("CSV over a symbolic link to it") << QStringList{"zelmar-esporta", "--csv", "{uscita}/simbolico", db, "Infissi"} << 2 << "simbolico";
        QTest::newRow("CSV into a FIFO") << QStringList{"zelmar-esporta", "--csv", "{uscita}/fifo", db, "Infissi"} << 2 << "non è un file normale";
        QTest::newRow("CSV over a folder") << QStringList{"zelmar-esporta", "--csv", "{dati}", db, "Infissi"} << 2 << "non è un file normale";
        QTest::newRow("copy over an existing file") << QStringList{"zelmar-condividi", "--verso-file", "dbname=x", db} << 2 << "esiste già";
        QTest::newRow("copy of a missing file") << QStringList{"zelmar-condividi", "--verso-server", "{dati}/manca.mdb", "dbname=x"} << 2 << "manca.mdb";
        QTest::newRow("flat curve at 99999 dB") << (QStringList{"zelmar-valuta", "R"} + QString("99999 ").repeated(21).split(' ', Qt::SkipEmptyParts)) << 2 << "fuori campo";
        QTest::newRow("400 digits") << (QStringList{"zelmar-valuta", "R", QString(400, '9')} + QString("50 ").repeated(20).split(' ', Qt::SkipEmptyParts)) << 2 << "non è un numero";
        QTest::newRow("conversion of a folder") << QStringList{"zelmar-importjet", "{dati}"} << 0 << "Già nel formato del programma: ";
        QTest::newRow("conversion of a damaged file") << QStringList{"zelmar-importjet", "{uscita}/guasto.mdb"} << 1 << "Non convertito: ";
        QTest::newRow("conversion of nothing") << QStringList{"zelmar-importjet"} << 2 << "zelmar-importjet";
        QTest::newRow("unknown option of importjet") << QStringList{"zelmar-importjet", "--foo", "{dati}"} << 2 << "opzione sconosciuta \u00ab--foo\u00bb";
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
        QTemporaryDir uscita;
        const QByteArray rw = QFile::encodeName(dati_->percorsoDatabase("Partizioni verticali (Rw)"));
        QVERIFY(QFile::link(file_, uscita.filePath("simbolico")) &&
                TestSupport::Scrivi(uscita.filePath("guasto.mdb"), QByteArray(4096, 'x')) &&
                link(QFile::encodeName(file_), QFile::encodeName(uscita.filePath("collegamento"))) == 0 &&
                mkfifo(QFile::encodeName(uscita.filePath("fifo")), 0600) == 0 &&
                link(rw + "/Prove 2009.mdb", rw + "/Prove \xff.mdb") == 0);
        for (QString& a : comando)
            a.replace("{dati}", dati_->percorsoDatabase(""))
                .replace("{uscita}", uscita.path())
                .replace("{cartella}", dati_->cartellaDati())
                .replace("{jet}",
                         qEnvironmentVariable("ZELMAR_SOURCE_DIR") + "/tests/fixtures/jet/testV1997.mdb");
        const auto prima = Impronte(dati_->cartellaDati());
        QString errori;
        const int uscito = Esegui(comando, &errori);
        const auto dopo = Impronte(dati_->cartellaDati());
        unlink(rw + "/Prove \xff.mdb");
        QCOMPARE(uscito, stato);
        QCOMPARE(dopo, prima);
        const bool scrive = stato == 0 && comando[0] == "zelmar-esporta" && comando[1] != "--help";
        const QString scritto = !scrive ? errori
                                : comando[1] == "--pdf"
                                    ? TestoPdf::Testo(comando[2])
                                    : QString::fromUtf8(TestSupport::Contenuto(comando[2]));
        QVERIFY2(scritto.contains(atteso), qPrintable(errori + scritto));
        QVERIFY(scrive ||
                (!QFile::exists(uscita.filePath("a.pdf")) && !QFile::exists(uscita.filePath("a.csv"))));
        QVERIFY(!scrive || comando[1] != "--pdf" || TestoPdf::Pagine(comando[2]) == 1);
    }

    // The sheet of the installed program, whose Zelmar.ini the environment names (not the one
    // in its program folder): texts, numbers and dates in that language, not the system's (C).
    void SchedaNellaLinguaDelleImpostazioni()
    {
        dati_->scriviIni("English", dati_->cartellaDati());
        QTemporaryDir uscita;
        QVERIFY(TestSupport::Scrivi(uscita.filePath("Zelmar.ini"), "[Configurazione]\nLingua=Italiano\n"));
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert("LC_ALL", "C");
        ambiente.insert("ZELMARTEK_CARTELLA_PROGRAMMA", dati_->cartellaProgramma());
        ambiente.insert("ZELMARTEK_INI", uscita.filePath("Zelmar.ini"));
        QCOMPARE(Esegui({"zelmar-esporta", "--pdf", uscita.filePath("a.pdf"), file_, "Rw_laboratorio", Muro},
                        nullptr, ambiente),
                 0);
        const QString testo = TestoPdf::Testo(uscita.filePath("a.pdf"));
        for (const QString& atteso :
             QStringList{"05/03/2010", "39,5", "10,08", QDate::currentDate().toString("dd/MM/yyyy")})
            QVERIFY2(testo.contains(atteso), qPrintable(atteso + "\n---\n" + testo));
    }

    // Values that cross exactly (there and back, the same rows), and values the other side
    // cannot hold as they are: refused naming the table, the entry and the column, nothing written.
    void ValoriDellaCopia_data()
    {
        QTest::addColumn<QString>("sqlFile");
        QTest::addColumn<QString>("sqlServer"); // run on the server's copy before it is copied back
        QTest::addColumn<QString>("atteso");    // empty: the round trip gives the same rows
        const QString rw = "UPDATE Rw_laboratorio SET ", dove = " WHERE \"Nome\" = '" + Muro + "'";
        // clang-format off
        QTest::newRow("exact values") << rw + "Descrizione = 'a\tb\\c\r\nà€😀', \"Rw (dB)\" = 0.1, \"C (dB)\" = -0.0, \"Ctr (dB)\" = 4.9e-324, \"Eta int\" = 1.7976931348623157e308" + dove << "" << "";
        QTest::newRow("bytes in a text column") << rw + "Descrizione = x'414243'" + dove << "" << "\u00abDescrizione\u00bb";
        QTest::newRow("text not UTF-8") << rw + "Descrizione = CAST(x'ff41' AS TEXT)" + dove << "" << "\u00abDescrizione\u00bb";
        QTest::newRow("infinite rating") << rw + "\"Rw (dB)\" = 9e999" + dove << "" << "\u00abRw (dB)\u00bb";
        QTest::newRow("text in a numeric column") << rw + "\"Rw (dB)\" = 'abc'" + dove << "" << "\u00abRw (dB)\u00bb";
        QTest::newRow("infinite on the server") << "" << rw + "\"Rw (dB)\" = 'Infinity'" + dove << "\u00abRw (dB)\u00bb";
        // clang-format on
    }
    void ValoriDellaCopia()
    {
        QFETCH(QString, sqlFile);
        QFETCH(QString, sqlServer);
        QFETCH(QString, atteso);
        const QString copia = file_ + ".copia";
        QCOMPARE(TestSupport::AltraConnessione(file_).Esegui(sqlFile.toUtf8()), 0);
        const auto prima = Impronte(dati_->cartellaDati());
        const bool rifiutatoDalFile = sqlServer.isEmpty() && !atteso.isEmpty();
        QString errori;
        QCOMPARE(Esegui({"zelmar-condividi", "--verso-server", file_, conninfo_}, &errori),
                 rifiutatoDalFile ? 1 : 0);
        server_->Esegui(sqlServer.replace("Rw_laboratorio", TabellaServer(conninfo_)));
        if (rifiutatoDalFile)
            QCOMPARE(server_->Esegui(Impronta(conninfo_)), "0");
        else
            QCOMPARE(Esegui({"zelmar-condividi", "--verso-file", conninfo_, copia}, &errori),
                     atteso.isEmpty() ? 0 : 1);
        QVERIFY(atteso.isEmpty() ? FotografiaDatabase::Righe(copia) == FotografiaDatabase::Righe(file_)
                                 : !QFile::exists(copia));
        QVERIFY2(errori.contains(atteso) && (atteso.isEmpty() || errori.contains(Muro)), qPrintable(errori));
        QFile::remove(copia);
        QCOMPARE(Impronte(dati_->cartellaDati()), prima);
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
        const QString copia = file_ + ".copia";
        QCOMPARE(TestSupport::AltraConnessione(file_).Esegui(
                     "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
                     "FROM n WHERE i < 100000) INSERT INTO Rw_laboratorio "
                     "(Nome, Descrizione) SELECT i, hex(randomblob(80)) FROM n"),
                 0);
        QCOMPARE(Esegui({"zelmar-condividi", "--verso-server", file_, conninfo_}), 0);
        const QString prima = server_->Esegui(Impronta(conninfo_));
        const QStringList comando =
            versoFile ? QStringList{"zelmar-condividi", "--verso-file", conninfo_, copia}
                      : QStringList{"zelmar-condividi", "--sostituisci", "--verso-server", file_, conninfo_};
        const QString copiaInCorso =
            "SELECT count(*) FROM pg_stat_activity WHERE state = 'active' AND query LIKE 'COPY%'";
        QProcess copiatore;
        copiatore.start(QStringLiteral(ZELMAR_STRUMENTI "/zelmar-condividi"), comando.mid(1));
        QVERIFY(copiatore.waitForStarted());
        for (int i = 0; i < 6000 && !copiatore.waitForFinished(10); ++i) {
            const QStringList temporanei =
                QDir(dati_->percorsoDatabase("")).entryList({".*.tmp"}, QDir::Hidden | QDir::Files);
            if (versoFile ? !temporanei.isEmpty() : server_->Esegui(copiaInCorso) == "1")
                break;
        }
        QVERIFY(copiatore.state() == QProcess::Running);
        ::kill(pid_t(copiatore.processId()), SIGKILL);
        copiatore.waitForFinished();
        for (int i = 0; i < 3000 && server_->Esegui(copiaInCorso) != "0"; ++i)
            QThread::msleep(10);
        QVERIFY(!QFile::exists(copia));
        QCOMPARE(server_->Esegui(Impronta(conninfo_)), prima);
        QCOMPARE(Esegui(comando), 0);
        QVERIFY(versoFile ? FotografiaDatabase::Righe(copia) == FotografiaDatabase::Righe(file_)
                          : server_->Esegui(Impronta(conninfo_)) == prima);
    }
};

QTEST_GUILESS_MAIN(TestStrumentiOstili)
#include "TestStrumentiOstili.moc"
