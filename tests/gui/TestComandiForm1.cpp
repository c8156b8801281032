// The main window's commands used the way the user uses them: the toolbar, the list's double
// click and the hidden buttons, on every custom table; each case reads the files back.
#include "TestForm1Ambiente.h"

#include "model/Categorie.h"
#include "storage/DBEngine.h"

#include <QRegularExpression>
#include <QToolButton>

using namespace Form1Test;

namespace {

QString Domanda(const QString& nome)
{
    return QStringLiteral("Eliminare il materiale \"") + nome + QStringLiteral("\"?");
}

// The modal editor's mode marker, when azione opens one.
QString ModoAperto(const std::function<void()>& azione)
{
    QString modo;
    ConEditor(azione, [&](Form3* editor) { modo = editor->Modo(); });
    return modo;
}

const QString kRw = QStringLiteral("Rw_laboratorio");

} // namespace

class TestComandiForm1 : public QObject
{
    Q_OBJECT
    std::unique_ptr<Ambiente> a_;
    QString File() const { return a_->sperimentale(); }
    // The list and the keyword box as a fresh fill shows them.
    void ComeRiletto()
    {
        const QStringList righe = a_->righeElenco(), parole = a_->righeParole();
        a_->form().CaricaListaMateriali();
        QCOMPARE(righe, a_->righeElenco());
        QCOMPARE(parole, a_->righeParole());
    }

private slots:
    void init()
    {
        a_ = std::make_unique<Ambiente>();
        QVERIFY(a_->ok());
        FileDialog::clear();
        QVERIFY(QTest::qWaitForWindowExposed(&a_->apri()));
    }
    void cleanup() { a_.reset(); }

    void cicloDiVita_data()
    {
        QTest::addColumn<int>("messaggio"); // of the custom node
        QTest::addColumn<int>("codice");
        int messaggio = 20; // the custom nodes in the order of the tree
        for (int codice : {1, 3, 4, 6, 2, 5, 7, 10})
            QTest::newRow(Categorie::PerCodice(codice)->tabellaPersonale) << messaggio++ << codice;
    }

