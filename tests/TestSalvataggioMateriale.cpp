// The save on real database files: every column of every kind written where it belongs,
// the name rules, the row found by its old name, a value the engine refuses, a file
// another program holds; a save that fails leaves the file as it was.
#include "TestSupport.h"
#include "VoceDiProva.h"

#include "model/Categorie.h"
#include "storage/DbException.h"
#include "storage/SqliteDatabase.h"

#include <QTest>
#include <sqlite3.h>

using Esito = SalvataggioMateriale::Esito;
using TestSupport::Contenuto;
using TestSupport::NomiInTabella;
using VoceDiProva::Tabella;

namespace {

// Records "+column" when a column starts being written and "-column" when it is done; with
// a file to hold, counts the writes during which another program could read that file.
class Registro : public SalvataggioMateriale::Osservatore
{
public:
    QStringList eventi;
    QString tenuto;
    int lettoDaAltri = 0;
    void InizioScrittura(const QString& c) override
    {
        eventi << QLatin1Char('+') + c;
        if (!tenuto.isEmpty() &&
            TestSupport::AltraConnessione(tenuto).Esegui("SELECT count(*) FROM sqlite_master") == SQLITE_OK)
            ++lettoDaAltri;
    }
    void FineScrittura(const QString& c) override { eventi << QLatin1Char('-') + c; }
};

} // namespace

class TestSalvataggioMateriale : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString percorso_;

    Esito Salva(int codice, const QString& nome, bool modifica = false, const QString& selezionato = {},
                const QHash<QString, QString>& cambi = {}, Registro* registro = nullptr)
    {
        auto valori = VoceDiProva::ValoriVoce(codice, nome, 3);
        valori.insert(cambi);
        return SalvataggioMateriale::Salva(
            VoceDiProva::Richiesta(percorso_, codice, valori, modifica, selezionato), registro);
    }

