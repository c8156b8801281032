// The import of genuine Access files into the program's own engine: every table, column
// and value read back equal, the "Nome" index, the original kept as a backup never
// overwritten, a cancel that leaves every file as it was, a second run that changes nothing, damaged files
// left as they were, the report and the command-line tool.
#include "JetDiProva.h"
#include "TestSupport.h"

#include "storage/DBEngine.h"
#include "storage/jet/ImportazioneJet.h"

#include <QTest>
#include <cerrno>
#include <fcntl.h>

using EsitoFile = ImportazioneJet::EsitoFile;
using TestSupport::Contenuto;
using TestSupport::Scrivi;

// The C library's rename for this program: the next one onto the file named here fails, as a
// full disk or a crash between two renames would leave it.
static QByteArray renameFallito;
extern "C" int rename(const char* da, const char* a) noexcept
{
    if (renameFallito == a && !std::exchange(renameFallito, {}).isEmpty())
        return errno = EIO, -1;
    return ::renameat(AT_FDCWD, da, AT_FDCWD, a);
}

namespace {

// A data folder whose category folder holds copies of the shared files.
struct CartellaConJet
{
    QTemporaryDir dir;
    QString File(const QString& nome) const
    {
        return dir.filePath(QStringLiteral("Databases/Database/Infissi/") + nome);
    }
    bool Prepara(const QStringList& nomi)
    {
        bool ok = true;
        for (const QString& nome : nomi)
            ok = ok && Scrivi(File(nome), Contenuto(JetDiProva::Percorso(nome)));
        return ok;
    }
    QMap<QString, QByteArray> Istantanea() const { return TestSupport::FileSotto(dir.path()); }
};

} // namespace

