// Hostile files kept from the fuzzer's runs (fuzz/corpus), read the way the fuzzer reads
// them: as the message catalogue, as a listed database, as the custom database saved
// into, for several kinds. Each must be refused or read without the program failing.
// The Access files among them are also converted in this process, as the reader process
// converts them: the ones that once crashed it are refused now.
#include "EsploraFile.h"
#include "TestSupport.h"
#include "storage/jet/LetturaJet.h"

#include "storage/DbException.h"

#include <QDir>
#include <QTest>

class TestFileOstili : public QObject
{
    Q_OBJECT

    QTemporaryDir radice_;
    const QDir corpus_{qEnvironmentVariable("ZELMAR_SOURCE_DIR") + QStringLiteral("/fuzz/corpus")};

private slots:
    void initTestCase()
    {
        TestSupport::PreparaAmbiente();
        EsploraFile::Prepara(radice_.path());
    }

    void FileLettoSenzaDanni_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("codice");
        QTest::addColumn<bool>("scritture");
        const QStringList file = corpus_.entryList(QDir::Files, QDir::Name);
        QVERIFY(!file.isEmpty());
        for (const QString& nome : file)
            for (int codice : {1, 3, 10, 100})
                for (bool scritture : {false, true})
                    QTest::addRow("%s, tipo %d%s", qPrintable(nome), codice,
                                  scritture ? ", con scritture" : "")
                        << nome << codice << scritture;
    }
    // Refusals are the storage layer's business; getting here without a crash or a stray
    // exception is the point.
    void FileLettoSenzaDanni()
    {
        QFETCH(QString, nome);
        QFETCH(int, codice);
        QFETCH(bool, scritture);
        QVERIFY(EsploraFile::Esplora(TestSupport::Contenuto(corpus_.filePath(nome)), {codice, scritture}) >=
                0);
    }

    void AccessConvertitoQui_data()
    {
        QTest::addColumn<QString>("nome");
        for (const QString& nome : corpus_.entryList({QStringLiteral("jet*")}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(nome)) << nome;
    }
    // A corpus file is the fuzzer's input: one byte of choices, then the file.
    void AccessConvertitoQui()
    {
        QFETCH(QString, nome);
        const QByteArray contenuto = TestSupport::Contenuto(corpus_.filePath(nome)).mid(1);
        QVERIFY(contenuto.startsWith(QByteArrayLiteral("\x00\x01\x00\x00Standard Jet DB")));
        const auto errore = TestSupport::Prova([&] { LetturaJet::Converti(contenuto, nome); });
        QVERIFY(errore.numero == 0 || errore.descrizione.contains(nome));
    }
};

QTEST_GUILESS_MAIN(TestFileOstili)
#include "TestFileOstili.moc"
