#include "FinestraConfronto.h"

#include "EsportazioneGrafico.h"
#include "GraficoCurve.h"
#include "StampaConfronto.h"
#include "TabellaConfronto.h"
#include "app/DialogoStampa.h"
#include "app/FileDialog.h"
#include "app/MessageBox.h"
#include "model/RecordSchema.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QCursor>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

// The exports' file dialogs open in the folder last used for them.
const QString kScopo = QStringLiteral("confronto");

constexpr int kColonnaMassima = 240;

// The text broken into lines at blanks, each at most larghezza wide where its words allow.
QString APiuRighe(const QString& testo, const QFontMetrics& metrica, int larghezza)
{
    QStringList righe;
    for (const QString& parola : testo.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!righe.isEmpty() &&
            metrica.horizontalAdvance(righe.last() + QLatin1Char(' ') + parola) <= larghezza)
            righe.last() += QLatin1Char(' ') + parola;
        else
            righe << parola;
    }
    return righe.join(QLatin1Char('\n'));
}

QString NomeFileProposto(const QString& estensione)
{
    return QCoreApplication::translate("FinestraConfronto", "comparison") + QLatin1Char('.') + estensione;
}

} // namespace

FinestraConfronto::FinestraConfronto(QWidget* parent) : QMainWindow(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FinestraConfronto"));
    setWindowTitle(tr("Comparison - ZELMARtek"));

    grafico_ = new QChart;
    grafico_->setMargins(QMargins(4, 4, 4, 4));
    vista_ = new QChartView(grafico_);
    vista_->setObjectName(QStringLiteral("GraficoConfronto"));
    vista_->setRenderHint(QPainter::Antialiasing);
    vista_->setMinimumHeight(300);

    // The legend: one line per entry with its marker, name, kind and rating lines. Choosing a
    // line chooses the entry the commands act on; a double click shows it in the main window.
    legenda_ = new QListWidget(this);
    legenda_->setObjectName(QStringLiteral("LegendaConfronto"));
    legenda_->setMaximumHeight(6 * fontMetrics().height() + 16);
    connect(legenda_, &QListWidget::currentRowChanged, this, [this](int riga) { Scegli(riga); });
    connect(legenda_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* riga) { ChiediMostra(legenda_->row(riga)); });

    tabella_ = new QTableWidget(this);
    tabella_->setObjectName(QStringLiteral("TabellaConfronto"));
    tabella_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella_->setSelectionBehavior(QAbstractItemView::SelectColumns);
    tabella_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabella_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    tabella_->horizontalHeader()->setTextElideMode(Qt::ElideRight);
    connect(tabella_, &QTableWidget::currentCellChanged, this, [this](int, int colonna) { Scegli(colonna); });
    connect(tabella_, &QTableWidget::cellDoubleClicked, this,
            [this](int, int colonna) { ChiediMostra(colonna); });
    connect(tabella_->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int colonna) { ChiediMostra(colonna); });

    auto* sopra = new QWidget(this);
    auto* layoutSopra = new QVBoxLayout(sopra);
    layoutSopra->setContentsMargins(0, 0, 0, 0);
    layoutSopra->addWidget(vista_, 1);
    layoutSopra->addWidget(legenda_);

    puntatore_ = new QLabel(this);
    puntatore_->setObjectName(QStringLiteral("PuntoIndicato"));

    auto* divisore = new QSplitter(Qt::Vertical, this);
    divisore->addWidget(sopra);
    divisore->addWidget(tabella_);
    divisore->setStretchFactor(0, 3);
    divisore->setStretchFactor(1, 2);

    setCentralWidget(divisore);
    statusBar()->addWidget(puntatore_, 1);
    CreaComandi();
    resize(1100, 820);
    Aggiorna();
}

void FinestraConfronto::RiempiMenu(const QList<QAction*>& esporta, QAction* stampa, QAction* chiudi,
                                   const QList<QAction*>& modifica)
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addActions(esporta);
    file->addSeparator();
    file->addAction(stampa);
    file->addSeparator();
    file->addAction(chiudi);
    menuBar()->addMenu(tr("&Edit"))->addActions(modifica);
    menuBar()->addMenu(tr("&View"))->addAction(mostraRiferimenti_);
}

