// A failing disk under the save and the deletion: every write, sync and lock of one save
// (new entry and modification) and of one deletion is made to fail in turn, once or for
// good. Each time the user is told with the engine's description, the file holds exactly
// what it held before, and the next attempt, once the disk works again, succeeds. Also a
// data folder and a custom database that cannot be written.
#include "FaultVfs.h"
#include "FotografiaDatabase.h"
#include "TestSupport.h"
#include "VoceDiProva.h"

#include "model/CancellazioneMateriale.h"
#include "model/Categorie.h"
#include "model/DettaglioMateriale.h"
#include "model/ListaMateriali.h"
#include "storage/DbException.h"

#include <QDir>
#include <QProcess>
#include <QTest>
#include <sqlite3.h>
#include <unistd.h>

using TestSupport::Contenuto;

namespace {

const QString NomeDaModificare = QStringLiteral("Muro in laterizio 12 cm");
const QString NomeDaCancellare = QStringLiteral("Parete in cartongesso a doppia lastra");

enum class Operazione
{
    NuovaVoce,
    Modifica,
    Cancellazione
};

// The operation, ready to run: what the user is then told, the engine's error number (0:
// done) and its description. A modification starts from the entry as the file holds it
// before the operation, as the main window shows it.
std::function<TestSupport::Errore()> Prepara(Operazione operazione, const QString& percorso)
{
    if (operazione == Operazione::Cancellazione)
        return [=] {
            return TestSupport::Prova([&] {
                if (!CancellazioneMateriale::Cancella(percorso, VoceDiProva::Tabella(catRwLaboratorio),
                                                      NomeDaCancellare))
                    throw DbException(-1, QStringLiteral("nessuna voce cancellata"));
            });
        };
    const bool modifica = operazione == Operazione::Modifica;
    const auto valori = VoceDiProva::ValoriVoce(catRwLaboratorio,
                                                modifica ? NomeDaModificare + QStringLiteral(" rinnovato")
                                                         : QStringLiteral("Nuova parete"),
                                                modifica ? 10 : 7);
    const auto richiesta =
        VoceDiProva::Richiesta(percorso, catRwLaboratorio, valori, modifica, NomeDaModificare);
    return [=]() -> TestSupport::Errore {
        const auto esito = SalvataggioMateriale::Salva(richiesta);
        if (esito.tipo == SalvataggioMateriale::Esito::Ok)
            return {};
        return {esito.numero ? esito.numero : -1, esito.descrizione};
    };
}

TestSupport::Errore Esegui(Operazione operazione, const QString& percorso)
{
    return Prepara(operazione, percorso)();
}

// Keeps a file or folder from being written while it lives. Permission bits do not stop
// the superuser, so there the file system's immutable flag is used instead.
class ProtezioneScrittura
{
public:
    explicit ProtezioneScrittura(const QString& percorso)
        : percorso_(percorso), permessi_(QFile::permissions(percorso))
    {
        const bool cartella = QFileInfo(percorso).isDir();
        QFile::setPermissions(percorso, cartella ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner);
        if (geteuid() == 0)
            immutabile_ = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), percorso_}) == 0;
        QFile prova(cartella ? percorso + QStringLiteral("/prova-scrittura") : percorso);
        attiva_ = !prova.open(cartella ? QIODevice::WriteOnly : QIODevice::ReadWrite);
        if (cartella && !attiva_)
            prova.remove();
    }
    ~ProtezioneScrittura() { Togli(); }
    bool Attiva() const { return attiva_; }
    void Togli()
    {
        if (immutabile_)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), percorso_});
        immutabile_ = false;
        QFile::setPermissions(percorso_, permessi_);
    }

private:
    QString percorso_;
    QFile::Permissions permessi_;
    bool immutabile_ = false;
    bool attiva_ = false;
};

// Every file of a folder, by name: its bytes (the index file of a WAL file, shared memory
// that every reader writes in, by name only).
std::map<QString, QByteArray> FileDellaCartella(const QString& cartella)
{
    std::map<QString, QByteArray> file;
    for (const QString& nome : QDir(cartella).entryList(QDir::Files | QDir::Hidden))
        file[nome] = nome.endsWith(QLatin1String("-shm")) ? QByteArray() : Contenuto(cartella + '/' + nome);
    return file;
}

} // namespace

