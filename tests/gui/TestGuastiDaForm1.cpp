// A failing disk under the real windows: the save from the editor and the deletion from
// the main window meet a full disk, a failed sync or a failed lock. The user is told, the
// editor stays open with everything typed, the file keeps what it held, and once the disk
// works again the same click succeeds.
#include "FaultVfs.h"
#include "TestForm1Ambiente.h"

Q_DECLARE_METATYPE(FaultVfs::Tipo)

using namespace Form1Test;

namespace {
const QString kPrimo = QStringLiteral("Muro in laterizio 12 cm");
} // namespace

class TestGuastiDaForm1 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(FaultVfs::Installa()); }
    void cleanupTestCase() { FaultVfs::Rimuovi(); }
    void init();
    void cleanup();
    void guasto_data();
    void guasto();

private:
    std::unique_ptr<Ambiente> a_;
};

void TestGuastiDaForm1::init()
{
    a_ = std::make_unique<Ambiente>();
    QVERIFY(a_->ok());
    QVERIFY(QTest::qWaitForWindowExposed(&a_->apri()));
}

void TestGuastiDaForm1::cleanup()
{
    FaultVfs::Disarma();
    a_.reset();
}

void TestGuastiDaForm1::guasto_data()
{
    QTest::addColumn<FaultVfs::Tipo>("tipo");
    QTest::addColumn<int>("pulsante"); // 1 new entry, 2 the entry shown, 3 its deletion
    const std::pair<const char*, FaultVfs::Tipo> tipi[] = {{"full disk", FaultVfs::Tipo::Scrittura},
                                                           {"failed sync", FaultVfs::Tipo::Sincronizzazione},
                                                           {"failed lock", FaultVfs::Tipo::Blocco}};
    for (const auto& [nome, tipo] : tipi)
        for (int pulsante : {1, 2, 3})
            QTest::addRow("%s, button %d", nome, pulsante) << tipo << pulsante;
}

void TestGuastiDaForm1::guasto()
{
    QFETCH(FaultVfs::Tipo, tipo);
    QFETCH(int, pulsante);
    const QString nome = QStringLiteral("Parete salvata dopo un guasto");
    const QByteArray prima = Contenuto(a_->sperimentale());
    const QStringList righePrima = a_->righeElenco();
    QStringList visto; // after the failure: open, name and band still typed, the message; then closed
    if (pulsante == 3) {
        a_->selezionaRiga(1);
        FaultVfs::FallisciAl(tipo, 1, false);
        MessageBox::setNextAnswer(MessageBox::Yes);
        a_->pulsante(3);
        QVERIFY(FaultVfs::Scattato());
        FaultVfs::Disarma();
        // The list is read again and shows the entry still there, from its first line.
        QCOMPARE(a_->righeElenco(), righePrima);
        QCOMPARE(a_->elenco()->currentRow(), 0);
    } else {
        QVERIFY(ConEditor([&] { a_->pulsante(pulsante); },
                          [&](Form3* e) {
                              Casella(e, "Text15")->setText(nome);
                              Casella(e, "Text2(10)")->setText(QStringLiteral("47,5"));
                              FaultVfs::FallisciAl(tipo, 1, true);
                              Premi(e, "Command2");
                              visto << (FaultVfs::Scattato() && e->isVisible() ? "aperto" : "chiuso")
                                    << Casella(e, "Text15")->text() + Casella(e, "Text2(10)")->text();
                              FaultVfs::Disarma();
                              Premi(e, "Command2"); // the disk works again: the same click saves
                              visto << (e->isVisible() ? "aperto" : "chiuso");
                          }));
        QCOMPARE(visto, (QStringList{"aperto", nome + "47,5", "chiuso"}));
        QCOMPARE(MessageBox::shown().first().icon, MessageBox::Critical);
    }
    QCOMPARE(MessageBox::shown().size(), pulsante == 3 ? 2 : 1); // a deletion asks first
    QVERIFY2(MessageBox::shown().last().text.contains(QStringLiteral("Database_sperimentale.mdb")),
             qPrintable(MessageBox::shown().last().text));
    if (pulsante == 3) {
        QCOMPARE(Contenuto(a_->sperimentale()), prima);
        a_->selezionaNome(kPrimo);
        MessageBox::setNextAnswer(MessageBox::Yes);
        a_->pulsante(3);
        QVERIFY(!a_->righeElenco().contains(kPrimo));
    } else {
        QVERIFY(a_->righeElenco().contains(nome));
        QCOMPARE(a_->righeElenco().contains(kPrimo), pulsante == 1);
    }
}

QTEST_MAIN(TestGuastiDaForm1)
#include "TestGuastiDaForm1.moc"
