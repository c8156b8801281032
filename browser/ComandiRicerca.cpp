#include "ComandiRicerca.h"

#include "ComandiVoce.h"
#include "FinestraPrincipale.h"
#include "app/MessageBox.h"
#include "editor/Form3.h"
#include "exchange/LetturaVoce.h"
#include "exchange/TipiVoce.h"
#include "model/Categorie.h"
#include "model/DettaglioMateriale.h"
#include "searchwindow/FinestraRicerca.h"
#include "storage/DbException.h"
#include "ui/ModuleToolbarColor.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

ComandiRicerca::ComandiRicerca(FinestraPrincipale& finestra, ComandiVoce& voci)
    : QObject(finestra.Finestra()), finestra_(finestra), voci_(voci)
{
    QMainWindow* form = finestra.Finestra();
    const ControlliForm1& c = finestra.Controlli();
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
        auto* azione = new QAction(comando.icona, comando.testo, form);
        azione->setObjectName(QString::fromLatin1(comando.nome));
        azione->setShortcut(comando.scorciatoia);
        azione->setToolTip(QStringLiteral("%1 (%2)").arg(
            comando.testo, comando.scorciatoia.toString(QKeySequence::NativeText)));
        connect(azione, &QAction::triggered, this, comando.azione);
        c.Toolbar1->addAction(azione);
        c.MenuElementi->addAction(azione);
        menu->addAction(azione);
        form->addAction(azione);
        if (QWidget* pulsante = c.Toolbar1->widgetForAction(azione))
            pulsante->setObjectName(azione->objectName());
    }
}

void ComandiRicerca::ApriRicerca()
{
    if (!ricerca_) {
        ricerca_ = new FinestraRicerca(finestra_.Finestra());
        connect(ricerca_, &FinestraRicerca::mostra, this, &ComandiRicerca::Mostra);
        connect(ricerca_, &FinestraRicerca::confronta, this, &ComandiRicerca::Confronta);
        connect(ricerca_, &FinestraRicerca::copia, this, &ComandiRicerca::CopiaTrovata);
        connect(ricerca_, &FinestraRicerca::usa, this, [this](const auto& tabella, const QString& nome) {
            if (const Scelta scelta = std::exchange(scelta_, nullptr))
                scelta(tabella, nome);
        });
    } else if (!ricerca_->InCorso()) {
        ricerca_->AggiornaDatabase();
    }
    ricerca_->show();
    ricerca_->raise();
    ricerca_->activateWindow();
}

void ComandiRicerca::ScegliVoce(const QString& perche, Scelta scelta)
{
    ApriRicerca();
    scelta_ = std::move(scelta);
    ricerca_->ChiediScelta(perche);
}

void ComandiRicerca::Mostra(const TabelleCartellaDati::Tabella& tabella, const QString& nome)
{
    DatiVoce voce;
    voce.file = tabella.file;
    voce.tabella = tabella.tabella;
    voce.codice = tabella.codice;
    voce.nome = nome;
    voci_.MostraVoce(voce);
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
        voci_.Confronta(lette);
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
    const TipoMateriale* tipo = finestra_.Corrente().tipo();
    if (finestra_.Inerte() || !finestra_.RecordMostrato() || !tipo) {
        MessageBox::show(finestra_.Finestra(), tr("No entry is shown: choose one in the list first."),
                         MessageBox::Information);
        return;
    }
    // A copy: choosing the custom table shows another entry.
    const RecordMateriale record = *finestra_.RecordMostrato();
    Copia(record, tipo->codice);
}

void ComandiRicerca::Copia(const RecordMateriale& record, int codice)
{
    const TipoMateriale* origine = Categorie::PerCodice(codice);
    const Categoria* categoria = Categorie::CategoriaDi(codice);
    if (!origine || !categoria)
        return;
    const bool scelta = finestra_.ScegliTabella([&](const TabellaCorrente& tabella) {
        return tabella.categoria == categoria->codice &&
               tabella.nomeDatabase == QLatin1String("Database_sperimentale");
    });
    QMainWindow* form = finestra_.Finestra();
    if (!scelta) {
        MessageBox::show(
            form, tr("The category tree has no custom table for %1.").arg(TipiVoce::Nome(categoria->codice)),
            MessageBox::Exclamation);
        return;
    }
    form->raise();
    form->activateWindow();
    finestra_.ApriEditor(QStringLiteral("0"), [&](Form3& editor) { editor.CompilaDa(record, *origine); });
}
