// Names that come from files, databases and the user cannot reach outside their place: a
// picture name read from an entry only ever loads a file of the category's image folder,
// and a chosen picture is copied into that folder under a plain file name only.
#include "TestSupport.h"

#include "app/ZelmarCommonModule.h"
#include "browser/SceltaImmagine.h"
#include "editor/ImmagineMateriale.h"
#include "model/Categorie.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

namespace {

bool ScriviFile(const QString& percorso, const QByteArray& contenuto)
{
    return QDir().mkpath(QFileInfo(percorso).absolutePath()) && TestSupport::Scrivi(percorso, contenuto);
}

// Every file below a folder, as paths relative to it.
QStringList FileSotto(const QString& cartella)
{
    QStringList file;
    for (QDirIterator it(cartella, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
        file << QDir(cartella).relativeFilePath(it.next());
    file.sort();
    return file;
}

} // namespace

class TestNomiDaFuori : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::PreparaAmbiente(); }

    void immagineFuoriDallaCartellaNonSiCarica_data();
    void immagineFuoriDallaCartellaNonSiCarica();
    void immagineSceltaCopiataSoloColSuoNome_data();
    void immagineSceltaCopiataSoloColSuoNome();
};

void TestNomiDaFuori::immagineFuoriDallaCartellaNonSiCarica_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<bool>("caricata");
    QTest::newRow("nome semplice") << "foto.jpg" << true;
    for (const char* nome : {"../../segreto.jpg", "../segreto.jpg", "../Infissi/foto.jpg", "@/segreto.jpg",
                             "..\\..\\segreto.jpg", "sotto/foto.jpg", "..", "", "   "})
        QTest::addRow("«%s»", nome) << QString::fromUtf8(nome) << false;
    QTest::newRow("carattere nullo") << QStringLiteral("foto.jpg") + QChar(0) + QStringLiteral("../x")
                                     << false;
}

// "@" stands for the temporary folder, which is known only while the test runs.
void TestNomiDaFuori::immagineFuoriDallaCartellaNonSiCarica()
{
    QFETCH(QString, nome);
    QFETCH(bool, caricata);
    TestSupport::AmbienteDati ambiente;
    QVERIFY(ambiente.ok());
    const int codice = catRwLaboratorio;
    const QString cartella = ZelmarCommonModule::GetCartellaImmagini(Categorie::CartellaImmagini(codice));
    // A picture in its place, and pictures everywhere a hostile name could point to.
    for (const char* dove :
         {"foto.jpg", "sotto/foto.jpg", "../segreto.jpg", "../../segreto.jpg", "../Infissi/foto.jpg"})
        QVERIFY(ScriviFile(cartella + QString::fromUtf8(dove), dove));
    QVERIFY(ScriviFile(ambiente.cartellaDati() + QStringLiteral("/segreto.jpg"), "fuori"));
    nome.replace(QLatin1Char('@'), ambiente.cartellaDati());

    const QStringList candidati = SceltaImmagine::Candidati(codice, nome);
    QVERIFY(!candidati.isEmpty());
    QCOMPARE(candidati.last(), ZelmarCommonModule::GetPercorsoSenzaImmagine());
    QCOMPARE(candidati.size(), caricata ? 2 : 1);
    if (caricata)
        QCOMPARE(QFileInfo(candidati.first()).canonicalFilePath(),
                 QFileInfo(cartella + QStringLiteral("foto.jpg")).canonicalFilePath());
}

void TestNomiDaFuori::immagineSceltaCopiataSoloColSuoNome_data()
{
    QTest::addColumn<QString>("nomeFile");
    QTest::addColumn<bool>("copiato"); // into the category's image folder
    QTest::newRow("nome semplice") << "nuova.jpg" << true;
    for (const char* nome :
         {"../nuova.jpg", "../../nuova.jpg", "sotto/nuova.jpg", "@/nuova.jpg", "..", ".", ""})
        QTest::addRow("«%s»", nome) << QString::fromUtf8(nome) << false;
}

void TestNomiDaFuori::immagineSceltaCopiataSoloColSuoNome()
{
    QFETCH(QString, nomeFile);
    QFETCH(bool, copiato);
    TestSupport::AmbienteDati ambiente;
    QVERIFY(ambiente.ok());
    const QString cartellaCategoria = Categorie::CartellaImmagini(catRwLaboratorio);
    QVERIFY(!cartellaCategoria.isEmpty());
    const QString scelta = ambiente.cartellaDati() + QStringLiteral("/scelte/nuova.jpg");
    QVERIFY(ScriviFile(scelta, "immagine scelta"));
    nomeFile.replace(QLatin1Char('@'), ambiente.cartellaDati());
    const QString radice = QFileInfo(ambiente.cartellaProgramma()).absolutePath();
    const QStringList prima = FileSotto(radice);

    ImmagineMateriale::PercorsoImmagineScelta = scelta;
    ImmagineMateriale::CopiaImmagineScelta(cartellaCategoria, nomeFile);
    ImmagineMateriale::PercorsoImmagineScelta.clear();

    QStringList attesi = prima;
    if (copiato) {
        attesi << QDir(radice).relativeFilePath(QDir::cleanPath(
            ZelmarCommonModule::GetCartellaImmagini(cartellaCategoria) + QStringLiteral("nuova.jpg")));
        attesi.sort();
    }
    QCOMPARE(FileSotto(radice), attesi);
}

QTEST_MAIN(TestNomiDaFuori)
#include "TestNomiDaFuori.moc"
