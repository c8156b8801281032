// Configuration and paths: the INI reader, the cached language and data folder with their
// defaults, the file-existence test, and the message catalogue load on real files.
#include "TestSupport.h"

#include "app/ZelmarCommonModule.h"
#include "storage/DbException.h"
#include "storage/SqliteDatabase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using namespace ZelmarCommonModule;

namespace {

void ScriviFile(const QString& percorso, const QByteArray& contenuto)
{
    QFile file(percorso);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(contenuto), contenuto.size());
}

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

    void ScriviIni(const QByteArray& contenuto)
    {
        QDir().mkpath(Programma());
        ScriviFile(Programma() + QStringLiteral("/Zelmar.ini"), contenuto);
    }

    void ScriviConfigurazione(const QString& lingua)
    {
        ScriviIni(
            QStringLiteral("[Configurazione]\nLingua=%1\nCartellaDati=%2\n").arg(lingua, Dati()).toUtf8());
        SetCartellaProgramma(Programma());
    }

    struct Riga
    {
        const char* italiano; // nullptr: Null
        const char* inglese;
    };

    // The catalogue with one row per message, in this order.
    void CreaCatalogo(const std::vector<Riga>& righe)
    {
        const QString percorso = Dati() + QStringLiteral("/Databases/InterfMess.mdb");
        QDir().mkpath(Dati() + QStringLiteral("/Databases"));
        QFile::remove(percorso);
        auto db = SqliteDatabase::Crea(percorso);
        db->CreaTabella(QStringLiteral("GESTIONEDB"), {QStringLiteral("Italiano"), QStringLiteral("English")},
                        [](const QString&) { return false; });
        auto rs = db->OpenRecordset(QStringLiteral("GESTIONEDB"));
        for (const Riga& riga : righe) {
            rs->AddNew();
            if (riga.italiano)
                rs->SetField(QStringLiteral("Italiano"), QString::fromUtf8(riga.italiano));
            rs->SetField(QStringLiteral("English"), QString::fromUtf8(riga.inglese));
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

    void leggiIni_data()
    {
        QTest::addColumn<QByteArray>("contenuto"); // null: no file at all
        QTest::addColumn<QString>("sezione");
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QString>("atteso");
        const QString conf = QStringLiteral("Configurazione");
        const QString lingua = QStringLiteral("Lingua");
        const QString dati = QStringLiteral("CartellaDati");
        const QByteArray lungo(300, 'x');

        QTest::newRow("semplice") << QByteArray("[Configurazione]\nLingua=English\n") << conf << lingua
                                  << "English";
        QTest::newRow("maiuscole e minuscole")
            << QByteArray("[CONFIGURAZIONE]\nlingua=English\n") << "configurazione"
            << "LINGUA"
            << "English";
        QTest::newRow("spazi attorno al valore")
            << QByteArray("[Configurazione]\n  Lingua  =   English  \n") << conf << lingua << "English";
        QTest::newRow("spazi interni")
            << QByteArray("[Configurazione]\nCartellaDati = /home/a b/c \n") << conf << dati << "/home/a b/c";
        QTest::newRow("virgolette") << QByteArray("[Configurazione]\nLingua=\"English\"\n") << conf << lingua
                                    << "English";
        QTest::newRow("apici") << QByteArray("[Configurazione]\nLingua='English'\n") << conf << lingua
                               << "English";
        QTest::newRow("virgoletta sola")
            << QByteArray("[Configurazione]\nLingua=\"English\n") << conf << lingua << "\"English";
        QTest::newRow("tagliato a 254") << QByteArray("[Configurazione]\nCartellaDati=" + lungo + "\n")
                                        << conf << dati << QString(254, QLatin1Char('x'));
        QTest::newRow("file mancante") << QByteArray() << conf << lingua << "";
        QTest::newRow("sezione mancante") << QByteArray("[Altro]\nLingua=English\n") << conf << lingua << "";
        QTest::newRow("chiave mancante") << QByteArray("[Configurazione]\nAltro=1\n") << conf << lingua << "";
        QTest::newRow("chiave di un'altra sezione")
            << QByteArray("[Altro]\nLingua=English\n[Configurazione]\nCartellaDati=/d\n") << conf << lingua
            << "";
        QTest::newRow("valore vuoto")
            << QByteArray("[Configurazione]\nLingua=\nCartellaDati=/d\n") << conf << lingua << "";
        QTest::newRow("commenti")
            << QByteArray("; impostazioni\n[Configurazione]\n;Lingua=Deutsch\nLingua=English\n") << conf
            << lingua << "English";
        QTest::newRow("solo commentata")
            << QByteArray("[Configurazione]\n; Lingua=Deutsch\n") << conf << lingua << "";
        QTest::newRow("virgole e barre")
            << QByteArray("[Configurazione]\nCartellaDati=C:\\Dati\\ZELMARtek, copia\\\n") << conf << dati
            << "C:\\Dati\\ZELMARtek, copia\\";
        QTest::newRow("uguale nel valore")
            << QByteArray("[Configurazione]\nCartellaDati=/a=b\n") << conf << dati << "/a=b";
        QTest::newRow("righe di Windows")
            << QByteArray("[Configurazione]\r\nLingua=English\r\n") << conf << lingua << "English";
        QTest::newRow("prima occorrenza") << QByteArray("[Configurazione]\nLingua=English\nLingua=Deutsch\n")
                                          << conf << lingua << "English";
        QTest::newRow("firma UTF-8") << QByteArray("\xEF\xBB\xBF[Configurazione]\nLingua=Français\n") << conf
                                     << lingua << "Français";
        QTest::newRow("testo Latin-1") << QByteArray("[Configurazione]\nLingua=Fran\xE7"
                                                     "ais\n")
                                       << conf << lingua << "Français";
    }

    void leggiIni()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, sezione);
        QFETCH(QString, chiave);
        QFETCH(QString, atteso);
        const QString file = cartella_.filePath(QStringLiteral("prova.ini"));
        QFile::remove(file);
        if (!contenuto.isNull())
            ScriviFile(file, contenuto);
        QCOMPARE(LeggiIni(sezione, chiave, file), atteso);
    }

    void valoriPredefiniti_data()
    {
        QTest::addColumn<QByteArray>("ini"); // null: no Zelmar.ini
        QTest::newRow("nessun file") << QByteArray();
        QTest::newRow("valori vuoti") << QByteArray("[Configurazione]\nLingua=\nCartellaDati=\n");
        QTest::newRow("altra sezione") << QByteArray("[Altro]\nLingua=English\nCartellaDati=/d\n");
    }

    void valoriPredefiniti()
    {
        QFETCH(QByteArray, ini);
        if (!ini.isNull())
            ScriviIni(ini);
        SetCartellaProgramma(Programma());
        QCOMPARE(GetPercorsoIni(), Programma() + QStringLiteral("/Zelmar.ini"));
        QCOMPARE(GetLingua(), QStringLiteral("Italiano"));
        QCOMPARE(GetCartellaDati(), GetCartellaDocumenti() + QStringLiteral("/ZELMARtek"));
    }

    void impostazioniLetteUnaVolta()
    {
        ScriviIni("[Configurazione]\nLingua=English\nCartellaDati=/dati/a\n");
        SetCartellaProgramma(Programma());
        QCOMPARE(GetLingua(), QStringLiteral("English"));
        QCOMPARE(GetCartellaDati(), QStringLiteral("/dati/a"));
        ScriviIni("[Configurazione]\nLingua=Deutsch\nCartellaDati=/dati/b\n");
        QCOMPARE(GetLingua(), QStringLiteral("English"));
        QCOMPARE(GetCartellaDati(), QStringLiteral("/dati/a"));
        QFile::remove(Programma() + QStringLiteral("/Zelmar.ini"));
        QCOMPARE(GetLingua(), QStringLiteral("English"));
        ScriviIni("[Configurazione]\nLingua=Deutsch\nCartellaDati=/dati/b\n");
        AzzeraCache(); // as at the next start
        QCOMPARE(GetLingua(), QStringLiteral("Deutsch"));
        QCOMPARE(GetCartellaDati(), QStringLiteral("/dati/b"));
    }

    void percorsi_data()
    {
        QTest::addColumn<QString>("cartellaDati");
        QTest::addColumn<QString>("databases");
        QTest::newRow("senza separatore finale") << "/dati/x"
                                                 << "/dati/x/Databases";
        QTest::newRow("separatore finale") << "/dati/x/"
                                           << "/dati/x//Databases";
    }

    void percorsi()
    {
        QFETCH(QString, cartellaDati);
        QFETCH(QString, databases);
        ScriviIni(QStringLiteral("[Configurazione]\nCartellaDati=%1\n").arg(cartellaDati).toUtf8());
        SetCartellaProgramma(Programma());
        QCOMPARE(GetPercorsoDatabases(), databases);
        QCOMPARE(GetPercorsoMessaggi(), databases + QStringLiteral("/InterfMess.mdb"));
        QCOMPARE(GetPercorsoDatabaseSperimentale(),
                 databases + QStringLiteral("/Database/Database_sperimentale.mdb"));
        QCOMPARE(GetPercorsoDatabaseTeorico(), databases + QStringLiteral("/Database/Database_teorico.mdb"));
        QCOMPARE(GetCartellaImmagini(QStringLiteral("Infissi")),
                 Programma() + QStringLiteral("/immagine/Infissi/"));
        QCOMPARE(GetPercorsoSenzaImmagine(), Programma() + QStringLiteral("/immagine/senza.jpg"));
    }

    void esisteFile_data()
    {
        QTest::addColumn<QString>("nome"); // below the temporary folder; "" for an empty path
        QTest::addColumn<bool>("atteso");
        QTest::newRow("file vuoto") << "vuoto.mdb" << true;
        QTest::newRow("file con dati") << "pieno.mdb" << true;
        QTest::newRow("cartella") << "cartella" << false;
        QTest::newRow("mancante") << "mancante.mdb" << false;
        QTest::newRow("in cartella mancante") << "manca/vuoto.mdb" << false;
        QTest::newRow("percorso vuoto") << "" << false;
    }

    void esisteFile()
    {
        QFETCH(QString, nome);
        QFETCH(bool, atteso);
        ScriviFile(cartella_.filePath(QStringLiteral("vuoto.mdb")), QByteArray());
        ScriviFile(cartella_.filePath(QStringLiteral("pieno.mdb")), QByteArray("dati"));
        QDir().mkpath(cartella_.filePath(QStringLiteral("cartella")));
        QCOMPARE(EsisteFile(nome.isEmpty() ? QString() : cartella_.filePath(nome)), atteso);
    }

    void caricaMessaggi()
    {
        CreaCatalogo({{"Inserisci", "Insert"}, {"Modifica", "Modify"}, {nullptr, "Delete"}, {"", "Name"}});
        ScriviConfigurazione(QStringLiteral("Italiano"));
        CaricaMessaggi();
        QCOMPARE(Messaggi, QStringList({"Inserisci", "Modifica", "", ""}));
        QCOMPARE(M(1), QStringLiteral("Inserisci"));
        QCOMPARE(M(3), QString());
        QCOMPARE(M(0), QString());
        QCOMPARE(M(5), QString());

        ScriviConfigurazione(QStringLiteral("English"));
        CaricaMessaggi();
        QCOMPARE(Messaggi, QStringList({"Insert", "Modify", "Delete", "Name"}));
    }

    void ordineDelleRigheNumeraIMessaggi()
    {
        CreaCatalogo({{"primo", "first"}, {"secondo", "second"}, {"terzo", "third"}});
        {
            // The second row is taken out and stored again: it becomes the last message.
            auto db = SqliteDatabase::Apri(Dati() + QStringLiteral("/Databases/InterfMess.mdb"));
            auto rs = db->OpenRecordset(QStringLiteral("GESTIONEDB"));
            rs->MoveNext();
            rs->Delete();
            rs->AddNew();
            rs->SetField(QStringLiteral("Italiano"), QStringLiteral("secondo"));
            rs->Update();
        }
        ScriviConfigurazione(QStringLiteral("Italiano"));
        CaricaMessaggi();
        QCOMPARE(Messaggi, QStringList({"primo", "terzo", "secondo"}));
    }

    void catalogoInutilizzabile()
    {
        CreaCatalogo({{"uno", "one"}});
        ScriviConfigurazione(QStringLiteral("Italiano"));
        CaricaMessaggi();
        ScriviConfigurazione(QStringLiteral("Deutsch"));
        QCOMPARE(NumeroErrore(CaricaMessaggi), DbErrore::ElementoNonTrovato);
        QCOMPARE(Messaggi, QStringList({"uno"})); // a failed load leaves the texts as they were

        CreaCatalogo({});
        QCOMPARE(NumeroErrore(CaricaMessaggi), DbErrore::ElementoNonTrovato);

        QFile::remove(Dati() + QStringLiteral("/Databases/InterfMess.mdb"));
        QCOMPARE(NumeroErrore(CaricaMessaggi), DbErrore::FileNonTrovato);
    }
};

QTEST_GUILESS_MAIN(TestZelmarCommonModule)
#include "TestZelmarCommonModule.moc"
