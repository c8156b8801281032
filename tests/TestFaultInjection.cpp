// A failing disk under the save and the deletion: every write, sync and lock of one save
// (new entry and modification) and of one deletion is made to fail in turn, once or for
// good. Each time the operation must report the failure with the engine's description,
// the file must hold exactly what it held before, and the next attempt, once the disk
// works again, must succeed. Also a data folder and a custom database that cannot be
// written.
#include "FaultVfs.h"
#include "FotografiaDatabase.h"
#include "TestSupport.h"
#include "VoceDiProva.h"

#include "model/CancellazioneMateriale.h"
#include "model/Categorie.h"
#include "storage/DbException.h"
#include "model/SalvataggioMateriale.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <unistd.h>

using FotografiaDatabase::Riga;
using Esito = SalvataggioMateriale::Esito;

namespace {

const QString TabellaRw = QStringLiteral("Rw_laboratorio");
const QString NomeDaModificare = QStringLiteral("Muro in laterizio 12 cm");
const QString NomeDaCancellare = QStringLiteral("Parete in cartongesso a doppia lastra");

enum class Operazione
{
    NuovaVoce,
    Modifica,
    Cancellazione
};

} // namespace

Q_DECLARE_METATYPE(Operazione)
Q_DECLARE_METATYPE(FaultVfs::Tipo)

namespace {

// What the user is told: the outcome, the engine's error number and its description.
struct Risultato
{
    bool riuscito = false;
    int numero = 0;
    QString descrizione;
};

Risultato Esegui(Operazione operazione, const QString& percorso)
{
    if (operazione == Operazione::Cancellazione) {
        try {
            const bool cancellato = CancellazioneMateriale::Cancella(percorso, TabellaRw, NomeDaCancellare);
            return {cancellato, 0, cancellato ? QString() : QStringLiteral("nessuna voce cancellata")};
        } catch (const DbException& e) {
            return {false, e.Numero(), e.Descrizione()};
        }
    }
    const bool modifica = operazione == Operazione::Modifica;
    const auto caselle = VoceDiProva::CaselleVoce(catRwLaboratorio,
                                                  modifica ? NomeDaModificare + QStringLiteral(" rinnovato")
                                                           : QStringLiteral("Nuova parete"),
                                                  modifica ? 10 : 7);
    const Esito esito = SalvataggioMateriale::Salva(
        VoceDiProva::Richiesta(percorso, catRwLaboratorio, caselle, modifica, NomeDaModificare));
    return {esito.tipo == Esito::Ok, esito.numero, esito.descrizione};
}

QByteArray Contenuto(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool RimettiFile(const QString& percorso, const QByteArray& contenuto)
{
    QFile::remove(percorso + QStringLiteral("-journal"));
    QFile f(percorso);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(contenuto) == contenuto.size();
}

const char* NomeTipo(FaultVfs::Tipo tipo)
{
    switch (tipo) {
    case FaultVfs::Tipo::Scrittura:
        return "scrittura";
    case FaultVfs::Tipo::Sincronizzazione:
        return "sincronizzazione";
    case FaultVfs::Tipo::Blocco:
        break;
    }
    return "blocco";
}

// Keeps a file or folder from being written for as long as it lives. Permission bits do
// not stop the superuser, so there the file system's immutable flag is used instead.
class ProtezioneScrittura
{
public:
    explicit ProtezioneScrittura(const QString& percorso) : percorso_(percorso)
    {
        cartella_ = QFileInfo(percorso).isDir();
        permessi_ = QFile::permissions(percorso);
        QFile::setPermissions(percorso, cartella_ ? QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                                        QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther
                                                  : QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        if (!Scrivibile()) {
            attiva_ = true;
            return;
        }
        if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), percorso_}) == 0) {
            immutabile_ = true;
            attiva_ = !Scrivibile();
            motivo_ = attiva_ ? QString() : QStringLiteral("chattr +i does not stop writes here");
            return;
        }
        motivo_ = geteuid() == 0
                      ? QStringLiteral("running as root, where permission bits do not stop writes, "
                                       "and chattr +i is not available on this file system")
                      : QStringLiteral("the permission bits do not stop writes here");
    }
    ~ProtezioneScrittura() { Togli(); }

    bool Attiva() const { return attiva_; }
    QString Motivo() const { return motivo_; }
    void Togli()
    {
        if (immutabile_)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), percorso_});
        immutabile_ = false;
        QFile::setPermissions(percorso_, permessi_);
    }

