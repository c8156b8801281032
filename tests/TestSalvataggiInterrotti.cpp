// Saves cut short by a killed process: a child program saves new entries and modifies
// them through the editor's save, and is killed without warning at a random moment, over
// and over, on one custom database file. After every kill the file must be sound and hold
// every entry whose save the child saw return, whole, and nothing else but the one save
// that may have been under way.
#include "FotografiaDatabase.h"
#include "TestSupport.h"
#include "VoceDiProva.h"

#include "model/Categorie.h"

#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>

using FotografiaDatabase::Riga;

namespace {

constexpr int Giri = 200;
constexpr int SemiPerGiro = 1000;
constexpr int AttesaMassimaMs = 40;

// Name -> the columns its row must hold.
using Attese = QMap<QString, QVariantMap>;

QString NomeNuova(int seme)
{
    return QStringLiteral("Prova %1").arg(seme);
}

QString NomeModificata(int seme)
{
    return NomeNuova(seme) + QStringLiteral(" bis");
}

// Applies one of the child's saves, in the order it makes them: a new entry for seed s,
// then its modification, then a new entry for s + 1...
void Applica(Attese& attese, int seme, bool modifica)
{
    const int codice = catRwLaboratorio;
    if (!modifica) {
        attese.insert(NomeNuova(seme), VoceDiProva::RigaAttesa(
                                           codice, VoceDiProva::CaselleVoce(codice, NomeNuova(seme), seme)));
        return;
    }
    attese.remove(NomeNuova(seme));
    attese.insert(
        NomeModificata(seme),
        VoceDiProva::RigaAttesa(codice, VoceDiProva::CaselleVoce(codice, NomeModificata(seme), seme + 1)));
}

QMap<QString, Riga> RighePerNome(const QString& percorso, QString* errore)
{
    QMap<QString, Riga> righe;
    for (const Riga& r : FotografiaDatabase::Righe(percorso, errore))
        if (r.tabella == VoceDiProva::Tabella(catRwLaboratorio))
            righe.insert(r.colonne.value(QStringLiteral("Nome")).toString(), r);
    return righe;
}

// "" when the table holds exactly the rows expected.
QString Confronta(const QMap<QString, Riga>& righe, const Attese& attese,
                  const QMap<QString, Riga>& originali)
{
    QStringList differenze;
    for (auto it = righe.constBegin(); it != righe.constEnd(); ++it) {
        if (originali.contains(it.key())) {
            if (originali.value(it.key()).colonne != it.value().colonne)
                differenze << QStringLiteral("«%1» changed").arg(it.key());
        } else if (!attese.contains(it.key())) {
            differenze << QStringLiteral("«%1» should not be there").arg(it.key());
        } else {
            const QString d = FotografiaDatabase::Differenze(it.value(), attese.value(it.key()));
            if (!d.isEmpty())
                differenze << QStringLiteral("«%1»: %2").arg(it.key(), d);
        }
    }
    for (const QString& nome : attese.keys())
        if (!righe.contains(nome))
            differenze << QStringLiteral("«%1» is missing").arg(nome);
    for (const QString& nome : originali.keys())
        if (!righe.contains(nome))
            differenze << QStringLiteral("«%1» (already there) is missing").arg(nome);
    return differenze.join(QStringLiteral("; "));
}

} // namespace

class TestSalvataggiInterrotti : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::PreparaAmbiente(); }
    void OgniSalvataggioConclusoSopravviveAllaTerminazione();
};

void TestSalvataggiInterrotti::OgniSalvataggioConclusoSopravviveAllaTerminazione()
{
    TestSupport::AmbienteDati ambiente;
    QVERIFY(ambiente.ok());
    const QString percorso = ambiente.percorsoDatabase(QStringLiteral("Database_sperimentale.mdb"));
    QString errore;
    const QMap<QString, Riga> originali = RighePerNome(percorso, &errore);
    QVERIFY2(errore.isEmpty(), qPrintable(errore));

    Attese attese;
    int salvataggiConclusi = 0;
    int uccisiDuranteUnSalvataggio = 0;
    QRandomGenerator caso(20240611);
    for (int giro = 0; giro < Giri; ++giro) {
        const int primo = (giro + 1) * SemiPerGiro;
        QProcess figlio;
        figlio.start(QStringLiteral(ZELMAR_SALVATAGGI_INTERROTTI), {percorso, QString::number(primo)});
        QVERIFY2(figlio.waitForStarted(), qPrintable(figlio.errorString()));
        QVERIFY(figlio.waitForReadyRead(10000));
        QVERIFY(figlio.readLine().startsWith("pronto"));
        QThread::usleep(caso.bounded(AttesaMassimaMs * 1000));
        figlio.kill(); // SIGKILL: no clean-up of any kind
        QVERIFY(figlio.waitForFinished(10000));
        QVERIFY2(figlio.exitStatus() == QProcess::CrashExit,
                 qPrintable(QStringLiteral("round %1: the child stopped by itself (%2): %3")
                                .arg(giro)
                                .arg(figlio.exitCode())
                                .arg(QString::fromLocal8Bit(figlio.readAllStandardError()))));

        // The saves the child saw return, in order.
        int ultimoSeme = primo - 1;
        bool ultimaModifica = true;
        for (const QByteArray& riga : figlio.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> parti = riga.trimmed().split(' ');
            if (parti.size() != 2)
                continue;
            ultimaModifica = parti[0] == "modifica";
            ultimoSeme = parti[1].toInt();
            Applica(attese, ultimoSeme, ultimaModifica);
            ++salvataggiConclusi;
        }

        const QByteArray contesto = QStringLiteral("round %1").arg(giro).toUtf8();
        QCOMPARE(FotografiaDatabase::Integrita(percorso), QStringLiteral("ok"));
        const QMap<QString, Riga> righe = RighePerNome(percorso, &errore);
        QVERIFY2(errore.isEmpty(), qPrintable(errore));
        QString differenze = Confronta(righe, attese, originali);
        if (differenze.isEmpty())
            continue;
        // The save under way when the child was killed may have been committed just
        // before: then the file holds it whole.
        ++uccisiDuranteUnSalvataggio;
        if (ultimaModifica)
            Applica(attese, ultimoSeme + 1, false);
        else
            Applica(attese, ultimoSeme, true);
        differenze = Confronta(righe, attese, originali);
        QVERIFY2(differenze.isEmpty(),
                 qPrintable(QString::fromUtf8(contesto) + QStringLiteral(": ") + differenze));
    }
    qInfo("%d saves done, %d of %d kills fell after a commit the child had not reported yet",
          salvataggiConclusi, uccisiDuranteUnSalvataggio, Giri);
    QVERIFY(salvataggiConclusi > Giri);
}

QTEST_GUILESS_MAIN(TestSalvataggiInterrotti)
#include "TestSalvataggiInterrotti.moc"