void FinestraConfronto::CreaComandi()
{
    const auto comando = [this](const QString& testo, const char* nome, const QKeySequence& tasti,
                                auto esegui) {
        auto* azione = new QAction(testo, this);
        azione->setObjectName(QString::fromLatin1(nome));
        azione->setShortcut(tasti);
        azione->setShortcutContext(Qt::WindowShortcut);
        connect(azione, &QAction::triggered, this, esegui);
        return azione;
    };
    QAction* png = comando(tr("Export chart as &PNG..."), "EsportaPng", {}, [this] {
        ChiediEsportazioneGrafico(QStringLiteral("png"), tr("PNG pictures (*.png)"));
    });
    QAction* svg = comando(tr("Export chart as &SVG..."), "EsportaSvg", {}, [this] {
        ChiediEsportazioneGrafico(QStringLiteral("svg"), tr("SVG drawings (*.svg)"));
    });
    QAction* pdf = comando(tr("Export chart as P&DF..."), "EsportaPdf", {}, [this] {
        ChiediEsportazioneGrafico(QStringLiteral("pdf"), tr("PDF files (*.pdf)"));
    });
    QAction* csv =
        comando(tr("Export &table (CSV)..."), "EsportaCsv", {}, [this] { ChiediEsportazioneTabella(); });
    QAction* stampa = comando(tr("&Print..."), "StampaConfronto", QKeySequence::Print, [this] { Stampa(); });
    QAction* chiudi = comando(tr("&Close"), "ChiudiConfronto", QKeySequence::Close, [this] { close(); });
    QAction* copia =
        comando(tr("&Copy table"), "CopiaTabella", QKeySequence::Copy, [this] { CopiaTabella(); });
    copia->setToolTip(tr("Copies the table to the clipboard, tab-separated"));
    rimuovi_ = comando(tr("&Remove entry"), "RimuoviVoce", QKeySequence::Delete,
                       [this] { Rimuovi(VoceCorrente()); });
    rimuovi_->setToolTip(tr("Removes the entry chosen in the legend or the table"));
    QAction* svuota = comando(tr("C&lear"), "SvuotaConfronto", {}, [this] { Svuota(); });
    svuota->setToolTip(tr("Removes every entry from the comparison"));
    mostraRiferimenti_ =
        comando(tr("Re&ference curves"), "MostraRiferimenti", QKeySequence(Qt::CTRL | Qt::Key_R),
                [this](bool mostra) { MostraRiferimenti(mostra); });
    mostraRiferimenti_->setCheckable(true);
    mostraRiferimenti_->setToolTip(tr("Shows each entry's shifted reference curve (100 to 3150 Hz)"));

    RiempiMenu({png, svg, pdf, csv}, stampa, chiudi, {copia, rimuovi_, svuota});

    auto* barra = addToolBar(tr("Commands"));
    barra->setObjectName(QStringLiteral("ComandiConfronto"));
    barra->setMovable(false);
    barra->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* grafico = new QMenu(this);
    grafico->addActions({png, svg, pdf});
    QAction* esportaGrafico = comando(tr("E&xport chart"), "EsportaGrafico", {}, [] {});
    esportaGrafico->setMenu(grafico);
    barra->addActions({rimuovi_, svuota});
    barra->addSeparator();
    barra->addAction(mostraRiferimenti_);
    barra->addSeparator();
    barra->addActions({esportaGrafico, csv, copia, stampa});
    if (auto* pulsante = qobject_cast<QToolButton*>(barra->widgetForAction(esportaGrafico)))
        pulsante->setPopupMode(QToolButton::InstantPopup);
    for (QAction* azione : barra->actions())
        if (QWidget* pulsante = barra->widgetForAction(azione))
            pulsante->setObjectName(azione->objectName());
    conVoci_ = {svuota, esportaGrafico, png, svg, pdf, csv, copia, stampa};
}

int FinestraConfronto::Aggiungi(const QList<DatiVoce>& voci)
{
    show();
    raise();
    QStringList rifiuti;
    int aggiunte = 0;
    for (const DatiVoce& voce : voci)
        if (const QString rifiuto = insieme_.Aggiungi(voce); rifiuto.isEmpty())
            ++aggiunte;
        else
            rifiuti << rifiuto;
    if (aggiunte > 0)
        Aggiorna();
    if (!rifiuti.isEmpty())
        MessageBox::show(this, rifiuti.join(QLatin1Char('\n')), MessageBox::Exclamation);
    return aggiunte;
}

