// The editor opened the way the user opens it: from the real main window's toolbar and
// list, modal, driven while it is on screen; and the deletion that follows.
#include "GuidaEditor.h"
#include "TestSupport.h"

#include "app/MessageBox.h"
#include "app/ZelmarCommonModule.h"
#include "browser/AlberoCategorie.h"
#include "browser/Form1.h"
#include "browser/Form2.h"
#include "browser/Form4.h"
#include "editor/Form3.h"
#include "model/Categorie.h"
#include "model/Module1.h"
#include "model/RecordSchema.h"
#include "storage/DBEngine.h"

#include "browser/ElencoNomi.h"
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

using ZelmarCommonModule::M;

namespace {

const QString kPrimo = QStringLiteral("Muro in laterizio 12 cm");

QStringList Righe(const ElencoNomi* lista)
{
    QStringList righe;
    for (int i = 0; i < lista->count(); ++i)
        righe << lista->testo(i);
    return righe;
}

QVariantMap LeggiRiga(int codice, const QString& tabella, const QString& nome)
{
    auto db = DBEngine::OpenDatabase(ZelmarCommonModule::GetPercorsoDatabaseSperimentale());
    auto rs = db->OpenRecordset(tabella);
    rs->SetIndex(QStringLiteral("Nome"));
    rs->Seek(QStringLiteral("="), nome);
    QVariantMap riga;
    if (!rs->NoMatch())
        for (const QString& colonna : Categorie::ColonneTabella(codice))
            riga.insert(colonna, rs->Field(colonna));
    rs->Close();
    db->Close();
    return riga;
}

QLineEdit* Casella(Form3* f, const QString& nome)
{
    return f->findChild<QLineEdit*>(nome);
}

} // namespace

class TestForm3DaForm1 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::PreparaAmbiente(); }
    void init();
    void cleanup();

    void nuovoDaToolbar();
    void modificaDaToolbarMostraIlMaterialeScelto();
    void modificaSenzaCambiamentiConservaIValori();
    void doppioClickEAnnulla();
    void rinominaECancella();
    void nuovoInAltraCategoria();

private:
    void ScegliCategoriaPersonale(const QString& didascalia);
    ElencoNomi* Lista() { return form_->Controlli().List1; }

    std::unique_ptr<TestSupport::AmbienteDati> ambiente_;
    std::unique_ptr<Form1> form_;
};

void TestForm3DaForm1::init()
{
    ambiente_ = std::make_unique<TestSupport::AmbienteDati>();
    QVERIFY(ambiente_->ok());
    MessageBox::clearShown();
    form_ = std::make_unique<Form1>();
    form_->Carica();
    QVERIFY(!form_->Inerte());
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    QCOMPARE(Module1::CategoriaCorrente, int(catRwLaboratorio));
    QCOMPARE(Lista()->testoCorrente(), kPrimo);
}

void TestForm3DaForm1::cleanup()
{
    form_.reset();
    Module1::Azzera();
    ambiente_.reset();
}

void TestForm3DaForm1::ScegliCategoriaPersonale(const QString& didascalia)
{
    QTreeWidgetItem* radice =
        AlberoCategorie::RadicePerChiave(form_->Controlli().TreeView1, QStringLiteral("personalizzato"));
    QVERIFY(radice);
    for (int i = 0; i < radice->childCount(); ++i)
        if (radice->child(i)->text(0) == didascalia) {
            form_->Controlli().TreeView1->setCurrentItem(radice->child(i));
            form_->TreeView1_NodeClick(radice->child(i));
            return;
        }
    QFAIL("no such custom child");
}

void TestForm3DaForm1::nuovoDaToolbar()
{
    const QString nome = QStringLiteral("Muro aggiunto dal menu");
    bool vuoto = false;
    QVERIFY(GuidaEditor::ConEditor([&] { form_->Controlli().pulsanti[1]->trigger(); },
                                   [&](Form3* editor) {
                                       vuoto = Casella(editor, "Text15")->text().isEmpty() &&
                                               Casella(editor, "Text14")->text() == QStringLiteral("0,01") &&
                                               editor->findChild<QComboBox*>("Combo1")->currentText() ==
                                                   QStringLiteral("Laterizio");
                                       Casella(editor, "Text15")->setText(nome);
                                       editor->findChild<QPushButton*>("Command2")->click();
                                   }));
    QVERIFY(vuoto);
    QVERIFY(MessageBox::shown().isEmpty());
    QVERIFY(Righe(Lista()).contains(nome));
    QCOMPARE(Lista()->currentRow(), 0);
    const QVariantMap riga = LeggiRiga(catRwLaboratorio, QStringLiteral("Rw_laboratorio"), nome);
    QCOMPARE(riga.value("Parola chiave"), QVariant(QStringLiteral("Laterizio")));
    QCOMPARE(riga.value("Eta int"), QVariant(0.01));
    QCOMPARE(riga.value("Rw (dB)"), QVariant(0.0));
    QCOMPARE(riga.value("Data Prova"), QVariant(QStringLiteral("%1/%2/%3")
                                                    .arg(QDate::currentDate().day())
                                                    .arg(QDate::currentDate().month())
                                                    .arg(QDate::currentDate().year())));
}

