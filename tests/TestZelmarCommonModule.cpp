// Configuration and paths: the INI reader, the cached language and data folder with their
// defaults, the file-existence test, and the message catalogue load on real files.
#include "TestSupport.h"

#include "app/ZelmarCommonModule.h"
#include "model/DbException.h"
#include "model/SqliteDatabase.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <functional>

using namespace ZelmarCommonModule;
using TestSupport::Scrivi;

namespace {

int NumeroErrore(const std::function<void()>& operazione)
{
    try {
        operazione();
    } catch (const DbException& e) {
        return e.Numero();
    }
    return 0;
}

} // namespace

class TestZelmarCommonModule : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir cartella_;

    QString Programma() const { return cartella_.filePath(QStringLiteral("programma")); }
    QString Dati() const { return cartella_.filePath(QStringLiteral("dati")); }
    QString Catalogo() const { return Dati() + QStringLiteral("/Databases/InterfMess.mdb"); }

    void ScriviIni(const QByteArray& contenuto)
    {
        QDir().mkpath(Programma());
        QVERIFY(Scrivi(Programma() + QStringLiteral("/Zelmar.ini"), contenuto));
    }

    void ScriviConfigurazione(const QString& lingua)
    {
        ScriviIni(
            QStringLiteral("[Configurazione]\nLingua=%1\nCartellaDati=%2\n").arg(lingua, Dati()).toUtf8());
        SetCartellaProgramma(Programma());
    }

    // The catalogue with one row per message, Italian and English texts (nullptr: Null).
    void CreaCatalogo(const std::vector<std::pair<const char*, const char*>>& righe)
    {
        QDir().mkpath(Dati() + QStringLiteral("/Databases"));
        QFile::remove(Catalogo());
        auto db = SqliteDatabase::Crea(Catalogo());
        db->CreaTabella(QStringLiteral("GESTIONEDB"), {QStringLiteral("Italiano"), QStringLiteral("English")},
                        [](const QString&) { return false; });
        auto rs = db->OpenRecordset(QStringLiteral("GESTIONEDB"));
        for (const auto& [italiano, inglese] : righe) {
            rs->AddNew();
            if (italiano)
                rs->SetField(QStringLiteral("Italiano"), QString::fromUtf8(italiano));
            rs->SetField(QStringLiteral("English"), QString::fromUtf8(inglese));
            rs->Update();
        }
    }