private slots:
    void initTestCase() { TestSupport::PreparaAmbiente(); }

    // A custom database with the eight tables, all empty.
    void init()
    {
        percorso_ =
            dir_.filePath(QStringLiteral("%1%2.mdb")
                              .arg(QTest::currentTestFunction(), QString::fromUtf8(QTest::currentDataTag())));
        auto db = SqliteDatabase::Crea(percorso_);
        for (const Categoria& c : Categorie::Tutte())
            db->CreaTabellaMateriale(QString::fromUtf8(c.tabellaPersonale),
                                     Categorie::ColonneTabella(c.codice), RecordSchema::IsNumerica);
    }

    // Each column of the kind's table holds the value given for it, and each is written
    // once, marked while it is written.
    void ogniColonnaAlSuoPosto_data()
    {
        QTest::addColumn<int>("codice");
        for (const Categoria& c : Categorie::Tutte())
            QTest::newRow(c.tabellaPersonale) << c.codice;
    }
    void ogniColonnaAlSuoPosto()
    {
        QFETCH(int, codice);
        const auto valori = VoceDiProva::ValoriVoce(codice, QStringLiteral("Muro A"), 10);
        Registro registro;
        QCOMPARE(
            SalvataggioMateriale::Salva(VoceDiProva::Richiesta(percorso_, codice, valori), &registro).tipo,
            Esito::Ok);
        QCOMPARE(TestSupport::LeggiRiga(percorso_, Tabella(codice), codice, QStringLiteral("Muro A")),
                 VoceDiProva::RigaAttesa(valori));
        QCOMPARE(registro.eventi.size(), 2 * valori.size());
        for (qsizetype i = 0; i < registro.eventi.size(); i += 2)
            QCOMPARE(registro.eventi[i + 1], QLatin1Char('-') + registro.eventi[i].mid(1));
    }

    void regoleDelNome_data()
    {
        QTest::addColumn<QStringList>("esistenti");
        QTest::addColumn<QString>("selezionato"); // modify the entry of this name; empty: a new entry
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("esito");
        QTest::addColumn<QStringList>("dopo");
        const QStringList muri{"Muro A", "Muro B"};
        QTest::newRow("nome vuoto") << muri << ""
                                    << "" << int(Esito::NomeVuoto) << muri;
        QTest::newRow("primo di una tabella vuota") << QStringList{} << ""
                                                    << "Muro" << int(Esito::Ok) << QStringList{"Muro"};
        QTest::newRow("uguale in altro caso") << muri << ""
                                              << "MURO A" << int(Esito::NomeDuplicato) << muri;
        QTest::newRow("solo l'inizio uguale") << muri << ""
                                              << "MURO" << int(Esito::Ok) << muri + QStringList{"MURO"};
        QTest::newRow("uguale con accenti") << QStringList{"città"} << ""
                                            << "CITTÀ" << int(Esito::NomeDuplicato) << QStringList{"città"};
        QTest::newRow("il proprio in altro caso")
            << muri << "Muro A"
            << "MURO A" << int(Esito::Ok) << QStringList{"MURO A", "Muro B"};
        QTest::newRow("quello di un altro") << muri << "Muro A"
                                            << "muro b" << int(Esito::NomeDuplicato) << muri;
        QTest::newRow("rinomina") << muri << "Muro B"
                                  << "Parete" << int(Esito::Ok) << QStringList{"Muro A", "Parete"};
        QTest::newRow("da modificare sparito") << muri << "Fantasma"
                                               << "Fantasma" << int(Esito::NonTrovato) << muri;
    }
    void regoleDelNome()
    {
        QFETCH(QStringList, esistenti);
        QFETCH(QString, selezionato);
        QFETCH(QString, nome);
        QFETCH(int, esito);
        QFETCH(QStringList, dopo);
        for (const QString& e : esistenti)
            QCOMPARE(Salva(catLnwInOpera, e).tipo, Esito::Ok);
        const QByteArray prima = Contenuto(percorso_);
        const QHash<QString, QString> cambio{{QStringLiteral("Cantiere"), QStringLiteral("Torino")}};
        Registro registro; // a modification holds the file for itself from the first write to the last
        registro.tenuto = selezionato.isEmpty() ? QString() : percorso_;
        QCOMPARE(int(Salva(catLnwInOpera, nome, !selezionato.isEmpty(), selezionato, cambio, &registro).tipo),
                 esito);
        QCOMPARE(registro.lettoDaAltri, 0);
        QCOMPARE(NomiInTabella(percorso_, Tabella(catLnwInOpera)), dopo);
        if (esito != int(Esito::Ok))
            QCOMPARE(Contenuto(percorso_), prima);
        else if (!selezionato.isEmpty()) // the row found by its old name holds the new values
            QCOMPARE(TestSupport::LeggiRiga(percorso_, Tabella(catLnwInOpera), catLnwInOpera, nome)
                         .value("Cantiere"),
                     QVariant(QStringLiteral("Torino")));
    }

    // A value the engine cannot store stops the save at the first such column in the
    // order of the writes: the context names it, its write never ends, nothing changes.
    void valoreRifiutato_data()
    {
        QTest::addColumn<int>("codice");
        QTest::addColumn<QString>("selezionato");
        QTest::addColumn<QStringList>("rifiutate");
        QTest::addColumn<QString>("contesto");
        QTest::addColumn<QString>("testo");
        QTest::newRow("massa") << 1 << "" << QStringList{"m' (kg/m²)"} << "M59"
                               << "";
        QTest::newRow("spessore vuoto") << 3 << "" << QStringList{"s (mm)"} << "M60"
                                        << "";
        QTest::newRow("area prima dello spessore") << 7 << "" << QStringList{"s (mm)", "Area (m²)"} << "M61"
                                                   << "x";
        QTest::newRow("sorgente prima dell'area")
            << 2 << "" << QStringList{"Area (m²)", "V emittente (m³)"} << "M64"
            << "x";
        QTest::newRow("valutazione DLw") << 6 << "" << QStringList{"DLnw (dB)"} << "M77 M32"
                                         << "";
        QTest::newRow("valutazione L'nw") << 5 << "" << QStringList{"Lnw (dB)"} << "M77 M21"
                                          << "";
        QTest::newRow("Ctr dei piccoli elementi") << 10 << "" << QStringList{"Ctr (dB)"} << "M77 Ctr"
                                                  << "";
        QTest::newRow("terza dei solai") << 4 << "" << QStringList{"Ci 50_5000 (dB)"} << "M77 Ci 50-5000"
                                         << "";
        QTest::newRow("valutazione prima delle bande")
            << 3 << "" << QStringList{"DRi - 1000Hz (dB)", "DRw (dB)"} << "M77 M21"
            << "x";
        QTest::newRow("banda in modifica") << 1 << "Muro" << QStringList{"R - 500Hz (dB)"} << "M78 500 Hz"
                                           << "";
        QTest::newRow("banda oltre la precisione singola")
            << 10 << "" << QStringList{"Dn - 50Hz (dB)"} << "M78 50 Hz"
            << "1E308";
        QTest::newRow("banda negativa oltre") << 4 << "" << QStringList{"Ln - 5000Hz (dB)"} << "M78 5000 Hz"
                                              << "-3,5E38";
        QTest::newRow("banda infinita") << 1 << "Muro" << QStringList{"R - 63Hz (dB)"} << "M78 63 Hz"
                                        << "inf";
    }
    void valoreRifiutato()
    {
        QFETCH(int, codice);
        QFETCH(QString, selezionato);
        QFETCH(QStringList, rifiutate);
        QFETCH(QString, contesto);
        QFETCH(QString, testo);
        QCOMPARE(Salva(codice, QStringLiteral("Muro")).tipo, Esito::Ok);
        const QByteArray prima = Contenuto(percorso_);
        QHash<QString, QString> cambi;
        for (const QString& colonna : rifiutate)
            cambi.insert(colonna, testo);
        Registro registro;
        const Esito esito =
            Salva(codice, QStringLiteral("Nuovo"), !selezionato.isEmpty(), selezionato, cambi, &registro);
        QCOMPARE(esito.tipo, Esito::Errore);
        QCOMPARE(esito.numero, DbErrore::ConversioneTipo);
        QCOMPARE(esito.contesto, contesto);
        QVERIFY(esito.descrizione.contains(QStringLiteral("«%1»").arg(testo)));
        QVERIFY(rifiutate.contains(registro.eventi.last().mid(1)) && registro.eventi.last().startsWith('+'));
        QCOMPARE(Contenuto(percorso_), prima);
    }

    // A table that lacks a column the save writes: the save fails at that column.
    void colonnaMancante()
    {
        const QString percorso = dir_.filePath(QStringLiteral("senza_eta.mdb"));
        QStringList colonne = Categorie::ColonneTabella(catRwLaboratorio);
        colonne.removeAll(QStringLiteral("Eta int"));
        SqliteDatabase::Crea(percorso)->CreaTabellaMateriale(Tabella(catRwLaboratorio), colonne,
                                                             RecordSchema::IsNumerica);
        auto valori = VoceDiProva::ValoriVoce(catRwLaboratorio, QStringLiteral("Muro"), 1);
        const Esito esito =
            SalvataggioMateriale::Salva(VoceDiProva::Richiesta(percorso, catRwLaboratorio, valori));
        QCOMPARE(esito.tipo, Esito::Errore);
        QCOMPARE(esito.numero, DbErrore::ElementoNonTrovato);
        QCOMPARE(esito.contesto, QStringLiteral("M63"));
        QVERIFY(NomiInTabella(percorso, Tabella(catRwLaboratorio)).isEmpty());
    }

    // Another program writing the file: the save fails with the engine's description and
    // no context, before any value is written; a missing file is reported before the name.
    void fileNonDisponibile_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<int>("numero");
        QTest::newRow("modifica, file occupato") << "modifica" << DbErrore::FileInUso;
        QTest::newRow("nuovo, file occupato") << "nuovo" << DbErrore::FileInUso;
        QTest::newRow("file mancante") << "mancante" << DbErrore::FileNonTrovato;
    }
    void fileNonDisponibile()
    {
        QFETCH(QString, caso);
        QFETCH(int, numero);
        QCOMPARE(Salva(catRwLaboratorio, QStringLiteral("Muro")).tipo, Esito::Ok);
        const QString file = percorso_;
        const QByteArray prima = Contenuto(file);
        TestSupport::AltraConnessione altra(file);
        QCOMPARE(altra.Esegui("BEGIN IMMEDIATE"), SQLITE_OK);
        const bool mancante = caso == QLatin1String("mancante");
        if (mancante)
            percorso_ = dir_.filePath(QStringLiteral("manca.mdb"));
        const Esito esito = Salva(catRwLaboratorio, mancante ? QString() : QStringLiteral("Muro"),
                                  caso == QLatin1String("modifica"), QStringLiteral("Muro"));
        QCOMPARE(esito.tipo, Esito::Errore);
        QCOMPARE(esito.numero, numero);
        QVERIFY(!esito.descrizione.isEmpty() && esito.contesto.isEmpty());
        QCOMPARE(altra.Esegui("ROLLBACK"), SQLITE_OK);
        QCOMPARE(Contenuto(file), prima);
    }

    // Kinds without a custom table write nothing; the test date is day/month/year as numbers.
    void casiParticolari()
    {
        const QByteArray prima = Contenuto(percorso_);
        auto richiesta =
            VoceDiProva::Richiesta(percorso_, 1, VoceDiProva::ValoriVoce(1, QStringLiteral("Muro"), 1));
        richiesta.tabella.clear();
        QCOMPARE(SalvataggioMateriale::Salva(richiesta).tipo, Esito::Ok);
        QCOMPARE(Contenuto(percorso_), prima);
        QVERIFY(SalvataggioMateriale::ScrittureCategoria(catRwTeorico, {}, {}).empty());
        QCOMPARE(SalvataggioMateriale::TestoDataProva(QDate(2001, 1, 1)), QStringLiteral("1/1/2001"));
        QCOMPARE(SalvataggioMateriale::TestoDataProva(QDate(2009, 12, 25)), QStringLiteral("25/12/2009"));
    }
};

QTEST_GUILESS_MAIN(TestSalvataggioMateriale)
#include "TestSalvataggioMateriale.moc"