Q_DECLARE_METATYPE(Operazione)
Q_DECLARE_METATYPE(FaultVfs::Tipo)

class TestFaultInjection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::PreparaAmbiente();
        QVERIFY(FaultVfs::Installa());
    }
    void cleanupTestCase() { FaultVfs::Rimuovi(); }
    void cleanup() { FaultVfs::Disarma(); }

    void OgniGuastoLasciaIlFileComEra_data()
    {
        QTest::addColumn<Operazione>("operazione");
        QTest::addColumn<FaultVfs::Tipo>("tipo");
        QTest::addColumn<bool>("persistente");
        const char* const operazioni[] = {"nuova voce", "modifica", "cancellazione"};
        const char* const tipi[] = {"scrittura", "sincronizzazione", "blocco"};
        for (int o = 0; o < 3; ++o)
            for (int t = 0; t < 3; ++t)
                for (bool persistente : {false, true})
                    QTest::addRow("%s, %s %s", operazioni[o], tipi[t], persistente ? "sempre" : "una volta")
                        << Operazione(o) << FaultVfs::Tipo(t) << persistente;
    }
    void OgniGuastoLasciaIlFileComEra()
    {
        QFETCH(Operazione, operazione);
        QFETCH(FaultVfs::Tipo, tipo);
        QFETCH(bool, persistente);
        TestSupport::AmbienteDati ambiente;
        QVERIFY(ambiente.ok());
        const QString percorso = ambiente.percorsoDatabase(QStringLiteral("Database_sperimentale.mdb"));
        const QByteArray originale = Contenuto(percorso);
        const auto righePrima = FotografiaDatabase::Righe(percorso);

        // Once on a sound disk: how many operations of the kind it makes, and the rows it leaves.
        const auto sana = Prepara(operazione, percorso);
        FaultVfs::AzzeraConteggi();
        QCOMPARE(sana().numero, 0);
        const int operazioni = FaultVfs::Contati().di(tipo);
        const auto righeDopo = FotografiaDatabase::Righe(percorso);
        QVERIFY(operazioni > 0 && !righePrima.empty() && righeDopo != righePrima);

        for (int n = 1; n <= operazioni; ++n) {
            const QByteArray contesto = QByteArray::number(n) + " of " + QByteArray::number(operazioni);
            QVERIFY(TestSupport::Scrivi(percorso, originale));
            QFile::remove(percorso + QStringLiteral("-journal"));
            const auto fai = Prepara(operazione, percorso);
            FaultVfs::FallisciAl(tipo, n, persistente);
            const auto guasto = fai();
            FaultVfs::Disarma();
            QVERIFY2(FaultVfs::Scattato(), contesto.constData());
            // What the next program to open the file finds: a sound file and, once the
            // engine has put back an interrupted write, the rows of before, or the done
            // change when the fault came after its commit and the user was told so.
            QCOMPARE(FotografiaDatabase::Integrita(percorso), QStringLiteral("ok"));
            if (guasto.numero == 0) {
                QVERIFY2(FotografiaDatabase::Righe(percorso) == righeDopo, contesto.constData());
                continue;
            }
            QVERIFY2(guasto.numero == DbErrore::ErroreDisco &&
                         guasto.descrizione.contains(QStringLiteral("Database_sperimentale.mdb")),
                     qPrintable(contesto + ": " + guasto.descrizione));
            QVERIFY2(FotografiaDatabase::Righe(percorso) == righePrima, contesto.constData());
            QVERIFY2(Contenuto(percorso) == originale, contesto.constData());
            QCOMPARE(Esegui(operazione, percorso).numero, 0);
            QVERIFY2(FotografiaDatabase::Righe(percorso) == righeDopo, contesto.constData());
        }
    }

    // The engine keeps its journal beside the file: a folder it cannot write into, like a
    // file it cannot write, stops every change before it starts.
    void NonScrivibile_data()
    {
        QTest::addColumn<Operazione>("operazione");
        QTest::addColumn<bool>("cartella");
        for (int o = 0; o < 3; ++o)
            for (bool cartella : {true, false})
                QTest::addRow("%d, %s", o, cartella ? "cartella" : "file") << Operazione(o) << cartella;
    }
    void NonScrivibile()
    {
        QFETCH(Operazione, operazione);
        QFETCH(bool, cartella);
        TestSupport::AmbienteDati ambiente;
        QVERIFY(ambiente.ok());
        const QString percorso = ambiente.percorsoDatabase(QStringLiteral("Database_sperimentale.mdb"));
        const QByteArray originale = Contenuto(percorso);
        ProtezioneScrittura protezione(cartella ? ambiente.percorsoDatabase(QStringLiteral(".")) : percorso);
        if (!protezione.Attiva())
            QSKIP("neither the permission bits nor chattr +i stop writes here");
        const auto rifiutato = Esegui(operazione, percorso);
        QVERIFY2(rifiutato.numero == DbErrore::SolaLettura &&
                     rifiutato.descrizione.contains(QStringLiteral("Database_sperimentale.mdb")) &&
                     rifiutato.descrizione.contains(cartella ? QStringLiteral("cartella")
                                                             : QStringLiteral("il file è di sola lettura")),
                 qPrintable(rifiutato.descrizione));
        QCOMPARE(Contenuto(percorso), originale);
        protezione.Togli();
        QCOMPARE(Esegui(operazione, percorso).numero, 0);
        QCOMPARE(FotografiaDatabase::Integrita(percorso), QStringLiteral("ok"));
    }

    // An experimental file kept in WAL mode, listed and shown as a click does: no byte of it
    // changes and no file is left beside it, whatever lies beside it already: nothing,
    // another program's log and index while it runs, or the log a stopped program left. In
    // a folder that cannot be written, without the files beside it, the user is told why.
    void LetturaDiUnFileWal_data()
    {
        QTest::addColumn<QString>("accanto");
        for (const char* accanto : {"niente", "altro programma", "registro lasciato", "sola lettura"})
            QTest::newRow(accanto) << QString::fromLatin1(accanto);
    }
    void LetturaDiUnFileWal()
    {
        QFETCH(QString, accanto);
        TestSupport::AmbienteDati ambiente;
        QVERIFY(ambiente.ok());
        const QString percorso = ambiente.percorsoDatabase(QStringLiteral("Infissi/a.mdb"));
        auto altra = std::make_unique<TestSupport::AltraConnessione>(percorso);
        QCOMPARE(altra->Esegui("PRAGMA journal_mode = WAL; PRAGMA wal_autocheckpoint = 0;"
                               "INSERT INTO a (Nome) VALUES ('Aggiunta')"),
                 SQLITE_OK);
        if (accanto == QLatin1String("registro lasciato")) {
            const QByteArray registro = Contenuto(percorso + QStringLiteral("-wal"));
            const QByteArray file = Contenuto(percorso);
            altra.reset();
            QVERIFY(TestSupport::Scrivi(percorso, file) &&
                    TestSupport::Scrivi(percorso + QStringLiteral("-wal"), registro));
        } else if (accanto != QLatin1String("altro programma")) {
            altra.reset();
        }
        const QString cartella = QFileInfo(percorso).path();
        std::optional<ProtezioneScrittura> protezione;
        if (accanto == QLatin1String("sola lettura") && !protezione.emplace(cartella).Attiva())
            QSKIP("neither the permission bits nor chattr +i stop writes here");
        const auto prima = FileDellaCartella(cartella);
        QStringList nomi;
        const auto esito = TestSupport::Prova([&] {
            nomi = ListaMateriali::Leggi(percorso, QStringLiteral("a"), {}).nomi.toStringList();
            QVERIFY(DettaglioMateriale::Leggi(percorso, QStringLiteral("a"), catInfissi, nomi.value(0)));
        });
        QVERIFY(FileDellaCartella(cartella) == prima);
        if (protezione) {
            QCOMPARE(esito.numero, DbErrore::SolaLettura);
            QVERIFY2(esito.descrizione.contains(percorso) &&
                         esito.descrizione.contains(QStringLiteral("WAL")),
                     qPrintable(esito.descrizione));
            return;
        }
        QCOMPARE(esito.numero, 0);
        QCOMPARE(nomi.size(), 4);
        QCOMPARE(nomi.last(), QStringLiteral("Aggiunta"));
    }
};

QTEST_GUILESS_MAIN(TestFaultInjection)
#include "TestFaultInjection.moc"