private:
    // Tries what the engine would do: create a file in the folder, or open the file for writing.
    bool Scrivibile() const
    {
        if (cartella_) {
            QFile prova(percorso_ + QStringLiteral("/prova-scrittura"));
            const bool ok = prova.open(QIODevice::WriteOnly);
            prova.close();
            prova.remove();
            return ok;
        }
        QFile prova(percorso_);
        return prova.open(QIODevice::ReadWrite);
    }

    QString percorso_;
    bool cartella_ = false;
    QFile::Permissions permessi_;
    bool immutabile_ = false;
    bool attiva_ = false;
    QString motivo_;
};

} // namespace

class TestFaultInjection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void OgniGuastoLasciaIlFileComEra_data();
    void OgniGuastoLasciaIlFileComEra();
    void CartellaDatiNonScrivibile_data();
    void CartellaDatiNonScrivibile();
    void DatabaseNonScrivibile_data();
    void DatabaseNonScrivibile();

private:
    void VerificaRifiutoSenzaDanni(Operazione operazione, const QString& cartellaProtetta);
};

void TestFaultInjection::initTestCase()
{
    TestSupport::PreparaAmbiente();
    QVERIFY(FaultVfs::Installa());
}

void TestFaultInjection::cleanupTestCase()
{
    FaultVfs::Rimuovi();
}

void TestFaultInjection::cleanup()
{
    FaultVfs::Disarma();
}

void TestFaultInjection::OgniGuastoLasciaIlFileComEra_data()
{
    QTest::addColumn<Operazione>("operazione");
    QTest::addColumn<FaultVfs::Tipo>("tipo");
    QTest::addColumn<bool>("persistente");
    const std::pair<const char*, Operazione> operazioni[] = {
        {"nuova voce", Operazione::NuovaVoce},
        {"modifica", Operazione::Modifica},
        {"cancellazione", Operazione::Cancellazione},
    };
    for (const auto& [nomeOperazione, operazione] : operazioni)
        for (FaultVfs::Tipo tipo :
             {FaultVfs::Tipo::Scrittura, FaultVfs::Tipo::Sincronizzazione, FaultVfs::Tipo::Blocco})
            for (bool persistente : {false, true})
                QTest::addRow("%s, %s %s", nomeOperazione, NomeTipo(tipo),
                              persistente ? "sempre" : "una volta")
                    << operazione << tipo << persistente;
}

void TestFaultInjection::OgniGuastoLasciaIlFileComEra()
{
    QFETCH(Operazione, operazione);
    QFETCH(FaultVfs::Tipo, tipo);
    QFETCH(bool, persistente);

    TestSupport::AmbienteDati ambiente;
    QVERIFY(ambiente.ok());
    const QString percorso = ambiente.percorsoDatabase(QStringLiteral("Database_sperimentale.mdb"));
    const QByteArray originale = Contenuto(percorso);
    const std::vector<Riga> righePrima = FotografiaDatabase::Righe(percorso);
    QVERIFY(!righePrima.empty());

    // Once on a sound disk: how many operations of the kind the operation makes, and the
    // rows it leaves.
    FaultVfs::AzzeraConteggi();
    const Risultato sano = Esegui(operazione, percorso);
    QVERIFY2(sano.riuscito, qPrintable(sano.descrizione));
    const int operazioni = FaultVfs::Contati().di(tipo);
    const std::vector<Riga> righeDopo = FotografiaDatabase::Righe(percorso);
    QVERIFY(righeDopo != righePrima);
    QVERIFY(operazioni > 0);

    for (int n = 1; n <= operazioni; ++n) {
        const QByteArray contesto = QStringLiteral("%1 %2 of %3")
                                        .arg(QString::fromUtf8(NomeTipo(tipo)))
                                        .arg(n)
                                        .arg(operazioni)
                                        .toUtf8();
        QVERIFY(RimettiFile(percorso, originale));

        FaultVfs::FallisciAl(tipo, n, persistente);
        const Risultato guasto = Esegui(operazione, percorso);
        FaultVfs::Disarma();
        QVERIFY2(FaultVfs::Scattato(), contesto.constData());

        // A fault after the change is committed (reading the row back) leaves a done
        // save: what the user is told must match what the file holds.
        if (guasto.riuscito) {
            QVERIFY2(FotografiaDatabase::Righe(percorso) == righeDopo, contesto.constData());
            QCOMPARE(FotografiaDatabase::Integrita(percorso), QStringLiteral("ok"));
            continue;
        }
        QVERIFY2(guasto.numero == DbErrore::ErroreDisco, qPrintable(QStringLiteral("%1: %2 (%3)")
                                                                        .arg(QString::fromUtf8(contesto))
                                                                        .arg(guasto.numero)
                                                                        .arg(guasto.descrizione)));
        QVERIFY2(guasto.descrizione.contains(QStringLiteral("Database_sperimentale.mdb")),
                 qPrintable(guasto.descrizione));

        // What the next program to open the file finds: the rows of before, a sound
        // file, and (once the engine has put back an interrupted write) the same bytes.
        QVERIFY2(FotografiaDatabase::Righe(percorso) == righePrima, contesto.constData());
        // A journal left behind is either blank or put back by that first opening, so what
        // counts is what a fresh connection reads.
        QCOMPARE(FotografiaDatabase::Integrita(percorso), QStringLiteral("ok"));
        QVERIFY2(Contenuto(percorso) == originale, contesto.constData());

        const Risultato ripetuto = Esegui(operazione, percorso);
        QVERIFY2(ripetuto.riuscito,
                 qPrintable(QString::fromUtf8(contesto) + QStringLiteral(": ") + ripetuto.descrizione));
        QVERIFY2(FotografiaDatabase::Righe(percorso) == righeDopo, contesto.constData());
    }
}

