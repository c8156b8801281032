// The main window's commands used the way the user uses them: the category tree, the
// toolbar buttons, the list's double click and the hidden buttons, on every custom table.
// Each case reads the database files back to see what the commands really changed.
#include "GuidaEditor.h"
#include "TestForm1Ambiente.h"

#include "app/FileDialog.h"
#include "app/MessageBox.h"
#include "app/ZelmarCommonModule.h"
#include "browser/ControlliForm1.h"
#include "editor/Form3.h"
#include "model/Categorie.h"
#include "model/Module1.h"
#include "model/RecordSchema.h"
#include "storage/DBEngine.h"

#include "browser/ElencoNomi.h"
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <functional>

using ZelmarCommonModule::M;

namespace {

// Caption message of each custom table's node, by kind code.
int MessaggioNodoPersonale(int codice)
{
    switch (codice) {
    case catRwLaboratorio:
        return 20;
    case catDRwLaboratorio:
        return 21;
    case catLnwLaboratorio:
        return 22;
    case catDLwLaboratorio:
        return 23;
    case catRwInOpera:
        return 24;
    case catLnwInOpera:
        return 25;
    case catInfissi:
        return 26;
    case catDnewLaboratorio:
        return 27;
    default:
        return 0;
    }
}

QString TabellaPersonale(int codice)
{
    return QString::fromUtf8(Categorie::PerCodice(codice)->tabellaPersonale);
}

QString CartellaCategoria(int codice)
{
    return QString::fromUtf8(Categorie::PerCodice(codice)->cartella);
}

// The names of a table in the order the file stores them.
QStringList NomiInTabella(const QString& file, const QString& tabella)
{
    auto db = DBEngine::OpenDatabase(file);
    auto rs = db->OpenRecordset(tabella);
    QStringList nomi;
    if (rs->RecordCount() > 0)
        for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext())
            nomi << rs->Field(QStringLiteral("Nome")).toString();
    rs->Close();
    db->Close();
    return nomi;
}

QVariantMap LeggiRiga(const QString& file, int codice, const QString& nome)
{
    auto db = DBEngine::OpenDatabase(file);
    auto rs = db->OpenRecordset(TabellaPersonale(codice));
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

void CancellaDaAltraConnessione(const QString& file, const QString& tabella, const QString& nome)
{
    auto db = DBEngine::OpenDatabase(file);
    auto rs = db->OpenRecordset(tabella);
    rs->SetIndex(QStringLiteral("Nome"));
    rs->Seek(QStringLiteral("="), nome);
    QVERIFY(!rs->NoMatch());
    rs->Delete();
    rs->Close();
    db->Close();
}

QString Domanda(const QString& nome)
{
    return QStringLiteral("Eliminare il materiale \"") + nome + QStringLiteral("\"?");
}

QLineEdit* Casella(Form3* f, const QString& nome)
{
    return f->findChild<QLineEdit*>(nome);
}

} // namespace

class TestComandiForm1 : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void inserisciModificaRinominaCancella_data();
    void inserisciModificaRinominaCancella();
    void cancellazioneConservaOrdine_data();
    void cancellazioneConservaOrdine();
    void rispostaNoConservaFiltro();
    void cancellatoNelFrattempo();
    void cancellazioneConFileOccupato();
    void cancellaUltimoLasciaElencoVuoto();
    void nomeRipetutoCancellaSoloIlPrimo();
    void nomiConCaratteriParticolari_data();
    void nomiConCaratteriParticolari();
    void cancellaDalTeorico_data();
    void cancellaDalTeorico();
    void comandiSeguonoAlbero_data();
    void comandiSeguonoAlbero();
    void comandiAdOgniClic();
    void pulsantiNascosti();

private:
    // The mode marker of the editor that azione opens, empty when none opens.
    QString ModoAperto(const std::function<void()>& azione);
    void ScegliPersonale(int codice);
    void PremiPulsante(int indice);
    void DoppioClickRiga(int riga);
    void SelezionaNome(const QString& nome);
    Form1& form() { return ambiente_->form(); }
    ElencoNomi* Lista() { return ambiente_->elenco(); }
    QString Sperimentale() const { return ambiente_->sperimentale(); }

    std::unique_ptr<Form1Test::Ambiente> ambiente_;
};

void TestComandiForm1::init()
{
    ambiente_ = std::make_unique<Form1Test::Ambiente>();
    QVERIFY(ambiente_->ok());
    FileDialog::clear();
    ambiente_->apri();
    QVERIFY(!form().Inerte());
    QVERIFY(QTest::qWaitForWindowExposed(&form()));
}

