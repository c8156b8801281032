// Checks of the data the build produces: the demo data folder that Zelmar.ini points at, the
// test data folders, the message catalogue and the program's pictures. The files are read
// with SQLite directly and once more through the program's storage layer.

#include "Categorie.h"
#include "DBEngine.h"
#include "DbException.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <sqlite3.h>

namespace {

const QString Simbolo66 = QStringLiteral("senza");

QString CartellaDemo()
{
    return QStringLiteral(ZELMAR_DEMO_DIR);
}
QString CartellaFixture(const QString& nome)
{
    return TestSupport::CartellaFixtures() + QLatin1Char('/') + nome;
}
QString CartellaDatiDi(const QString& nome)
{
    return nome == QLatin1String("demo") ? CartellaDemo() : CartellaFixture(nome);
}
QString CartellaImmagini()
{
    return TestSupport::CartellaProgrammaCostruita() + QStringLiteral("/immagine");
}

// ---------------------------------------------------------------------------------------
// The stored layout the program relies on, written out in full.
// ---------------------------------------------------------------------------------------

const QStringList kDescrittive{
    "Nome",       "Parola chiave", "Descrizione",         "Certificato",
    "Data Prova", "Ente di prova", "Società richiedente", "Informazione addizionale",
    "Immagine",
};
const QStringList kSuffissiBande{
    "50Hz (dB)",   "63Hz (dB)",   "80Hz (dB)",   "100Hz (dB)",  "125Hz (dB)",  "160Hz (dB)",  "200Hz (dB)",
    "250Hz (dB)",  "315Hz (dB)",  "400Hz (dB)",  "500Hz (dB)",  "630Hz (dB)",  "800Hz (dB)",  "1000Hz (dB)",
    "1250Hz (dB)", "1600Hz (dB)", "2000Hz (dB)", "2500Hz (dB)", "3150Hz (dB)", "4000Hz (dB)", "5000Hz (dB)",
};

QStringList Bande(const QString& prefisso)
{
    QStringList nomi;
    for (const QString& s : kSuffissiBande)
        nomi << prefisso + QStringLiteral(" - ") + s;
    return nomi;
}

QStringList ColonneAttese(int codice)
{
    const QStringList teoriche{"Nome", "Descrizione", "Immagine"};
    switch (codice) {
    case catRwLaboratorio:
        return kDescrittive + QStringList{"m' (kg/m²)", "s (mm)",  "Area (m²)", "fc (Hz)",
                                          "Eta int",    "Rw (dB)", "C (dB)",    "Ctr (dB)"} +
               Bande("R");
    case catRwInOpera:
        return kDescrittive +
               QStringList{"Cantiere",         "m' (kg/m²)", "s (mm)", "Area (m²)", "V ricevente (m³)",
                           "V emittente (m³)", "Rw (dB)",    "C (dB)", "Ctr (dB)"} +
               Bande("R");
    case catDRwLaboratorio:
        return kDescrittive + QStringList{"m' (kg/m²)", "s (mm)", "DRw (dB)", "C (dB)", "Ctr (dB)"} +
               Bande("DRi");
    case catLnwLaboratorio:
        return kDescrittive + QStringList{"m' (kg/m²)", "s (mm)",  "fc (Hz)",        "Eta int",
                                          "Lnw (dB)",   "Ci (dB)", "Ci 50_5000 (dB)"} +
               Bande("Ln");
    case catLnwInOpera:
        return kDescrittive + QStringList{"Cantiere", "m' (kg/m²)", "s (mm)",       "V ricevente (m³)",
                                          "Lnw (dB)", "Ci (dB)",    "C50_5000 (dB)"} +
               Bande("Ln");
    case catDLwLaboratorio:
        return kDescrittive + QStringList{"m' (kg/m²)", "s (mm)", "DLnw (dB)", "Ci (dB)", "Ci 50-3150 (dB)"} +
               Bande("DLn");
    case catInfissi:
        return kDescrittive +
               QStringList{"m' (kg/m²)", "s (mm)", "Area (m²)", "Rw (dB)", "C (dB)", "Ctr (dB)"} + Bande("R");
    case catDnewLaboratorio:
        return kDescrittive + QStringList{"s (mm)", "fc (Hz)", "Dnew (dB)", "C (dB)", "Ctr (dB)"} +
               Bande("Dn");
    case catRwTeorico:
        return teoriche + QStringList{"m' (kg/m²)", "s (mm)",  "Area (m²)", "fc (Hz)",
                                      "Eta int",    "Rw (dB)", "C (dB)",    "Ctr (dB)"} +
               Bande("R");
    case catLnwTeorico:
        return teoriche +
               QStringList{"m' (kg/m²)", "s (mm)", "Area (m²)", "fc (Hz)", "Eta int", "Lnw (dB)", "Ci (dB)"} +
               Bande("Ln");
    case catDRwTeorico:
        return teoriche + QStringList{"m' (kg/m²)", "s (mm)", "Area (m²)", "DRw (dB)", "C (dB)", "Ctr (dB)"} +
               Bande("R");
    default:
        return {};
    }
}

bool IsTesto(const QString& colonna)
{
    return kDescrittive.contains(colonna) || colonna == QLatin1String("Cantiere");
}

// ---------------------------------------------------------------------------------------
// Reading the files with SQLite
// ---------------------------------------------------------------------------------------

using Riga = QVariantList;

class FileSqlite
{
public:
    explicit FileSqlite(const QString& percorso)
    {
        if (sqlite3_open_v2(QFile::encodeName(percorso).constData(), &db_, SQLITE_OPEN_READONLY, nullptr) !=
            SQLITE_OK) {
            sqlite3_close(db_);
            db_ = nullptr;
        }
    }
    ~FileSqlite() { sqlite3_close(db_); }
    FileSqlite(const FileSqlite&) = delete;
    FileSqlite& operator=(const FileSqlite&) = delete;

