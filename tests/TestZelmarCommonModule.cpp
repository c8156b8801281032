// Configuration and paths: the INI reader, the cached language and data folder with their
// defaults, the file-existence test, and the message catalogue load on real files.
#include "TestSupport.h"

#include "config/ZelmarCommonModule.h"
#include "storage/DbException.h"
#include "storage/sqlite/SqliteDatabase.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace ZelmarCommonModule;
using TestSupport::Scrivi;

class TestZelmarCommonModule : public QObject
{
    Q_OBJECT
    QTemporaryDir cartella_;

    QString Programma() const { return cartella_.filePath(QStringLiteral("programma")); }
    QString Catalogo() const { return cartella_.filePath(QStringLiteral("dati/Databases/InterfMess.mdb")); }
    void Configura(const QByteArray& ini)
    {
        QVERIFY(Scrivi(Programma() + QStringLiteral("/Zelmar.ini"), ini));
        SetCartellaProgramma(Programma());
    }
    void Lingua(const char* lingua)
    {
        Configura("[Configurazione]\nLingua=" + QByteArray(lingua) +
                  "\nCartellaDati=" + cartella_.filePath(QStringLiteral("dati")).toUtf8());
    }
    int NumeroErrore() { return TestSupport::Prova(CaricaMessaggi).numero; }

private slots:
    void initTestCase()
    {
        TestSupport::PreparaAmbiente();
        QVERIFY(QDir().mkpath(cartella_.filePath(QStringLiteral("dati/Databases"))));
    }
    void cleanup() { SetCartellaProgramma(QString()); }

    void leggiIni()
    {
        const char* righe[][3] = {
            {"[Configurazione]\nLingua=English\n", "Lingua", "English"},
            {"[CONFIGURAZIONE]\nlingua=English\n", "LINGUA", "English"},
            {"[Configurazione]\n  Lingua  =   English  \n", "Lingua", "English"},
            {"[Configurazione]\nCartellaDati = /home/a b/c \n", "CartellaDati", "/home/a b/c"},
            {"[Configurazione]\nLingua=\"English\"\n", "Lingua", "English"},
            {"[Configurazione]\nLingua='English'\n", "Lingua", "English"},
            {"[Configurazione]\nLingua=\"English\n", "Lingua", "\"English"},
            {"[Altro]\nLingua=English\n", "Lingua", ""},
            {"[Configurazione]\nAltro=1\n", "Lingua", ""},
            {"[Altro]\nLingua=English\n[Configurazione]\nCartellaDati=/d\n", "Lingua", ""},
            {"[Configurazione]\nLingua=\nCartellaDati=/d\n", "Lingua", ""},
            {"; x\n[Configurazione]\n;Lingua=Deutsch\nLingua=English\n", "Lingua", "English"},
            {"[Configurazione]\n; Lingua=Deutsch\n", "Lingua", ""},
            {"[Configurazione]\nCartellaDati=C:\\Dati\\Z, copia\\\n", "CartellaDati", "C:\\Dati\\Z, copia\\"},
            {"[Configurazione]\nCartellaDati=/a=b\n", "CartellaDati", "/a=b"},
            {"[Configurazione]\r\nLingua=English\r\n", "Lingua", "English"},
            {"[Configurazione]\nLingua=English\nLingua=Deutsch\n", "Lingua", "English"},
            {"\xEF\xBB\xBF[Configurazione]\nLingua=Fran\303\247ais\n", "Lingua", "Français"},
            {"[Configurazione]\nLingua=Fran\347ais\n", "Lingua", "Français"}}; // the last in Latin-1
        const QString file = cartella_.filePath(QStringLiteral("prova.ini"));
        for (const auto& [contenuto, chiave, atteso] : righe) {
            QVERIFY(Scrivi(file, contenuto));
            QCOMPARE(LeggiIni(QStringLiteral("Configurazione"), QLatin1String(chiave), file),
                     QString::fromUtf8(atteso));
        }
        QVERIFY(Scrivi(file, "[Configurazione]\nCartellaDati=" + QByteArray(300, 'x') + "\n"));
        QCOMPARE(LeggiIni(QStringLiteral("Configurazione"), QStringLiteral("CartellaDati"), file),
                 QString(254, 'x'));
        QFile::remove(file);
        QCOMPARE(LeggiIni(QStringLiteral("Configurazione"), QStringLiteral("Lingua"), file), QString());
    }

