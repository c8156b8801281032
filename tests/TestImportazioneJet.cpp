// The import of genuine Access files into the program's own engine: every table, column
// and value read back equal, the "Nome" index, the original kept as a backup, a second
// run that changes nothing, and damaged files left as they were.
#include "JetDiProva.h"
#include "TestSupport.h"

#include "storage/DBEngine.h"
#include "storage/DbException.h"
#include "storage/ImportazioneJet.h"
#include "model/JetDatabase.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>

using EsitoFile = ImportazioneJet::EsitoFile;

namespace {

// A data folder whose category folders hold copies of the shared files.
struct CartellaConJet
{
    QTemporaryDir dir;
    QString Categoria() const { return dir.filePath(QStringLiteral("Databases/Database/Infissi")); }
    QString File(const QString& nome) const { return Categoria() + QLatin1Char('/') + nome; }
    bool Prepara(const QStringList& nomi)
    {
        if (!QDir().mkpath(Categoria()))
            return false;
        for (const QString& nome : nomi)
            if (!JetDiProva::Scrivi(File(nome), JetDiProva::Contenuto(JetDiProva::Percorso(nome))))
                return false;
        return true;
    }
};

// Every file below a folder with its bytes.
QMap<QString, QByteArray> Istantanea(const QString& cartella)
{
    QMap<QString, QByteArray> file;
    QDirIterator it(cartella, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString percorso = it.next();
        file.insert(QDir(cartella).relativeFilePath(percorso), JetDiProva::Contenuto(percorso));
    }
    return file;
}

QStringList DichiaratiSqlite(const QString& percorso, const QString& tabella, const char* campo)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(percorso).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* s = nullptr;
    const QByteArray sql =
        QStringLiteral("SELECT %1 FROM pragma_%2").arg(QString::fromLatin1(campo), tabella).toUtf8();
    QStringList valori;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &s, nullptr) == SQLITE_OK)
        while (sqlite3_step(s) == SQLITE_ROW)
            valori << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
    sqlite3_finalize(s);
    sqlite3_close_v2(db);
    return valori;
}

QByteArray BlobSqlite(const QString& percorso, const QString& tabella, const QString& colonna, int riga)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(percorso).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* s = nullptr;
    const QByteArray sql = QStringLiteral("SELECT \"%1\" FROM \"%2\" ORDER BY rowid LIMIT 1 OFFSET %3")
                               .arg(colonna, tabella)
                               .arg(riga)
                               .toUtf8();
    QByteArray valore;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &s, nullptr) == SQLITE_OK &&
        sqlite3_step(s) == SQLITE_ROW)
        valore = QByteArray(static_cast<const char*>(sqlite3_column_blob(s, 0)), sqlite3_column_bytes(s, 0));
    sqlite3_finalize(s);
    sqlite3_close_v2(db);
    return valore;
}

} // namespace

class TestImportazioneJet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::PreparaAmbiente(); }
    void fileLettoUguale_data();
    void fileLettoUguale();
    void indiceNome();
    void secondaVoltaNienteCambia();
    void copiaEsistenteMaiSovrascritta();
    void fileDanneggiatoLasciatoComEra();
    void rapportoPerFile();
    void strumentoDaRigaDiComando();
};

void TestImportazioneJet::fileLettoUguale_data()
{
    QTest::addColumn<QString>("nome");
    for (const QString& f : JetDiProva::File())
        QTest::newRow(qPrintable(f)) << f;
}

