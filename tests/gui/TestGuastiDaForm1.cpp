// A failing disk under the real windows: the save from the editor and the deletion from
// the main window meet a full disk, a failed sync or a failed lock. The user is told, the
// editor stays open with everything typed, the file keeps what it held, and once the disk
// works again the same click succeeds.
#include "FaultVfs.h"
#include "GuidaEditor.h"
#include "TestForm1Ambiente.h"

#include "app/MessageBox.h"
#include "browser/ElencoNomi.h"
#include "browser/Form1.h"
#include "editor/Form3.h"
#include "model/Categorie.h"
#include "model/Module1.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

Q_DECLARE_METATYPE(FaultVfs::Tipo)

namespace {

const QString kPrimo = QStringLiteral("Muro in laterizio 12 cm");

QByteArray Contenuto(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList Righe(const ElencoNomi* lista)
{
    QStringList righe;
    for (int i = 0; i < lista->count(); ++i)
        righe << lista->testo(i);
    return righe;
}

void DatiDeiGuasti()
{
    QTest::addColumn<FaultVfs::Tipo>("tipo");
    QTest::newRow("full disk") << FaultVfs::Tipo::Scrittura;
    QTest::newRow("failed sync") << FaultVfs::Tipo::Sincronizzazione;
    QTest::newRow("failed lock") << FaultVfs::Tipo::Blocco;
}

} // namespace

class TestGuastiDaForm1 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { FaultVfs::Rimuovi(); }
    void init();
    void cleanup();

    void salvataggioNuovo_data() { DatiDeiGuasti(); }
    void salvataggioNuovo() { SalvataggioConGuasto(1); }
    void salvataggioModifica_data() { DatiDeiGuasti(); }
    void salvataggioModifica() { SalvataggioConGuasto(2); }
    void cancellazione_data() { DatiDeiGuasti(); }
    void cancellazione();

private:
    void SalvataggioConGuasto(int pulsante);
    QString File() const { return ambiente_->sperimentale(); }
    ElencoNomi* Lista() { return ambiente_->elenco(); }
    Form1& Finestra() { return ambiente_->form(); }

    std::unique_ptr<Form1Test::Ambiente> ambiente_;
};

void TestGuastiDaForm1::initTestCase()
{
    TestSupport::PreparaAmbiente();
    QVERIFY(FaultVfs::Installa());
}

void TestGuastiDaForm1::init()
{
    ambiente_ = std::make_unique<Form1Test::Ambiente>();
    QVERIFY(ambiente_->ok());
    QVERIFY(QTest::qWaitForWindowExposed(&ambiente_->apri()));
    QCOMPARE(Module1::CategoriaCorrente, int(catRwLaboratorio));
    QCOMPARE(Lista()->testoCorrente(), kPrimo);
}

void TestGuastiDaForm1::cleanup()
{
    FaultVfs::Disarma();
    ambiente_.reset();
}

// pulsante 1 opens the editor for a new entry, 2 for the entry shown.
void TestGuastiDaForm1::SalvataggioConGuasto(int pulsante)
{
    QFETCH(FaultVfs::Tipo, tipo);
    const QString nome = QStringLiteral("Parete salvata dopo un guasto");
    const QByteArray prima = Contenuto(File());

    bool scattato = false, rimastoAperto = false, chiusoDopo = false;
    QString nomeRimasto, bandaRimasta, avviso;
    const auto guida = [&](Form3* editor) {
        auto* casellaNome = editor->findChild<QLineEdit*>(QStringLiteral("Text15"));
        auto* banda = editor->findChild<QLineEdit*>(QStringLiteral("Text1(10)"));
        auto* salva = editor->findChild<QPushButton*>(QStringLiteral("Command2"));
        if (!casellaNome || !banda || !salva)
            return;
        casellaNome->setText(nome);
        banda->setText(QStringLiteral("47,5"));

        FaultVfs::FallisciAl(tipo, 1, true);
        salva->click();
        scattato = FaultVfs::Scattato();
        FaultVfs::Disarma();
        rimastoAperto = editor->isVisible();
        nomeRimasto = casellaNome->text();
        bandaRimasta = banda->text();
        avviso = MessageBox::lastText();

        if (rimastoAperto)
            salva->click(); // the disk works again: the same click saves
        chiusoDopo = !editor->isVisible();
    };
    const bool aperto =
        GuidaEditor::ConEditor([&] { Finestra().Controlli().pulsanti[pulsante]->trigger(); }, guida);

    QVERIFY(aperto);
    QVERIFY(scattato);
    QVERIFY2(rimastoAperto, "the editor closed on a failed save");
    QCOMPARE(nomeRimasto, nome);
    QCOMPARE(bandaRimasta, QStringLiteral("47,5"));
    QVERIFY2(avviso.contains(QStringLiteral("Database_sperimentale.mdb")), qPrintable(avviso));
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().icon, MessageBox::Critical);
    QVERIFY(chiusoDopo);
    QVERIFY(Righe(Lista()).contains(nome));
    QCOMPARE(Righe(Lista()).contains(kPrimo), pulsante == 1);
    QVERIFY(Contenuto(File()) != prima);
}

void TestGuastiDaForm1::cancellazione()
{
    QFETCH(FaultVfs::Tipo, tipo);
    const QByteArray prima = Contenuto(File());
    const QStringList righePrima = Righe(Lista());
    Lista()->setCurrentRow(1);

    FaultVfs::FallisciAl(tipo, 1, false);
    MessageBox::setNextAnswer(MessageBox::Yes);
    Finestra().Controlli().pulsanti[3]->trigger();
    QVERIFY(FaultVfs::Scattato());
    FaultVfs::Disarma();
    QCOMPARE(MessageBox::shown().size(), 2); // the question, then the failure
    QVERIFY2(MessageBox::lastText().contains(QStringLiteral("Database_sperimentale.mdb")),
             qPrintable(MessageBox::lastText()));
    // The list is read again and shows the entry that is still there, from its first line.
    QCOMPARE(Righe(Lista()), righePrima);
    QCOMPARE(Lista()->currentRow(), 0);
    QCOMPARE(Contenuto(File()), prima);
    Lista()->setCurrentRow(int(righePrima.indexOf(kPrimo)));

    MessageBox::clearShown();
    MessageBox::setNextAnswer(MessageBox::Yes);
    Finestra().Controlli().pulsanti[3]->trigger();
    QCOMPARE(MessageBox::shown().size(), 1);
    QVERIFY(!Righe(Lista()).contains(kPrimo));
    QCOMPARE(Lista()->count(), righePrima.size() - 1);
}

QTEST_MAIN(TestGuastiDaForm1)
#include "TestGuastiDaForm1.moc"
