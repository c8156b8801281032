// The save's storage sequence on real database files: name checks, finding the row,
// the ordered writes, and that a failed save leaves the file as it was.
#include "TestSupport.h"

#include "model/Categorie.h"
#include "model/DBEngine.h"
#include "model/DbException.h"
#include "model/RecordSchema.h"
#include "model/SalvataggioMateriale.h"
#include "model/SqliteDatabase.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>

using Esito = SalvataggioMateriale::Esito;

namespace {

QString Messaggio(int n)
{
    return QStringLiteral("M%1").arg(n);
}

QString TabellaDi(int codice)
{
    return QString::fromUtf8(Categorie::PerCodice(codice)->tabellaPersonale);
}

// The custom database with the eight category tables, all empty.
void CreaDatabasePersonale(const QString& percorso)
{
    auto db = SqliteDatabase::Crea(percorso);
    for (const Categoria& c : Categorie::Tutte())
        db->CreaTabellaMateriale(QString::fromUtf8(c.tabellaPersonale),
                                 RecordSchema::ColonneTabella(c.codice));
    db->Close();
}

// Distinct texts for every editor box, so that a value in the wrong column shows.
QHash<QString, QString> CaselleTipiche(const QString& nome)
{
    QHash<QString, QString> c{
        {QStringLiteral("Text15"), nome},
        {QStringLiteral("Combo1"), QStringLiteral("Laterizio")},
        {QStringLiteral("Text3"), QStringLiteral("Muro in laterizio intonacato")},
        {QStringLiteral("Text4"), QStringLiteral("CERT-12/2010")},
        {QStringLiteral("MonthView1"), QStringLiteral("5/3/2010")},
        {QStringLiteral("Text6"), QStringLiteral("Istituto Prove Valdorsa")},
        {QStringLiteral("Text7"), QStringLiteral("Società Alfa")},
        {QStringLiteral("Text8"), QStringLiteral("Note di prova")},
        {QStringLiteral("Text9"), QStringLiteral("muro 1.jpg")},
        {QStringLiteral("Text16"), QStringLiteral("Cantiere di Milano")},
        {QStringLiteral("Text10"), QStringLiteral("101,5")},
        {QStringLiteral("Text11"), QStringLiteral("102")},
        {QStringLiteral("Text12"), QStringLiteral("10,5")},
        {QStringLiteral("Text13"), QStringLiteral("104,5")},
        {QStringLiteral("Text14"), QStringLiteral("0,01")},
        {QStringLiteral("Text2(21)"), QStringLiteral("52,5")},
        {QStringLiteral("Text2(22)"), QStringLiteral("-1")},
        {QStringLiteral("Text2(23)"), QStringLiteral("-4")},
    };
    for (int i = 0; i < RecordSchema::NumeroBande; ++i)
        c.insert(QStringLiteral("Text2(%1)").arg(i), QString::number(30 + i) + QStringLiteral(",5"));
    return c;
}

SalvataggioMateriale::Richiesta Richiesta(const QString& percorso, int codice,
                                          const QHash<QString, QString>& caselle, bool modifica = false,
                                          const QString& selezionato = QString())
{
    SalvataggioMateriale::Richiesta r;
    r.percorsoDatabase = percorso;
    r.tabella = TabellaDi(codice);
    r.modifica = modifica;
    r.nome = caselle.value(QStringLiteral("Text15"));
    r.nomeSelezionato = selezionato;
    r.scritture = SalvataggioMateriale::ScrittureCategoria(
        codice, [&](const QString& casella) { return caselle.value(casella); }, Messaggio);
    return r;
}

// Every column of the entry, or an empty map when no entry carries the name.
QVariantMap LeggiRiga(const QString& percorso, const QString& tabella, const QString& nome)
{
    auto db = DBEngine::OpenDatabase(percorso);
    auto rs = db->OpenRecordset(tabella);
    rs->SetIndex(QStringLiteral("Nome"));
    rs->Seek(QStringLiteral("="), nome);
    QVariantMap riga;
    if (!rs->NoMatch())
        for (const Categoria& c : Categorie::Tutte())
            if (QString::fromUtf8(c.tabellaPersonale) == tabella)
                for (const QString& colonna : RecordSchema::ColonneTabella(c.codice))
                    riga.insert(colonna, rs->Field(colonna));
    rs->Close();
    db->Close();
    return riga;
}

QStringList NomiInTabella(const QString& percorso, const QString& tabella)
{
    auto db = DBEngine::OpenDatabase(percorso);
    auto rs = db->OpenRecordset(tabella);
    QStringList nomi;
    for (; !rs->Eof(); rs->MoveNext())
        nomi << rs->Field(QStringLiteral("Nome")).toString();
    rs->Close();
    db->Close();
    return nomi;
}

QByteArray Contenuto(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Records the marks, "+X" when X starts being written and "-X" when it is done.
class Registro : public SalvataggioMateriale::Osservatore
{
public:
    QStringList eventi;
    void InizioScrittura(const QString& m) override { eventi << QLatin1Char('+') + m; }
    void FineScrittura(const QString& m) override { eventi << QLatin1Char('-') + m; }
};

// Another program holding a write transaction on the file.
class AltraConnessione
{
public:
    explicit AltraConnessione(const QString& percorso)
    {
        sqlite3_open_v2(percorso.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
        ok_ = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~AltraConnessione()
    {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db_);
    }
    bool ok() const { return ok_; }

private:
    sqlite3* db_ = nullptr;
    bool ok_ = false;
};

} // namespace

class TestSalvataggioMateriale : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::PreparaAmbiente(); }
    void init();

