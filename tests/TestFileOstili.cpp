// Hostile files kept from the fuzzer's runs (fuzz/corpus), read the way the fuzzer reads
// them: as the message catalogue, as a listed database, as the custom database saved
// into, for several kinds. Each must be refused or read without the program failing.
// The Access files among them are also read in this process, as the reader process reads
// them: the ones that once crashed it are refused now.
#include "EsploraFile.h"
#include "LetturaJet.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QDir Corpus()
{
    return QDir(qEnvironmentVariable("ZELMAR_SOURCE_DIR") + QStringLiteral("/fuzz/corpus"));
}

// A corpus file is the fuzzer's input: one byte of choices, then the file.
QByteArray FileDelCorpus(const QString& percorso)
{
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll().mid(1) : QByteArray();
}

} // namespace

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
        const QDir cartella = Corpus();
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

    void AccessLettoNelLettore_data()
    {
        QTest::addColumn<QString>("percorso");
        const QDir cartella = Corpus();
        for (const QString& nome : cartella.entryList({QStringLiteral("jet*")}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(nome)) << cartella.filePath(nome);
    }

    void AccessLettoNelLettore()
    {
        QFETCH(QString, percorso);
        const QByteArray contenuto = FileDelCorpus(percorso);
        QVERIFY(contenuto.startsWith(QByteArrayLiteral("\x00\x01\x00\x00Standard Jet DB")));
        const FileJetLetto letto = LetturaJet::Leggi(contenuto, percorso);
        for (const TabellaLetta& t : letto.tabelle)
            QVERIFY(t.tabella || !t.errore.isEmpty());
    }

private:
    QTemporaryDir radice_;
};

QTEST_GUILESS_MAIN(TestFileOstili)
#include "TestFileOstili.moc"
