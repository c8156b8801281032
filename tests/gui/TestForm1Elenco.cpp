// The material list and the keyword box: what a fill lists and offers, what a keyword
// choice lists, and the theoretical tables' description and empty tables.
#include "TestForm1Ambiente.h"

using namespace Form1Test;

class TestForm1Elenco : public QObject
{
    Q_OBJECT
    std::unique_ptr<Ambiente> a_;

    void Riempi(const QList<QPair<QString, QString>>& nomiEParole)
    {
        Ambiente::SvuotaTabella(a_->sperimentale(), QStringLiteral("Rw_laboratorio"));
        for (const auto& [nome, parola] : nomiEParole)
            Ambiente::Inserisci(a_->sperimentale(), QStringLiteral("Rw_laboratorio"),
                                {{"Nome", nome}, {"Parola chiave", parola}, {"Rw (dB)", "50"}});
        a_->apri();
    }

private slots:
    void init()
    {
        a_ = std::make_unique<Ambiente>();
        QVERIFY(a_->ok());
    }
    void cleanup() { a_.reset(); }

    // Keywords once each, in order of first appearance; one equal to the first line is not
    // offered twice. Typing in the box chooses nothing.
    void paroleInOrdineDiComparsa()
    {
        Riempi({{"n1", "A"}, {"n2", "B"}, {"n3", "A"}, {"n4", "Tutti i materiali"}, {"n5", "C"}});
        QCOMPARE(a_->righeParole(), (QStringList{M(88), "A", "B", "C"}));
        a_->parole()->setFocus();
        QTest::keyClicks(a_->parole(), QStringLiteral("Bc"));
        QCOMPARE(a_->parole()->currentText(), M(88));
        QCOMPARE(a_->righeElenco(), (QStringList{"n1", "n2", "n3", "n4", "n5"}));
    }

    // A keyword lists exactly the entries that carry it, the first of them shown; the
    // information window is made anew; the first line lists every entry again.
    void sceltaDiUnaParola()
    {
        Riempi({{"n1", "A"}, {"n2", "B"}, {"n3", "b"}, {"n4", "B "}, {"n5", "B"}});
        QPointer<Form2> prima = a_->form().InformazioniAggiuntiveSeEsiste();
        QVERIFY(prima);
        a_->scegliParola(QStringLiteral("B"));
        QVERIFY(!prima && a_->form().InformazioniAggiuntiveSeEsiste());
        QCOMPARE(a_->righeElenco(), (QStringList{"n2", "n5"}));
        QCOMPARE(a_->elenco()->currentRow(), 0);
        QVERIFY(a_->form().Controlli().Command2->isEnabled());
        QCOMPARE(a_->etichetta("Label3")->text(), QStringLiteral("Rw(C,Ctr)= 50(, ) dB"));
        QCOMPARE(a_->parole()->currentText(), QStringLiteral("B"));
        a_->scegliParola(M(88));
        QCOMPARE(a_->righeElenco().size(), 5);
    }

    // A keyword whose entries went away meanwhile lists nothing: the chart of no selection.
    void sceltaSenzaRisultati()
    {
        Riempi({{"n1", "A"}, {"n2", "B"}});
        Ambiente::Esegui(a_->sperimentale(), QStringLiteral("DELETE FROM Rw_laboratorio WHERE Nome = 'n2'"));
        a_->scegliParola(QStringLiteral("B"));
        QCOMPARE(a_->elenco()->count(), 0);
        QCOMPARE(a_->banda(0)->text() + a_->banda(20)->text() + a_->etichetta("Label4(3)")->text(), "00max");
        QVERIFY(!a_->form().Controlli().Command2->isEnabled());
        QVERIFY(!a_->form().InformazioniAggiuntiveSeEsiste());
    }

    // A theoretical table offers no keyword and shows its first entry's description on one
    // line, after a keyword choice too; an empty one blanks the display.
    void tabelleTeoriche()
    {
        const QString tabella = QStringLiteral("Potere_fonoisolante");
        Ambiente::SvuotaTabella(a_->teorico(), tabella);
        Ambiente::Inserisci(a_->teorico(), tabella,
                            {{"Nome", "T1"}, {"Descrizione", "prima riga\r\nseconda"}});
        Ambiente::Inserisci(a_->teorico(), tabella, {{"Nome", "T2"}, {"Descrizione", "altro"}});
        a_->apri();
        a_->clicca(a_->figlio(QStringLiteral("teorico"), M(20)));
        QCOMPARE(a_->righeElenco(), (QStringList{"T1", "T2"}));
        QCOMPARE(a_->righeParole(), QStringList{M(88)});
        QCOMPARE(a_->descrizione(), QStringLiteral("prima riga seconda"));
        a_->scegliParola(M(88));
        QCOMPARE(a_->descrizione(), QStringLiteral("prima riga seconda"));
        Ambiente::SvuotaTabella(a_->teorico(), tabella);
        a_->clicca(a_->figlio(QStringLiteral("teorico"), M(20)));
        QCOMPARE(a_->elenco()->count() + a_->parole()->count(), 0);
        QCOMPARE(a_->descrizione() + a_->banda(5)->text() + a_->etichetta("Label3")->text(), QString());
        QVERIFY(MessageBox::shown().isEmpty());
    }
};

QTEST_MAIN(TestForm1Elenco)
#include "TestForm1Elenco.moc"
