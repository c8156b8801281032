#include "ValutazioniForm1.h"

#include "FinestraPrincipale.h"
#include "app/ImpostazioniUtente.h"
#include "app/MessageBox.h"
#include "app/ZelmarCommonModule.h"
#include "checkwindow/FinestraVerifica.h"
#include "model/TestoValutazione.h"
#include "ui/DidascaliaAdattata.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QStatusBar>

ValutazioniForm1::ValutazioniForm1(FinestraPrincipale& finestra)
    : QObject(finestra.Finestra()), finestra_(finestra)
{
    QMainWindow* form = finestra.Finestra();
    QMenu* menu = form->menuBar()->addMenu(tr("&Ratings"));
    menu->setObjectName(QStringLiteral("MenuValutazioni"));
    riferimento_ = Comando(QStringLiteral("CurvaRiferimento"), tr("&Reference curve on the chart"),
                           QKeySequence(Qt::CTRL | Qt::Key_R));
    riferimento_->setCheckable(true);
    riferimento_->setChecked(
        ImpostazioniUtente::Leggi(QString::fromLatin1(ChiaveRiferimento), false).toBool());
    connect(riferimento_, &QAction::toggled, this, &ValutazioniForm1::ImpostaRiferimento);
    menu->addAction(riferimento_);
    menu->addSeparator();
    QAction* tabella = Comando(QStringLiteral("VerificaTabella"), tr("Check the ratings of this &table..."),
                               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    connect(tabella, &QAction::triggered, this, &ValutazioniForm1::VerificaTabella);
    menu->addAction(tabella);
    QAction* cartella =
        Comando(QStringLiteral("VerificaCartella"), tr("Check the ratings of &every database..."),
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    connect(cartella, &QAction::triggered, this, &ValutazioniForm1::VerificaCartella);
    menu->addAction(cartella);

    // Each takes a share of the bar whatever its text, and draws a long text narrower.
    campo_ = new DidascaliaAdattata(QString(), form->statusBar());
    campo_->setObjectName(QStringLiteral("ValutazioneCalcolata"));
    segno_ = new DidascaliaAdattata(QString(), form->statusBar());
    segno_->setObjectName(QStringLiteral("ValutazioneDiversa"));
    for (QLabel* etichetta : {campo_, segno_}) {
        etichetta->setTextFormat(Qt::PlainText);
        etichetta->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    QFont grassetto = segno_->font();
    grassetto.setBold(true);
    segno_->setFont(grassetto);
    QPalette rosso = segno_->palette();
    rosso.setColor(QPalette::WindowText, QColor(0xB0, 0x00, 0x00));
    segno_->setPalette(rosso);
    segno_->hide();
    form->statusBar()->addWidget(campo_, 2);
    form->statusBar()->addWidget(segno_, 3);
}

QAction* ValutazioniForm1::Comando(const QString& nome, const QString& testo, const QKeySequence& scorciatoia)
{
    auto* comando = new QAction(testo, finestra_.Finestra());
    comando->setObjectName(nome);
    comando->setShortcut(scorciatoia);
    finestra_.Finestra()->addAction(comando);
    return comando;
}

void ValutazioniForm1::Mostra(const RecordMateriale* record, const TipoMateriale* tipo)
{
    calcolata_.reset();
    campo_->clear();
    campo_->setToolTip(QString());
    segno_->clear();
    segno_->hide();
    if (!record || !tipo)
        return;
    const ValutazioneMateriale::Esito esito = ValutazioneMateriale::Valuta(*record, *tipo);
    if (!esito.calcolata) {
        campo_->setText(TestoValutazione::SenzaValutazione());
        return;
    }
    calcolata_ = esito.calcolata;
    bande_ = ValutazioneMateriale::Bande(*record, *tipo);
    campo_->setText(TestoValutazione::Riga(*tipo, *calcolata_, bande_));
    campo_->setToolTip(TestoValutazione::Termini(*tipo, *calcolata_));
    if (esito.diverse.empty())
        return;
    QStringList diverse;
    for (const ValutazioneMateriale::Differenza& d : esito.diverse)
        diverse << TestoValutazione::Differenza(d);
    segno_->setText(tr("⚠ Stored rating differs: %1").arg(diverse.join(QLatin1String("; "))));
    segno_->setToolTip(segno_->text());
    segno_->show();
}

void ValutazioniForm1::CompletaGrafico(GeometriaGrafico& geometria) const
{
    if (riferimento_->isChecked() && calcolata_)
        AggiungiRiferimento(geometria, *calcolata_, bande_);
}

void ValutazioniForm1::ImpostaRiferimento(bool mostrare)
{
    ImpostazioniUtente::Scrivi(QString::fromLatin1(ChiaveRiferimento), mostrare);
    if (!finestra_.Inerte())
        finestra_.DisegnaGrafico();
}

void ValutazioniForm1::VerificaTabella()
{
    const TabellaCorrente& corrente = finestra_.Corrente();
    const TipoMateriale* tipo = corrente.tipo();
    if (finestra_.Inerte() || !tipo) {
        MessageBox::show(finestra_.Finestra(), tr("No table is chosen: choose one in the tree first."),
                         MessageBox::Information);
        return;
    }
    const QString cartellaDati = ZelmarCommonModule::GetCartellaDati();
    const QString file = corrente.percorso(cartellaDati);
    const QString relativo = QDir(cartellaDati).relativeFilePath(file);
    ApriVerifica(tr("Ratings of %1, table %2").arg(relativo, corrente.nomeTabella),
                 {{file, relativo, corrente.nomeTabella, tipo->codice}});
}

void ValutazioniForm1::VerificaCartella()
{
    const QString cartellaDati = ZelmarCommonModule::GetCartellaDati();
    ApriVerifica(tr("Ratings of every database of %1").arg(QDir::toNativeSeparators(cartellaDati)),
                 TabelleCartellaDati::Elenca(cartellaDati));
}

void ValutazioniForm1::ApriVerifica(const QString& titolo, std::vector<TabelleCartellaDati::Tabella> tabelle)
{
    if (verifica_)
        verifica_->close(); // one check at a time: the one running is cancelled
    verifica_ = new FinestraVerifica(titolo, std::move(tabelle), finestra_.Finestra());
    verifica_->setAttribute(Qt::WA_DeleteOnClose);
    connect(verifica_, &FinestraVerifica::mostra, this,
            [this](const TabelleCartellaDati::Tabella& tabella, const QString& nome) {
                DatiVoce voce;
                voce.file = tabella.file;
                voce.tabella = tabella.tabella;
                voce.nome = nome;
                emit mostraVoce(voce);
            });
    verifica_->show();
    verifica_->Avvia();
}