class TestImportazioneJet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::PreparaAmbiente(); }

    void fileLettoUguale_data()
    {
        QTest::addColumn<QString>("nome");
        for (const QString& f : JetDiProva::File())
            QTest::newRow(qPrintable(f)) << f;
    }
    // The converted file holds what the Access file held, table for table and value for
    // value, bytes included; the original is kept byte for byte as the backup.
    void fileLettoUguale()
    {
        QFETCH(QString, nome);
        CartellaConJet dati;
        QVERIFY(dati.Prepara({nome}));
        const QString file = dati.File(nome);
        const EsitoFile esito = ImportazioneJet::ImportaFile(file);
        QVERIFY2(esito.stato == EsitoFile::Convertito, qPrintable(esito.dettaglio));
        QCOMPARE(esito.copia, file + QStringLiteral(".jet"));
        QCOMPARE(Contenuto(esito.copia), Contenuto(JetDiProva::Percorso(nome)));
        QVERIFY(!QFileInfo::exists(file + QStringLiteral(".importazione")));
        auto nuovo = DBEngine::OpenDatabase(file);
        auto jet = DBEngine::OpenDatabase(esito.copia);
        QVERIFY(!nuovo->IsReadOnlyFormat() && jet->IsReadOnlyFormat());
        QCOMPARE(nuovo->TableNames(), jet->TableNames());
        for (const QString& tabella : jet->TableNames()) {
            auto a = jet->OpenRecordset(tabella);
            auto b = nuovo->OpenRecordset(tabella);
            QCOMPARE(b->RecordCount(), a->RecordCount());
            for (; !a->Eof(); a->MoveNext(), b->MoveNext())
                for (const QString& colonna : a->FieldNames())
                    QCOMPARE(b->Field(colonna), a->Field(colonna));
        }
    }

    // Files already converted are left alone; a backup already there is never overwritten;
    // "Nome" columns get the index the seek uses.
    void secondaVoltaEBackup()
    {
        CartellaConJet dati;
        QVERIFY(dati.Prepara(JetDiProva::File()));
        const QString file = dati.File(QStringLiteral("testV1997.mdb"));
        QVERIFY(Scrivi(file + QStringLiteral(".jet"), "vecchia copia"));
        QVERIFY(JetDiProva::CopiaConColonnaNome(dati.File(QStringLiteral("Prove.mdb"))));
        // Cancelled at the first table: every file stays as it was.
        const auto prima = dati.Istantanea();
        std::atomic_bool annulla = false;
        const auto annullato = ImportazioneJet::ImportaCartella(
            dati.dir.path(), [&](int, int, const QString&, const QString&) { annulla = true; }, &annulla);
        QCOMPARE(annullato.Quanti(EsitoFile::Annullato), JetDiProva::File().size() + 1);
        QCOMPARE(dati.Istantanea(), prima);
        const auto primo = ImportazioneJet::ImportaCartella(dati.dir.path());
        QCOMPARE(primo.Quanti(EsitoFile::Convertito), JetDiProva::File().size() + 1);
        auto rs = DBEngine::OpenDatabase(dati.File(QStringLiteral("Prove.mdb")))
                      ->OpenRecordset(QStringLiteral("test"));
        rs->SetIndex(QStringLiteral("Nome"));
        rs->Seek(QStringLiteral("="), QStringLiteral("some data"));
        QCOMPARE(rs->Field(QStringLiteral("col5")), QVariant(4.0));
        rs->Close();
        QCOMPARE(Contenuto(file + QStringLiteral(".jet")), QByteArray("vecchia copia"));
        QCOMPARE(Contenuto(file + QStringLiteral(".jet.2")),
                 Contenuto(JetDiProva::Percorso(QStringLiteral("testV1997.mdb"))));
        const auto dopoPrimo = dati.Istantanea();
        const auto secondo = ImportazioneJet::ImportaCartella(dati.dir.path());
        QCOMPARE(secondo.Quanti(EsitoFile::GiaNelFormato), JetDiProva::File().size() + 1);
        QCOMPARE(dati.Istantanea(), dopoPrimo);
    }

    // A file that cannot be converted, or whose converted file cannot take its name, leaves the
    // folder as it was (a backup made by renaming the original would have taken its name), and
    // the report says which file and why (the tool's report: TestStrumentiOstili).
    void fileDanneggiatoERapporto()
    {
        CartellaConJet dati;
        QVERIFY(dati.Prepara({QStringLiteral("testV1997.mdb")}));
        QVERIFY(Scrivi(dati.File(QStringLiteral("Rotto.mdb")), "non un database"));
        const QString troncato = dati.File(QStringLiteral("Troncato.mdb"));
        QVERIFY(
            Scrivi(troncato, Contenuto(JetDiProva::Percorso(QStringLiteral("test2V2000.mdb"))).left(5000)));
        const auto prima = dati.Istantanea();
        const EsitoFile esito = ImportazioneJet::ImportaFile(troncato);
        QCOMPARE(esito.stato, EsitoFile::Errore);
        QVERIFY2(esito.dettaglio.contains(troncato), qPrintable(esito.dettaglio));
        QCOMPARE(dati.Istantanea(), prima);
        renameFallito = QFile::encodeName(dati.File(QStringLiteral("testV1997.mdb")));
        QCOMPARE(ImportazioneJet::ImportaFile(dati.File(QStringLiteral("testV1997.mdb"))).stato,
                 EsitoFile::Errore);
        QVERIFY(renameFallito.isEmpty());
        QCOMPARE(dati.Istantanea(), prima);

        QStringList avanzamento;
        const auto rapporto = ImportazioneJet::ImportaCartella(dati.dir.path(), [&](int n, int totale,
                                                                                    const QString& file,
                                                                                    const QString& tabella) {
            avanzamento
                << QStringLiteral("%1/%2 %3 %4").arg(n).arg(totale).arg(QFileInfo(file).fileName(), tabella);
        });
        QCOMPARE(avanzamento, (QStringList{"3/3 testV1997.mdb Table1", "3/3 testV1997.mdb Table2",
                                           "3/3 testV1997.mdb Table3", "3/3 testV1997.mdb Table4"}));
        QCOMPARE(rapporto.Quanti(EsitoFile::Errore), 2);
        QVERIFY(rapporto.Testo().contains(QStringLiteral("Not converted: ") +
                                          dati.File(QStringLiteral("Rotto.mdb"))));
    }
};

QTEST_GUILESS_MAIN(TestImportazioneJet)
#include "TestImportazioneJet.moc"