void TestComandiForm1::cleanup()
{
    ambiente_.reset();
}

QString TestComandiForm1::ModoAperto(const std::function<void()>& azione)
{
    QString modo;
    GuidaEditor::ConEditor(azione, [&](Form3* editor) {
        modo = editor->Modo();
        editor->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    });
    return modo;
}

void TestComandiForm1::ScegliPersonale(int codice)
{
    QTreeWidgetItem* nodo =
        ambiente_->figlio(QStringLiteral("personalizzato"), M(MessaggioNodoPersonale(codice)));
    QVERIFY(nodo);
    ambiente_->clicca(nodo);
    QCOMPARE(Module1::CategoriaCorrente, codice);
    QCOMPARE(Module1::NomeTabella, TabellaPersonale(codice));
}

void TestComandiForm1::PremiPulsante(int indice)
{
    const ControlliForm1& c = form().Controlli();
    QWidget* pulsante = c.Toolbar1->widgetForAction(c.pulsanti[indice]);
    QVERIFY(pulsante);
    QTest::mouseClick(pulsante, Qt::LeftButton);
}

void TestComandiForm1::DoppioClickRiga(int riga)
{
    QVERIFY(riga >= 0 && riga < Lista()->count());
    const QPoint centro = Lista()->rettangoloRiga(riga).center();
    // The first click of a double click, then the second one.
    QTest::mouseClick(Lista()->viewport(), Qt::LeftButton, {}, centro);
    QTest::mouseDClick(Lista()->viewport(), Qt::LeftButton, {}, centro);
}

void TestComandiForm1::SelezionaNome(const QString& nome)
{
    const int riga = int(ambiente_->righeElenco().indexOf(nome));
    QVERIFY(riga >= 0);
    Lista()->mostraRiga(riga);
    QTest::mouseClick(Lista()->viewport(), Qt::LeftButton, {}, Lista()->rettangoloRiga(riga).center());
    QCOMPARE(Lista()->testoCorrente(), nome);
}

// ---------------------------------------------------------------- the whole life of an entry

void TestComandiForm1::inserisciModificaRinominaCancella_data()
{
    QTest::addColumn<int>("codice");
    for (int codice : {1, 2, 3, 4, 5, 6, 7, 10})
        QTest::addRow("codice %d", codice) << codice;
}