void FinestraConfronto::Rimuovi(int indice)
{
    insieme_.Rimuovi(indice);
    Aggiorna();
}

void FinestraConfronto::Svuota()
{
    insieme_.Svuota();
    Aggiorna();
}

void FinestraConfronto::MostraRiferimenti(bool mostra)
{
    riferimenti_ = mostra;
    if (mostraRiferimenti_->isChecked() != mostra)
        mostraRiferimenti_->setChecked(mostra);
    Aggiorna();
}

QList<DatiVoce> FinestraConfronto::Voci() const
{
    QList<DatiVoce> voci;
    for (const InsiemeConfronto::Elemento& e : insieme_.Elementi())
        voci << e.voce;
    return voci;
}

int FinestraConfronto::VoceCorrente() const
{
    return legenda_->currentRow();
}

void FinestraConfronto::Scegli(int indice)
{
    if (legenda_->currentRow() != indice)
        legenda_->setCurrentRow(indice);
    if (indice >= 0 && tabella_->currentColumn() != indice)
        tabella_->setCurrentCell(std::max(0, tabella_->currentRow()), indice);
    rimuovi_->setEnabled(indice >= 0);
}

void FinestraConfronto::ChiediMostra(int indice)
{
    if (indice >= 0 && indice < insieme_.Quanti())
        emit mostraVoce(insieme_.Elementi()[indice].voce);
}

void FinestraConfronto::Aggiorna()
{
    QList<GraficoCurve::Curva> curve;
    for (const InsiemeConfronto::Elemento& e : insieme_.Elementi())
        curve.append({&e.voce, e.stile});
    const QList<QScatterSeries*> marcatori = GraficoCurve::Disegna(grafico_, curve, riferimenti_);
    for (int i = 0; i < marcatori.size(); ++i)
        connect(marcatori[i], &QScatterSeries::hovered, this,
                [this, i](const QPointF& punto, bool sopra) { MostraPunto(i, punto, sopra); });
    grafico_->setTitle(insieme_.Quanti() == 0 ? tr("Add entries from the main window to compare their curves")
                                              : QString());
    RiempiLegenda();
    RiempiTabella();
    rimuovi_->setEnabled(VoceCorrente() >= 0);
    for (QAction* azione : conVoci_)
        azione->setEnabled(insieme_.Quanti() > 0);
}

void FinestraConfronto::RiempiLegenda()
{
    const QSignalBlocker blocco(legenda_);
    legenda_->clear();
    for (const InsiemeConfronto::Elemento& e : insieme_.Elementi()) {
        auto* riga = new QListWidgetItem(GraficoCurve::Icona(e.stile), GraficoCurve::Didascalia(e.voce));
        riga->setToolTip(riga->text());
        legenda_->addItem(riga);
    }
    legenda_->setVisible(insieme_.Quanti() > 0);
}

void FinestraConfronto::RiempiTabella()
{
    const QList<DatiVoce> voci = Voci();
    const QList<TabellaConfronto::Riga> righe = TabellaConfronto::Righe(voci);
    const QSignalBlocker blocco(tabella_);
    tabella_->clear();
    tabella_->setColumnCount(int(voci.size()));
    tabella_->setRowCount(int(righe.size()));
    // The names whole, on as many lines as they need at the widest column (beside the marker,
    // in the bold of the chosen column's heading).
    QFont grassetto = tabella_->horizontalHeader()->font();
    grassetto.setBold(true);
    const QFontMetrics metrica(grassetto);
    for (int c = 0; c < voci.size(); ++c) {
        auto* intestazione = new QTableWidgetItem(GraficoCurve::Icona(insieme_.Elementi()[c].stile),
                                                  APiuRighe(voci[c].nome, metrica, kColonnaMassima - 50));
        intestazione->setToolTip(GraficoCurve::Didascalia(voci[c]));
        tabella_->setHorizontalHeaderItem(c, intestazione);
    }
    for (int r = 0; r < righe.size(); ++r) {
        tabella_->setVerticalHeaderItem(r, new QTableWidgetItem(righe[r].etichetta));
        for (int c = 0; c < righe[r].celle.size(); ++c) {
            auto* cella = new QTableWidgetItem(TabellaConfronto::TestoCella(righe[r].celle[c]));
            cella->setTextAlignment(Qt::AlignCenter);
            if (TabellaConfronto::Diversa(righe[r], voci[c])) {
                QFont evidente = cella->font();
                evidente.setBold(true);
                cella->setFont(evidente);
                cella->setForeground(TabellaConfronto::ColoreDiversa);
                cella->setToolTip(tr("Differs from the value computed from the bands"));
            }
            tabella_->setItem(r, c, cella);
        }
    }
    tabella_->resizeColumnsToContents();
    for (int c = 0; c < voci.size(); ++c)
        tabella_->setColumnWidth(c, std::clamp(tabella_->columnWidth(c), 110, kColonnaMassima));
}

