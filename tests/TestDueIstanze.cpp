// Two copies of the program on one data folder, or two workstations on the laboratory's
// shared database on a server (its custom database copied there by zelmar-condividi): the
// other copy is a separate process (AltraIstanza) that saves, deletes or holds the file as
// the editor and the browser do.
#include "FotografiaDatabase.h"
#include "ServerDiProva.h"
#include "TestSupport.h"
#include "VoceDiProva.h"

#include "model/CancellazioneMateriale.h"
#include "model/Categorie.h"
#include "model/DatabaseCondiviso.h"
#include "model/ListaMateriali.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"
#include "storage/ServerCondiviso.h"

#include <QProcess>
#include <QTest>

using Esito = SalvataggioMateriale::Esito;

namespace {

const QString NomeEsistente = QStringLiteral("Muro in laterizio 12 cm");

// The line the other copy wrote once it ended.
QString Riga(QProcess& altra)
{
    return altra.waitForFinished(30000) ? QString::fromLocal8Bit(altra.readAllStandardOutput()).trimmed()
                                        : QStringLiteral("(did not finish)");
}

// Runs the other copy to its end and gives back the line it wrote.
QString AltraIstanza(const QStringList& argomenti)
{
    QProcess altra;
    altra.start(QStringLiteral(ZELMAR_ALTRA_ISTANZA), argomenti);
    return Riga(altra);
}

void SuFileESuServer()
{
    QTest::addColumn<bool>("server");
    QTest::newRow("file") << false;
    QTest::newRow("server") << true;
}

QStringList NomiInElenco(const QString& percorso)
{
    return ListaMateriali::Leggi(percorso, VoceDiProva::Tabella(catRwLaboratorio), {}).nomi.toStringList();
}

Esito ModificaEsistente(const QString& percorso)
{
    const auto valori = VoceDiProva::ValoriVoce(catRwLaboratorio, NomeEsistente + QStringLiteral(" bis"), 3);
    return SalvataggioMateriale::Salva(
        VoceDiProva::Richiesta(percorso, catRwLaboratorio, valori, true, NomeEsistente));
}

} // namespace

class TestDueIstanze : public QObject
{
    Q_OBJECT

    TestSupport::AmbienteDati* ambiente_ = nullptr;
    QString percorso_;

private slots:
    void initTestCase() { TestSupport::PreparaAmbiente(); }
    void init()
    {
        ambiente_ = new TestSupport::AmbienteDati;
        QVERIFY(ambiente_->ok());
        percorso_ = ambiente_->percorsoDatabase(QStringLiteral("Database_sperimentale.mdb"));
        if (!QByteArray(QTest::currentDataTag()).startsWith("server"))
            return;
        QString motivo;
        ServerDiProva* server = ServerDiProva::Avviato(&motivo);
        QVERIFY2(server, qPrintable(motivo));
        const QString conninfo = server->NuovoSchema();
        QProcess condividi;
        condividi.start(QStringLiteral(ZELMAR_CONDIVIDI), {"--verso-server", percorso_, conninfo});
        QVERIFY(condividi.waitForFinished(60000));
        QCOMPARE(condividi.exitCode(), 0);
        QVERIFY(condividi.readAllStandardError().contains("Rw_laboratorio: 2 rows"));
        DatabaseCondiviso::Collega(percorso_, conninfo);
        qputenv("ZELMAR_PROVA_SERVER", conninfo.toUtf8());
    }
    void cleanup()
    {
        ServerCondiviso::ScollegaTutti();
        qunsetenv("ZELMAR_PROVA_SERVER");
        delete ambiente_;
    }

    // A save in one copy is listed by the other at its next fill.
    void SalvataggioDellAltraElencatoAlRiempimento_data() { SuFileESuServer(); }
    void SalvataggioDellAltraElencatoAlRiempimento()
    {
        const QStringList prima = NomiInElenco(percorso_);
        QCOMPARE(AltraIstanza({"salva", percorso_, "Voce dell'altra copia"}), QStringLiteral("salvato"));
        QCOMPARE(NomiInElenco(percorso_), prima + QStringList{QStringLiteral("Voce dell'altra copia")});
    }

