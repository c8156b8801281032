// Saves cut short by a killed process: a child program saves new entries and modifies
// them through the editor's save, and is killed without warning at a random moment after
// a random number of saves it saw return, over and over, on one custom database file. After every kill the
// file must be sound and hold every entry whose save the child saw return, whole, and nothing else but the
// one save that may have been under way.
#include "FotografiaDatabase.h"
#include "TestSupport.h"
#include "VoceDiProva.h"

#include "model/Categorie.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>

namespace {

constexpr int Giri = 50;
constexpr int SemiPerGiro = 1000;
constexpr int AttesaMassimaMs = 150;
constexpr int SalvataggiMassimiPrima = 3; // before the wait that ends in the kill

// Name -> the columns its row must hold.
using Righe = QMap<QString, QVariantMap>;

// One of the child's saves, in the order it makes them: a new entry for seed s, then its
// modification, then a new entry for s + 1...
void Applica(Righe& attese, int seme, bool modifica)
{
    const QString nome = QStringLiteral("Prova %1").arg(seme);
    attese.remove(nome);
    const QString salvato = modifica ? nome + QStringLiteral(" bis") : nome;
    attese.insert(salvato, VoceDiProva::RigaAttesa(
                               VoceDiProva::ValoriVoce(catRwLaboratorio, salvato, seme + modifica)));
}

Righe RighePerNome(const QString& percorso)
{
    Righe righe;
    for (const auto& r : FotografiaDatabase::Righe(percorso))
        if (r.tabella == VoceDiProva::Tabella(catRwLaboratorio))
            righe.insert(r.colonne.value(QStringLiteral("Nome")).toString(), r.colonne);
    return righe;
}

} // namespace

class TestSalvataggiInterrotti : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::PreparaAmbiente(); }

    void OgniSalvataggioConclusoSopravviveAllaTerminazione()
    {
        TestSupport::AmbienteDati ambiente;
        QVERIFY(ambiente.ok());
        const QString percorso = ambiente.percorsoDatabase(QStringLiteral("Database_sperimentale.mdb"));
        Righe attese = RighePerNome(percorso);
        QVERIFY(!attese.isEmpty());
        int salvataggiConclusi = 0;
        int uccisiDopoUnCommit = 0;
        QRandomGenerator caso(20240611);
        for (int giro = 0; giro < Giri; ++giro) {
            QProcess figlio;
            figlio.start(QStringLiteral(ZELMAR_ALTRA_ISTANZA),
                         {QStringLiteral("ripeti"), percorso, QString::number((giro + 1) * SemiPerGiro)});
            // However fast the disk, every round has saves that must survive.
            QByteArray uscita;
            const int prima = 1 + int(caso.bounded(SalvataggiMassimiPrima)); // after "pronto"
            while (uscita.count('\n') <= prima) {
                QVERIFY2(figlio.waitForReadyRead(30000), figlio.readAllStandardError().constData());
                uscita += figlio.readAllStandardOutput();
            }
            QVERIFY(uscita.startsWith("pronto"));
            QThread::usleep(caso.bounded(AttesaMassimaMs * 1000));
            figlio.kill(); // SIGKILL: no clean-up of any kind
            QVERIFY(figlio.waitForFinished(10000));
            QVERIFY2(figlio.exitStatus() == QProcess::CrashExit, figlio.readAllStandardError().constData());
            uscita += figlio.readAllStandardOutput();

            // The saves the child saw return, in order.
            int ultimoSeme = (giro + 1) * SemiPerGiro - 1;
            bool ultimaModifica = true;
            for (const QByteArray& riga : uscita.split('\n')) {
                const QList<QByteArray> parti = riga.split(' ');
                if (parti.size() != 2)
                    continue;
                ultimaModifica = parti[0] == "modifica";
                ultimoSeme = parti[1].toInt();
                Applica(attese, ultimoSeme, ultimaModifica);
                ++salvataggiConclusi;
            }
            QCOMPARE(FotografiaDatabase::Integrita(percorso), QStringLiteral("ok"));
            const Righe righe = RighePerNome(percorso);
            if (righe == attese)
                continue;
            // The save under way when the child was killed may have been committed just
            // before: then the file holds it whole.
            ++uccisiDopoUnCommit;
            Applica(attese, ultimaModifica ? ultimoSeme + 1 : ultimoSeme, !ultimaModifica);
            QVERIFY2(righe == attese, qPrintable(QStringLiteral("round %1: %2 rows, %3 expected")
                                                     .arg(giro)
                                                     .arg(righe.size())
                                                     .arg(attese.size())));
        }
        qInfo("%d saves done, %d of %d kills fell after a commit the child had not reported yet",
              salvataggiConclusi, uccisiDopoUnCommit, Giri);
    }
};

QTEST_GUILESS_MAIN(TestSalvataggiInterrotti)
#include "TestSalvataggiInterrotti.moc"