    bool ok() const { return db_ != nullptr; }
    QString errore() const
    {
        return db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("not opened");
    }

    // All rows of a query; integers and reals as double, text as QString, Null as QVariant().
    // The column types ("text", "real", ...) go to tipi when asked for.
    std::vector<Riga> Righe(const QString& sql, const QVariantList& parametri = {},
                            std::vector<QStringList>* tipi = nullptr) const
    {
        std::vector<Riga> righe;
        sqlite3_stmt* s = nullptr;
        const QByteArray testo = sql.toUtf8();
        if (!db_ || sqlite3_prepare_v2(db_, testo.constData(), -1, &s, nullptr) != SQLITE_OK)
            return righe;
        for (int i = 0; i < parametri.size(); ++i) {
            const QByteArray p = parametri.at(i).toString().toUtf8();
            sqlite3_bind_text(s, i + 1, p.constData(), int(p.size()), SQLITE_TRANSIENT);
        }
        while (sqlite3_step(s) == SQLITE_ROW) {
            Riga riga;
            QStringList tipiRiga;
            for (int c = 0; c < sqlite3_column_count(s); ++c) {
                switch (sqlite3_column_type(s, c)) {
                case SQLITE_NULL:
                    riga << QVariant();
                    tipiRiga << QStringLiteral("null");
                    break;
                case SQLITE_INTEGER:
                case SQLITE_FLOAT:
                    riga << sqlite3_column_double(s, c);
                    tipiRiga << QStringLiteral("number");
                    break;
                case SQLITE_TEXT:
                    riga << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, c)));
                    tipiRiga << QStringLiteral("text");
                    break;
                default:
                    riga << QByteArray();
                    tipiRiga << QStringLiteral("blob");
                }
            }
            righe.push_back(riga);
            if (tipi)
                tipi->push_back(tipiRiga);
        }
        sqlite3_finalize(s);
        return righe;
    }

    QStringList Tabelle() const
    {
        QStringList nomi;
        for (const Riga& r :
             Righe(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT "
                                  "LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid")))
            nomi << r.at(0).toString();
        return nomi;
    }