void TestComandiForm1::inserisciModificaRinominaCancella()
{
    QFETCH(int, codice);
    ScegliPersonale(codice);
    const QString tabella = TabellaPersonale(codice);
    const QStringList originali = NomiInTabella(Sperimentale(), tabella);
    QCOMPARE(ambiente_->righeElenco(), originali);

    const QString nome = QStringLiteral("Prova comandi %1").arg(codice);
    const QString nomeNuovo = nome + QStringLiteral(" rinominata");
    const QString fileImmagine = QStringLiteral("prova_comandi_%1.jpg").arg(codice);
    const QString immagine = ambiente_->immagini(CartellaCategoria(codice)) + QLatin1Char('/') + fileImmagine;
    QVERIFY(!QFile::exists(immagine));
    QTemporaryDir sorgenti;
    const QString scelta = sorgenti.path() + QLatin1Char('/') + fileImmagine;
    QVERIFY(QFile::copy(ambiente_->immagini(QString()) + QStringLiteral("senza.jpg"), scelta));

    // Insert with button 1.
    QString modo;
    bool vuoto = false;
    QVERIFY(
        GuidaEditor::ConEditor([&] { PremiPulsante(1); },
                               [&](Form3* editor) {
                                   modo = editor->Modo();
                                   vuoto = Casella(editor, "Text15")->text().isEmpty();
                                   Casella(editor, "Text15")->setText(nome);
                                   Casella(editor, "Text3")->setText(QStringLiteral("Inserita dalla barra"));
                                   Casella(editor, "Text4")->setText(QStringLiteral("CERT %1").arg(codice));
                                   Casella(editor, "Text2(0)")->setText(QStringLiteral("44,5"));
                                   Casella(editor, "Text2(20)")->setText(QStringLiteral("61"));
                                   Casella(editor, "Text2(21)")->setText(QStringLiteral("51"));
                                   Casella(editor, "Text2(23)")->setText(QStringLiteral("-3"));
                                   Casella(editor, "Text11")->setText(QStringLiteral("120,5"));
                                   FileDialog::setNextFileName(scelta);
                                   editor->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
                                   editor->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
                               }));
    QCOMPARE(modo, QStringLiteral("0"));
    QVERIFY(vuoto);
    QCOMPARE(MessageBox::shown().size(), 0);
    QCOMPARE(NomiInTabella(Sperimentale(), tabella), QStringList(originali) << nome);
    QCOMPARE(ambiente_->righeElenco(), QStringList(originali) << nome);
    QCOMPARE(Lista()->currentRow(), 0);

    const TipoMateriale& tipo = *Categorie::PerCodice(codice);
    const auto prefisso = tipo.grandezza;
    const QString valutazioni[] = {RecordSchema::Nome(tipo.valutazioni[0].campo), QString(),
                                   RecordSchema::Nome(tipo.valutazioni[2].campo)};
    QVariantMap riga = LeggiRiga(Sperimentale(), codice, nome);
    QCOMPARE(riga.value("Nome"), QVariant(nome));
    QCOMPARE(riga.value("Descrizione"), QVariant(QStringLiteral("Inserita dalla barra")));
    QCOMPARE(riga.value("Certificato"), QVariant(QStringLiteral("CERT %1").arg(codice)));
    QCOMPARE(riga.value("Immagine"), QVariant(fileImmagine));
    QCOMPARE(riga.value("s (mm)"), QVariant(120.5));
    QCOMPARE(riga.value(RecordSchema::NomeColonnaBanda(prefisso, 0)), QVariant(44.5));
    QCOMPARE(riga.value(RecordSchema::NomeColonnaBanda(prefisso, 20)), QVariant(61.0));
    QCOMPARE(riga.value(valutazioni[0]), QVariant(51.0));
    QCOMPARE(riga.value(valutazioni[2]), QVariant(-3.0));
    QVERIFY(QFile::exists(immagine));

    // Modify with button 2: the editor shows the selected entry; rename it.
    SelezionaNome(nome);
    QHash<QString, QString> visti;
    QVERIFY(GuidaEditor::ConEditor([&] { PremiPulsante(2); },
                                   [&](Form3* editor) {
                                       modo = editor->Modo();
                                       for (const char* n : {"Text15", "Text4", "Text9", "Text11", "Text2(0)",
                                                             "Text2(20)", "Text2(21)", "Text2(23)"})
                                           visti.insert(QString::fromLatin1(n), Casella(editor, n)->text());
                                       Casella(editor, "Text15")->setText(nomeNuovo);
                                       Casella(editor, "Text2(0)")->setText(QStringLiteral("45"));
                                       editor->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
                                   }));
    QCOMPARE(modo, QStringLiteral("1"));
    QCOMPARE(visti.value("Text15"), nome);
    QCOMPARE(visti.value("Text4"), QStringLiteral("CERT %1").arg(codice));
    QCOMPARE(visti.value("Text9"), fileImmagine);
    QCOMPARE(visti.value("Text11"), QStringLiteral("120,5"));
    QCOMPARE(visti.value("Text2(0)"), QStringLiteral("44,5"));
    QCOMPARE(visti.value("Text2(20)"), QStringLiteral("61"));
    QCOMPARE(visti.value("Text2(21)"), QStringLiteral("51"));
    QCOMPARE(visti.value("Text2(23)"), QStringLiteral("-3"));
    QCOMPARE(MessageBox::shown().size(), 0);
    QCOMPARE(NomiInTabella(Sperimentale(), tabella), QStringList(originali) << nomeNuovo);
    riga = LeggiRiga(Sperimentale(), codice, nomeNuovo);
    QCOMPARE(riga.value(RecordSchema::NomeColonnaBanda(prefisso, 0)), QVariant(45.0));
    QCOMPARE(riga.value("Certificato"), QVariant(QStringLiteral("CERT %1").arg(codice)));
    QCOMPARE(riga.value("Immagine"), QVariant(fileImmagine));

    // Delete with button 3: No first, then Yes.
    SelezionaNome(nomeNuovo);
    const int rigaScelta = Lista()->currentRow();
    MessageBox::setNextAnswer(MessageBox::No);
    PremiPulsante(3);
    QCOMPARE(MessageBox::shown().size(), 1);
    const MessageBox::Shown domanda = MessageBox::shown().last();
    QCOMPARE(domanda.text, Domanda(nomeNuovo));
    QCOMPARE(domanda.title, QStringLiteral("ZELMARtek"));
    QCOMPARE(domanda.icon, MessageBox::Exclamation);
    QCOMPARE(domanda.buttons, MessageBox::YesNo);
    QCOMPARE(domanda.defaultButton, MessageBox::Yes);
    QCOMPARE(NomiInTabella(Sperimentale(), tabella), QStringList(originali) << nomeNuovo);
    QCOMPARE(ambiente_->righeElenco(), QStringList(originali) << nomeNuovo);
    QCOMPARE(Lista()->currentRow(), rigaScelta);

    MessageBox::setNextAnswer(MessageBox::Yes);
    PremiPulsante(3);
    QCOMPARE(MessageBox::shown().size(), 2);
    QCOMPARE(MessageBox::lastText(), Domanda(nomeNuovo));
    QCOMPARE(NomiInTabella(Sperimentale(), tabella), originali);
    QCOMPARE(ambiente_->righeElenco(), originali);
    QCOMPARE(Lista()->currentRow(), 0);
    QVERIFY(QFile::exists(immagine));
}