void FinestraConfronto::MostraPunto(int voce, const QPointF& punto, bool sopra)
{
    if (!sopra || voce >= insieme_.Quanti()) {
        puntatore_->clear();
        QToolTip::hideText();
        return;
    }
    const DatiVoce& dati = insieme_.Elementi()[voce].voce;
    const int banda = GraficoCurve::Banda(punto);
    const QString testo =
        tr("%1 Hz: %2 dB - %3")
            .arg(RecordSchema::Frequenze[banda])
            .arg(TabellaConfronto::TestoCella(dati.bande[banda] ? *dati.bande[banda] : punto.y()), dati.nome);
    puntatore_->setText(testo);
    QToolTip::showText(QCursor::pos(), testo, vista_);
}

QString FinestraConfronto::EsportaGrafico(const QString& percorso)
{
    QList<EsportazioneGrafico::VoceLegenda> legenda;
    for (const InsiemeConfronto::Elemento& e : insieme_.Elementi())
        legenda.append({GraficoCurve::Didascalia(e.voce), e.stile});
    const QString errore = EsportazioneGrafico::Salva(grafico_, legenda, percorso);
    if (!errore.isEmpty())
        MessageBox::show(this, errore, MessageBox::Exclamation);
    return errore;
}

QString FinestraConfronto::EsportaTabella(const QString& percorso)
{
    QSaveFile file(percorso);
    QString errore;
    if (!file.open(QIODevice::WriteOnly) || file.write(TabellaConfronto::Csv(Voci())) < 0 || !file.commit())
        errore = tr("%1 cannot be written: %2").arg(percorso, file.errorString());
    if (!errore.isEmpty())
        MessageBox::show(this, errore, MessageBox::Exclamation);
    return errore;
}

void FinestraConfronto::ChiediEsportazioneGrafico(const QString& formato, const QString& filtro)
{
    QString percorso = FileDialog::getSaveFileName(this, tr("Export the chart"), NomeFileProposto(formato),
                                                   {filtro}, kScopo);
    if (percorso.isEmpty())
        return;
    if (QFileInfo(percorso).suffix().isEmpty())
        percorso += QLatin1Char('.') + formato;
    EsportaGrafico(percorso);
}

void FinestraConfronto::ChiediEsportazioneTabella()
{
    QString percorso =
        FileDialog::getSaveFileName(this, tr("Export the table"), NomeFileProposto(QStringLiteral("csv")),
                                    {tr("CSV files (*.csv)")}, kScopo);
    if (percorso.isEmpty())
        return;
    if (QFileInfo(percorso).suffix().isEmpty())
        percorso += QStringLiteral(".csv");
    EsportaTabella(percorso);
}

void FinestraConfronto::CopiaTabella()
{
    QApplication::clipboard()->setText(TabellaConfronto::TestoAppunti(Voci()));
}

void FinestraConfronto::Stampa()
{
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setPageOrientation(QPageLayout::Landscape);
    stampante.setDocName(tr("Comparison"));
    if (!DialogoStampa::Esegui(stampante, this))
        return;
    if (!StampaConfronto::Stampa(stampante, grafico_, insieme_))
        MessageBox::show(this, tr("The comparison could not be printed."), MessageBox::Exclamation);
}
