// Hostile files kept from the fuzzer's runs (fuzz/corpus), read the way the fuzzer reads
// them: as the message catalogue, as a listed database, as the custom database saved
// into, for several kinds. Each must be refused or read without the program failing.
#include "EsploraFile.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestFileOstili : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::PreparaAmbiente();
        QVERIFY(radice_.isValid());
        EsploraFile::Prepara(radice_.path());
    }

    void FileLettoSenzaDanni_data()
    {
        QTest::addColumn<QString>("percorso");
        QTest::addColumn<int>("codice");
        QTest::addColumn<bool>("scritture");
        const QDir cartella(qEnvironmentVariable("ZELMAR_SOURCE_DIR") + QStringLiteral("/fuzz/corpus"));
        const QStringList file = cartella.entryList(QDir::Files, QDir::Name);
        QVERIFY(!file.isEmpty());
        for (const QString& nome : file)
            for (int codice : {1, 3, 10, 100})
                for (bool scritture : {false, true})
                    QTest::addRow("%s, tipo %d%s", qPrintable(nome), codice,
                                  scritture ? ", con scritture" : "")
                        << cartella.filePath(nome) << codice << scritture;
    }

    void FileLettoSenzaDanni()
    {
        QFETCH(QString, percorso);
        QFETCH(int, codice);
        QFETCH(bool, scritture);
        QFile file(percorso);
        QVERIFY(file.open(QIODevice::ReadOnly));
        EsploraFile::Opzioni opzioni;
        opzioni.codice = codice;
        opzioni.scritture = scritture;
        // Refusals are the storage layer's business; reaching here without a crash or a
        // stray exception is the point.
        QVERIFY(EsploraFile::Esplora(file.readAll(), opzioni) >= 0);
    }

private:
    QTemporaryDir radice_;
};

QTEST_GUILESS_MAIN(TestFileOstili)
#include "TestFileOstili.moc"