// ---------------------------------------------------------------- deletion

void TestComandiForm1::cancellazioneConservaOrdine_data()
{
    QTest::addColumn<int>("riga");
    QTest::newRow("prima") << 0;
    QTest::newRow("in mezzo") << 1;
    QTest::newRow("ultima") << 3;
}

void TestComandiForm1::cancellazioneConservaOrdine()
{
    QFETCH(int, riga);
    ScegliPersonale(catRwLaboratorio);
    QStringList attesi = NomiInTabella(Sperimentale(), QStringLiteral("Rw_laboratorio"));
    QCOMPARE(attesi.size(), 4);
    const QString nome = attesi.takeAt(riga);
    const QDir immagini(ambiente_->immagini(CartellaCategoria(catRwLaboratorio)));
    const QStringList fileImmagini = immagini.entryList(QDir::Files);
    QVERIFY(fileImmagini.contains(QStringLiteral("muro_laterizio_12.jpg")));
    SelezionaNome(nome);
    MessageBox::setNextAnswer(MessageBox::Yes);
    PremiPulsante(3);
    QCOMPARE(immagini.entryList(QDir::Files), fileImmagini);
    QCOMPARE(NomiInTabella(Sperimentale(), QStringLiteral("Rw_laboratorio")), attesi);
    QCOMPARE(ambiente_->righeElenco(), attesi);
    QCOMPARE(Lista()->testoCorrente(), attesi.first());
    // The display shows the first remaining entry, not the deleted one.
    const QVariantMap primo = LeggiRiga(Sperimentale(), catRwLaboratorio, attesi.first());
    QCOMPARE(form().InformazioniAggiuntive()->Testo(0), primo.value("Certificato").toString());
    QCOMPARE(form().Controlli().Text1[10]->text(),
             QLocale().toString(
                 primo.value(RecordSchema::NomeColonnaBanda(RecordSchema::Grandezza::R, 10)).toDouble()));
}

void TestComandiForm1::rispostaNoConservaFiltro()
{
    ScegliPersonale(catRwLaboratorio);
    ambiente_->scegliParola(QStringLiteral("Laterizio"));
    const QStringList filtrati = ambiente_->righeElenco();
    QCOMPARE(filtrati.size(), 2);
    SelezionaNome(filtrati.at(1));

    // The double click in the filtered list opens the entry of the clicked line.
    QString nomeVisto;
    QVERIFY(GuidaEditor::ConEditor([&] { DoppioClickRiga(1); },
                                   [&](Form3* editor) {
                                       nomeVisto = editor->Modo() + QLatin1Char(' ') +
                                                   Casella(editor, "Text15")->text();
                                       editor->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
                                   }));
    QCOMPARE(nomeVisto, QStringLiteral("1 ") + filtrati.at(1));

    MessageBox::setNextAnswer(MessageBox::No);
    PremiPulsante(3);
    QCOMPARE(ambiente_->righeElenco(), filtrati);
    QCOMPARE(ambiente_->parole()->currentText(), QStringLiteral("Laterizio"));
    QCOMPARE(Lista()->currentRow(), 1);

    // Yes refills the whole table and drops the keyword.
    MessageBox::setNextAnswer(MessageBox::Yes);
    PremiPulsante(3);
    QVERIFY(!ambiente_->righeElenco().contains(filtrati.at(1)));
    QCOMPARE(ambiente_->righeElenco(), NomiInTabella(Sperimentale(), QStringLiteral("Rw_laboratorio")));
    QCOMPARE(ambiente_->parole()->currentIndex(), 0);
}

