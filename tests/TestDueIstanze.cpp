// Two copies of the program on one data folder: the other copy is a separate process
// (AltraIstanza) that saves, deletes or holds the file as the editor and the browser do.
#include "FotografiaDatabase.h"
#include "TestSupport.h"
#include "VoceDiProva.h"

#include "model/CancellazioneMateriale.h"
#include "model/Categorie.h"
#include "model/ListaMateriali.h"
#include "storage/DbException.h"

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
    return altra.waitForFinished(30000) ? QString::fromLocal8Bit(altra.readAllStandardOutput()).trimmed()
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
    }
    void cleanup() { delete ambiente_; }

    // A save in one copy is listed by the other at its next fill.
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

    // Deleting an entry the other copy has just deleted does nothing and says nothing.
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