void TestForm3DaForm1::modificaDaToolbarMostraIlMaterialeScelto()
{
    QHash<QString, QString> visti;
    QDate data;
    QVERIFY(GuidaEditor::ConEditor([&] { form_->Controlli().pulsanti[2]->trigger(); },
                                   [&](Form3* editor) {
                                       for (const char* n :
                                            {"Text15", "Text3", "Text8", "Text9", "Text4", "Text6", "Text7",
                                             "Text10", "Text11", "Text12", "Text13", "Text14", "Text2(0)",
                                             "Text2(7)", "Text2(20)", "Text2(21)", "Text2(22)", "Text2(23)"})
                                           visti.insert(QString::fromLatin1(n), Casella(editor, n)->text());
                                       data =
                                           editor->findChild<QCalendarWidget*>("MonthView1")->selectedDate();
                                       editor->findChild<QPushButton*>("Command3")->click();
                                   }));
    QCOMPARE(visti.value("Text15"), kPrimo);
    QCOMPARE(visti.value("Text3"),
             QStringLiteral("Muratura in mattoni pieni da 12 cm intonacata su entrambe le facce (15 mm)"));
    QCOMPARE(visti.value("Text8"), QStringLiteral("Provino 3,6 x 2,8 m, giunti di malta a tutto spessore"));
    QCOMPARE(visti.value("Text9"), QStringLiteral("muro_laterizio_12.jpg"));
    QCOMPARE(visti.value("Text4"), QStringLiteral("IPV 254871"));
    QCOMPARE(visti.value("Text6"), QStringLiteral("Istituto Prove Valdorsa S.p.A."));
    QCOMPARE(visti.value("Text7"), QStringLiteral("Fornaci Valdorsa S.r.l."));
    QCOMPARE(visti.value("Text10"), QStringLiteral("230"));
    QCOMPARE(visti.value("Text11"), QStringLiteral("150"));
    QCOMPARE(visti.value("Text12"), QStringLiteral("10,08"));
    QCOMPARE(visti.value("Text13"), QStringLiteral("180"));
    QCOMPARE(visti.value("Text14"), QStringLiteral("0,012"));
    QCOMPARE(visti.value("Text2(0)"), QStringLiteral("38"));
    QCOMPARE(visti.value("Text2(7)"), QStringLiteral("43,5"));
    QCOMPARE(visti.value("Text2(20)"), QStringLiteral("58,5"));
    QCOMPARE(visti.value("Text2(21)"), QStringLiteral("52"));
    QCOMPARE(visti.value("Text2(22)"), QStringLiteral("-1"));
    QCOMPARE(visti.value("Text2(23)"), QStringLiteral("-4"));
    QCOMPARE(data, QDate(2010, 3, 5));
}

// Opening the shown entry and confirming at once stores what was there, except that the
// description keeps one line.
void TestForm3DaForm1::modificaSenzaCambiamentiConservaIValori()
{
    const QVariantMap prima = LeggiRiga(catRwLaboratorio, QStringLiteral("Rw_laboratorio"), kPrimo);
    const int righe = Lista()->count();
    QVERIFY(
        GuidaEditor::ConEditor([&] { form_->Controlli().pulsanti[2]->trigger(); },
                               [&](Form3* editor) { editor->findChild<QPushButton*>("Command2")->click(); }));
    QVERIFY(MessageBox::shown().isEmpty());
    QCOMPARE(Lista()->count(), righe);
    QVariantMap dopo = LeggiRiga(catRwLaboratorio, QStringLiteral("Rw_laboratorio"), kPrimo);
    QCOMPARE(dopo.value("Descrizione"),
             QVariant(QStringLiteral(
                 "Muratura in mattoni pieni da 12 cm intonacata su entrambe le facce (15 mm)")));
    dopo.remove(QStringLiteral("Descrizione"));
    QVariantMap attese = prima;
    attese.remove(QStringLiteral("Descrizione"));
    QCOMPARE(dopo, attese);
}