// Another program removed the shown entry after the list was filled: the deletion finds
// nothing, removes nothing else and says nothing beyond its question.
void TestComandiForm1::cancellatoNelFrattempo()
{
    ScegliPersonale(catInfissi);
    QStringList attesi = NomiInTabella(Sperimentale(), QStringLiteral("Infissi"));
    const QString nome = attesi.takeFirst();
    SelezionaNome(nome);
    CancellaDaAltraConnessione(Sperimentale(), QStringLiteral("Infissi"), nome);
    if (QTest::currentTestFailed())
        return;
    MessageBox::setNextAnswer(MessageBox::Yes);
    PremiPulsante(3);
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::lastText(), Domanda(nome));
    QCOMPARE(NomiInTabella(Sperimentale(), QStringLiteral("Infissi")), attesi);
    QCOMPARE(ambiente_->righeElenco(), attesi);
}

// Another program holds the custom database for itself: the deletion cannot happen, the
// user is told why, the window keeps working and the entry is still there afterwards.
void TestComandiForm1::cancellazioneConFileOccupato()
{
    ScegliPersonale(catRwInOpera);
    const QStringList prima = NomiInTabella(Sperimentale(), QStringLiteral("Rw_in_opera"));
    SelezionaNome(prima.first());
    {
        auto altro = DBEngine::OpenDatabase(Sperimentale(), true);
        MessageBox::setNextAnswer(MessageBox::Yes);
        PremiPulsante(3);
        altro->Close();
    }
    QCOMPARE(MessageBox::shown().size(), 2);
    QCOMPARE(MessageBox::shown().first().text, Domanda(prima.first()));
    const QString avviso = MessageBox::shown().at(1).text;
    QVERIFY2(avviso.contains(QStringLiteral("cancellare il materiale «%1»").arg(prima.first())),
             qPrintable(avviso));
    QVERIFY2(avviso.contains(QStringLiteral("in uso")), qPrintable(avviso));
    QVERIFY(!form().Inerte());
    QCOMPARE(NomiInTabella(Sperimentale(), QStringLiteral("Rw_in_opera")), prima);
    QCOMPARE(ambiente_->righeElenco(), prima);
    ScegliPersonale(catRwInOpera);
    QCOMPARE(ambiente_->righeElenco(), prima);
}

void TestComandiForm1::cancellaUltimoLasciaElencoVuoto()
{
    ScegliPersonale(catDnewLaboratorio);
    while (Lista()->count() > 0) {
        MessageBox::setNextAnswer(MessageBox::Yes);
        PremiPulsante(3);
    }
    QVERIFY(NomiInTabella(Sperimentale(), QStringLiteral("Dnew_laboratorio")).isEmpty());
    QCOMPARE(MessageBox::shown().size(), 2);
    // With nothing selected the question names nothing, and the answer changes nothing.
    MessageBox::setNextAnswer(MessageBox::Yes);
    PremiPulsante(3);
    QCOMPARE(MessageBox::lastText(), Domanda(QString()));
    QCOMPARE(MessageBox::shown().size(), 3);
    QCOMPARE(Lista()->count(), 0);

    // Modify with nothing selected: the editor opens empty and its save finds no entry to
    // change (message 58), writing nothing.
    QString avviso;
    QVERIFY(GuidaEditor::ConEditor(
        [&] { PremiPulsante(2); },
        [&](Form3* editor) {
            QVERIFY(Casella(editor, "Text15")->text().isEmpty());
            Casella(editor, "Text15")->setText(QStringLiteral("Griglia senza originale"));
            editor->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
            avviso = MessageBox::lastText();
            QVERIFY(editor->isVisible());
        }));
    QCOMPARE(avviso, M(58));
    QVERIFY(NomiInTabella(Sperimentale(), QStringLiteral("Dnew_laboratorio")).isEmpty());
}

// Two entries written by another program under one name: one deletion removes one of
// them, the first, and the name stays listed for the other.
void TestComandiForm1::nomeRipetutoCancellaSoloIlPrimo()
{
    const QString tabella = TabellaPersonale(catDRwLaboratorio);
    const QString nome = QStringLiteral("Controparete ripetuta");
    Form1Test::Ambiente::Inserisci(
        Sperimentale(), tabella, {{QStringLiteral("Nome"), nome}, {QStringLiteral("Certificato"), "primo"}});
    Form1Test::Ambiente::Inserisci(
        Sperimentale(), tabella,
        {{QStringLiteral("Nome"), nome}, {QStringLiteral("Certificato"), "secondo"}});
    ScegliPersonale(catDRwLaboratorio);
    QCOMPARE(ambiente_->righeElenco().count(nome), 2);
    SelezionaNome(nome);
    MessageBox::setNextAnswer(MessageBox::Yes);
    PremiPulsante(3);
    QCOMPARE(NomiInTabella(Sperimentale(), tabella).count(nome), 1);
    QCOMPARE(ambiente_->righeElenco().count(nome), 1);
    QCOMPARE(LeggiRiga(Sperimentale(), catDRwLaboratorio, nome).value("Certificato"),
             QVariant(QStringLiteral("secondo")));
}