    void nuovoMateriale_data();
    void nuovoMateriale();
    void primoMaterialeDiTabellaVuota();
    void nomeVuoto();
    void fileMancanteSegnalatoPrimaDelNome();
    void duplicatoInAltroCasoRifiutato();
    void modificaConIlProprioNomeInAltroCaso();
    void modificaConIlNomeDiUnAltro();
    void rinominaTrovaIlVecchioNome();
    void materialeDaModificareNonTrovato();
    void numeroNonValido_data();
    void numeroNonValido();
    void numeroNonValidoInModificaLasciaLaRiga();
    void colonnaMancante();
    void modificaRifiutataConFileOccupato();
    void nuovoRifiutatoConFileOccupato();
    void senzaTabellaNonScriveNulla();
    void marcatoriInOrdine();
    void contesti_data();
    void contesti();
    void dataProva_data();
    void dataProva();

private:
    QTemporaryDir dir_;
    QString percorso_;
};

void TestSalvataggioMateriale::init()
{
    percorso_ =
        dir_.filePath(QStringLiteral("Database_sperimentale_%1.mdb").arg(QTest::currentTestFunction()) +
                      QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), u'_'));
    QFile::remove(percorso_);
    CreaDatabasePersonale(percorso_);
}

// A new entry of each category: the columns whose names differ between tables get the
// right boxes' values.
void TestSalvataggioMateriale::nuovoMateriale_data()
{
    QTest::addColumn<int>("codice");
    QTest::addColumn<QString>("colonna");
    QTest::addColumn<QVariant>("atteso");

    QTest::newRow("Rw fc") << 1 << "fc (Hz)" << QVariant(104.5);
    QTest::newRow("Rw Eta") << 1 << "Eta int" << QVariant(0.01);
    QTest::newRow("Rw area") << 1 << "Area (m²)" << QVariant(10.5);
    QTest::newRow("R'w receiving room") << 2 << "V ricevente (m³)" << QVariant(104.5);
    QTest::newRow("R'w source room") << 2 << "V emittente (m³)" << QVariant(0.01);
    QTest::newRow("R'w site") << 2 << "Cantiere" << QVariant(QStringLiteral("Cantiere di Milano"));
    QTest::newRow("R'w rating") << 2 << "Rw (dB)" << QVariant(52.5);
    QTest::newRow("DRw band") << 3 << "DRi - 1000Hz (dB)" << QVariant(43.5);
    QTest::newRow("Lnw third rating") << 4 << "Ci 50_5000 (dB)" << QVariant(-4.0);
    QTest::newRow("L'nw third rating") << 5 << "C50_5000 (dB)" << QVariant(-4.0);
    QTest::newRow("L'nw band") << 5 << "Ln - 50Hz (dB)" << QVariant(30.5);
    QTest::newRow("L'nw site") << 5 << "Cantiere" << QVariant(QStringLiteral("Cantiere di Milano"));
    QTest::newRow("DLw rating") << 6 << "DLnw (dB)" << QVariant(52.5);
    QTest::newRow("DLw third rating") << 6 << "Ci 50-3150 (dB)" << QVariant(-4.0);
    QTest::newRow("windows area") << 7 << "Area (m²)" << QVariant(10.5);
    QTest::newRow("windows thickness") << 7 << "s (mm)" << QVariant(102.0);
    QTest::newRow("Dnew rating") << 10 << "Dnew (dB)" << QVariant(52.5);
    QTest::newRow("Dnew fc") << 10 << "fc (Hz)" << QVariant(104.5);
    QTest::newRow("Dnew last band") << 10 << "Dn - 5000Hz (dB)" << QVariant(50.5);
    QTest::newRow("date as text") << 1 << "Data Prova" << QVariant(QStringLiteral("5/3/2010"));
    QTest::newRow("image name") << 4 << "Immagine" << QVariant(QStringLiteral("muro 1.jpg"));
    QTest::newRow("requesting company")
        << 6 << "Società richiedente" << QVariant(QStringLiteral("Società Alfa"));
}