    // Every custom kind: modify an entry and confirm at once, insert one with a picture,
    // rename it from the list's double click, delete it.
    void cicloDiVita()
    {
        QFETCH(int, messaggio);
        QFETCH(int, codice);
        const Categoria& tipo = *Categorie::PerCodice(codice);
        const QString tabella = QString::fromUtf8(tipo.tabellaPersonale);
        const QString cartella = QString::fromUtf8(tipo.cartellaImmagini);
        const int completa = codice == catDnewLaboratorio; // an empty number box cannot be saved
        a_->scegliPersonale(messaggio);
        const QStringList originali = NomiInTabella(File(), tabella);
        QCOMPARE(a_->righeElenco(), originali);

        // The editor takes every value from the window: confirming stores the entry as it was,
        // its description on one line, an empty text where there was none, the first keyword.
        a_->selezionaNome(originali.at(completa));
        QVariantMap prima = LeggiRiga(File(), tabella, codice, originali.at(completa));
        QVERIFY(ConEditor([&] { a_->pulsante(2); }, [](Form3* e) { Premi(e, "Command2"); }));
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText().replace("\r\n", " ")));
        prima[QStringLiteral("Descrizione")] = prima.value("Descrizione").toString().replace("\r\n", " ");
        prima[QStringLiteral("Parola chiave")] = a_->righeParole().at(1);
        const QVariantMap dopo = LeggiRiga(File(), tabella, codice, originali.at(completa));
        QStringList cambiati;
        for (auto it = prima.cbegin(); it != prima.cend(); ++it)
            if (dopo.value(it.key()) != it.value() &&
                !(it.value().isNull() && dopo.value(it.key()) == QString()))
                cambiati << it.key() + ": " + it.value().toString() + " -> " +
                                dopo.value(it.key()).toString();
        QVERIFY2(cambiati.isEmpty(), qPrintable(cambiati.join("; ")));

        const QString nome = QStringLiteral("Prova comandi"), foto = QStringLiteral("prova_comandi.jpg");
        QTemporaryDir sorgenti;
        QVERIFY(Scrivi(sorgenti.filePath(foto), Contenuto(a_->immagini("senza.jpg"))));
        QStringList modi;
        QVERIFY(ConEditor([&] { a_->pulsante(1); },
                          [&](Form3* e) {
                              modi << e->Modo() + Casella(e, "Text15")->text();
                              Casella(e, "Text15")->setText(nome);
                              Casella(e, "Text2(0)")->setText(QStringLiteral("44,5"));
                              FileDialog::setNextFileName(sorgenti.filePath(foto));
                              Premi(e, "Command1");
                              Premi(e, "Command2");
                          }));
        QCOMPARE(NomiInTabella(File(), tabella), QStringList(originali) << nome);
        QCOMPARE(a_->righeElenco(), QStringList(originali) << nome);
        ComeRiletto();
        QCOMPARE(a_->elenco()->currentRow(), 0);
        a_->selezionaNome(nome);
        QCOMPARE(a_->banda(0)->text(), QStringLiteral("44,5"));
        QVERIFY(QFile::exists(a_->immagini(cartella + QLatin1Char('/') + foto)));

        QVERIFY(ConEditor([&] { a_->doppioClick(a_->elenco()->currentRow()); },
                          [&](Form3* e) {
                              modi << e->Modo() + Casella(e, "Text15")->text();
                              Casella(e, "Text15")->setText(nome + QStringLiteral(" bis"));
                              Premi(e, "Command2");
                          }));
        QCOMPARE(modi, (QStringList{"0", "1" + nome}));
        QCOMPARE(NomiInTabella(File(), tabella), QStringList(originali) << nome + QStringLiteral(" bis"));
        ComeRiletto();

        a_->selezionaNome(nome + QStringLiteral(" bis"));
        const int riga = a_->elenco()->currentRow();
        MessageBox::setNextAnswer(MessageBox::No);
        a_->pulsante(3);
        const MessageBox::Shown domanda = MessageBox::shown().last();
        QCOMPARE(domanda.text, Domanda(nome + QStringLiteral(" bis")));
        QVERIFY(domanda.icon == MessageBox::Exclamation && domanda.buttons == MessageBox::YesNo &&
                domanda.defaultButton == MessageBox::Yes);
        QCOMPARE(a_->elenco()->currentRow(), riga);
        MessageBox::setNextAnswer(MessageBox::Yes);
        a_->pulsante(3);
        QCOMPARE(NomiInTabella(File(), tabella), originali);
        QCOMPARE(a_->righeElenco(), originali);
        QCOMPARE(a_->elenco()->currentRow(), 0);
        ComeRiletto();
        QVERIFY(QFile::exists(a_->immagini(cartella + QLatin1Char('/') + foto))); // the picture stays
    }

    // Modify on an entry without a test date whose keyword is not the list's first: the date
    // of the information window's calendar, the stored keyword marked and put back by a click,
    // number boxes selected on focus and on click, Ctrl+A, Enter a line break. Another copy
    // changes one band meanwhile: the save is refused naming it, old and new, the editor keeps
    // what was typed, and Ok again saves over the change (Annulla writes nothing: TestForm3).
    void modificaSenzaSorprese()
    {
        const QString nome = QStringLiteral("Parete in calcestruzzo 18 cm");
        a_->selezionaNome(QStringLiteral("Parete in cartongesso a doppia lastra")); // 14/11/2009
        a_->selezionaNome(nome);
        QStringList visti;
        QVERIFY(ConEditor(
            [&] { a_->pulsante(2); },
            [&](Form3* e) {
                QApplication::setActiveWindow(e); // for the focus the boxes get
                auto* segno = e->findChild<QToolButton*>(QStringLiteral("SegnoParolaChiave"));
                const auto parola = [&] {
                    return e->findChild<QComboBox*>()->currentText() + (segno->isVisible() ? "*" : "");
                };
                visti << e->findChild<QCalendarWidget*>()->selectedDate().toString("d/M/yyyy") << parola();
                QTest::mouseClick(segno, Qt::LeftButton);
                Casella(e, "Text10")->setFocus(Qt::TabFocusReason);
                QTest::keyClicks(Casella(e, "Text10"), QStringLiteral("265"));
                QTest::mouseClick(Casella(e, "Text11"), Qt::LeftButton);
                QTest::keyClicks(Casella(e, "Text11"), QStringLiteral("12"));
                Casella(e, "Text2(5)")->setFocus();
                for (const QKeySequence& tasti :
                     {QKeySequence(Qt::Key_End), QKeySequence(QKeySequence::SelectAll)})
                    QTest::keySequence(Casella(e, "Text2(5)"), tasti);
                QTest::keyClicks(Casella(e, "Text2(5)"), QStringLiteral("47"));
                QTest::keySequence(Casella(e, "Text15"), QKeySequence::SelectAll);
                QTest::keyClicks(Casella(e, "Text15"), QStringLiteral("Misura\rH3"));
                Ambiente::Esegui(File(), "UPDATE Rw_laboratorio SET \"R - 500Hz (dB)\" = 60 WHERE rowid = 4");
                Premi(e, "Command2");
                visti << parola() << MessageBox::lastText().section('\n', 3, 3)
                      << Casella(e, "Text15")->text();
                Premi(e, "Command2");
                visti << QString::number(e->isVisible());
            }));
        QCOMPARE(visti, (QStringList{"1/11/2009", "Laterizio*", "Calcestruzzo", "R - 500Hz (dB): «55» → «60»",
                                     "Misura", "0"}));
        QStringList valori;
        for (const char* c :
             {"Parola chiave", "Data Prova", "m' (kg/m²)", "s (mm)", "R - 160Hz (dB)", "R - 500Hz (dB)"})
            valori << LeggiRiga(File(), kRw, catRwLaboratorio, QStringLiteral("Misura")).value(c).toString();
        QCOMPARE(valori.join('|'), QStringLiteral("Calcestruzzo|1/11/2009|265|12|47|55"));
    }

    // An entry another program removed meanwhile: nothing else goes, nothing is said. Then
    // a middle, the last, the first entry: the others keep their order and the first is shown.
    // Two entries of one name: one deletion removes the first.
    void cancellazione()
    {
        for (int riga : {-1, 1, 1, 0}) {
            QStringList attesi = NomiInTabella(File(), kRw);
            const QString nome = attesi.takeAt(qMax(riga, 0));
            a_->selezionaNome(nome);
            if (riga < 0)
                Ambiente::Esegui(File(),
                                 QStringLiteral("DELETE FROM Rw_laboratorio WHERE Nome = '%1'").arg(nome));
            MessageBox::clearShown();
            MessageBox::setNextAnswer(MessageBox::Yes);
            a_->pulsante(3);
            QCOMPARE(MessageBox::shown().size(), 1);
            QCOMPARE(NomiInTabella(File(), kRw), attesi);
            QCOMPARE(a_->righeElenco(), attesi);
            QCOMPARE(a_->form().InformazioniAggiuntive()->Testo(0),
                     LeggiRiga(File(), kRw, 1, attesi.value(0)).value("Certificato").toString());
        }
        for (const char* certificato : {"primo", "secondo"})
            Ambiente::Inserisci(File(), kRw, {{"Nome", "Ripetuta"}, {"Certificato", certificato}});
        a_->scegliPersonale(20);
        MessageBox::setNextAnswer(MessageBox::Yes);
        a_->pulsante(3);
        QCOMPARE(a_->righeElenco(), QStringList{"Ripetuta"});
        QCOMPARE(LeggiRiga(File(), kRw, 1, QStringLiteral("Ripetuta")).value("Certificato"),
                 QVariant("secondo"));
    }

    // A deletion under a keyword choice refills the whole table (No keeps all: cicloDiVita).
    void rispostaSiTogliFiltro()
    {
        a_->scegliParola(QStringLiteral("Laterizio"));
        const QStringList filtrati = a_->righeElenco();
        a_->selezionaRiga(1);
        MessageBox::setNextAnswer(MessageBox::Yes);
        a_->pulsante(3);
        QCOMPARE(a_->righeElenco(), NomiInTabella(File(), kRw));
        QVERIFY(!a_->righeElenco().contains(filtrati.at(1)));
        QCOMPARE(a_->parole()->currentIndex(), 0);
    }

    // Another program holds the file: the user is told, the list is read again (which the
    // lock refuses too), and the entry is still there once the file is free.
    void cancellazioneConFileOccupato()
    {
        const QStringList prima = a_->righeElenco();
        auto altro = DBEngine::OpenDatabase(File(), DBEngine::Uso::Esclusivo);
        MessageBox::setNextAnswer(MessageBox::Yes);
        a_->pulsante(3);
        altro->Close();
        QCOMPARE(MessageBox::shown().size(), 3);
        const QString avviso = MessageBox::shown().at(1).text;
        QVERIFY2(avviso.contains("cancellare il materiale «" + prima.first()) && avviso.contains("in uso"),
                 qPrintable(avviso));
        QVERIFY(MessageBox::lastText().contains(QStringLiteral("leggere l'elenco")));
        a_->scegliPersonale(20);
        QCOMPARE(a_->righeElenco(), prima);
    }

    // An empty table, emptied by another program or by deleting its last entry, shows
    // nothing of the entry shown before; the editor opened on it in modify mode carries
    // nothing of it, and its save asks for a name (56, the focus on the name), then finds no
    // such entry (58), writing nothing.
    void tabellaVuota()
    {
        const ControlliForm1& c = a_->form().Controlli();
        const QDate dataPrima = a_->form().InformazioniAggiuntive()->MonthView1()->selectedDate();
        Ambiente::SvuotaTabella(File(), QStringLiteral("DRw_laboratorio"));
        a_->scegliPersonale(21);
        a_->scegliPersonale(27);
        while (a_->elenco()->count() > 0) {
            MessageBox::setNextAnswer(MessageBox::Yes);
            a_->pulsante(3);
        }
        MessageBox::setNextAnswer(MessageBox::Yes); // nothing selected: the question names nothing
        a_->pulsante(3);
        QCOMPARE(MessageBox::lastText(), Domanda(QString()));
        for (int messaggio : {21, 27}) {
            a_->scegliPersonale(messaggio);
            for (QLineEdit* banda : c.Text1)
                QCOMPARE(banda->text(), QStringLiteral("0"));
            QCOMPARE(c.Label3->text(), M(messaggio == 21 ? 14 : 89) + QStringLiteral(" = "));
            QCOMPARE(a_->descrizione(), QString());
            QVERIFY(!c.Image1->HaImmagine());
            QCOMPARE(c.massimo->text() + c.minimo->text(), QStringLiteral("maxmin"));
            for (int k = 0; k < Form2::NumeroCaselle; ++k)
                QCOMPARE(a_->form().InformazioniAggiuntive()->Testo(k), QString());
            QStringList rimasti, avvisi;
            QVERIFY(ConEditor([&] { a_->pulsante(2); },
                              [&](Form3* e) {
                                  for (QLineEdit* box :
                                       e->findChildren<QLineEdit*>(QRegularExpression("^Text(\\d+|2\\(.*)$")))
                                      if (!QStringList{"", "0", "0,0"}.contains(box->text()))
                                          rimasti << box->objectName() + QLatin1Char('=') + box->text();
                                  if (e->findChild<QCalendarWidget*>()->selectedDate() == dataPrima)
                                      rimasti << QStringLiteral("MonthView1");
                                  Casella(e, "Text4")->setFocus();
                                  Premi(e, "Command2");
                                  avvisi << MessageBox::lastText();
                                  if (e->focusWidget() != Casella(e, "Text15"))
                                      rimasti << QStringLiteral("focus");
                                  Casella(e, "Text15")->setText(QStringLiteral("Griglia"));
                                  Premi(e, "Command2");
                                  avvisi << MessageBox::lastText();
                              }));
            QVERIFY2(rimasti.isEmpty(), qPrintable(rimasti.join(QLatin1Char(' '))));
            QCOMPARE(avvisi, (QStringList{M(56), M(58)}));
        }
        QVERIFY(NomiInTabella(File(), QStringLiteral("Dnew_laboratorio")).isEmpty());
    }

    // Names are looked up as they are: quotes, apostrophes and pattern wildcards match only
    // themselves; a name equal but for letter case is refused (57).
    void nomiConCaratteriParticolari()
    {
        const QString tabella = QStringLiteral("Lnw_in_opera");
        const char* righe[][2] = {{"Parete dell'ingresso", "Parete dell ingresso"},
                                  {"Pannello \"fonoassorbente\"", "Pannello fonoassorbente"},
                                  {"Solaio 50% legno", "Solaio 50x legno"},
                                  {"Solaio_legno", "SolaioXlegno"},
                                  {"Solaio in legno", "SOLAIO IN LEGNO"}};
        for (const auto& [nome, simile] : righe) {
            Ambiente::Inserisci(File(), tabella, {{"Nome", simile}});
            a_->scegliPersonale(25);
            ConEditor([&] { a_->pulsante(1); },
                      [&](Form3* e) {
                          Casella(e, "Text15")->setText(QString::fromUtf8(nome));
                          Premi(e, "Command2");
                      });
            QStringList attesi = NomiInTabella(File(), tabella);
            if (QString::fromUtf8(nome).compare(QLatin1String(simile), Qt::CaseInsensitive) == 0) {
                QCOMPARE(MessageBox::lastText(), M(57));
                continue;
            }
            a_->selezionaNome(QString::fromUtf8(nome));
            MessageBox::setNextAnswer(MessageBox::Yes);
            a_->pulsante(3);
            QCOMPARE(MessageBox::lastText(), Domanda(QString::fromUtf8(nome)));
            attesi.removeOne(QString::fromUtf8(nome));
            QCOMPARE(NomiInTabella(File(), tabella), attesi);
            QVERIFY(attesi.contains(QLatin1String(simile)));
        }
    }

    // The theoretical tables delete as the custom ones.
    void cancellaDalTeorico()
    {
        const std::pair<int, const char*> righe[] = {
            {20, "Potere_fonoisolante"}, {21, "DRw"}, {22, "Livello_calpestio"}};
        for (const auto& [messaggio, tabella] : righe) {
            a_->clicca(a_->figlio(QStringLiteral("teorico"), M(messaggio)));
            QStringList attesi = NomiInTabella(a_->teorico(), QLatin1String(tabella));
            a_->selezionaNome(attesi.takeLast());
            MessageBox::setNextAnswer(MessageBox::Yes);
            a_->pulsante(3);
            QCOMPARE(NomiInTabella(a_->teorico(), QLatin1String(tabella)), attesi);
            QCOMPARE(a_->righeElenco(), attesi);
        }
        QCOMPARE(NomiInTabella(File(), kRw).size(), 4);
    }

    // Every tree click starts from all commands disabled and enables what the kind of
    // database allows; the commands, the double click and the hidden buttons follow.
    void comandiSeguonoAlbero()
    {
        const ControlliForm1& c = a_->form().Controlli();
        const struct
        {
            const char* radice;
            int figlio; // -1: the root itself
            bool modifica, cancella;
        } righe[] = {{"personalizzato", -1, true, true}, {"Rw", 0, false, false},
                     {"teorico", 2, false, true},        {"personalizzato", 7, true, true},
                     {"teorico", -1, false, true},       {"Infissi", -1, false, false},
                     {"personalizzato", 3, true, true}};
        for (const auto& r : righe) {
            QTreeWidgetItem* radice = a_->radice(QLatin1String(r.radice));
            a_->clicca(r.figlio < 0 ? radice : radice->child(r.figlio));
            QCOMPARE(a_->elenco()->currentRow(), 0);
            const QList<bool> abilitati{c.Inserisci->isEnabled(), c.Modifica->isEnabled(),
                                        c.Command1->isEnabled(), c.Elimina->isEnabled(),
                                        c.Cancella->isEnabled()};
            QCOMPARE(abilitati, (QList<bool>{r.modifica, r.modifica, r.modifica, r.cancella, r.cancella}));
            // The editor opens in its mode where the command is enabled; the hidden modify
            // button follows the shown entry, wherever it is.
            const QStringList modi{ModoAperto([&] { a_->pulsante(1); }), ModoAperto([&] { a_->pulsante(2); }),
                                   ModoAperto([&] { a_->doppioClick(0); }),
                                   ModoAperto([&] { c.Command1->click(); }),
                                   ModoAperto([&] { c.Command2->click(); })};
            QCOMPARE(modi.join(QLatin1Char(' ')), QLatin1String(r.modifica ? "0 1 1 0 1" : "    1"));
            MessageBox::clearShown();
            c.Cancella->trigger(); // the menu item only mirrors the delete command
            MessageBox::setNextAnswer(MessageBox::No);
            a_->pulsante(3);
            QCOMPARE(MessageBox::shown().size(), r.cancella ? 1 : 0);
        }
        // The editor opened on an experimental entry looks for it in the custom table only:
        // it is not there (58), and neither file changes.
        a_->clicca(a_->radice(QStringLiteral("Infissi")));
        const QString sperimentale = a_->dati().percorsoDatabase("Infissi/a.mdb");
        const QByteArray prima = Contenuto(sperimentale) + Contenuto(File());
        QVERIFY(ConEditor([&] { c.Command2->click(); }, [](Form3* e) { Premi(e, "Command2"); }));
        QCOMPARE(MessageBox::lastText(), M(58));
        QCOMPARE(Contenuto(sperimentale) + Contenuto(File()), prima);
        // A keyword choice that lists nothing leaves the hidden modify button disabled.
        a_->scegliPersonale(22);
        Ambiente::SvuotaTabella(File(), QStringLiteral("Lnw_laboratorio"));
        a_->scegliParola(a_->parole()->itemText(1));
        QCOMPARE(ModoAperto([&] { c.Command2->click(); }), QString());
    }
};

QTEST_MAIN(TestComandiForm1)
#include "TestComandiForm1.moc"