void TestForm3DaForm1::doppioClickEAnnulla()
{
    const QVariantMap prima = LeggiRiga(catRwLaboratorio, QStringLiteral("Rw_laboratorio"), kPrimo);
    QString nomeVisto;
    QVERIFY(GuidaEditor::ConEditor(
        [&] {
            const int riga = 0;
            // The first click of a double click, then the second one.
            QTest::mouseClick(Lista()->viewport(), Qt::LeftButton, {},
                              Lista()->rettangoloRiga(riga).center());
            QTest::mouseDClick(Lista()->viewport(), Qt::LeftButton, {},
                               Lista()->rettangoloRiga(riga).center());
        },
        [&](Form3* editor) {
            nomeVisto = Casella(editor, "Text15")->text();
            Casella(editor, "Text3")->setText(QStringLiteral("Da non salvare"));
            editor->findChild<QPushButton*>("Command3")->click();
        }));
    QCOMPARE(nomeVisto, kPrimo);
    QCOMPARE(LeggiRiga(catRwLaboratorio, QStringLiteral("Rw_laboratorio"), kPrimo), prima);
}

void TestForm3DaForm1::rinominaECancella()
{
    const QString nuovoNome = QStringLiteral("Muro in laterizio 12 cm rinominato");
    QVERIFY(GuidaEditor::ConEditor([&] { form_->Controlli().pulsanti[2]->trigger(); },
                                   [&](Form3* editor) {
                                       Casella(editor, "Text15")->setText(nuovoNome);
                                       editor->findChild<QPushButton*>("Command2")->click();
                                   }));
    QVERIFY(!Righe(Lista()).contains(kPrimo));
    QVERIFY(Righe(Lista()).contains(nuovoNome));

    Lista()->setCurrentRow(int(Righe(Lista()).indexOf(nuovoNome)));
    QCOMPARE(Lista()->testoCorrente(), nuovoNome);
    MessageBox::setNextAnswer(MessageBox::Yes);
    form_->Controlli().pulsanti[3]->trigger();
    QVERIFY(!Righe(Lista()).contains(nuovoNome));
    QVERIFY(LeggiRiga(catRwLaboratorio, QStringLiteral("Rw_laboratorio"), nuovoNome).isEmpty());
}

// The in-situ floor table: the site, the receiving-room volume and the third rating in
// its own column.
void TestForm3DaForm1::nuovoInAltraCategoria()
{
    ScegliCategoriaPersonale(M(25));
    QCOMPARE(Module1::CategoriaCorrente, int(catLnwInOpera));
    const QString nome = QStringLiteral("Solaio nuovo in opera");
    bool sitoVisibile = false;
    QVERIFY(GuidaEditor::ConEditor(
        [&] { form_->Controlli().pulsanti[1]->trigger(); },
        [&](Form3* editor) {
            sitoVisibile = Casella(editor, "Text16")->isVisible();
            Casella(editor, "Text15")->setText(nome);
            Casella(editor, "Text16")->setText(QStringLiteral("Torino, corso Francia 3"));
            Casella(editor, "Text13")->setText(QStringLiteral("41,5"));
            Casella(editor, "Text2(23)")->setText(QStringLiteral("2"));
            Casella(editor, "Text2(0)")->setText(QStringLiteral("60,5"));
            editor->findChild<QPushButton*>("Command2")->click();
        }));
    QVERIFY(sitoVisibile);
    QVERIFY(Righe(Lista()).contains(nome));
    const QVariantMap riga = LeggiRiga(catLnwInOpera, QStringLiteral("Lnw_in_opera"), nome);
    QCOMPARE(riga.value("Cantiere"), QVariant(QStringLiteral("Torino, corso Francia 3")));
    QCOMPARE(riga.value("V ricevente (m³)"), QVariant(41.5));
    QCOMPARE(riga.value("C50_5000 (dB)"), QVariant(2.0));
    QCOMPARE(riga.value("Ln - 50Hz (dB)"), QVariant(60.5));
}

QTEST_MAIN(TestForm3DaForm1)
#include "TestForm3DaForm1.moc"
