// The material list and the keyword box: what a fill lists and offers, what a keyword
// choice lists, the captions of each kind and the theoretical tables' description.
#include "TestForm1Ambiente.h"

#include "app/MessageBox.h"
#include "app/ZelmarCommonModule.h"
#include "browser/Form2.h"
#include "model/Module1.h"

#include "browser/ElencoNomi.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Form1Test;
using ZelmarCommonModule::M;

namespace {
const QString kTabella = QStringLiteral("Rw_laboratorio");

void Riempi(Ambiente& a, const QList<QPair<QString, QString>>& nomiEParole)
{
    Ambiente::SvuotaTabella(a.sperimentale(), kTabella);
    for (const auto& [nome, parola] : nomiEParole)
        Ambiente::Inserisci(a.sperimentale(), kTabella,
                            {{"Nome", nome}, {"Parola chiave", parola}, {"Rw (dB)", "50"}});
}
} // namespace

class TestForm1Elenco : public QObject
{
    Q_OBJECT

private slots:
    void paroleInOrdineDiComparsa()
    {
        Ambiente a;
        QVERIFY(a.ok());
        Riempi(a, {{"n1", "A"}, {"n2", "B"}, {"n3", "A"}, {"n4", "C"}});
        a.apri();
        QCOMPARE(a.righeParole(), (QStringList{M(88), "A", "B", "C"}));
        QCOMPARE(a.parole()->currentText(), M(88));
        QCOMPARE(a.righeElenco(), (QStringList{"n1", "n2", "n3", "n4"}));
    }

    void parolaUgualeAllaPrimaRigaNonSiRipete()
    {
        Ambiente a;
        QVERIFY(a.ok());
        Riempi(a, {{"n1", M(88)}, {"n2", "B"}});
        a.apri();
        QCOMPARE(a.righeParole(), (QStringList{M(88), "B"}));
    }

    void sceltaDiUnaParola()
    {
        Ambiente a;
        QVERIFY(a.ok());
        Riempi(a, {{"n1", "A"}, {"n2", "B"}, {"n3", "b"}, {"n4", "B "}, {"n5", "B"}});
        a.apri();
        a.scegliParola(QStringLiteral("B"));
        QCOMPARE(a.righeElenco(), (QStringList{"n2", "n5"}));
        QCOMPARE(a.elenco()->currentRow(), 0);
        QCOMPARE(a.etichetta(QStringLiteral("Label3"))->text(), QStringLiteral("Rw(C,Ctr)= 50(, ) dB"));
        // The box keeps the choice; the first line shows every entry again.
        QCOMPARE(a.parole()->currentText(), QStringLiteral("B"));
        a.scegliParola(M(88));
        QCOMPARE(a.righeElenco(), (QStringList{"n1", "n2", "n3", "n4", "n5"}));
    }

    void sceltaScartaLaFinestraInformazioni()
    {
        Ambiente a;
        QVERIFY(a.ok());
        Riempi(a, {{"n1", "A"}, {"n2", "B"}});
        a.apri();
        QPointer<Form2> prima = a.form().InformazioniAggiuntiveSeEsiste();
        QVERIFY(prima);
        a.scegliParola(QStringLiteral("B"));
        QVERIFY(!prima);
        // The display of the first listed entry made a new one.
        QVERIFY(a.form().InformazioniAggiuntiveSeEsiste());
        QVERIFY(a.form().findChild<QPushButton*>(QStringLiteral("Command2"))->isEnabled());
    }

