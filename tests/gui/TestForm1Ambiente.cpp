#include "TestForm1Ambiente.h"

#include "app/MessageBox.h"
#include "browser/AlberoCategorie.h"
#include "model/Categorie.h"
#include "model/Module1.h"
#include "model/RecordSchema.h"
#include "storage/SqliteDatabase.h"

#include "browser/ElencoNomi.h"
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeWidget>

namespace Form1Test {

Ambiente::Ambiente(const QString& fixture) : dati_(fixture)
{
    TestSupport::PreparaAmbiente();
    MessageBox::clearShown();
    Module1::Azzera();
}

Ambiente::~Ambiente()
{
    form_.reset();
    MessageBox::clearShown();
    Module1::Azzera();
}

Form1& Ambiente::apri()
{
    form_ = std::make_unique<Form1>();
    form_->Carica();
    form_->show();
    return *form_;
}

QString Ambiente::immagini(const QString& cartella) const
{
    return dati_.cartellaProgramma() + QStringLiteral("/immagine/") + cartella;
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

QStringList Ambiente::ColonneDi(int codice)
{
    return Categorie::ColonneTabella(codice);
}

void Ambiente::CreaTabella(const QString& file, const QString& tabella, const QStringList& colonne,
                           bool conIndice)
{
    auto db = QFile::exists(file) ? SqliteDatabase::Apri(file) : SqliteDatabase::Crea(file);
    if (db->TableNames().contains(tabella))
        db->Execute(QStringLiteral("DROP TABLE \"%1\"").arg(tabella));
    if (conIndice)
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

int Ambiente::ContaRighe(const QString& file, const QString& tabella)
{
    auto db = SqliteDatabase::Apri(file);
    auto rs = db->OpenRecordset(tabella);
    const int n = rs->RecordCount();
    rs->Close();
    db->Close();
    return n;
}

QTreeWidget* Ambiente::albero() const
{
    return form_->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
}
ElencoNomi* Ambiente::elenco() const
{
    return form_->findChild<ElencoNomi*>(QStringLiteral("List1"));
}
QComboBox* Ambiente::parole() const
{
    return form_->findChild<QComboBox*>(QStringLiteral("Combo1"));
}
QLabel* Ambiente::etichetta(const QString& nome) const
{
    return form_->findChild<QLabel*>(nome);
}
QLineEdit* Ambiente::banda(int i) const
{
    return form_->findChild<QLineEdit*>(QStringLiteral("Text1(%1)").arg(i));
}
QString Ambiente::descrizione() const
{
    return form_->findChild<QPlainTextEdit*>(QStringLiteral("Text2"))->toPlainText();
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
    QTreeWidget* t = albero();
    if (nodo->parent())
        nodo->parent()->setExpanded(true);
    t->scrollToItem(nodo);
    const QRect area = t->visualItemRect(nodo);
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, area.center());
}

void Ambiente::scegliParola(const QString& parola)
{
    const int indice = parole()->findText(parola, Qt::MatchExactly | Qt::MatchCaseSensitive);
    parole()->setCurrentIndex(indice);
    emit parole()->activated(indice);
}

void Ambiente::selezionaRiga(int riga)
{
    elenco()->setCurrentRow(riga);
}

} // namespace Form1Test