void TestSalvataggioMateriale::nuovoMateriale()
{
    QFETCH(int, codice);
    QFETCH(QString, colonna);
    QFETCH(QVariant, atteso);

    const Esito esito = SalvataggioMateriale::Salva(Richiesta(percorso_, codice, CaselleTipiche("Muro A")));
    QCOMPARE(esito.tipo, Esito::Ok);
    const QVariantMap riga = LeggiRiga(percorso_, TabellaDi(codice), QStringLiteral("Muro A"));
    QVERIFY(!riga.isEmpty());
    QCOMPARE(riga.value(colonna), atteso);
    // Every column of the table's set was written.
    for (auto it = riga.cbegin(); it != riga.cend(); ++it)
        QVERIFY2(!it.value().isNull(), qPrintable(it.key()));
}

void TestSalvataggioMateriale::primoMaterialeDiTabellaVuota()
{
    QVERIFY(NomiInTabella(percorso_, TabellaDi(catInfissi)).isEmpty());
    QCOMPARE(SalvataggioMateriale::Salva(Richiesta(percorso_, catInfissi, CaselleTipiche("Finestra"))).tipo,
             Esito::Ok);
    QCOMPARE(NomiInTabella(percorso_, TabellaDi(catInfissi)), QStringList{QStringLiteral("Finestra")});
}

void TestSalvataggioMateriale::nomeVuoto()
{
    const Esito esito = SalvataggioMateriale::Salva(Richiesta(percorso_, 1, CaselleTipiche(QString())));
    QCOMPARE(esito.tipo, Esito::NomeVuoto);
    QVERIFY(NomiInTabella(percorso_, TabellaDi(1)).isEmpty());
}

void TestSalvataggioMateriale::fileMancanteSegnalatoPrimaDelNome()
{
    const Esito esito = SalvataggioMateriale::Salva(
        Richiesta(dir_.filePath(QStringLiteral("manca.mdb")), 1, CaselleTipiche("")));
    QCOMPARE(esito.tipo, Esito::Errore);
    QCOMPARE(esito.numero, DbErrore::FileNonTrovato);
    QVERIFY(!esito.descrizione.isEmpty());
    QVERIFY(esito.contesto.isEmpty());
}

void TestSalvataggioMateriale::duplicatoInAltroCasoRifiutato()
{
    QCOMPARE(SalvataggioMateriale::Salva(Richiesta(percorso_, 1, CaselleTipiche("Muro A"))).tipo, Esito::Ok);
    QCOMPARE(SalvataggioMateriale::Salva(Richiesta(percorso_, 1, CaselleTipiche("MURO A"))).tipo,
             Esito::NomeDuplicato);
    QCOMPARE(NomiInTabella(percorso_, TabellaDi(1)), QStringList{QStringLiteral("Muro A")});
}