    // No file, empty values or another section: Italian and the documents folder. The file
    // is read once: a changed one counts from the next start.
    void impostazioni()
    {
        for (const char* ini :
             {"", "[Configurazione]\nLingua=\nCartellaDati=\n", "[Altro]\nLingua=English\n"}) {
            Configura(ini);
            QCOMPARE(GetLingua(), QStringLiteral("Italiano"));
            QCOMPARE(GetCartellaDati(), GetCartellaDocumenti() + QStringLiteral("/ZELMARtek"));
        }
        Configura("[Configurazione]\nLingua=English\nCartellaDati=/dati/a/\n");
        QCOMPARE(GetLingua() + GetCartellaDati(), QStringLiteral("English/dati/a/"));
        QVERIFY(Scrivi(Programma() + QStringLiteral("/Zelmar.ini"), "[Configurazione]\nLingua=Deutsch\n"));
        QCOMPARE(GetLingua(), QStringLiteral("English"));
        AzzeraCache(); // as at the next start
        QCOMPARE(GetLingua(), QStringLiteral("Deutsch"));
    }

    // Files, empty or not; not a folder, a missing file or an empty path.
    void esisteFile()
    {
        QVERIFY(Scrivi(cartella_.filePath(QStringLiteral("vuoto.mdb")), QByteArray()));
        QVERIFY(Scrivi(cartella_.filePath(QStringLiteral("pieno.mdb")), "dati"));
        // clang-format off
        const std::pair<const char*, bool> righe[] = {{"vuoto.mdb", true}, {"pieno.mdb", true}, {"dati", false}, {"mancante.mdb", false}, {"manca/vuoto.mdb", false}};
        // clang-format on
        for (const auto& [nome, atteso] : righe)
            QCOMPARE(EsisteFile(cartella_.filePath(QLatin1String(nome))), atteso);
        QVERIFY(!EsisteFile(QString()));
    }

    // Message n is the n-th row in the file's order, in the configured language's column;
    // Null is an empty text; a failed load leaves the texts as they were.
    void caricaMessaggi()
    {
        auto db = SqliteDatabase::Crea(Catalogo());
        db->Execute(
            QStringLiteral("CREATE TABLE GESTIONEDB (Italiano TEXT, English TEXT);"
                           "INSERT INTO GESTIONEDB VALUES ('primo', 'first'), ('secondo', 'second'),"
                           "(NULL, 'third'), ('', 'fourth');"
                           "DELETE FROM GESTIONEDB WHERE English = 'second';" // stored again: the last
                           "INSERT INTO GESTIONEDB VALUES ('secondo', NULL);"));
        db->Close();
        Lingua("Italiano");
        CaricaMessaggi();
        QCOMPARE(Messaggi, QStringList({"primo", "", "", "secondo"}));
        QCOMPARE(M(1) + M(0) + M(5), QStringLiteral("primo"));
        Lingua("English");
        CaricaMessaggi();
        QCOMPARE(Messaggi, QStringList({"first", "third", "fourth", ""}));
        Lingua("Deutsch");
        QCOMPARE(NumeroErrore(), DbErrore::ElementoNonTrovato);
        QCOMPARE(Messaggi.first(), QStringLiteral("first"));
        db = SqliteDatabase::Apri(Catalogo()); // empty, with the language still wrong
        db->Execute(QStringLiteral("DELETE FROM GESTIONEDB"));
        db->Close();
        QCOMPARE(NumeroErrore(), DbErrore::ElementoNonTrovato);
        QVERIFY(QFile::remove(Catalogo()));
        QCOMPARE(NumeroErrore(), DbErrore::FileNonTrovato);
    }
};

QTEST_GUILESS_MAIN(TestZelmarCommonModule)
#include "TestZelmarCommonModule.moc"
