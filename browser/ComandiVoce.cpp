#include "ComandiVoce.h"

#include "ElencoNomi.h"
#include "FinestraPrincipale.h"
#include "app/DialogoStampa.h"
#include "app/FileDialog.h"
#include "app/MessageBox.h"
#include "browser/immagine/SceltaImmagine.h"
#include "comparison/FinestraConfronto.h"
#include "config/ZelmarCommonModule.h"
#include "exchange/AppuntiBande.h"
#include "exchange/LetturaVoce.h"
#include "model/Categorie.h"
#include "sheet/DialogoCartaIntestata.h"
#include "sheet/SchedaTecnica.h"
#include "ui/ModuleToolbarColor.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QPrinter>
#include <QToolBar>

using ZelmarCommonModule::GetCartellaDati;

namespace {

// A file name for the entry's sheet: its name without the characters file systems refuse.
QString NomeFile(const QString& nome)
{
    QString file;
    for (const QChar c : nome)
        file += QStringLiteral("/\\:*?\"<>|").contains(c) || c.category() == QChar::Other_Control ? QChar('_')
                                                                                                  : c;
    return file.trimmed().isEmpty() ? QStringLiteral("scheda") : file.trimmed();
}

bool StessoFile(const QString& a, const QString& b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

ComandiVoce::ComandiVoce(FinestraPrincipale& finestra)
    : QObject(finestra.Finestra()), finestra_(finestra), form_(finestra.Finestra())
{
    const ControlliForm1& c = finestra.Controlli();
    c.Toolbar1->addSeparator();
    c.MenuElementi->addSeparator();
    const QList<QAction*> comandi = {
        Comando(ModuleToolbarColor::IconaConfronto(), tr("Add to the comparison"),
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), &ComandiVoce::AggiungiAlConfronto),
        Comando(ModuleToolbarColor::IconaScheda(), tr("Data sheet as PDF..."),
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &ComandiVoce::SalvaScheda),
        Comando(ModuleToolbarColor::IconaStampa(), tr("Print the data sheet..."),
                QKeySequence(Qt::CTRL | Qt::Key_P), &ComandiVoce::StampaScheda),
        Comando(ModuleToolbarColor::IconaCopiaBande(), tr("Copy the band values"),
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &ComandiVoce::CopiaBande),
    };
    const char* nomi[] = {"AggiungiConfronto", "SalvaScheda", "StampaScheda", "CopiaBande"};
    for (int i = 0; i < comandi.size(); ++i) {
        comandi[i]->setObjectName(QString::fromLatin1(nomi[i]));
        if (QWidget* pulsante = c.Toolbar1->widgetForAction(comandi[i]))
            pulsante->setObjectName(comandi[i]->objectName());
    }
    // Set once, so in the menu only.
    auto* carta = new QAction(tr("Letterhead of the data sheets..."), form_);
    carta->setObjectName(QStringLiteral("CartaIntestata"));
    connect(carta, &QAction::triggered, this, [this] { DialogoCartaIntestata(form_).exec(); });
    c.MenuElementi->addAction(carta);
}

QAction* ComandiVoce::Comando(const QIcon& icona, const QString& testo, const QKeySequence& scorciatoia,
                              void (ComandiVoce::*azione)())
{
    const ControlliForm1& c = finestra_.Controlli();
    auto* comando = new QAction(icona, testo, form_);
    comando->setShortcut(scorciatoia);
    comando->setToolTip(QStringLiteral("%1 (%2)").arg(testo, scorciatoia.toString(QKeySequence::NativeText)));
    connect(comando, &QAction::triggered, this, azione);
    c.Toolbar1->addAction(comando);
    c.MenuElementi->addAction(comando);
    form_->addAction(comando);
    return comando;
}

FinestraConfronto* ComandiVoce::Confronto() const
{
    return confronto_;
}

std::optional<DatiVoce> ComandiVoce::VoceMostrata()
{
    const TabellaCorrente& corrente = finestra_.Corrente();
    const TipoMateriale* tipo = corrente.tipo();
    if (finestra_.Inerte() || finestra_.Controlli().List1->currentRow() < 0 || !finestra_.RecordMostrato() ||
        !tipo) {
        MessageBox::show(form_, tr("No entry is shown: choose one in the list first."),
                         MessageBox::Information);
        return std::nullopt;
    }
    return LetturaVoce::Da(*finestra_.RecordMostrato(), *tipo, corrente.percorso(GetCartellaDati()),
                           corrente.nomeTabella);
}

void ComandiVoce::AggiungiAlConfronto()
{
    if (const std::optional<DatiVoce> voce = VoceMostrata())
        Confronta({*voce});
}

int ComandiVoce::Confronta(const QList<DatiVoce>& voci)
{
    if (!confronto_) {
        confronto_ = new FinestraConfronto(form_);
        connect(confronto_, &FinestraConfronto::mostraVoce, this, &ComandiVoce::MostraVoce);
    }
    return confronto_->Aggiungi(voci);
}

void ComandiVoce::SalvaScheda()
{
    const std::optional<DatiVoce> voce = VoceMostrata();
    if (!voce)
        return;
    QString percorso =
        FileDialog::getSaveFileName(form_, tr("Save the data sheet"), NomeFile(voce->nome) + ".pdf",
                                    {tr("PDF files (*.pdf)")}, QStringLiteral("scheda"));
    if (percorso.isEmpty())
        return;
    if (QFileInfo(percorso).suffix().isEmpty())
        percorso += QStringLiteral(".pdf");
    const QString errore = SchedaTecnica::ScriviPdf(
        percorso, *voce, SceltaImmagine::PropriaDellaVoce(voce->codice, voce->immagine),
        CartaIntestata::DalleImpostazioni());
    if (!errore.isEmpty())
        MessageBox::show(form_, errore, MessageBox::Exclamation);
}

void ComandiVoce::StampaScheda()
{
    const std::optional<DatiVoce> voce = VoceMostrata();
    if (!voce)
        return;
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setPageSize(QPageSize(QPageSize::A4));
    stampante.setDocName(voce->nome);
    if (!DialogoStampa::Esegui(stampante, form_))
        return;
    if (!SchedaTecnica::Stampa(stampante, *voce,
                               SceltaImmagine::PropriaDellaVoce(voce->codice, voce->immagine),
                               CartaIntestata::DalleImpostazioni()))
        MessageBox::show(form_, tr("The data sheet of \u00ab%1\u00bb could not be printed.").arg(voce->nome),
                         MessageBox::Exclamation);
}

void ComandiVoce::CopiaBande()
{
    if (const std::optional<DatiVoce> voce = VoceMostrata())
        QApplication::clipboard()->setText(AppuntiBande::Riga(voce->bande));
}

bool ComandiVoce::MostraVoce(const DatiVoce& voce)
{
    const ControlliForm1& c = finestra_.Controlli();
    const bool scelta = finestra_.ScegliTabella([&](const TabellaCorrente& tabella) {
        return tabella.nomeTabella == voce.tabella &&
               StessoFile(tabella.percorso(GetCartellaDati()), voce.file);
    });
    for (int riga = 0; scelta && riga < c.List1->count(); ++riga)
        if (c.List1->testo(riga) == voce.nome) {
            c.List1->setCurrentRow(riga);
            c.List1->mostraRiga(riga);
            form_->raise();
            form_->activateWindow();
            return true;
        }
    MessageBox::show(
        confronto_ ? static_cast<QWidget*>(confronto_) : form_,
        tr("\u00ab%1\u00bb is no longer in %2 (table %3).").arg(voce.nome, voce.file, voce.tabella),
        MessageBox::Exclamation);
    return false;
}
