#include "TestForm1Ambiente.h"

#include "browser/AlberoCategorie.h"
#include "model/Categorie.h"
#include "model/RecordSchema.h"
#include "storage/sqlite/SqliteDatabase.h"

#include <QToolBar>

namespace Form1Test {

bool ConEditor(const std::function<void()>& azione, const std::function<void(Form3*)>& guida)
{
    bool guidato = false;
    QTimer attesa;
    attesa.setInterval(0);
    QObject::connect(&attesa, &QTimer::timeout, [&] {
        auto* editor = qobject_cast<Form3*>(QApplication::activeModalWidget());
        if (!editor || !editor->isVisible())
            return;
        attesa.stop();
        guidato = true;
        guida(editor);
        if (editor->isVisible())
            editor->reject();
    });
    QTimer::singleShot(0, &attesa, qOverload<>(&QTimer::start));
    azione();
    attesa.stop();
    return guidato;
}

Ambiente::Ambiente(const QString& fixture) : dati_(fixture)
{
    TestSupport::PreparaAmbiente();
    MessageBox::clearShown();
}

Ambiente::~Ambiente()
{
    form_.reset();
    MessageBox::clearShown();
}

Form1& Ambiente::apri()
{
    form_ = std::make_unique<Form1>();
    form_->Carica();
    form_->show();
    return *form_;
}

void Ambiente::Esegui(const QString& file, const QString& sql)
{
    auto db = SqliteDatabase::Apri(file);
    db->Execute(sql);
    db->Close();
}

void Ambiente::SvuotaTabella(const QString& file, const QString& tabella)
{
    Esegui(file, QStringLiteral("DELETE FROM \"%1\"").arg(tabella));
}

void Ambiente::CreaTabella(const QString& file, const QString& tabella, int codice, bool conIndice,
                           const QString& senzaColonna)
{
    QStringList colonne = Categorie::ColonneTabella(codice);
    colonne.removeAll(senzaColonna);
    auto db = QFile::exists(file) ? SqliteDatabase::Apri(file) : SqliteDatabase::Crea(file);
    if (db->TableNames().contains(tabella))
        db->Execute(QStringLiteral("DROP TABLE \"%1\"").arg(tabella));
    if (conIndice && colonne.contains(QStringLiteral("Nome")))
        db->CreaTabellaMateriale(tabella, colonne, RecordSchema::IsNumerica);
    else
        db->CreaTabella(tabella, colonne, RecordSchema::IsNumerica);
    db->Close();
}

void Ambiente::Inserisci(const QString& file, const QString& tabella, const Campi& campi)
{
    auto db = SqliteDatabase::Apri(file);
    auto rs = db->OpenRecordset(tabella);
    rs->AddNew();
    for (auto it = campi.constBegin(); it != campi.constEnd(); ++it)
        rs->SetField(it.key(), it.value());
    rs->Update();
    rs->Close();
    db->Close();
}

QStringList Ambiente::righeElenco() const
{
    QStringList righe;
    for (int i = 0; i < elenco()->count(); ++i)
        righe << elenco()->testo(i);
    return righe;
}

QStringList Ambiente::righeParole() const
{
    QStringList righe;
    for (int i = 0; i < parole()->count(); ++i)
        righe << parole()->itemText(i);
    return righe;
}

QTreeWidgetItem* Ambiente::radice(const QString& chiave) const
{
    return AlberoCategorie::RadicePerChiave(albero(), chiave);
}

QStringList Ambiente::figli(const QString& chiave) const
{
    QStringList figli;
    for (int i = 0; i < radice(chiave)->childCount(); ++i)
        figli << radice(chiave)->child(i)->text(0);
    return figli;
}

QTreeWidgetItem* Ambiente::figlio(const QString& chiave, const QString& didascalia) const
{
    QTreeWidgetItem* r = radice(chiave);
    for (int i = 0; r && i < r->childCount(); ++i)
        if (r->child(i)->text(0) == didascalia)
            return r->child(i);
    return nullptr;
}

void Ambiente::clicca(QTreeWidgetItem* nodo)
{
    QVERIFY(nodo);
    QTreeWidget* t = albero();
    if (nodo->parent())
        nodo->parent()->setExpanded(true);
    t->scrollToItem(nodo);
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(nodo).center());
}

void Ambiente::scegliPersonale(int messaggio)
{
    clicca(figlio(QStringLiteral("personalizzato"), ZelmarCommonModule::M(messaggio)));
}

void Ambiente::scegliParola(const QString& parola)
{
    const int indice = parole()->findText(parola, Qt::MatchExactly | Qt::MatchCaseSensitive);
    parole()->setCurrentIndex(indice);
    emit parole()->activated(indice);
}

void Ambiente::selezionaNome(const QString& nome)
{
    const int riga = int(righeElenco().indexOf(nome));
    QVERIFY2(riga >= 0, qPrintable(nome));
    elenco()->mostraRiga(riga);
    QTest::mouseClick(elenco()->viewport(), Qt::LeftButton, {}, elenco()->rettangoloRiga(riga).center());
}

void Ambiente::doppioClick(int riga)
{
    const QPoint centro = elenco()->rettangoloRiga(riga).center();
    QTest::mouseClick(elenco()->viewport(), Qt::LeftButton, {}, centro); // a double click's first click
    QTest::mouseDClick(elenco()->viewport(), Qt::LeftButton, {}, centro);
}

void Ambiente::pulsante(int indice)
{
    auto* azione = form_->findChild<QAction*>(QStringLiteral("Toolbar1.Buttons(%1)").arg(indice));
    QTest::mouseClick(form_->Controlli().Toolbar1->widgetForAction(azione), Qt::LeftButton);
}

} // namespace Form1Test