private:
    sqlite3* db_ = nullptr;
};

QString Quota(const QString& nome)
{
    return QLatin1Char('"') + QString(nome).replace('"', "\"\"") + QLatin1Char('"');
}

// ---------------------------------------------------------------------------------------
// The tables a built data folder must hold
// ---------------------------------------------------------------------------------------

struct TabellaCostruita
{
    QString etichetta; // for the test row
    QString file;
    QString tabella;
    int codice;
    bool sperimentale; // a file of a category folder
};

QString CartellaDatabase(const QString& dati)
{
    return dati + QStringLiteral("/Databases/Database");
}

std::vector<TabellaCostruita> TabelleDi(const QString& nome)
{
    const QString database = CartellaDatabase(CartellaDatiDi(nome));
    std::vector<TabellaCostruita> tabelle;
    const QString personale = database + QStringLiteral("/Database_sperimentale.mdb");
    for (const Categoria& c : Categorie::Tutte())
        tabelle.push_back({nome + QStringLiteral(": ") + QString::fromUtf8(c.tabellaPersonale), personale,
                           QString::fromUtf8(c.tabellaPersonale), c.codice, false});
    const QString teorico = database + QStringLiteral("/Database_teorico.mdb");
    for (int codice : {catRwTeorico, catLnwTeorico, catDRwTeorico})
        tabelle.push_back({nome + QStringLiteral(": ") + Categorie::TabellaTeorica(codice), teorico,
                           Categorie::TabellaTeorica(codice), codice, false});
    for (const Categoria& c : Categorie::Tutte()) {
        const QDir cartella(database + QLatin1Char('/') + QString::fromUtf8(c.cartella));
        for (const QFileInfo& f : cartella.entryInfoList({QStringLiteral("*.mdb")}, QDir::Files, QDir::Name))
            tabelle.push_back({nome + QStringLiteral(": ") + QString::fromUtf8(c.cartella) +
                                   QLatin1Char('/') + f.fileName(),
                               f.absoluteFilePath(), f.completeBaseName(), c.codice, true});
    }
    return tabelle;
}

const QStringList kCartelleDati{"demo", "standard", "vuota"};

void RigheTabelle()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("tabella");
    QTest::addColumn<int>("codice");
    QTest::addColumn<bool>("sperimentale");
    for (const QString& nome : kCartelleDati)
        for (const TabellaCostruita& t : TabelleDi(nome))
            QTest::addRow("%s", qPrintable(t.etichetta)) << t.file << t.tabella << t.codice << t.sperimentale;
}

std::vector<Riga> Voci(const QString& file, const QString& tabella, const QStringList& colonne)
{
    QStringList quotate;
    for (const QString& c : colonne)
        quotate << Quota(c);
    return FileSqlite(file).Righe(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                                      .arg(quotate.join(QStringLiteral(", ")), Quota(tabella)));
}

bool IsImmagine(const QString& percorso)
{
    QImageReader lettore(percorso);
    return lettore.canRead() && !lettore.read().isNull();
}

// Message catalogue of a data folder, message 1 first.
std::vector<Riga> Catalogo(const QString& dati)
{
    return FileSqlite(dati + QStringLiteral("/Databases/InterfMess.mdb"))
        .Righe(QStringLiteral("SELECT Italiano, English FROM GESTIONEDB ORDER BY rowid"));
}

} // namespace

class TestShippedData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void iniPuntaAllaCartellaDemo();

    void colonneDelleTabelle_data() { RigheTabelle(); }
    void colonneDelleTabelle();
    void indiceNome_data() { RigheTabelle(); }
    void indiceNome();
    void fileSperimentaleConLaSuaTabella_data() { RigheTabelle(); }
    void fileSperimentaleConLaSuaTabella();
    void valoriNellaFormaDelleColonne_data() { RigheTabelle(); }
    void valoriNellaFormaDelleColonne();
    void immaginiDelleVoci_data() { RigheTabelle(); }
    void immaginiDelleVoci();
    void motoreDelProgrammaTrovaOgniVoce_data() { RigheTabelle(); }
    void motoreDelProgrammaTrovaOgniVoce();

    void catalogo_data();
    void catalogo();
    void catalogoUgualeInOgniCartella();

    void cartelleImmaginiDelProgramma();
    void cartelleCategorie_data();
    void cartelleCategorie();

    void fixtureStandardContenutiNoti();
    void fixtureVuotaSenzaVoci();
    void demoConVociInOgniCategoria();
};