// Names are looked up as they are: quotes, apostrophes and the characters that are
// wildcards in a pattern match only themselves.
void TestComandiForm1::nomiConCaratteriParticolari_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("simile");
    QTest::newRow("apostrofo") << "Parete dell'ingresso"
                               << "Parete dell ingresso";
    QTest::newRow("virgolette") << "Pannello \"fonoassorbente\""
                                << "Pannello fonoassorbente";
    QTest::newRow("percento") << "Solaio 50% legno"
                              << "Solaio 50x legno";
    QTest::newRow("trattino basso") << "Solaio_legno"
                                    << "SolaioXlegno";
    QTest::newRow("maiuscole") << "Solaio in legno"
                               << "SOLAIO IN LEGNO";
}

void TestComandiForm1::nomiConCaratteriParticolari()
{
    QFETCH(QString, nome);
    QFETCH(QString, simile);
    const QString tabella = TabellaPersonale(catLnwInOpera);
    Form1Test::Ambiente::Inserisci(Sperimentale(), tabella, {{QStringLiteral("Nome"), simile}});
    ScegliPersonale(catLnwInOpera);
    QVERIFY(GuidaEditor::ConEditor([&] { PremiPulsante(1); },
                                   [&](Form3* editor) {
                                       Casella(editor, "Text15")->setText(nome);
                                       editor->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
                                   }));
    const bool stessoNome = nome.compare(simile, Qt::CaseInsensitive) == 0;
    if (stessoNome) {
        // The name differs from an existing one only in letter case: refused.
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::lastText(), M(57));
        QVERIFY(!NomiInTabella(Sperimentale(), tabella).contains(nome));
        return;
    }
    QCOMPARE(MessageBox::shown().size(), 0);
    QStringList attesi = NomiInTabella(Sperimentale(), tabella);
    QVERIFY(attesi.contains(nome));
    SelezionaNome(nome);
    MessageBox::setNextAnswer(MessageBox::Yes);
    PremiPulsante(3);
    QCOMPARE(MessageBox::lastText(), Domanda(nome));
    attesi.removeOne(nome);
    QCOMPARE(NomiInTabella(Sperimentale(), tabella), attesi);
    QVERIFY(attesi.contains(simile));
    QCOMPARE(ambiente_->righeElenco(), attesi);
}

void TestComandiForm1::cancellaDalTeorico_data()
{
    QTest::addColumn<int>("messaggio");
    QTest::addColumn<int>("codice");
    QTest::addColumn<int>("riga");
    QTest::newRow("Potere_fonoisolante") << 20 << int(catRwTeorico) << 1;
    QTest::newRow("DRw") << 21 << int(catDRwTeorico) << 0;
    QTest::newRow("Livello_calpestio") << 22 << int(catLnwTeorico) << 0;
}

void TestComandiForm1::cancellaDalTeorico()
{
    QFETCH(int, messaggio);
    QFETCH(int, codice);
    QFETCH(int, riga);
    QTreeWidgetItem* nodo = ambiente_->figlio(QStringLiteral("teorico"), M(messaggio));
    QVERIFY(nodo);
    ambiente_->clicca(nodo);
    QCOMPARE(Module1::CategoriaCorrente, codice);
    const QString tabella = Categorie::TabellaTeorica(codice);
    QStringList attesi = NomiInTabella(ambiente_->teorico(), tabella);
    QCOMPARE(attesi.size(), 2);
    const QString nome = attesi.takeAt(riga);
    // The second entry of the Rw table shows a picture; it stays after the deletion.
    const QString immagine =
        ambiente_->immagini(CartellaCategoria(catRwLaboratorio)) + QStringLiteral("/muro_laterizio_12.jpg");
    QVERIFY(QFile::exists(immagine));
    SelezionaNome(nome);
    MessageBox::setNextAnswer(MessageBox::Yes);
    PremiPulsante(3);
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::lastText(), Domanda(nome));
    QCOMPARE(NomiInTabella(ambiente_->teorico(), tabella), attesi);
    QCOMPARE(ambiente_->righeElenco(), attesi);
    QCOMPARE(NomiInTabella(Sperimentale(), TabellaPersonale(catRwLaboratorio)).size(), 4);
    QVERIFY(QFile::exists(immagine));
}

