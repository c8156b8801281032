// The save on real database files: every column of every kind written where it belongs,
// the name rules, the row found by its old name, a value the engine refuses, a file
// another program holds; a save that fails leaves the file as it was.
#include "TestSupport.h"
#include "VoceDiProva.h"

#include "model/Categorie.h"
#include "storage/DbException.h"

#include <QFile>
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
    int file_ = 0;

    Esito Salva(int codice, const QString& nome, bool modifica = false, const QString& selezionato = {},
                const QHash<QString, QString>& cambi = {}, Registro* registro = nullptr)
    {
        auto valori = VoceDiProva::ValoriVoce(codice, nome, 3);
        valori.insert(cambi);
        return SalvataggioMateriale::Salva(
            VoceDiProva::Richiesta(percorso_, codice, valori, modifica, selezionato), registro);
    }

    // A new custom database with the eight tables, all empty: a copy of the empty fixture's.
    void NuovoFile()
    {
        percorso_ = dir_.filePath(QStringLiteral("%1.mdb").arg(++file_));
        QVERIFY(QFile::copy(TestSupport::CartellaFixtures() +
                                "/vuota/Databases/Database/Database_sperimentale.mdb",
                            percorso_));
        QVERIFY(QFile::setPermissions(percorso_, QFile::ReadOwner | QFile::WriteOwner));
    }