// The converted file holds what the Jet file held, read through the same interface;
// the original is kept byte for byte as the backup.
void TestImportazioneJet::fileLettoUguale()
{
    QFETCH(QString, nome);
    CartellaConJet dati;
    QVERIFY(dati.Prepara({nome}));
    const QString file = dati.File(nome);
    const EsitoFile esito = ImportazioneJet::ImportaFile(file);
    QVERIFY2(esito.stato == EsitoFile::Convertito, qPrintable(esito.dettaglio));
    QCOMPARE(esito.copia, file + QStringLiteral(".jet"));
    QCOMPARE(JetDiProva::Contenuto(esito.copia), JetDiProva::Contenuto(JetDiProva::Percorso(nome)));
    QVERIFY(!QFileInfo::exists(file + QStringLiteral(".importazione")));

    auto jet = JetDatabase::Apri(esito.copia);
    auto nuovo = DBEngine::OpenDatabase(file);
    QVERIFY(!nuovo->IsReadOnlyFormat());
    QCOMPARE(nuovo->TableNames(), jet->TableNames());
    for (const QString& tabella : jet->TableNames()) {
        const auto originale = jet->LeggiTabella(tabella);
        QStringList colonne;
        for (const ColonnaJet& c : originale->colonne)
            colonne << c.nome;
        QCOMPARE(DichiaratiSqlite(file, QStringLiteral("table_info('%1')").arg(tabella), "name"), colonne);
        auto rs = nuovo->OpenRecordset(tabella);
        QCOMPARE(rs->RecordCount(), static_cast<int>(originale->righe.size()));
        int r = 0;
        for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext(), ++r) {
            for (int c = 0; c < colonne.size(); ++c) {
                const QVariant atteso = originale->righe[r][c];
                if (originale->colonne[c].tipo == TipoColonnaJet::Binario && !atteso.isNull())
                    QCOMPARE(BlobSqlite(file, tabella, colonne[c], r), atteso.toByteArray());
                else
                    QCOMPARE(rs->Field(colonne[c]), atteso);
            }
        }
    }
}

void TestImportazioneJet::indiceNome()
{
    CartellaConJet dati;
    QVERIFY(dati.Prepara({}));
    const QString file = dati.File(QStringLiteral("Prove.mdb"));
    QVERIFY(JetDiProva::CopiaConColonnaNome(file));
    QCOMPARE(ImportazioneJet::ImportaFile(file).stato, EsitoFile::Convertito);
    QCOMPARE(DichiaratiSqlite(file, QStringLiteral("index_list('test')"), "name"), QStringList{"test.Nome"});
    auto db = DBEngine::OpenDatabase(file);
    auto rs = db->OpenRecordset(QStringLiteral("test"));
    rs->SetIndex(QStringLiteral("Nome"));
    rs->Seek(QStringLiteral("="), QStringLiteral("some data"));
    QVERIFY(!rs->NoMatch());
    QCOMPARE(rs->Field(QStringLiteral("col5")), QVariant(4.0));
    // A table without a "Nome" column gets no index.
    CartellaConJet altri;
    QVERIFY(altri.Prepara({QStringLiteral("testV1997.mdb")}));
    QCOMPARE(ImportazioneJet::ImportaFile(altri.File(QStringLiteral("testV1997.mdb"))).stato,
             EsitoFile::Convertito);
    QVERIFY(DichiaratiSqlite(altri.File(QStringLiteral("testV1997.mdb")),
                             QStringLiteral("index_list('Table1')"), "name")
                .isEmpty());
}

void TestImportazioneJet::secondaVoltaNienteCambia()
{
    CartellaConJet dati;
    QVERIFY(dati.Prepara(JetDiProva::File()));
    const auto primo = ImportazioneJet::ImportaCartella(dati.dir.path());
    QCOMPARE(primo.Quanti(EsitoFile::Convertito), JetDiProva::File().size());
    const auto dopoPrimo = Istantanea(dati.dir.path());
    const auto secondo = ImportazioneJet::ImportaCartella(dati.dir.path());
    QCOMPARE(secondo.Quanti(EsitoFile::GiaNelFormato), JetDiProva::File().size());
    QCOMPARE(secondo.Quanti(EsitoFile::Convertito), 0);
    QCOMPARE(Istantanea(dati.dir.path()), dopoPrimo);
}

// A backup already there (from an earlier import of a file restored since) is kept.
void TestImportazioneJet::copiaEsistenteMaiSovrascritta()
{
    CartellaConJet dati;
    const QString nome = QStringLiteral("testV1997.mdb");
    QVERIFY(dati.Prepara({nome}));
    const QString file = dati.File(nome);
    QVERIFY(JetDiProva::Scrivi(file + QStringLiteral(".jet"), "vecchia copia"));
    QVERIFY(JetDiProva::Scrivi(file + QStringLiteral(".jet.2"), "altra copia"));
    const EsitoFile esito = ImportazioneJet::ImportaFile(file);
    QCOMPARE(esito.stato, EsitoFile::Convertito);
    QCOMPARE(esito.copia, file + QStringLiteral(".jet.3"));
    QCOMPARE(JetDiProva::Contenuto(file + QStringLiteral(".jet")), QByteArray("vecchia copia"));
    QCOMPARE(JetDiProva::Contenuto(file + QStringLiteral(".jet.2")), QByteArray("altra copia"));
    QCOMPARE(JetDiProva::Contenuto(esito.copia), JetDiProva::Contenuto(JetDiProva::Percorso(nome)));
}

