// A category folder holding a genuine Access file beside one of the program's own: the tree
// lists both alike; an Access file whose columns are not a category table's, or whose reading
// crashes the reader process, is a message and the window goes on; the import from the
// window's menu converts it, keeps the original and builds the tree again.
#include "JetDiProva.h"
#include "TestForm1Ambiente.h"

#include "storage/jet/LettoreJetIsolato.h"

using namespace Form1Test;

class TestForm1Jet : public QObject
{
    Q_OBJECT
    std::unique_ptr<Ambiente> a_;
    QString jet_;

private slots:
    void init()
    {
        a_ = std::make_unique<Ambiente>();
        QVERIFY(a_->ok());
        jet_ = a_->dati().percorsoDatabase(QStringLiteral("Partizioni verticali (Rw)/test.mdb"));
        QVERIFY(JetDiProva::CopiaConColonnaNome(jet_));
    }
    void cleanup() { a_.reset(); }

    void fileIlleggibile()
    {
        QTemporaryDir dir;
        for (bool cade : {false, true}) {
            if (cade)
                LettoreJetIsolato::ImpostaProgramma(
                    JetDiProva::ScriviLettore(dir.path(), "lettore", "kill -SEGV $$"));
            a_->apri();
            QCOMPARE(a_->figli(QStringLiteral("Rw")), (QStringList{"Prove 2009", "test"}));
            MessageBox::clearShown();
            a_->clicca(a_->figlio(QStringLiteral("Rw"), QStringLiteral("test")));
            LettoreJetIsolato::ImpostaProgramma(LettoreJetIsolato::ProgrammaPredefinito());
            QCOMPARE(MessageBox::shown().size(), 1);
            const QString motivo = cade ? "la lettura si è interrotta" : "Parola chiave";
            QVERIFY2(MessageBox::lastText().contains(jet_) && MessageBox::lastText().contains(motivo),
                     qPrintable(MessageBox::lastText()));
            QVERIFY(a_->righeElenco().isEmpty());
            MessageBox::clearShown();
            a_->clicca(a_->figlio(QStringLiteral("Rw"), QStringLiteral("Prove 2009")));
            QVERIFY(MessageBox::shown().isEmpty() && !a_->righeElenco().isEmpty());
        }
    }

    // A second run converts nothing.
    void importazioneDalMenu()
    {
        const QByteArray originale = JetDiProva::Contenuto(jet_);
        a_->apri();
        a_->form().Controlli().ImportaJet->trigger();
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().first().icon, MessageBox::Information);
        QVERIFY2(MessageBox::lastText().contains("Converted: " + jet_), qPrintable(MessageBox::lastText()));
        QCOMPARE(JetDiProva::Contenuto(jet_ + QStringLiteral(".jet")), originale);
        QVERIFY(!JetDiProva::Contenuto(jet_).startsWith(originale.left(20)));
        QCOMPARE(a_->figli(QStringLiteral("Rw")), (QStringList{"Prove 2009", "test"}));
        QVERIFY(!a_->righeElenco().isEmpty());
        a_->form().Controlli().ImportaJet->trigger();
        QVERIFY(MessageBox::lastText().contains(QStringLiteral("Files converted: 0;")));
    }
};

QTEST_MAIN(TestForm1Jet)
#include "TestForm1Jet.moc"
