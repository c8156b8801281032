// Names that come from files, databases and the user cannot reach outside their place: a
// picture name read from an entry only ever loads a file of the category's image folder,
// and a chosen picture is copied into that folder under a plain file name only, unless a
// picture of that name in other letter cases is there already.
#include "TestSupport.h"

#include "browser/immagine/SceltaImmagine.h"
#include "config/ZelmarCommonModule.h"
#include "editor/ImmagineMateriale.h"
#include "model/Categorie.h"

#include <QDir>
#include <QFile>
#include <QTest>

using TestSupport::FileSotto;
using TestSupport::Scrivi;

// In the names, "@" stands for the temporary data folder, known only while the test runs.
class TestNomiDaFuori : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::PreparaAmbiente(); }

    void immagineFuoriDallaCartellaNonSiCarica()
    {
        TestSupport::AmbienteDati ambiente;
        QVERIFY(ambiente.ok());
        const QString cartella =
            ZelmarCommonModule::GetCartellaImmagini(Categorie::CartellaImmagini(catRwLaboratorio));
        // A picture in its place, and pictures everywhere a hostile name could point to.
        for (const char* dove : {"foto.jpg", "muro..copia.jpg", "sotto/foto.jpg", "../segreto.jpg",
                                 "../../segreto.jpg", "../Infissi/foto.jpg"})
            QVERIFY(Scrivi(cartella + QString::fromUtf8(dove), dove));
        QVERIFY(Scrivi(ambiente.cartellaDati() + QStringLiteral("/segreto.jpg"), "fuori"));
        QStringList nomi{QStringLiteral("foto.jpg"), QStringLiteral("FOTO.JPG"),
                         QStringLiteral("muro..copia.jpg"),
                         QStringLiteral("foto.jpg") + QChar(0) + QStringLiteral("../x")};
        for (const char* nome : {"../../segreto.jpg", "../segreto.jpg", "../Infissi/foto.jpg",
                                 "@/segreto.jpg", "..\\..\\segreto.jpg", "sotto/foto.jpg", "..", "", "   "})
            nomi << QString::fromUtf8(nome).replace(QLatin1Char('@'), ambiente.cartellaDati());
        for (const QString& nome : nomi) {
            const QStringList candidati = SceltaImmagine::Candidati(catRwLaboratorio, nome);
            QVERIFY(!candidati.isEmpty());
            QCOMPARE(candidati.last(), ZelmarCommonModule::GetPercorsoSenzaImmagine());
            const bool foto = nomi.indexOf(nome) < 3; // the first three are names of the folder
            QVERIFY2(candidati.size() == (foto ? 2 : 1), qPrintable(nome));
        }
        QCOMPARE(
            QFileInfo(SceltaImmagine::Candidati(catRwLaboratorio, nomi.first()).first()).canonicalFilePath(),
            QFileInfo(cartella + QStringLiteral("foto.jpg")).canonicalFilePath());
    }

    void immagineSceltaCopiataSoloColSuoNome()
    {
        TestSupport::AmbienteDati ambiente;
        QVERIFY(ambiente.ok());
        const QString cartellaCategoria = Categorie::CartellaImmagini(catRwLaboratorio);
        QVERIFY(!cartellaCategoria.isEmpty());
        const QString scelta = ambiente.cartellaDati() + QStringLiteral("/scelte/nuova.jpg");
        QVERIFY(Scrivi(scelta, "immagine scelta"));
        const QString radice = QFileInfo(ambiente.cartellaProgramma()).absolutePath();
        // The plain name last: it is the one that is copied; a picture there in other letter
        // cases is not copied again.
        for (const char* nome : {"../nuova.jpg", "../../nuova.jpg", "sotto/nuova.jpg", "@/nuova.jpg", "..",
                                 ".", "", "Muro_Laterizio_12.JPG", "nuova.jpg"}) {
            QStringList attesi = FileSotto(radice).keys();
            ImmagineMateriale::PercorsoImmagineScelta = scelta;
            ImmagineMateriale::CopiaImmagineScelta(
                cartellaCategoria,
                QString::fromUtf8(nome).replace(QLatin1Char('@'), ambiente.cartellaDati()));
            ImmagineMateriale::PercorsoImmagineScelta.clear();
            if (QByteArray(nome) == "nuova.jpg") {
                attesi << QDir(radice).relativeFilePath(
                    QDir::cleanPath(ZelmarCommonModule::GetCartellaImmagini(cartellaCategoria) +
                                    QStringLiteral("nuova.jpg")));
                attesi.sort();
            }
            QVERIFY2(FileSotto(radice).keys() == attesi, nome);
        }
    }
};

QTEST_MAIN(TestNomiDaFuori)
#include "TestNomiDaFuori.moc"