void TestImportazioneJet::fileDanneggiatoLasciatoComEra()
{
    CartellaConJet dati;
    QVERIFY(dati.Prepara({}));
    const QString file = dati.File(QStringLiteral("Troncato.mdb"));
    const QByteArray troncato =
        JetDiProva::Contenuto(JetDiProva::Percorso(QStringLiteral("test2V2000.mdb"))).left(5000);
    QVERIFY(JetDiProva::Scrivi(file, troncato));
    const auto prima = Istantanea(dati.dir.path());
    const EsitoFile esito = ImportazioneJet::ImportaFile(file);
    QCOMPARE(esito.stato, EsitoFile::Errore);
    QVERIFY2(esito.dettaglio.contains(file), qPrintable(esito.dettaglio));
    QCOMPARE(Istantanea(dati.dir.path()), prima);
}

void TestImportazioneJet::rapportoPerFile()
{
    CartellaConJet dati;
    QVERIFY(dati.Prepara({QStringLiteral("testV1997.mdb")}));
    QVERIFY(JetDiProva::Scrivi(dati.File(QStringLiteral("Rotto.mdb")), "non un database"));
    QStringList avanzamento;
    const auto rapporto = ImportazioneJet::ImportaCartella(
        dati.dir.path(), [&](int n, int totale, const QString& file, const QString& tabella) {
            avanzamento
                << QStringLiteral("%1/%2 %3 %4").arg(n).arg(totale).arg(QFileInfo(file).fileName(), tabella);
        });
    QCOMPARE(rapporto.file.size(), 2);
    QCOMPARE(avanzamento, (QStringList{"2/2 testV1997.mdb Table1", "2/2 testV1997.mdb Table2",
                                       "2/2 testV1997.mdb Table3", "2/2 testV1997.mdb Table4"}));
    const QString testo = rapporto.Testo();
    QVERIFY(testo.contains(QStringLiteral("Convertito: ") + dati.File(QStringLiteral("testV1997.mdb"))));
    QVERIFY(testo.contains(QStringLiteral("Non convertito: ") + dati.File(QStringLiteral("Rotto.mdb"))));
    QCOMPARE(rapporto.Quanti(EsitoFile::Errore), 1);
}

void TestImportazioneJet::strumentoDaRigaDiComando()
{
    CartellaConJet dati;
    QVERIFY(dati.Prepara({QStringLiteral("testV1997.mdb")}));
    QVERIFY(JetDiProva::Scrivi(dati.File(QStringLiteral("Rotto.mdb")), "non un database"));
    const auto esegui = [](const QStringList& argomenti, QString* uscita = nullptr) {
        QProcess strumento;
        strumento.start(QStringLiteral(ZELMAR_IMPORTJET), argomenti);
        if (!strumento.waitForFinished(60000))
            return -1;
        if (uscita)
            *uscita = QString::fromLocal8Bit(strumento.readAllStandardOutput());
        return strumento.exitCode();
    };
    QString uscita;
    QCOMPARE(esegui({dati.dir.path()}, &uscita), 1);
    QVERIFY(uscita.contains(QStringLiteral("Convertito: ") + dati.File(QStringLiteral("testV1997.mdb"))));
    QVERIFY(uscita.contains(QStringLiteral("Non convertito: ") + dati.File(QStringLiteral("Rotto.mdb"))));
    QCOMPARE(esegui({dati.File(QStringLiteral("testV1997.mdb"))}, &uscita), 0);
    QVERIFY(uscita.contains(QStringLiteral("Già nel formato del programma: ")));
    QCOMPARE(esegui({}), 2);
}

QTEST_GUILESS_MAIN(TestImportazioneJet)
#include "TestImportazioneJet.moc"