    // A modify-mode save while the other copy holds the file fails with the message and
    // loses nothing; once the file is free, the same save goes through.
    void ModificaMentreLAltraTieneIlFile()
    {
        const auto righePrima = FotografiaDatabase::Righe(percorso_);
        QProcess altra;
        altra.start(QStringLiteral(ZELMAR_ALTRA_ISTANZA), {QStringLiteral("tieni"), percorso_});
        QVERIFY(altra.waitForReadyRead(30000));
        QCOMPARE(altra.readLine().trimmed(), QByteArray("tengo"));
        const Esito rifiutato = ModificaEsistente(percorso_);
        QCOMPARE(rifiutato.numero, DbErrore::FileInUso);
        QVERIFY(rifiutato.descrizione.contains(QStringLiteral("Database_sperimentale.mdb")));
        altra.closeWriteChannel();
        QVERIFY(altra.waitForFinished(30000));
        QVERIFY(FotografiaDatabase::Righe(percorso_) == righePrima);
        QCOMPARE(ModificaEsistente(percorso_).tipo, Esito::Ok);
        QVERIFY(NomiInElenco(percorso_).contains(NomeEsistente + QStringLiteral(" bis")));
    }

    // Two workstations saving at once while a third one's save holds the table: a new
    // name both give is stored once (the second is told the name is taken), and a
    // modification waits for the save that checked the entry to commit, so that what a
    // save checks still holds when it writes.
    void SalvataggiInsiemeSulServer_data()
    {
        QTest::addColumn<bool>("modifica");
        QTest::newRow("server stesso nome nuovo") << false;
        QTest::newRow("server stessa voce modificata") << true;
    }
    void SalvataggiInsiemeSulServer()
    {
        QFETCH(bool, modifica);
        const QString nuovo = QStringLiteral("Voce di due postazioni");
        auto database = DBEngine::OpenDatabase(percorso_);
        database->BeginTrans();
        auto tabella = database->OpenRecordset(VoceDiProva::Tabella(catRwLaboratorio));
        tabella->SetIndex(QStringLiteral("Nome"));
        tabella->Seek(QStringLiteral("="), NomeEsistente);
        QVERIFY(!tabella->NoMatch());
        QProcess altre[2];
        for (QProcess& altra : altre)
            altra.start(QStringLiteral(ZELMAR_ALTRA_ISTANZA),
                        modifica ? QStringList{"modifica", percorso_, NomeEsistente, NomeEsistente + " ter"}
                                 : QStringList{"salva", percorso_, nuovo});
        QVERIFY(!altre[0].waitForFinished(1500) && !altre[1].waitForFinished(10));
        if (modifica) {
            tabella->Edit();
            tabella->SetField(QStringLiteral("Nome"), nuovo);
            tabella->Update();
        }
        tabella->Close();
        database->CommitTrans();
        database->Close();
        QStringList righe{Riga(altre[0]), Riga(altre[1])};
        righe.sort();
        const QStringList attese =
            modifica ? QStringList{"non trovata", "non trovata"} : QStringList{"nome doppio", "salvato"};
        QCOMPARE(righe, attese);
        QCOMPARE(NomiInElenco(percorso_).count(nuovo), 1);
    }

    // Deleting an entry the other copy has just deleted does nothing and says nothing.
    void CancellazioneGiaFattaDallAltra_data() { SuFileESuServer(); }
    void CancellazioneGiaFattaDallAltra()
    {
        QCOMPARE(AltraIstanza({"cancella", percorso_, NomeEsistente}), QStringLiteral("cancellato"));
        const auto righeDopo = FotografiaDatabase::Righe(percorso_);
        bool cancellato = true;
        QCOMPARE(TestSupport::Prova([&] {
                     cancellato = CancellazioneMateriale::Cancella(
                         percorso_, VoceDiProva::Tabella(catRwLaboratorio), NomeEsistente);
                 }).numero,
                 0);
        QVERIFY(!cancellato);
        QVERIFY(FotografiaDatabase::Righe(percorso_) == righeDopo);
    }
};

QTEST_GUILESS_MAIN(TestDueIstanze)
#include "TestDueIstanze.moc"