// ---------------------------------------------------------------- which commands act where

void TestComandiForm1::comandiSeguonoAlbero_data()
{
    QTest::addColumn<QString>("radice");
    QTest::addColumn<int>("figlio");    // -1: the root itself
    QTest::addColumn<bool>("modifica"); // buttons 1 and 2, Command1, the double click
    QTest::addColumn<bool>("cancella"); // button 3 and the Cancella menu item

    QTest::newRow("radice personalizzato") << "personalizzato" << -1 << true << true;
    QTest::newRow("personalizzato Rw") << "personalizzato" << 0 << true << true;
    QTest::newRow("personalizzato Piccoli elementi") << "personalizzato" << 7 << true << true;
    QTest::newRow("radice teorico") << "teorico" << -1 << false << true;
    QTest::newRow("teorico Rw") << "teorico" << 0 << false << true;
    QTest::newRow("teorico Lnw") << "teorico" << 2 << false << true;
    QTest::newRow("sperimentale Infissi") << "Infissi" << 0 << false << false;
    QTest::newRow("sperimentale Lnw") << "Lnw" << 0 << false << false;
    QTest::newRow("radice Infissi") << "Infissi" << -1 << false << false;
}

void TestComandiForm1::comandiSeguonoAlbero()
{
    QFETCH(QString, radice);
    QFETCH(int, figlio);
    QFETCH(bool, modifica);
    QFETCH(bool, cancella);

    QTreeWidgetItem* r = ambiente_->radice(radice);
    QVERIFY(r && r->childCount() > figlio);
    // A click on a root acts as a click on its first child.
    ambiente_->clicca(figlio < 0 ? r : r->child(figlio));
    QVERIFY(Lista()->count() > 0);
    QCOMPARE(Lista()->currentRow(), 0);

    const ControlliForm1& c = form().Controlli();
    QCOMPARE(c.pulsanti[1]->isEnabled(), modifica);
    QCOMPARE(c.pulsanti[2]->isEnabled(), modifica);
    QCOMPARE(c.Command1->isEnabled(), modifica);
    QCOMPARE(c.pulsanti[3]->isEnabled(), cancella);
    QCOMPARE(c.Cancella->isEnabled(), cancella);

    QCOMPARE(ModoAperto([&] { PremiPulsante(1); }), modifica ? QStringLiteral("0") : QString());
    QCOMPARE(ModoAperto([&] { PremiPulsante(2); }), modifica ? QStringLiteral("1") : QString());
    QCOMPARE(ModoAperto([&] { DoppioClickRiga(0); }), modifica ? QStringLiteral("1") : QString());
    QCOMPARE(ModoAperto([&] { c.Command1->click(); }), modifica ? QStringLiteral("0") : QString());

    // The menu item only mirrors the delete command: triggering it deletes nothing.
    const QStringList prima = ambiente_->righeElenco();
    c.Cancella->trigger();
    QCOMPARE(MessageBox::shown().size(), 0);
    QCOMPARE(ambiente_->righeElenco(), prima);

    // A disabled button 3 asks nothing; an enabled one asks, and No keeps the entry.
    MessageBox::setNextAnswer(MessageBox::No);
    PremiPulsante(3);
    QCOMPARE(MessageBox::shown().size(), cancella ? 1 : 0);
    QCOMPARE(ambiente_->righeElenco(), prima);
}

