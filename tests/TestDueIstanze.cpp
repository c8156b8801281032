// Two copies of the program on one data folder, or two workstations on the laboratory's
// shared database on a server (the custom database copied there by zelmar-condividi): the
// other copy is a separate process (AltraIstanza) that saves, deletes or holds the file as
// the editor and the browser do.
#include "FotografiaDatabase.h"
#include "ServerDiProva.h"
#include "TestSupport.h"
#include "VoceDiProva.h"

#include "model/CancellazioneMateriale.h"
#include "model/Categorie.h"
#include "model/DatabaseCondiviso.h"
#include "model/ElencoTenuto.h"
#include "model/ListaMateriali.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"
#include "storage/pg/ImmaginiCondivise.h"
#include "storage/pg/ServerCondiviso.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <sqlite3.h>

using Esito = SalvataggioMateriale::Esito;

namespace {

const QString NomeEsistente = QStringLiteral("Muro in laterizio 12 cm");

// Runs the other copy to its end and gives back the last line it wrote.
QString AltraIstanza(const QStringList& argomenti)
{
    QProcess altra;
    altra.start(QStringLiteral(ZELMAR_ALTRA_ISTANZA), argomenti);
    return altra.waitForFinished(30000)
               ? QString::fromLocal8Bit(altra.readAllStandardOutput()).trimmed().split('\n').last()
               : QStringLiteral("(did not finish)");
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

void SuFileESuServer()
{
    QTest::addColumn<bool>("server");
    QTest::newRow("file") << false;
    QTest::newRow("server") << true;
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
        QVERIFY(condividi.readAllStandardError().contains("Rw_laboratorio: 2 righe"));
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

    // A change made on what this copy showed before the other copy changed the entry, in
    // every column or in one band only, is refused naming the columns and writes nothing.
    void ModificheDelleDueCopie_data() { SuFileESuServer(); }
    void ModificheDelleDueCopie()
    {
        const QString nome = NomeEsistente;
        const auto valori = VoceDiProva::ValoriVoce(catRwLaboratorio, nome, 7);
        for (const QString& colonna : {QString(), QStringLiteral("R - 500Hz (dB)")}) {
            const auto mostrata = VoceDiProva::Richiesta(percorso_, catRwLaboratorio, valori, true, nome);
            QCOMPARE(AltraIstanza({"modifica", percorso_, nome, colonna}), QStringLiteral("salvato"));
            const auto righeAltra = FotografiaDatabase::Righe(percorso_);
            const Esito esito = SalvataggioMateriale::Salva(mostrata);
            QCOMPARE(esito.tipo, Esito::ModificatoDaAltri);
            const QVariant prima = mostrata.mostrato->Valore(colonna); // every column but the name
            QVERIFY((colonna.isEmpty() ? esito.cambiate.size() == size_t(valori.size() - 1)
                                       : esito.cambiate == std::vector<SalvataggioMateriale::Cambiamento>{
                                                               {colonna, prima, prima.toDouble() + 1}}));
            QVERIFY(FotografiaDatabase::Righe(percorso_) == righeAltra);
        }
    }

    // The list a copy holds, changed by each change the copy makes, is what a fresh fill
    // reads; after the other copy's save the next change is not applied (the list is read).
    void ElencoTenutoComeRiletto_data() { SuFileESuServer(); }
    void ElencoTenutoComeRiletto()
    {
        using M = ElencoTenuto::Modifica;
        const QString tabella = VoceDiProva::Tabella(catRwLaboratorio);
        ListaMateriali::Richiesta richiesta;
        richiesta.paroleChiave = true;
        ElencoTenuto tenuto;
        ElencoTesti nomi;
        const auto riempi = [&] {
            auto letto = ListaMateriali::Leggi(percorso_, tabella, richiesta);
            tenuto.Imposta(percorso_, tabella, letto);
            nomi = letto.nomi;
            return letto;
        };
        riempi();
        const struct
        {
            M::Tipo tipo;
            const char* nome;
            const char* nuovoNome;
            bool applicata;
        } passi[] = {
            {M::Nuova, "", "Voce nuova", true},
            {M::Salvataggio, "Voce nuova", "Voce rinominata", true},
            {M::Cancellazione, "Muro in laterizio 12 cm", "", true}, // the first keyword's first entry
            {M::Cancellazione, "Voce che non c'è", "", true},
            {M::Nuova, "", "Dopo l'altra copia", false},
            {M::Salvataggio, "Dopo l'altra copia", "Dopo l'altra copia bis", true}};
        for (const auto& p : passi) {
            M m{p.tipo, QString::fromUtf8(p.nome), true, QString::fromUtf8(p.nuovoNome), {}, {}};
            if (!p.applicata)
                QCOMPARE(AltraIstanza({"salva", percorso_, "Voce dell'altra copia"}),
                         QStringLiteral("salvato"));
            if (p.tipo == M::Cancellazione) {
                m.cancellata = CancellazioneMateriale::Cancella(percorso_, tabella, m.nome, &m.versioni);
            } else {
                const auto valori = VoceDiProva::ValoriVoce(catRwLaboratorio, m.nuovoNome, 9);
                m.parola = valori.value(QStringLiteral("Parola chiave"));
                const Esito esito = SalvataggioMateriale::Salva(VoceDiProva::Richiesta(
                    percorso_, catRwLaboratorio, valori, p.tipo == M::Salvataggio, m.nome));
                QCOMPARE(esito.tipo, Esito::Ok);
                m.versioni = esito.versioni;
            }
            QCOMPARE(tenuto.Applica(nomi, percorso_, tabella, m), p.applicata);
            const auto letto = p.applicata ? ListaMateriali::Leggi(percorso_, tabella, richiesta) : riempi();
            QCOMPARE(nomi.toStringList(), letto.nomi.toStringList());
            QCOMPARE(tenuto.ParoleChiave(), letto.paroleChiave);
        }
    }

    // Deleting an entry the other copy has just deleted does nothing and says nothing.
    void CancellazioneDiUnaVoceGiaCancellata_data() { SuFileESuServer(); }
    void CancellazioneDiUnaVoceGiaCancellata()
    {
        QCOMPARE(AltraIstanza({"cancella", percorso_, NomeEsistente}), QStringLiteral("cancellato"));
        const auto righeAltra = FotografiaDatabase::Righe(percorso_);
        QVERIFY(!CancellazioneMateriale::Cancella(percorso_, VoceDiProva::Tabella(catRwLaboratorio),
                                                  NomeEsistente));
        QVERIFY(FotografiaDatabase::Righe(percorso_) == righeAltra);
    }

    // A picture stored with an entry on one workstation reaches the image folder of another
    // that lacks it; a database in a file has no pictures elsewhere.
    void ImmagineProcurataDaUnAltraPostazione_data() { SuFileESuServer(); }
    void ImmagineProcurataDaUnAltraPostazione()
    {
        QFETCH(bool, server);
        const char grezzi[] = "\x89PNG\0 immagine di prova \xff";
        const QByteArray dati(grezzi, sizeof grezzi - 1);
        QTemporaryDir cartelle;
        QFile scelta(cartelle.filePath("scelta.png"));
        QVERIFY(scelta.open(QIODevice::WriteOnly) && scelta.write(dati) == dati.size());
        scelta.close();
        ImmaginiCondivise::Condividi(percorso_, "Pareti", "muro.png", scelta.fileName());
        const QString altra = cartelle.filePath("muro.png");
        QCOMPARE(ImmaginiCondivise::Procura(percorso_, "Pareti", "muro.png", altra), server);
        QFile procurata(altra);
        QCOMPARE(procurata.open(QIODevice::ReadOnly) ? procurata.readAll() : QByteArray(),
                 server ? dati : QByteArray());
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

    // A modify-mode save keeps a file kept in WAL mode so.
    void SalvataggioInUnFileWal()
    {
        QCOMPARE(TestSupport::AltraConnessione(percorso_).Esegui("PRAGMA journal_mode = WAL"), SQLITE_OK);
        QCOMPARE(ModificaEsistente(percorso_).tipo, Esito::Ok);
        QCOMPARE(FotografiaDatabase::Interroga(percorso_, "PRAGMA journal_mode").at(0).value("journal_mode"),
                 "wal");
    }

    // Two other copies save one new name, in two letter cases, at the same moment (a third
    // program keeps the file from being written until both are about to save; on the server,
    // a save holding the table): the name is stored once, and the copy that comes second is
    // told the name is taken.
    void StessoNomeNelloStessoMomento_data() { SuFileESuServer(); }
    void StessoNomeNelloStessoMomento()
    {
        QFETCH(bool, server);
        const QString nome = QStringLiteral("Voce contesa città");
        TestSupport::AltraConnessione cancello(percorso_);
        std::unique_ptr<Database> salvataggio;
        if (server) {
            salvataggio = DBEngine::OpenDatabase(percorso_);
            salvataggio->BeginTrans();
            salvataggio->OpenRecordset(VoceDiProva::Tabella(catRwLaboratorio));
        } else {
            QCOMPARE(cancello.Esegui("BEGIN IMMEDIATE"), SQLITE_OK);
        }
        QProcess copie[2];
        for (QProcess& copia : copie) {
            copia.start(QStringLiteral(ZELMAR_ALTRA_ISTANZA),
                        {QStringLiteral("salva"), percorso_, &copia == copie ? nome : nome.toUpper()});
            QVERIFY(copia.waitForReadyRead(30000));
        }
        QThread::msleep(server ? 1000 : 200);
        if (server)
            salvataggio->Rollback();
        else
            QCOMPARE(cancello.Esegui("ROLLBACK"), SQLITE_OK);
        QStringList esiti;
        for (QProcess& copia : copie) {
            QVERIFY(copia.waitForFinished(30000));
            esiti << QString::fromLocal8Bit(copia.readAllStandardOutput()).trimmed().split('\n').last();
        }
        esiti.sort();
        QCOMPARE(esiti, (QStringList{QString::number(Esito::NomeDuplicato), QStringLiteral("salvato")}));
        QCOMPARE(NomiInElenco(percorso_)
                     .filter(QRegularExpression("^" + nome + "$", QRegularExpression::CaseInsensitiveOption))
                     .size(),
                 1);
    }
};

QTEST_GUILESS_MAIN(TestDueIstanze)
#include "TestDueIstanze.moc"