private slots:
    void initTestCase()
    {
        TestSupport::PreparaAmbiente();
        QVERIFY(cartella_.isValid());
    }

    void cleanup()
    {
        QFile::remove(Programma() + QStringLiteral("/Zelmar.ini"));
        SetCartellaProgramma(QString());
    }

    void leggiIni()
    {
        const struct
        {
            QByteArray contenuto; // null: no file at all
            const char *chiave, *atteso;
        } righe[] = {
            {"[Configurazione]\nLingua=English\n", "Lingua", "English"},
            {"[CONFIGURAZIONE]\nlingua=English\n", "LINGUA", "English"},
            {"[Configurazione]\n  Lingua  =   English  \n", "Lingua", "English"},
            {"[Configurazione]\nCartellaDati = /home/a b/c \n", "CartellaDati", "/home/a b/c"},
            {"[Configurazione]\nLingua=\"English\"\n", "Lingua", "English"},
            {"[Configurazione]\nLingua='English'\n", "Lingua", "English"},
            {"[Configurazione]\nLingua=\"English\n", "Lingua", "\"English"},
            {QByteArray(), "Lingua", ""},
            {"[Altro]\nLingua=English\n", "Lingua", ""},
            {"[Configurazione]\nAltro=1\n", "Lingua", ""},
            {"[Altro]\nLingua=English\n[Configurazione]\nCartellaDati=/d\n", "Lingua", ""},
            {"[Configurazione]\nLingua=\nCartellaDati=/d\n", "Lingua", ""},
            {"; x\n[Configurazione]\n;Lingua=Deutsch\nLingua=English\n", "Lingua", "English"},
            {"[Configurazione]\n; Lingua=Deutsch\n", "Lingua", ""},
            {"[Configurazione]\nCartellaDati=C:\\Dati\\ZELMARtek, copia\\\n", "CartellaDati",
             "C:\\Dati\\ZELMARtek, copia\\"},
            {"[Configurazione]\nCartellaDati=/a=b\n", "CartellaDati", "/a=b"},
            {"[Configurazione]\r\nLingua=English\r\n", "Lingua", "English"},
            {"[Configurazione]\nLingua=English\nLingua=Deutsch\n", "Lingua", "English"},
            {"\xEF\xBB\xBF[Configurazione]\nLingua=Fran\xC3\xA7"
             "ais\n",
             "Lingua", "Français"},
            {"[Configurazione]\nLingua=Fran\xE7"
             "ais\n",
             "Lingua", "Français"}, // Latin-1
        };
        const QString file = cartella_.filePath(QStringLiteral("prova.ini"));
        for (const auto& r : righe) {
            QFile::remove(file);
            if (!r.contenuto.isNull())
                QVERIFY(Scrivi(file, r.contenuto));
            QCOMPARE(LeggiIni(QStringLiteral("Configurazione"), QLatin1String(r.chiave), file),
                     QString::fromUtf8(r.atteso));
        }
        QVERIFY(Scrivi(file, "[Configurazione]\nCartellaDati=" + QByteArray(300, 'x') + "\n"));
        QCOMPARE(LeggiIni(QStringLiteral("Configurazione"), QStringLiteral("CartellaDati"), file),
                 QString(254, 'x'));
    }

    // No file, empty values or another section: Italian and the documents folder.
    void valoriPredefiniti()
    {
        for (const QByteArray& ini : {QByteArray(), QByteArray("[Configurazione]\nLingua=\nCartellaDati=\n"),
                                      QByteArray("[Altro]\nLingua=English\nCartellaDati=/d\n")}) {
            cleanup();
            if (!ini.isNull())
                ScriviIni(ini);
            SetCartellaProgramma(Programma());
            QCOMPARE(GetLingua(), QStringLiteral("Italiano"));
            QCOMPARE(GetCartellaDati(), GetCartellaDocumenti() + QStringLiteral("/ZELMARtek"));
        }
    }

    // Read once: a changed or removed file counts from the next start.
    void impostazioniLetteUnaVolta()
    {
        ScriviIni("[Configurazione]\nLingua=English\nCartellaDati=/dati/a\n");
        SetCartellaProgramma(Programma());
        QCOMPARE(GetLingua() + GetCartellaDati(), QStringLiteral("English/dati/a"));
        ScriviIni("[Configurazione]\nLingua=Deutsch\nCartellaDati=/dati/b\n");
        QCOMPARE(GetLingua() + GetCartellaDati(), QStringLiteral("English/dati/a"));
        AzzeraCache(); // as at the next start
        QCOMPARE(GetLingua() + GetCartellaDati(), QStringLiteral("Deutsch/dati/b"));
    }

    void percorsi()
    {
        for (const char* cartella : {"/dati/x", "/dati/x/"}) {
            ScriviIni(
                QStringLiteral("[Configurazione]\nCartellaDati=%1\n").arg(QLatin1String(cartella)).toUtf8());
            SetCartellaProgramma(Programma());
            const QString databases = QLatin1String(cartella) + QStringLiteral("/Databases");
            QCOMPARE(GetPercorsoDatabases(), databases);
            QCOMPARE(GetPercorsoMessaggi(), databases + QStringLiteral("/InterfMess.mdb"));
            QCOMPARE(GetPercorsoDatabaseSperimentale(),
                     databases + QStringLiteral("/Database/Database_sperimentale.mdb"));
            QCOMPARE(GetPercorsoDatabaseTeorico(),
                     databases + QStringLiteral("/Database/Database_teorico.mdb"));
            QCOMPARE(GetCartellaImmagini(QStringLiteral("Infissi")),
                     Programma() + QStringLiteral("/immagine/Infissi/"));
            QCOMPARE(GetPercorsoSenzaImmagine(), Programma() + QStringLiteral("/immagine/senza.jpg"));
            cleanup();
        }
    }

    // Files, empty or not; not a folder, a missing file or an empty path.
    void esisteFile()
    {
        QVERIFY(Scrivi(cartella_.filePath(QStringLiteral("vuoto.mdb")), QByteArray()));
        QVERIFY(Scrivi(cartella_.filePath(QStringLiteral("pieno.mdb")), "dati"));
        QDir().mkpath(cartella_.filePath(QStringLiteral("cartella")));
        const std::pair<const char*, bool> righe[] = {{"vuoto.mdb", true},
                                                      {"pieno.mdb", true},
                                                      {"cartella", false},
                                                      {"mancante.mdb", false},
                                                      {"manca/vuoto.mdb", false}};
        for (const auto& [nome, atteso] : righe)
            QCOMPARE(EsisteFile(cartella_.filePath(QLatin1String(nome))), atteso);
        QVERIFY(!EsisteFile(QString()));
    }

    // Message n is the n-th row in the file's order, in the configured language's column;
    // Null is an empty text; a failed load leaves the texts as they were.
    void caricaMessaggi()
    {
        CreaCatalogo({{"primo", "first"}, {"secondo", "second"}, {nullptr, "third"}, {"", "fourth"}});
        {
            auto db = SqliteDatabase::Apri(Catalogo());
            auto rs = db->OpenRecordset(QStringLiteral("GESTIONEDB"));
            rs->MoveNext();
            rs->Delete(); // the second row, stored again, becomes the last message
            rs->AddNew();
            rs->SetField(QStringLiteral("Italiano"), QStringLiteral("secondo"));
            rs->Update();
        }
        ScriviConfigurazione(QStringLiteral("Italiano"));
        CaricaMessaggi();
        QCOMPARE(Messaggi, QStringList({"primo", "", "", "secondo"}));
        QCOMPARE(M(1) + M(0) + M(5), QStringLiteral("primo"));
        ScriviConfigurazione(QStringLiteral("English"));
        CaricaMessaggi();
        QCOMPARE(Messaggi, QStringList({"first", "third", "fourth", ""}));

        ScriviConfigurazione(QStringLiteral("Deutsch"));
        QCOMPARE(NumeroErrore(CaricaMessaggi), DbErrore::ElementoNonTrovato);
        QCOMPARE(Messaggi.first(), QStringLiteral("first"));
        CreaCatalogo({});
        QCOMPARE(NumeroErrore(CaricaMessaggi), DbErrore::ElementoNonTrovato);
        QFile::remove(Catalogo());
        QCOMPARE(NumeroErrore(CaricaMessaggi), DbErrore::FileNonTrovato);
    }
};

QTEST_GUILESS_MAIN(TestZelmarCommonModule)
#include "TestZelmarCommonModule.moc"