// Every tree click starts from all commands disabled, so nothing carries over from the
// table chosen before.
void TestComandiForm1::comandiAdOgniClic()
{
    const ControlliForm1& c = form().Controlli();
    const auto stato = [&] {
        return QList<bool>{c.pulsanti[1]->isEnabled(), c.pulsanti[2]->isEnabled(), c.Command1->isEnabled(),
                           c.pulsanti[3]->isEnabled(), c.Cancella->isEnabled()};
    };
    const QList<bool> tutti{true, true, true, true, true};
    const QList<bool> soloCancella{false, false, false, true, true};
    const QList<bool> nessuno{false, false, false, false, false};

    QCOMPARE(stato(), tutti); // start-up chose the first custom table
    for (int indice = 1; indice <= 3; ++indice)
        QCOMPARE(c.pulsanti[indice]->toolTip(), M(indice));
    QCOMPARE(c.List1->toolTip(), QStringLiteral("Fare doppio click per modificare l'elemento"));
    ambiente_->clicca(ambiente_->radice(QStringLiteral("Rw"))->child(0));
    QCOMPARE(stato(), nessuno);
    ambiente_->clicca(ambiente_->figlio(QStringLiteral("teorico"), M(22)));
    QCOMPARE(stato(), soloCancella);
    ambiente_->clicca(ambiente_->radice(QStringLiteral("Infissi"))->child(1));
    QCOMPARE(stato(), nessuno);
    ScegliPersonale(catDLwLaboratorio);
    QCOMPARE(stato(), tutti);
    ambiente_->clicca(ambiente_->figlio(QStringLiteral("teorico"), M(21)));
    QCOMPARE(stato(), soloCancella);
    ScegliPersonale(catInfissi);
    QCOMPARE(stato(), tutti);
}

// The hidden buttons: Command1 has the enabled state of button 1; Command2 is enabled
// while an entry is shown and is its own only guard.
void TestComandiForm1::pulsantiNascosti()
{
    const ControlliForm1& c = form().Controlli();
    ScegliPersonale(catLnwLaboratorio);
    QVERIFY(c.Command1->isEnabled());
    QVERIFY(c.Command2->isEnabled());
    QVERIFY(c.Command1->isHidden());
    QVERIFY(c.Command2->isHidden());
    QCOMPARE(c.Command1->text(), QStringLiteral("Inserire nuovo materiale"));
    QCOMPARE(c.Command2->text(), QStringLiteral("Informazione aggiuntive"));
    QCOMPARE(ModoAperto([&] { c.Command1->click(); }), QStringLiteral("0"));
    QString nomeVisto;
    QVERIFY(GuidaEditor::ConEditor([&] { c.Command2->click(); },
                                   [&](Form3* editor) {
                                       nomeVisto = editor->Modo() + QLatin1Char(' ') +
                                                   Casella(editor, "Text15")->text();
                                       editor->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
                                   }));
    QCOMPARE(nomeVisto, QStringLiteral("1 ") + Lista()->testoCorrente());

    // A keyword choice disables Command2 and the display of the first listed entry
    // enables it again; a choice that lists nothing leaves it disabled.
    ambiente_->scegliParola(ambiente_->parole()->itemText(1));
    QVERIFY(Lista()->count() > 0);
    QVERIFY(c.Command2->isEnabled());
    Form1Test::Ambiente::SvuotaTabella(Sperimentale(), QStringLiteral("Lnw_laboratorio"));
    ambiente_->scegliParola(ambiente_->parole()->itemText(1));
    QCOMPARE(Lista()->count(), 0);
    QVERIFY(!c.Command2->isEnabled());
    QCOMPARE(ModoAperto([&] { c.Command2->click(); }), QString());

    // On an experimental file the shown entry enables Command2, not Command1.
    QTreeWidgetItem* file = ambiente_->radice(QStringLiteral("Infissi"))->child(0);
    ambiente_->clicca(file);
    QVERIFY(!c.Command1->isEnabled());
    QVERIFY(c.Command2->isEnabled());
    QCOMPARE(ModoAperto([&] { c.Command1->click(); }), QString());
    QCOMPARE(ModoAperto([&] { c.Command2->click(); }), QStringLiteral("1"));
    QCOMPARE(MessageBox::shown().size(), 0);

    // Confirming that editor looks for the entry in the custom table only: it is not
    // there (message 58), and neither file changes.
    const QString fileSperimentale = ambiente_->dati().percorsoDatabase(QStringLiteral("Infissi/a.mdb"));
    const QStringList sperimentali = NomiInTabella(fileSperimentale, QStringLiteral("a"));
    const QStringList personali = NomiInTabella(Sperimentale(), QStringLiteral("Infissi"));
    QString avviso;
    QVERIFY(GuidaEditor::ConEditor([&] { c.Command2->click(); },
                                   [&](Form3* editor) {
                                       editor->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
                                       avviso = MessageBox::lastText();
                                   }));
    QCOMPARE(avviso, M(58));
    QCOMPARE(NomiInTabella(fileSperimentale, QStringLiteral("a")), sperimentali);
    QCOMPARE(NomiInTabella(Sperimentale(), QStringLiteral("Infissi")), personali);
}

QTEST_MAIN(TestComandiForm1)
#include "TestComandiForm1.moc"
