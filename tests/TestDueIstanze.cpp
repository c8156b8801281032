// Two copies of the program on one data folder: the other copy is a separate process
// (AltraIstanza) that saves, deletes or holds the file as the editor and the browser do.
#include "FotografiaDatabase.h"
#include "TestSupport.h"
#include "VoceDiProva.h"

#include "model/CancellazioneMateriale.h"
#include "model/Categorie.h"
#include "storage/DbException.h"
#include "model/ListaMateriali.h"
#include "model/SalvataggioMateriale.h"

#include <QProcess>
#include <QTest>

using Esito = SalvataggioMateriale::Esito;

namespace {

const QString NomeEsistente = QStringLiteral("Muro in laterizio 12 cm");

// Runs the other copy to its end and gives back the line it wrote.
QString AltraIstanza(const QStringList& argomenti)
{
    QProcess altra;
    altra.start(QStringLiteral(ZELMAR_ALTRA_ISTANZA), argomenti);
    if (!altra.waitForFinished(30000))
        return QStringLiteral("(did not finish)");
    return QString::fromLocal8Bit(altra.readAllStandardOutput()).trimmed();
}

QStringList NomiInElenco(const QString& percorso)
{
    return ListaMateriali::Leggi(percorso, VoceDiProva::Tabella(catRwLaboratorio), {}).nomi.toStringList();
}

Esito ModificaEsistente(const QString& percorso)
{
    const auto caselle =
        VoceDiProva::CaselleVoce(catRwLaboratorio, NomeEsistente + QStringLiteral(" bis"), 3);
    return SalvataggioMateriale::Salva(
        VoceDiProva::Richiesta(percorso, catRwLaboratorio, caselle, true, NomeEsistente));
}

} // namespace

class TestDueIstanze : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::PreparaAmbiente(); }

    void SalvataggioDellAltraElencatoAlRiempimento()
    {
        TestSupport::AmbienteDati ambiente;
        QVERIFY(ambiente.ok());
        const QString percorso = ambiente.percorsoDatabase(QStringLiteral("Database_sperimentale.mdb"));
        const QStringList prima = NomiInElenco(percorso);
        QVERIFY(!prima.contains(QStringLiteral("Voce dell'altra copia")));

        QCOMPARE(AltraIstanza({QStringLiteral("salva"), percorso, QStringLiteral("Voce dell'altra copia"),
                               QStringLiteral("5")}),
                 QStringLiteral("salvato"));
        QCOMPARE(NomiInElenco(percorso), prima + QStringList{QStringLiteral("Voce dell'altra copia")});
    }

    void ModificaMentreLAltraTieneIlFile()
    {
        TestSupport::AmbienteDati ambiente;
        QVERIFY(ambiente.ok());
        const QString percorso = ambiente.percorsoDatabase(QStringLiteral("Database_sperimentale.mdb"));
        const auto righePrima = FotografiaDatabase::Righe(percorso);

        QProcess altra;
        altra.start(QStringLiteral(ZELMAR_ALTRA_ISTANZA), {QStringLiteral("tieni"), percorso});
        QVERIFY(altra.waitForReadyRead(30000));
        QCOMPARE(altra.readLine().trimmed(), QByteArray("tengo"));

        const Esito rifiutato = ModificaEsistente(percorso);
        QCOMPARE(rifiutato.tipo, Esito::Errore);
        QCOMPARE(rifiutato.numero, DbErrore::FileInUso);
        QVERIFY2(rifiutato.descrizione.contains(QStringLiteral("Database_sperimentale.mdb")),
                 qPrintable(rifiutato.descrizione));

        altra.closeWriteChannel();
        QVERIFY(altra.waitForFinished(30000));
        QCOMPARE(altra.exitCode(), 0);
        QVERIFY(FotografiaDatabase::Righe(percorso) == righePrima);

        const Esito riuscito = ModificaEsistente(percorso);
        QVERIFY2(riuscito.tipo == Esito::Ok, qPrintable(riuscito.descrizione));
        QVERIFY(NomiInElenco(percorso).contains(NomeEsistente + QStringLiteral(" bis")));
    }

    void CancellazioneGiaFattaDallAltra()
    {
        TestSupport::AmbienteDati ambiente;
        QVERIFY(ambiente.ok());
        const QString percorso = ambiente.percorsoDatabase(QStringLiteral("Database_sperimentale.mdb"));
        QVERIFY(NomiInElenco(percorso).contains(NomeEsistente));

        QCOMPARE(AltraIstanza({QStringLiteral("cancella"), percorso, NomeEsistente}),
                 QStringLiteral("cancellato"));
        const auto righeDopo = FotografiaDatabase::Righe(percorso);
        bool cancellato = true;
        try {
            cancellato = CancellazioneMateriale::Cancella(percorso, VoceDiProva::Tabella(catRwLaboratorio),
                                                          NomeEsistente);
        } catch (const DbException& e) {
            QFAIL(qPrintable(e.Descrizione()));
        }
        QVERIFY(!cancellato);
        QVERIFY(FotografiaDatabase::Righe(percorso) == righeDopo);
    }
};

QTEST_GUILESS_MAIN(TestDueIstanze)
#include "TestDueIstanze.moc"