void TestSalvataggioMateriale::modificaConIlProprioNomeInAltroCaso()
{
    QCOMPARE(SalvataggioMateriale::Salva(Richiesta(percorso_, 4, CaselleTipiche("Solaio"))).tipo, Esito::Ok);
    auto caselle = CaselleTipiche("SOLAIO");
    caselle[QStringLiteral("Text2(21)")] = QStringLiteral("58");
    QCOMPARE(
        SalvataggioMateriale::Salva(Richiesta(percorso_, 4, caselle, true, QStringLiteral("Solaio"))).tipo,
        Esito::Ok);
    QCOMPARE(NomiInTabella(percorso_, TabellaDi(4)), QStringList{QStringLiteral("SOLAIO")});
    QCOMPARE(LeggiRiga(percorso_, TabellaDi(4), QStringLiteral("SOLAIO")).value("Lnw (dB)"), QVariant(58.0));
}

void TestSalvataggioMateriale::modificaConIlNomeDiUnAltro()
{
    QCOMPARE(SalvataggioMateriale::Salva(Richiesta(percorso_, 1, CaselleTipiche("Muro A"))).tipo, Esito::Ok);
    QCOMPARE(SalvataggioMateriale::Salva(Richiesta(percorso_, 1, CaselleTipiche("Muro B"))).tipo, Esito::Ok);
    const Esito esito = SalvataggioMateriale::Salva(
        Richiesta(percorso_, 1, CaselleTipiche("muro b"), true, QStringLiteral("Muro A")));
    QCOMPARE(esito.tipo, Esito::NomeDuplicato);
    QCOMPARE(NomiInTabella(percorso_, TabellaDi(1)),
             (QStringList{QStringLiteral("Muro A"), QStringLiteral("Muro B")}));
}

void TestSalvataggioMateriale::rinominaTrovaIlVecchioNome()
{
    QCOMPARE(SalvataggioMateriale::Salva(Richiesta(percorso_, 2, CaselleTipiche("Parete 1"))).tipo,
             Esito::Ok);
    QCOMPARE(SalvataggioMateriale::Salva(Richiesta(percorso_, 2, CaselleTipiche("Parete 2"))).tipo,
             Esito::Ok);
    auto caselle = CaselleTipiche("Parete rinominata");
    caselle[QStringLiteral("Text16")] = QStringLiteral("Cantiere di Torino");
    QCOMPARE(
        SalvataggioMateriale::Salva(Richiesta(percorso_, 2, caselle, true, QStringLiteral("Parete 1"))).tipo,
        Esito::Ok);
    QCOMPARE(NomiInTabella(percorso_, TabellaDi(2)),
             (QStringList{QStringLiteral("Parete rinominata"), QStringLiteral("Parete 2")}));
    QCOMPARE(LeggiRiga(percorso_, TabellaDi(2), QStringLiteral("Parete rinominata")).value("Cantiere"),
             QVariant(QStringLiteral("Cantiere di Torino")));
    QCOMPARE(LeggiRiga(percorso_, TabellaDi(2), QStringLiteral("Parete 2")).value("Cantiere"),
             QVariant(QStringLiteral("Cantiere di Milano")));
}

void TestSalvataggioMateriale::materialeDaModificareNonTrovato()
{
    QCOMPARE(SalvataggioMateriale::Salva(Richiesta(percorso_, 1, CaselleTipiche("Muro A"))).tipo, Esito::Ok);
    const Esito esito = SalvataggioMateriale::Salva(
        Richiesta(percorso_, 1, CaselleTipiche("Fantasma"), true, QStringLiteral("Fantasma")));
    QCOMPARE(esito.tipo, Esito::NonTrovato);
    QCOMPARE(NomiInTabella(percorso_, TabellaDi(1)), QStringList{QStringLiteral("Muro A")});
}

