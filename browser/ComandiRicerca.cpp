#include "ComandiRicerca.h"

#include "ComandiVoce.h"
#include "Form1.h"
#include "SceltaTabella.h"
#include "app/MessageBox.h"
#include "editor/Form3.h"
#include "exchange/LetturaVoce.h"
#include "exchange/TipiVoce.h"
#include "model/Categorie.h"
#include "model/DettaglioMateriale.h"
#include "model/Module1.h"
#include "searchwindow/FinestraRicerca.h"
#include "storage/DbException.h"
#include "ui/ModuleToolbarColor.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QTreeWidget>

ComandiRicerca::ComandiRicerca(Form1* form) : QObject(form), form_(form)
{
    const ControlliForm1& c = form->Controlli();
    c.Toolbar1->addSeparator();
    c.MenuElementi->addSeparator();
    // Also in a menu of the menu bar, where the user sees them.
    QMenu* menu = form->menuBar()->addMenu(tr("&Search"));
    menu->setObjectName(QStringLiteral("MenuRicerca"));
    const struct
    {
        QIcon icona;
        QString testo;
        QKeySequence scorciatoia;
        const char* nome;
        void (ComandiRicerca::*azione)();
    } comandi[] = {
        {ModuleToolbarColor::IconaRicerca(), tr("Search every database..."),
         QKeySequence(Qt::CTRL | Qt::Key_F), "Ricerca", &ComandiRicerca::ApriRicerca},
        {ModuleToolbarColor::IconaCopiaPersonale(), tr("Copy into the custom database"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), "CopiaPersonale", &ComandiRicerca::CopiaMostrata},
    };
    for (const auto& comando : comandi) {
        auto* azione = new QAction(comando.icona, comando.testo, form_);
        azione->setObjectName(QString::fromLatin1(comando.nome));
        azione->setShortcut(comando.scorciatoia);
        azione->setToolTip(QStringLiteral("%1 (%2)").arg(
            comando.testo, comando.scorciatoia.toString(QKeySequence::NativeText)));
        connect(azione, &QAction::triggered, this, comando.azione);
        c.Toolbar1->addAction(azione);
        c.MenuElementi->addAction(azione);
        menu->addAction(azione);
        form_->addAction(azione);
        if (QWidget* pulsante = c.Toolbar1->widgetForAction(azione))
            pulsante->setObjectName(azione->objectName());
    }
}

void ComandiRicerca::ApriRicerca()
{
    if (!ricerca_) {
        ricerca_ = new FinestraRicerca(form_);
        connect(ricerca_, &FinestraRicerca::mostra, this, &ComandiRicerca::Mostra);
        connect(ricerca_, &FinestraRicerca::confronta, this, &ComandiRicerca::Confronta);
        connect(ricerca_, &FinestraRicerca::copia, this, &ComandiRicerca::CopiaTrovata);
    } else if (!ricerca_->InCorso()) {
        ricerca_->AggiornaDatabase();
    }
    ricerca_->show();
    ricerca_->raise();
    ricerca_->activateWindow();
}

void ComandiRicerca::Mostra(const TabelleCartellaDati::Tabella& tabella, const QString& nome)
{
    DatiVoce voce;
    voce.file = tabella.file;
    voce.tabella = tabella.tabella;
    voce.codice = tabella.codice;
    voce.nome = nome;
    form_->ComandiUscita()->MostraVoce(voce);
}

void ComandiRicerca::Confronta(const QList<QPair<TabelleCartellaDati::Tabella, QString>>& voci)
{
    QList<DatiVoce> lette;
    for (const auto& [tabella, nome] : voci) {
        try {
            if (const std::optional<DatiVoce> voce =
                    LetturaVoce::Leggi(tabella.file, tabella.tabella, tabella.codice, nome))
                lette.append(*voce);
        } catch (const DbException& errore) {
            MessageBox::show(
                ricerca_,
                tr("«%1» could not be read from %2: %3").arg(nome, tabella.relativo, errore.Descrizione()),
                MessageBox::Exclamation);
        }
    }
    if (!lette.isEmpty())
        form_->ComandiUscita()->Confronta(lette);
}

void ComandiRicerca::CopiaTrovata(const TabelleCartellaDati::Tabella& tabella, const QString& nome)
{
    std::optional<RecordMateriale> record;
    try {
        record = DettaglioMateriale::Leggi(tabella.file, tabella.tabella, tabella.codice, nome);
    } catch (const DbException& errore) {
        MessageBox::show(
            ricerca_,
            tr("«%1» could not be read from %2: %3").arg(nome, tabella.relativo, errore.Descrizione()),
            MessageBox::Exclamation);
        return;
    }
    if (!record) {
        MessageBox::show(
            ricerca_,
            tr("\u00ab%1\u00bb is no longer in %2 (table %3).").arg(nome, tabella.relativo, tabella.tabella),
            MessageBox::Exclamation);
        return;
    }
    Copia(*record, tabella.codice);
}

void ComandiRicerca::CopiaMostrata()
{
    if (form_->Inerte() || !form_->RecordMostrato() || !Categorie::PerCodice(Module1::CategoriaCorrente)) {
        MessageBox::show(form_, tr("No entry is shown: choose one in the list first."),
                         MessageBox::Information);
        return;
    }
    // A copy: choosing the custom table shows another entry.
    const RecordMateriale record = *form_->RecordMostrato();
    Copia(record, Module1::CategoriaCorrente);
}

void ComandiRicerca::Copia(const RecordMateriale& record, int codice)
{
    const TipoMateriale* origine = Categorie::PerCodice(codice);
    const Categoria* categoria = Categorie::CategoriaDi(codice);
    if (!origine || !categoria)
        return;
    QTreeWidget* albero = form_->Controlli().TreeView1;
    for (int r = 0; r < albero->topLevelItemCount(); ++r) {
        QTreeWidgetItem* radice = albero->topLevelItem(r);
        for (int f = 0; f < radice->childCount(); ++f) {
            QTreeWidgetItem* nodo = radice->child(f);
            const SceltaTabella::Esito esito = SceltaTabella::Scegli(radice->text(0), nodo->text(0));
            if (esito.codice != categoria->codice ||
                esito.nomeDatabase != QLatin1String("Database_sperimentale"))
                continue;
            albero->setCurrentItem(nodo);
            form_->TreeView1_NodeClick(nodo);
            form_->raise();
            form_->activateWindow();
            form_->ApriEditor(QStringLiteral("0"),
                              [&](Form3& editor) { editor.CompilaDa(record, *origine); });
            return;
        }
    }
    MessageBox::show(
        form_, tr("The category tree has no custom table for %1.").arg(TipiVoce::Nome(categoria->codice)),
        MessageBox::Exclamation);
}