void TestFaultInjection::VerificaRifiutoSenzaDanni(Operazione operazione, const QString& protetto)
{
    TestSupport::AmbienteDati ambiente;
    QVERIFY(ambiente.ok());
    const QString percorso = ambiente.percorsoDatabase(QStringLiteral("Database_sperimentale.mdb"));
    const QByteArray originale = Contenuto(percorso);
    const std::vector<Riga> righePrima = FotografiaDatabase::Righe(percorso);

    ProtezioneScrittura protezione(protetto.isEmpty() ? percorso : ambiente.percorsoDatabase(protetto));
    if (!protezione.Attiva())
        QSKIP(qPrintable(protezione.Motivo()));
    const Risultato rifiutato = Esegui(operazione, percorso);
    QVERIFY(!rifiutato.riuscito);
    QVERIFY2(rifiutato.numero == DbErrore::SolaLettura || rifiutato.numero == DbErrore::FileNonTrovato ||
                 rifiutato.numero == DbErrore::ErroreDisco,
             qPrintable(QStringLiteral("%1 %2").arg(rifiutato.numero).arg(rifiutato.descrizione)));
    QVERIFY2(rifiutato.descrizione.contains(QStringLiteral("Database_sperimentale.mdb")),
             qPrintable(rifiutato.descrizione));
    QCOMPARE(Contenuto(percorso), originale);
    protezione.Togli();

    QVERIFY(FotografiaDatabase::Righe(percorso) == righePrima);
    const Risultato ripetuto = Esegui(operazione, percorso);
    QVERIFY2(ripetuto.riuscito, qPrintable(ripetuto.descrizione));
    QVERIFY(FotografiaDatabase::Righe(percorso) != righePrima);
    QCOMPARE(FotografiaDatabase::Integrita(percorso), QStringLiteral("ok"));
}

void TestFaultInjection::CartellaDatiNonScrivibile_data()
{
    QTest::addColumn<Operazione>("operazione");
    QTest::newRow("nuova voce") << Operazione::NuovaVoce;
    QTest::newRow("modifica") << Operazione::Modifica;
    QTest::newRow("cancellazione") << Operazione::Cancellazione;
}

// The engine keeps its journal beside the file: a folder it cannot write into stops
// every change before it starts.
void TestFaultInjection::CartellaDatiNonScrivibile()
{
    QFETCH(Operazione, operazione);
    VerificaRifiutoSenzaDanni(operazione, QStringLiteral("."));
}

void TestFaultInjection::DatabaseNonScrivibile_data()
{
    CartellaDatiNonScrivibile_data();
}

void TestFaultInjection::DatabaseNonScrivibile()
{
    QFETCH(Operazione, operazione);
    VerificaRifiutoSenzaDanni(operazione, QString());
}

QTEST_GUILESS_MAIN(TestFaultInjection)
#include "TestFaultInjection.moc"