// A text the engine cannot store in a numeric column stops the save at that column.
void TestSalvataggioMateriale::numeroNonValido_data()
{
    QTest::addColumn<int>("codice");
    QTest::addColumn<QString>("casella");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("contesto");
    QTest::addColumn<QString>("marcatore");

    QTest::newRow("surface mass not a number") << 1 << "Text10"
                                               << "abc"
                                               << "M59"
                                               << "Label1(6)";
    QTest::newRow("thickness empty") << 3 << "Text11"
                                     << ""
                                     << "M60"
                                     << "Label1(7)";
    QTest::newRow("full stop under Italian settings") << 7 << "Text12"
                                                      << "10.5.1"
                                                      << "M61"
                                                      << "Label1(8)";
    QTest::newRow("source room") << 2 << "Text14"
                                 << "x"
                                 << "M64"
                                 << "Label1(10)";
    QTest::newRow("main rating") << 6 << "Text2(21)"
                                 << ""
                                 << "M77 M32"
                                 << "Text1(21)";
    QTest::newRow("third rating") << 5 << "Text2(23)"
                                  << "-"
                                  << "M77 Ci 50-5000"
                                  << "Text1(23)";
    QTest::newRow("band 125 Hz") << 10 << "Text2(4)"
                                 << "2E"
                                 << "M78 125 Hz"
                                 << "Text1(4)";
    QTest::newRow("last band") << 4 << "Text2(20)"
                               << ","
                               << "M78 5000 Hz"
                               << "Text1(20)";
}

void TestSalvataggioMateriale::numeroNonValido()
{
    QFETCH(int, codice);
    QFETCH(QString, casella);
    QFETCH(QString, testo);
    QFETCH(QString, contesto);
    QFETCH(QString, marcatore);

    const QByteArray prima = Contenuto(percorso_);
    auto caselle = CaselleTipiche("Muro A");
    caselle[casella] = testo;
    Registro registro;
    const Esito esito = SalvataggioMateriale::Salva(Richiesta(percorso_, codice, caselle), &registro);
    QCOMPARE(esito.tipo, Esito::Errore);
    QCOMPARE(esito.contesto, contesto);
    QVERIFY(!esito.descrizione.isEmpty());
    // The failing value's mark is the last event: it was never reported as done.
    QCOMPARE(registro.eventi.last(), QLatin1Char('+') + marcatore);
    QVERIFY(NomiInTabella(percorso_, TabellaDi(codice)).isEmpty());
    QCOMPARE(Contenuto(percorso_), prima);
}

void TestSalvataggioMateriale::numeroNonValidoInModificaLasciaLaRiga()
{
    QCOMPARE(SalvataggioMateriale::Salva(Richiesta(percorso_, 1, CaselleTipiche("Muro A"))).tipo, Esito::Ok);
    const QVariantMap prima = LeggiRiga(percorso_, TabellaDi(1), QStringLiteral("Muro A"));
    auto caselle = CaselleTipiche("Muro rinominato");
    caselle[QStringLiteral("Text3")] = QStringLiteral("Nuova descrizione");
    caselle[QStringLiteral("Text2(10)")] = QStringLiteral("quaranta");
    const Esito esito =
        SalvataggioMateriale::Salva(Richiesta(percorso_, 1, caselle, true, QStringLiteral("Muro A")));
    QCOMPARE(esito.tipo, Esito::Errore);
    QCOMPARE(esito.contesto, QStringLiteral("M78 500 Hz"));
    QCOMPARE(LeggiRiga(percorso_, TabellaDi(1), QStringLiteral("Muro A")), prima);
    QVERIFY(LeggiRiga(percorso_, TabellaDi(1), QStringLiteral("Muro rinominato")).isEmpty());
}