void TestShippedData::initTestCase()
{
    TestSupport::PreparaAmbiente();
    QVERIFY2(!TestSupport::CartellaFixtures().isEmpty(), "ZELMAR_FIXTURES not set");
    QVERIFY2(!TestSupport::CartellaProgrammaCostruita().isEmpty(), "ZELMAR_PROGRAM_DIR not set");
}

void TestShippedData::iniPuntaAllaCartellaDemo()
{
    QFile ini(TestSupport::CartellaProgrammaCostruita() + QStringLiteral("/Zelmar.ini"));
    QVERIFY2(ini.open(QIODevice::ReadOnly), qPrintable(ini.fileName()));
    const QStringList righe = QString::fromUtf8(ini.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(righe.value(0).trimmed(), QStringLiteral("[Configurazione]"));
    QVERIFY(righe.contains(QStringLiteral("Lingua=Italiano")));
    QVERIFY(righe.contains(QStringLiteral("CartellaDati=") + CartellaDemo()));
    QVERIFY(QFileInfo(CartellaDemo()).isAbsolute());
    QVERIFY(QFileInfo::exists(CartellaDemo() + QStringLiteral("/Databases/InterfMess.mdb")));
}

void TestShippedData::colonneDelleTabelle()
{
    QFETCH(QString, file);
    QFETCH(QString, tabella);
    QFETCH(int, codice);
    FileSqlite db(file);
    QVERIFY2(db.ok(), qPrintable(db.errore()));
    QVERIFY2(db.Tabelle().contains(tabella), qPrintable(db.Tabelle().join(", ")));

    QStringList colonne, tipi;
    for (const Riga& r :
         db.Righe(QStringLiteral("SELECT name, type FROM pragma_table_info(?1)"), {tabella})) {
        colonne << r.at(0).toString();
        tipi << r.at(1).toString();
    }
    QCOMPARE(colonne, ColonneAttese(codice));
    for (int i = 0; i < colonne.size(); ++i)
        QVERIFY2(tipi.at(i) == (IsTesto(colonne.at(i)) ? QLatin1String("TEXT") : QLatin1String("REAL")),
                 qPrintable(colonne.at(i) + QStringLiteral(": ") + tipi.at(i)));
}

void TestShippedData::indiceNome()
{
    QFETCH(QString, file);
    QFETCH(QString, tabella);
    FileSqlite db(file);
    bool trovato = false;
    for (const Riga& indice : db.Righe(QStringLiteral("SELECT name FROM pragma_index_list(?1)"), {tabella})) {
        const auto colonne =
            db.Righe(QStringLiteral("SELECT name FROM pragma_index_info(?1)"), {indice.at(0).toString()});
        trovato =
            trovato || (colonne.size() == 1 && colonne.front().at(0).toString() == QLatin1String("Nome"));
    }
    QVERIFY2(trovato, "no index on \"Nome\" alone");
}

void TestShippedData::fileSperimentaleConLaSuaTabella()
{
    QFETCH(QString, file);
    QFETCH(QString, tabella);
    QFETCH(bool, sperimentale);
    if (!sperimentale)
        return;
    QCOMPARE(FileSqlite(file).Tabelle(), QStringList{tabella});
    QCOMPARE(QFileInfo(file).completeBaseName(), tabella);
}

void TestShippedData::valoriNellaFormaDelleColonne()
{
    QFETCH(QString, file);
    QFETCH(QString, tabella);
    QFETCH(int, codice);
    const QStringList colonne = ColonneAttese(codice);
    QStringList quotate;
    for (const QString& c : colonne)
        quotate << Quota(c);
    std::vector<QStringList> tipi;
    const auto righe = FileSqlite(file).Righe(
        QStringLiteral("SELECT %1 FROM %2").arg(quotate.join(", "), Quota(tabella)), {}, &tipi);
    const QRegularExpression data(QStringLiteral("^[1-9][0-9]?/[1-9][0-9]?/[0-9]{4}$"));
    const QStringList obbligatorie =
        Categorie::IsTeorico(codice) ? QStringList{"Nome"} : QStringList{"Nome", "Parola chiave"};
    for (size_t r = 0; r < righe.size(); ++r) {
        const QString voce = righe[r].at(0).toString();
        for (int c = 0; c < colonne.size(); ++c) {
            const QString& tipo = tipi[r].at(c);
            const QString dove = voce + QStringLiteral(" / ") + colonne.at(c) + QStringLiteral(": ") + tipo;
            if (IsTesto(colonne.at(c)))
                QVERIFY2(tipo == QLatin1String("text") || tipo == QLatin1String("null"), qPrintable(dove));
            else
                QVERIFY2(tipo == QLatin1String("number") || tipo == QLatin1String("null"), qPrintable(dove));
            if (obbligatorie.contains(colonne.at(c)))
                QVERIFY2(tipo == QLatin1String("text") && !righe[r].at(c).toString().isEmpty(),
                         qPrintable(dove));
            if (colonne.at(c) == QLatin1String("Data Prova") && tipo == QLatin1String("text"))
                QVERIFY2(data.match(righe[r].at(c).toString()).hasMatch(),
                         qPrintable(dove + QStringLiteral(" ") + righe[r].at(c).toString()));
        }
    }
}

void TestShippedData::immaginiDelleVoci()
{
    QFETCH(QString, file);
    QFETCH(QString, tabella);
    QFETCH(int, codice);
    if (codice == catDRwTeorico)
        return; // always shown with the placeholder
    const QString cartella = CartellaImmagini() + QLatin1Char('/') + Categorie::CartellaImmagini(codice);
    for (const Riga& r : Voci(file, tabella, {"Nome", "Immagine"})) {
        const QString immagine = r.at(1).toString();
        if (r.at(1).isNull() || immagine == Simbolo66)
            continue;
        const QString percorso = cartella + QLatin1Char('/') + immagine;
        QVERIFY2(QFileInfo(percorso).isFile(),
                 qPrintable(r.at(0).toString() + QStringLiteral(": ") + percorso));
        // The fixture's one damaged picture is there on purpose.
        const bool danneggiata = immagine == QLatin1String("immagine_danneggiata.jpg");
        QVERIFY2(IsImmagine(percorso) != danneggiata, qPrintable(percorso));
    }
}

void TestShippedData::motoreDelProgrammaTrovaOgniVoce()
{
    QFETCH(QString, file);
    QFETCH(QString, tabella);
    QFETCH(int, codice);
    const auto righe = Voci(file, tabella, {"Nome", ColonneAttese(codice).last()});
    try {
        auto db = DBEngine::OpenDatabase(file);
        auto rs = db->OpenRecordset(tabella);
        QCOMPARE(rs->RecordCount(), int(righe.size()));
        rs->SetIndex(QStringLiteral("Nome"));
        for (const Riga& r : righe) {
            rs->Seek(QStringLiteral("="), r.at(0).toString());
            QVERIFY2(!rs->NoMatch(), qPrintable(r.at(0).toString()));
            QCOMPARE(rs->Field(QStringLiteral("Nome")).toString(), r.at(0).toString());
            const QVariant banda = rs->Field(ColonneAttese(codice).last());
            QCOMPARE(banda.isNull(), r.at(1).isNull());
        }
        rs->Close();
        db->Close();
    } catch (const DbException& e) {
        QFAIL(qPrintable(e.Descrizione()));
    }
}

void TestShippedData::catalogo_data()
{
    QTest::addColumn<QString>("dati");
    for (const QString& nome : kCartelleDati)
        QTest::addRow("%s", qPrintable(nome)) << CartellaDatiDi(nome);
}

void TestShippedData::catalogo()
{
    QFETCH(QString, dati);
    const auto righe = Catalogo(dati);
    QVERIFY2(righe.size() >= 89, qPrintable(QString::number(righe.size())));
    auto testo = [&](int numero, int lingua) { return righe.at(numero - 1).at(lingua).toString(); };

    const QStringList simboli{"Rw", "DRw", "Lnw", "DLw", "R'w", "L'nw", "Infissi", "Piccoli elementi"};
    for (int lingua : {0, 1}) {
        for (int i = 0; i < simboli.size(); ++i)
            QCOMPARE(testo(20 + i, lingua), simboli.at(i));
        QCOMPARE(testo(12, lingua), testo(88, lingua));
        for (int n = 1; n <= 89; ++n)
            if (n != 37)
                QVERIFY2(!testo(n, lingua).trimmed().isEmpty(), qPrintable(QString::number(n)));
    }
    QCOMPARE(testo(66, 0), Simbolo66);

    // The tree tells roots apart by their captions.
    QStringList radici;
    for (int n : {19, 28, 29, 30, 31, 32, 33, 34, 35, 36})
        radici << testo(n, 0);
    QCOMPARE(radici.removeDuplicates(), 0);

    // The code appends " [dB]" to these captions itself.
    for (int n : {18, 20, 21, 22, 23, 25, 50, 51, 79, 83, 84, 85, 86, 87})
        QVERIFY2(!testo(n, 0).contains(QLatin1String("[dB]")), qPrintable(QString::number(n)));
}

void TestShippedData::catalogoUgualeInOgniCartella()
{
    const auto demo = Catalogo(CartellaDemo());
    QVERIFY(!demo.empty());
    for (const QString& nome : {QStringLiteral("standard"), QStringLiteral("vuota")}) {
        const auto altro = Catalogo(CartellaFixture(nome));
        QCOMPARE(altro.size(), demo.size());
        for (size_t i = 0; i < demo.size(); ++i)
            QCOMPARE(altro[i], demo[i]);
    }
}

void TestShippedData::cartelleImmaginiDelProgramma()
{
    QVERIFY(IsImmagine(CartellaImmagini() + QStringLiteral("/senza.jpg")));
    for (const Categoria& c : Categorie::Tutte())
        QVERIFY2(QFileInfo(CartellaImmagini() + QLatin1Char('/') + QString::fromUtf8(c.cartella)).isDir(),
                 c.cartella);
}

void TestShippedData::cartelleCategorie_data()
{
    QTest::addColumn<QString>("dati");
    QTest::addColumn<bool>("presenti");
    QTest::addRow("demo") << CartellaDemo() << true;
    QTest::addRow("standard") << CartellaFixture(QStringLiteral("standard")) << true;
    QTest::addRow("vuota") << CartellaFixture(QStringLiteral("vuota")) << false;
}

void TestShippedData::cartelleCategorie()
{
    QFETCH(QString, dati);
    QFETCH(bool, presenti);
    for (const Categoria& c : Categorie::Tutte())
        QCOMPARE(QFileInfo(CartellaDatabase(dati) + QLatin1Char('/') + QString::fromUtf8(c.cartella)).isDir(),
                 presenti);
}

void TestShippedData::fixtureStandardContenutiNoti()
{
    const QString database = CartellaDatabase(CartellaFixture(QStringLiteral("standard")));
    const QString personale = database + QStringLiteral("/Database_sperimentale.mdb");

    for (const Categoria& c : Categorie::Tutte())
        QVERIFY2(Voci(personale, QString::fromUtf8(c.tabellaPersonale), {"Nome"}).size() >= 2,
                 c.tabellaPersonale);

    const auto muri = Voci(personale, QStringLiteral("Rw_laboratorio"),
                           {"Nome", "Parola chiave", "Rw (dB)", "C (dB)", "Ctr (dB)", "Descrizione",
                            "Data Prova", "Immagine", "R - 50Hz (dB)"});
    QCOMPARE(muri.size(), size_t(4));
    QStringList parole;
    for (const Riga& r : muri)
        parole << r.at(1).toString();
    QCOMPARE(parole, (QStringList{"Laterizio", "Cartongesso", "Laterizio", "Calcestruzzo"}));
    const Riga& primo = muri.front();
    QCOMPARE(primo.at(0).toString(), QStringLiteral("Muro in laterizio 12 cm"));
    QCOMPARE(primo.mid(2, 3), (QVariantList{52.0, -1.0, -4.0}));
    QVERIFY(primo.at(5).toString().contains(QLatin1String("\r\n")));
    QCOMPARE(primo.at(6).toString(), QStringLiteral("5/3/2010"));
    QCOMPARE(primo.at(7).toString(), QStringLiteral("muro_laterizio_12.jpg"));
    QVERIFY(muri[1].at(3).isNull() && muri[1].at(4).isNull() && !muri[1].at(2).isNull());
    QVERIFY(muri[3].at(6).isNull());
    QVERIFY(muri[3].at(8).isNull());

    const QString infissi = database + QStringLiteral("/Infissi");
    QCOMPARE(QDir(infissi).entryList({QStringLiteral("*.mdb")}, QDir::Files, QDir::Name),
             (QStringList{"a.mdb", "b.mdb"}));
    const auto a = Voci(infissi + QStringLiteral("/a.mdb"), QStringLiteral("a"), {"Nome"});
    QVERIFY(a.size() >= 2);
    QCOMPARE(a[0].at(0), a[1].at(0));

    int cartelleVuote = 0, cartelleConFile = 0;
    for (const Categoria& c : Categorie::Tutte()) {
        const QDir cartella(database + QLatin1Char('/') + QString::fromUtf8(c.cartella));
        cartella.entryList({QStringLiteral("*.mdb")}, QDir::Files).isEmpty() ? ++cartelleVuote
                                                                             : ++cartelleConFile;
    }
    QVERIFY(cartelleVuote >= 1);
    QVERIFY(cartelleConFile >= 3);

    const QString teorico = database + QStringLiteral("/Database_teorico.mdb");
    for (int codice : {catRwTeorico, catLnwTeorico, catDRwTeorico}) {
        const auto voci = Voci(teorico, Categorie::TabellaTeorica(codice), {"Descrizione"});
        QVERIFY(voci.size() >= 2);
        if (codice == catRwTeorico)
            QVERIFY(voci.front().at(0).toString().contains(QLatin1String("\r\n")));
    }
}

void TestShippedData::fixtureVuotaSenzaVoci()
{
    for (const TabellaCostruita& t : TabelleDi(QStringLiteral("vuota"))) {
        QVERIFY2(!t.sperimentale, qPrintable(t.file));
        QVERIFY2(FileSqlite(t.file).Tabelle().contains(t.tabella), qPrintable(t.etichetta));
        QVERIFY2(Voci(t.file, t.tabella, {"Nome"}).empty(), qPrintable(t.etichetta));
    }
}

void TestShippedData::demoConVociInOgniCategoria()
{
    int conImmagine = 0;
    QSet<int> categorieSperimentali;
    for (const TabellaCostruita& t : TabelleDi(QStringLiteral("demo"))) {
        const auto voci = Voci(t.file, t.tabella, {"Nome", "Immagine"});
        if (t.sperimentale && !voci.empty())
            categorieSperimentali.insert(t.codice);
        for (const Riga& r : voci)
            conImmagine += r.at(1).toString() != Simbolo66 ? 1 : 0;
    }
    QVERIFY(categorieSperimentali.size() >= 4);
    QVERIFY(conImmagine >= 8);
    QVERIFY(!Voci(CartellaDatabase(CartellaDemo()) + QStringLiteral("/Database_sperimentale.mdb"),
                  QStringLiteral("Rw_laboratorio"), {"Nome"})
                 .empty());
}

QTEST_MAIN(TestShippedData)
#include "TestShippedData.moc"