private slots:
    void initTestCase() { TestSupport::PreparaAmbiente(); }

    void init() { NuovoFile(); }

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

    // The name rules of a new entry and of a modification (selezionato: the entry modified).
    void regoleDelNome()
    {
        const QStringList muri{"Muro A", "Muro B"};
        const struct
        {
            QStringList esistenti;
            const char *selezionato, *nome;
            Esito::Tipo esito;
            QStringList dopo;
        } righe[] = {{muri, "", "", Esito::NomeVuoto, muri},
                     {{}, "", "Muro", Esito::Ok, {"Muro"}},
                     {muri, "", "MURO A", Esito::NomeDuplicato, muri},
                     {muri, "", "MURO", Esito::Ok, muri + QStringList{"MURO"}},
                     {{"città"}, "", "CITTÀ", Esito::NomeDuplicato, {"città"}},
                     {muri, "Muro A", "MURO A", Esito::Ok, {"MURO A", "Muro B"}},
                     {muri, "Muro A", "muro b", Esito::NomeDuplicato, muri},
                     {muri, "Muro B", "Parete", Esito::Ok, {"Muro A", "Parete"}},
                     {muri, "Fantasma", "Fantasma", Esito::NonTrovato, muri}};
        for (const auto& r : righe) {
            NuovoFile();
            const QString selezionato = QString::fromUtf8(r.selezionato), nome = QString::fromUtf8(r.nome);
            for (const QString& e : r.esistenti)
                QCOMPARE(Salva(catLnwInOpera, e).tipo, Esito::Ok);
            const QByteArray prima = Contenuto(percorso_);
            Registro registro; // a modification holds the file for itself from the first write to the last
            registro.tenuto = selezionato.isEmpty() ? QString() : percorso_;
            QCOMPARE(Salva(catLnwInOpera, nome, !selezionato.isEmpty(), selezionato, {{"Cantiere", "Torino"}},
                           &registro)
                         .tipo,
                     r.esito);
            QCOMPARE(registro.lettoDaAltri, 0);
            QCOMPARE(NomiInTabella(percorso_, Tabella(catLnwInOpera)), r.dopo);
            if (r.esito != Esito::Ok)
                QCOMPARE(Contenuto(percorso_), prima);
            else if (!selezionato.isEmpty()) // the row found by its old name holds the new values
                QCOMPARE(TestSupport::LeggiRiga(percorso_, Tabella(catLnwInOpera), catLnwInOpera, nome)
                             .value("Cantiere"),
                         QVariant(QStringLiteral("Torino")));
        }
    }

    // A value the engine cannot store stops the save at the first such column in the
    // order of the writes: the result names it and its context, nothing changes.
    void valoreRifiutato()
    {
        const struct
        {
            int codice;
            const char* selezionato;
            QStringList rifiutate;
            const char *contesto, *testo;
        } righe[] = {{1, "", {"m' (kg/m²)"}, "M59", ""},
                     {3, "", {"s (mm)"}, "M60", ""},
                     {7, "", {"s (mm)", "Area (m²)"}, "M61", "x"},
                     {2, "", {"Area (m²)", "V emittente (m³)"}, "M64", "x"},
                     {4, "", {"Ci 50_5000 (dB)"}, "M77 Ci 50-5000", ""},
                     {3, "", {"DRi - 1000Hz (dB)", "DRw (dB)"}, "M77 M21", "x"},
                     {1, "Muro", {"R - 500Hz (dB)"}, "M78 500 Hz", ""},
                     {10, "", {"Dn - 50Hz (dB)"}, "M78 50 Hz", "1E308"},
                     {4, "", {"Ln - 5000Hz (dB)"}, "M78 5000 Hz", "-3,5E38"},
                     {1, "Muro", {"R - 63Hz (dB)"}, "M78 63 Hz", "inf"}};
        for (const auto& r : righe) {
            NuovoFile();
            const QString selezionato = QString::fromUtf8(r.selezionato), testo = QString::fromUtf8(r.testo);
            QCOMPARE(Salva(r.codice, QStringLiteral("Muro")).tipo, Esito::Ok);
            const QByteArray prima = Contenuto(percorso_);
            QHash<QString, QString> cambi;
            for (const QString& colonna : r.rifiutate)
                cambi.insert(colonna, testo);
            const Esito esito =
                Salva(r.codice, QStringLiteral("Nuovo"), !selezionato.isEmpty(), selezionato, cambi);
            QCOMPARE(esito.tipo, Esito::Errore);
            QCOMPARE(esito.numero, DbErrore::ConversioneTipo);
            QCOMPARE(esito.contesto, QString::fromUtf8(r.contesto));
            QVERIFY(esito.descrizione.contains(QStringLiteral("«%1»").arg(testo)));
            QVERIFY2(r.rifiutate.contains(esito.colonna), qPrintable(esito.colonna));
            QCOMPARE(Contenuto(percorso_), prima);
        }
    }

    // A table that lacks a column the save writes: the save fails at that column.
    void colonnaMancante()
    {
        const QString percorso = percorso_;
        QCOMPARE(TestSupport::AltraConnessione(percorso).Esegui(
                     "ALTER TABLE Rw_laboratorio DROP COLUMN \"Eta int\""),
                 SQLITE_OK);
        auto valori = VoceDiProva::ValoriVoce(catRwLaboratorio, QStringLiteral("Muro"), 1);
        const Esito esito =
            SalvataggioMateriale::Salva(VoceDiProva::Richiesta(percorso, catRwLaboratorio, valori));
        QCOMPARE(esito.tipo, Esito::Errore);
        QCOMPARE(esito.numero, DbErrore::ElementoNonTrovato);
        QCOMPARE(esito.contesto + esito.colonna, QStringLiteral("M63Eta int"));
        QVERIFY(NomiInTabella(percorso, Tabella(catRwLaboratorio)).isEmpty());
    }

    // Another program writing the file: the save fails with the engine's description and
    // no context, before any value is written; a missing file is reported before the name.
    void fileNonDisponibile()
    {
        const std::pair<const char*, int> righe[] = {{"modifica", DbErrore::FileInUso},
                                                     {"nuovo", DbErrore::FileInUso},
                                                     {"mancante", DbErrore::FileNonTrovato}};
        for (const auto& [caso, numero] : righe) {
            NuovoFile();
            QCOMPARE(Salva(catRwLaboratorio, QStringLiteral("Muro")).tipo, Esito::Ok);
            const QString file = percorso_;
            const QByteArray prima = Contenuto(file);
            TestSupport::AltraConnessione altra(file);
            QCOMPARE(altra.Esegui("BEGIN IMMEDIATE"), SQLITE_OK);
            const bool mancante = caso == QByteArray("mancante");
            if (mancante)
                percorso_ = dir_.filePath(QStringLiteral("manca.mdb"));
            const Esito esito = Salva(catRwLaboratorio, mancante ? QString() : QStringLiteral("Muro"),
                                      caso == QByteArray("modifica"), QStringLiteral("Muro"));
            QCOMPARE(esito.tipo, Esito::Errore);
            QCOMPARE(esito.numero, numero);
            QVERIFY(!esito.descrizione.isEmpty() && esito.contesto.isEmpty() && esito.colonna.isEmpty());
            QCOMPARE(altra.Esegui("ROLLBACK"), SQLITE_OK);
            QCOMPARE(Contenuto(file), prima);
        }
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