// A table that lacks one of the columns written: the save fails at that column.
void TestSalvataggioMateriale::colonnaMancante()
{
    const QString percorso = dir_.filePath(QStringLiteral("senza_eta.mdb"));
    {
        auto db = SqliteDatabase::Crea(percorso);
        QStringList colonne = RecordSchema::ColonneTabella(1);
        colonne.removeAll(QStringLiteral("Eta int"));
        db->CreaTabellaMateriale(TabellaDi(1), colonne);
        db->Close();
    }
    const Esito esito = SalvataggioMateriale::Salva(Richiesta(percorso, 1, CaselleTipiche("Muro A")));
    QCOMPARE(esito.tipo, Esito::Errore);
    QCOMPARE(esito.contesto, QStringLiteral("M63"));
    QVERIFY(NomiInTabella(percorso, TabellaDi(1)).isEmpty());
}

void TestSalvataggioMateriale::modificaRifiutataConFileOccupato()
{
    QCOMPARE(SalvataggioMateriale::Salva(Richiesta(percorso_, 1, CaselleTipiche("Muro A"))).tipo, Esito::Ok);
    const QVariantMap prima = LeggiRiga(percorso_, TabellaDi(1), QStringLiteral("Muro A"));
    {
        AltraConnessione altra(percorso_);
        QVERIFY(altra.ok());
        auto caselle = CaselleTipiche("Muro A");
        caselle[QStringLiteral("Text3")] = QStringLiteral("Cambiata");
        const Esito esito =
            SalvataggioMateriale::Salva(Richiesta(percorso_, 1, caselle, true, QStringLiteral("Muro A")));
        QCOMPARE(esito.tipo, Esito::Errore);
        QVERIFY(!esito.descrizione.isEmpty());
        QVERIFY(esito.contesto.isEmpty());
    }
    QCOMPARE(LeggiRiga(percorso_, TabellaDi(1), QStringLiteral("Muro A")), prima);
}

void TestSalvataggioMateriale::nuovoRifiutatoConFileOccupato()
{
    {
        AltraConnessione altra(percorso_);
        QVERIFY(altra.ok());
        const Esito esito = SalvataggioMateriale::Salva(Richiesta(percorso_, 1, CaselleTipiche("Muro A")));
        QCOMPARE(esito.tipo, Esito::Errore);
        QVERIFY(!esito.descrizione.isEmpty());
    }
    QVERIFY(NomiInTabella(percorso_, TabellaDi(1)).isEmpty());
}

void TestSalvataggioMateriale::senzaTabellaNonScriveNulla()
{
    const QByteArray prima = Contenuto(percorso_);
    auto richiesta = Richiesta(percorso_, 1, CaselleTipiche("Muro A"));
    richiesta.tabella.clear();
    QCOMPARE(SalvataggioMateriale::Salva(richiesta).tipo, Esito::Ok);
    QCOMPARE(Contenuto(percorso_), prima);
    QVERIFY(SalvataggioMateriale::ScrittureCategoria(
                catRwTeorico, [](const QString&) { return QString(); }, Messaggio)
                .empty());
}

// Each marked value is reported started and done, in the order of the writes; the
// site column carries no mark.
void TestSalvataggioMateriale::marcatoriInOrdine()
{
    Registro registro;
    QCOMPARE(SalvataggioMateriale::Salva(Richiesta(percorso_, 5, CaselleTipiche("Solaio")), &registro).tipo,
             Esito::Ok);
    QStringList attesi;
    for (int n : {11, 14, 12, 4, 2, 3, 13, 15, 5, 6, 7, 9})
        attesi << QStringLiteral("+Label1(%1)").arg(n) << QStringLiteral("-Label1(%1)").arg(n);
    for (int i : {21, 22, 23})
        attesi << QStringLiteral("+Text1(%1)").arg(i) << QStringLiteral("-Text1(%1)").arg(i);
    for (int i = 0; i < 21; ++i)
        attesi << QStringLiteral("+Text1(%1)").arg(i) << QStringLiteral("-Text1(%1)").arg(i);
    QCOMPARE(registro.eventi, attesi);
}

