// The material list and the keyword box: what a fill lists and offers, what a keyword
// choice lists, and the theoretical tables' description and empty tables.
#include "TestForm1Ambiente.h"

#include "app/MessageBox.h"
#include "app/ZelmarCommonModule.h"
#include "browser/ElencoNomi.h"
#include "browser/Form2.h"

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
    a.apri();
}
} // namespace

class TestForm1Elenco : public QObject
{
    Q_OBJECT

private slots:
    // Keywords once each, in order of first appearance; one equal to the first line is not
    // offered twice.
    void paroleInOrdineDiComparsa()
    {
        Ambiente a;
        QVERIFY(a.ok());
        Riempi(a, {{"n1", "A"}, {"n2", "B"}, {"n3", "A"}, {"n4", "Tutti i materiali"}, {"n5", "C"}});
        QCOMPARE(a.righeParole(), (QStringList{M(88), "A", "B", "C"}));
        QCOMPARE(a.parole()->currentText(), M(88));
        QCOMPARE(a.righeElenco(), (QStringList{"n1", "n2", "n3", "n4", "n5"}));
    }

    // A keyword lists exactly the entries that carry it, the first of them shown; the
    // information window is made anew; the first line lists every entry again.
    void sceltaDiUnaParola()
    {
        Ambiente a;
        QVERIFY(a.ok());
        Riempi(a, {{"n1", "A"}, {"n2", "B"}, {"n3", "b"}, {"n4", "B "}, {"n5", "B"}});
        QPointer<Form2> prima = a.form().InformazioniAggiuntiveSeEsiste();
        QVERIFY(prima);
        a.scegliParola(QStringLiteral("B"));
        QVERIFY(!prima);
        QCOMPARE(a.righeElenco(), (QStringList{"n2", "n5"}));
        QCOMPARE(a.elenco()->currentRow(), 0);
        QVERIFY(a.form().InformazioniAggiuntiveSeEsiste());
        QVERIFY(a.form().findChild<QPushButton*>(QStringLiteral("Command2"))->isEnabled());
        QCOMPARE(a.etichetta(QStringLiteral("Label3"))->text(), QStringLiteral("Rw(C,Ctr)= 50(, ) dB"));
        QCOMPARE(a.parole()->currentText(), QStringLiteral("B"));
        a.scegliParola(M(88));
        QCOMPARE(a.righeElenco().size(), 5);
    }

    // A keyword whose entries went away meanwhile lists nothing: the chart of no selection.
    void sceltaSenzaRisultati()
    {
        Ambiente a;
        QVERIFY(a.ok());
        Riempi(a, {{"n1", "A"}, {"n2", "B"}});
        Ambiente::Esegui(a.sperimentale(), QStringLiteral("DELETE FROM Rw_laboratorio WHERE Nome = 'n2'"));
        a.scegliParola(QStringLiteral("B"));
        QCOMPARE(a.elenco()->count(), 0);
        QCOMPARE(a.banda(0)->text() + a.banda(20)->text(), QStringLiteral("00"));
        QCOMPARE(a.etichetta(QStringLiteral("Label4(3)"))->text(), QStringLiteral("max"));
        QVERIFY(!a.form().findChild<QPushButton*>(QStringLiteral("Command2"))->isEnabled());
        QVERIFY(!a.form().InformazioniAggiuntiveSeEsiste());
    }

    // A theoretical table offers no keyword and shows its first entry's description on one
    // line, after a keyword choice too; an empty one blanks the display.
    void tabelleTeoriche()
    {
        Ambiente a;
        QVERIFY(a.ok());
        const QString tabella = QStringLiteral("Potere_fonoisolante");
        Ambiente::SvuotaTabella(a.teorico(), tabella);
        Ambiente::Inserisci(a.teorico(), tabella, {{"Nome", "T1"}, {"Descrizione", "prima riga\r\nseconda"}});
        Ambiente::Inserisci(a.teorico(), tabella, {{"Nome", "T2"}, {"Descrizione", "altro"}});
        a.apri();
        a.clicca(a.figlio(QStringLiteral("teorico"), M(20)));
        QCOMPARE(a.righeElenco(), (QStringList{"T1", "T2"}));
        QCOMPARE(a.righeParole(), QStringList{M(88)});
        QCOMPARE(a.descrizione(), QStringLiteral("prima riga seconda"));
        a.scegliParola(M(88));
        QCOMPARE(a.descrizione(), QStringLiteral("prima riga seconda"));
        Ambiente::SvuotaTabella(a.teorico(), tabella);
        a.clicca(a.figlio(QStringLiteral("teorico"), M(20)));
        QCOMPARE(a.elenco()->count() + a.parole()->count(), 0);
        QCOMPARE(a.descrizione() + a.banda(5)->text() + a.etichetta(QStringLiteral("Label3"))->text(),
                 QString());
        QVERIFY(MessageBox::shown().isEmpty());
    }
};

QTEST_MAIN(TestForm1Elenco)
#include "TestForm1Elenco.moc"