    void tabellaVuota()
    {
        Ambiente a;
        QVERIFY(a.ok());
        Ambiente::SvuotaTabella(a.sperimentale(), kTabella);
        a.apri();
        QCOMPARE(a.elenco()->count(), 0);
        QCOMPARE(a.righeParole(), QStringList{M(88)});
        QCOMPARE(a.etichetta(QStringLiteral("Label3"))->text(), M(11) + QStringLiteral(" = "));
        QCOMPARE(a.etichetta(QStringLiteral("Label33(3)"))->text(), M(10));
        QCOMPARE(a.descrizione(), QString());
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void tabellaTeoricaVuota()
    {
        Ambiente a;
        QVERIFY(a.ok());
        Ambiente::SvuotaTabella(a.teorico(), QStringLiteral("Potere_fonoisolante"));
        a.apri();
        a.clicca(a.figlio(QStringLiteral("teorico"), M(20)));
        QCOMPARE(a.elenco()->count(), 0);
        QCOMPARE(a.parole()->count(), 0);
        QCOMPARE(a.descrizione(), QString());
        QCOMPARE(a.banda(5)->text(), QString());
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void descrizioneTeorica()
    {
        Ambiente a;
        QVERIFY(a.ok());
        const QString tabella = QStringLiteral("Potere_fonoisolante");
        Ambiente::SvuotaTabella(a.teorico(), tabella);
        Ambiente::Inserisci(a.teorico(), tabella,
                            {{"Nome", "Teorico 1"}, {"Descrizione", "prima riga\r\nseconda"}});
        Ambiente::Inserisci(a.teorico(), tabella, {{"Nome", "Teorico 2"}, {"Descrizione", "altro"}});
        a.apri();
        a.clicca(a.figlio(QStringLiteral("teorico"), M(20)));
        QCOMPARE(a.righeElenco(), (QStringList{"Teorico 1", "Teorico 2"}));
        QCOMPARE(a.righeParole(), QStringList{M(88)});
        QCOMPARE(a.descrizione(), QStringLiteral("prima riga seconda"));
        a.scegliParola(M(88));
        QCOMPARE(a.descrizione(), QStringLiteral("prima riga seconda"));
        QCOMPARE(a.righeElenco(), (QStringList{"Teorico 1", "Teorico 2"}));
    }

    void intestazioneBandePerTipo_data()
    {
        // The catalogue is read when the window loads: the rows name messages by number.
        QTest::addColumn<QString>("radice");
        QTest::addColumn<int>("messaggio");
        QTest::addColumn<int>("intestazione");
        QTest::addColumn<QString>("suffisso");
        QTest::newRow("Rw") << "personalizzato" << 20 << 10 << "";
        QTest::newRow("DRw") << "personalizzato" << 21 << 84 << " [dB]";
        QTest::newRow("Lnw") << "personalizzato" << 22 << 18 << "";
        QTest::newRow("DLw") << "personalizzato" << 23 << 86 << " [dB]";
        QTest::newRow("R'w") << "personalizzato" << 24 << 83 << " [dB]";
        QTest::newRow("L'nw") << "personalizzato" << 25 << 18 << "";
        QTest::newRow("Infissi") << "personalizzato" << 26 << 10 << "";
        QTest::newRow("Piccoli elementi") << "personalizzato" << 27 << 87 << " [dB]";
        QTest::newRow("teorico Rw") << "teorico" << 20 << 10 << "";
        QTest::newRow("teorico DRw") << "teorico" << 21 << 84 << " [dB] = ";
        QTest::newRow("teorico Lnw") << "teorico" << 22 << 18 << "";
    }

    void intestazioneBandePerTipo()
    {
        QFETCH(QString, radice);
        QFETCH(int, messaggio);
        QFETCH(int, intestazione);
        QFETCH(QString, suffisso);
        Ambiente a;
        QVERIFY(a.ok());
        a.apri();
        a.clicca(a.figlio(radice, M(messaggio)));
        for (int elemento : {3, 4, 5})
            QCOMPARE(a.etichetta(QStringLiteral("Label33(%1)").arg(elemento))->text(),
                     M(intestazione) + suffisso);
    }

    void didascaliaDellaSceltaPerTipo_data()
    {
        // The keyword choice joins with "= "; only an empty result leaves its caption in view.
        QTest::addColumn<QString>("radice");
        QTest::addColumn<int>("messaggio");
        QTest::addColumn<QString>("tabella");
        QTest::addColumn<int>("riempimento");  // Label3 message after filling an empty table; 0: not set
        QTest::addColumn<int>("scelta");       // Label3 message after the keyword choice; 0: unchanged
        QTest::addColumn<int>("intestazione"); // Label33 message the choice sets; 0: unchanged
        const QString p = QStringLiteral("personalizzato");
        const QString t = QStringLiteral("teorico");
        QTest::newRow("Rw") << p << 20 << "Rw_laboratorio" << 11 << 11 << 0;
        QTest::newRow("DRw") << p << 21 << "DRw_laboratorio" << 14 << 14 << 0;
        QTest::newRow("Lnw") << p << 22 << "Lnw_laboratorio" << 15 << 15 << 0;
        QTest::newRow("DLw") << p << 23 << "DLw_laboratorio" << 17 << 17 << 0;
        QTest::newRow("R'w") << p << 24 << "Rw_in_opera" << 13 << 13 << 0;
        QTest::newRow("L'nw") << p << 25 << "Lnw_in_opera" << 15 << 16 << 0;
        QTest::newRow("Infissi") << p << 26 << "Infissi" << 11 << 11 << 0;
        QTest::newRow("Piccoli elementi") << p << 27 << "Dnew_laboratorio" << 89 << 11 << 0;
        QTest::newRow("teorico Rw") << t << 20 << "Potere_fonoisolante" << 0 << 11 << 10;
        QTest::newRow("teorico Lnw") << t << 22 << "Livello_calpestio" << 0 << 15 << 18;
        QTest::newRow("teorico DRw") << t << 21 << "DRw" << 0 << 0 << 0;
    }

    void didascaliaDellaSceltaPerTipo()
    {
        QFETCH(QString, radice);
        QFETCH(int, messaggio);
        QFETCH(QString, tabella);
        QFETCH(int, riempimento);
        QFETCH(int, scelta);
        QFETCH(int, intestazione);
        Ambiente a;
        QVERIFY(a.ok());
        const QString file = radice == QLatin1String("teorico") ? a.teorico() : a.sperimentale();
        Ambiente::SvuotaTabella(file, tabella);
        a.apri();
        if (riempimento > 0) {
            a.clicca(a.figlio(radice, M(messaggio)));
            QCOMPARE(a.etichetta(QStringLiteral("Label3"))->text(), M(riempimento) + QStringLiteral(" = "));
        }
        Ambiente::Inserisci(file, tabella, {{"Nome", "n1"}});
        if (radice != QLatin1String("teorico"))
            Ambiente::Esegui(file, QStringLiteral("UPDATE \"%1\" SET \"Parola chiave\" = 'A'").arg(tabella));
        a.clicca(a.figlio(radice, M(messaggio)));
        const QString rigaPrima = a.etichetta(QStringLiteral("Label3"))->text();
        a.etichetta(QStringLiteral("Label33(4)"))->setText(QStringLiteral("prima"));
        Ambiente::SvuotaTabella(file, tabella);
        a.scegliParola(radice == QLatin1String("teorico") ? M(88) : QStringLiteral("A"));
        QCOMPARE(a.elenco()->count(), 0);
        QCOMPARE(a.etichetta(QStringLiteral("Label3"))->text(),
                 scelta > 0 ? M(scelta) + QStringLiteral("= ") : rigaPrima);
        QCOMPARE(a.etichetta(QStringLiteral("Label33(4)"))->text(),
                 intestazione > 0 ? M(intestazione) : QStringLiteral("prima"));
    }

    void sceltaSenzaRisultatiMostraIDatiDiProgetto()
    {
        // A keyword the box offers always has an entry; a table changed behind the
        // program's back can still leave the choice with nothing to list.
        Ambiente a;
        QVERIFY(a.ok());
        Riempi(a, {{"n1", "A"}, {"n2", "B"}});
        a.apri();
        Ambiente::Esegui(a.sperimentale(), QStringLiteral("DELETE FROM Rw_laboratorio WHERE Nome = 'n2'"));
        a.scegliParola(QStringLiteral("B"));
        QCOMPARE(a.elenco()->count(), 0);
        for (int i : {0, 10, 20})
            QCOMPARE(a.banda(i)->text(), QStringLiteral("0"));
        QCOMPARE(a.etichetta(QStringLiteral("Label4(3)"))->text(), QStringLiteral("max"));
        QCOMPARE(a.etichetta(QStringLiteral("Label4(4)"))->text(), QStringLiteral("min"));
        QVERIFY(!a.form().findChild<QPushButton*>(QStringLiteral("Command2"))->isEnabled());
        QVERIFY(!a.form().InformazioniAggiuntiveSeEsiste());
    }
};

QTEST_MAIN(TestForm1Elenco)
#include "TestForm1Elenco.moc"