// The text naming each value in an error message.
void TestSalvataggioMateriale::contesti_data()
{
    QTest::addColumn<int>("codice");
    QTest::addColumn<QString>("colonna");
    QTest::addColumn<QString>("contesto");

    QTest::newRow("name") << 1 << "Nome"
                          << "M68";
    QTest::newRow("keyword") << 1 << "Parola chiave"
                             << "M69";
    QTest::newRow("certificate") << 1 << "Certificato"
                                 << "M70";
    QTest::newRow("date") << 1 << "Data Prova"
                          << "M71";
    QTest::newRow("testing body") << 1 << "Ente di prova"
                                  << "M72";
    QTest::newRow("company") << 1 << "Società richiedente"
                             << "M73";
    QTest::newRow("description") << 1 << "Descrizione"
                                 << "M74";
    QTest::newRow("notes") << 1 << "Informazione addizionale"
                           << "M75";
    QTest::newRow("image") << 1 << "Immagine"
                           << "M76";
    QTest::newRow("receiving room") << 2 << "V ricevente (m³)"
                                    << "M65";
    QTest::newRow("Rw") << 1 << "Rw (dB)"
                        << "M77 M20";
    QTest::newRow("Rw C") << 7 << "C (dB)"
                          << "M77 M50";
    QTest::newRow("Rw Ctr") << 2 << "Ctr (dB)"
                            << "M77 M51";
    QTest::newRow("DRw") << 3 << "DRw (dB)"
                         << "M77 M21";
    QTest::newRow("DRw Ctr") << 3 << "Ctr (dB)"
                             << "M77 M51";
    QTest::newRow("Lnw") << 4 << "Lnw (dB)"
                         << "M77 M22";
    QTest::newRow("Lnw Ci") << 4 << "Ci (dB)"
                            << "M77 Ci";
    QTest::newRow("Lnw Ci 50-5000") << 4 << "Ci 50_5000 (dB)"
                                    << "M77 Ci 50-5000";
    QTest::newRow("DLnw") << 6 << "DLnw (dB)"
                          << "M77 M32";
    QTest::newRow("DLnw Ci 50-3150") << 6 << "Ci 50-3150 (dB)"
                                     << "M77 Ci 50-3150";
    QTest::newRow("Dnew") << 10 << "Dnew (dB)"
                          << "M77 M79";
    QTest::newRow("Dnew C") << 10 << "C (dB)"
                            << "M77 C";
    QTest::newRow("Dnew Ctr") << 10 << "Ctr (dB)"
                              << "M77 Ctr";
    QTest::newRow("L'nw") << 5 << "Lnw (dB)"
                          << "M77 M21";
    QTest::newRow("L'nw C50_5000") << 5 << "C50_5000 (dB)"
                                   << "M77 Ci 50-5000";
    QTest::newRow("band 1000 Hz") << 3 << "DRi - 1000Hz (dB)"
                                  << "M78 1000 Hz";
}

void TestSalvataggioMateriale::contesti()
{
    QFETCH(int, codice);
    QFETCH(QString, colonna);
    QFETCH(QString, contesto);
    const auto scritture = SalvataggioMateriale::ScrittureCategoria(
        codice, [](const QString&) { return QString(); }, Messaggio);
    const auto it =
        std::find_if(scritture.begin(), scritture.end(),
                     [&](const SalvataggioMateriale::Scrittura& s) { return s.colonna == colonna; });
    QVERIFY(it != scritture.end());
    QVERIFY(it->contesto.has_value());
    QCOMPARE(*it->contesto, contesto);
}

void TestSalvataggioMateriale::dataProva_data()
{
    QTest::addColumn<QDate>("data");
    QTest::addColumn<QString>("testo");
    QTest::newRow("5 March 2010") << QDate(2010, 3, 5) << "5/3/2010";
    QTest::newRow("25 December 2009") << QDate(2009, 12, 25) << "25/12/2009";
    QTest::newRow("1 January 2001") << QDate(2001, 1, 1) << "1/1/2001";
}

void TestSalvataggioMateriale::dataProva()
{
    QFETCH(QDate, data);
    QFETCH(QString, testo);
    QCOMPARE(SalvataggioMateriale::TestoDataProva(data), testo);
}

QTEST_GUILESS_MAIN(TestSalvataggioMateriale)
#include "TestSalvataggioMateriale.moc"
