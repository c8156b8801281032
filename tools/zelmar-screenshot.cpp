// zelmar-screenshot: renders the main window to PNG files, once for the first entry of
// every table the category tree offers (the custom and theoretical kinds and the first
// file of every experimental category), the editor opened on the first entry of every
// custom kind that has one, plus the information and image windows, so that the
// screens can be looked at without a display; then, on a copy of the data folder whose
// first custom wall stores ratings other than its curve gives, the main window with the
// mark of the differing ratings and the reference curve, the editor before and after
// its copy of the computed ratings, and the check of every database; then the comparison
// window with the first entries of the walls' custom table and first experimental file,
// the data sheet of the first custom wall as its page is printed (and once more with a
// letterhead and without its picture), the search window with the walls and windows of at
// least 40 dB found in every database, and the editor on the second custom wall with the
// mark of its stored keyword.
//
//   zelmar-screenshot [--programma CARTELLA] CARTELLA_PNG
//
// The program folder (Zelmar.ini, immagine/) defaults to the build's own, whose
// Zelmar.ini points at the demo data folder. Message boxes are answered automatically
// and listed on standard error.
#include "SchermateProgetto.h"
#include "app/MessageBox.h"
#include "browser/AlberoCategorie.h"
#include "browser/ComandiRicerca.h"
#include "browser/ComandiVoce.h"
#include "browser/ElencoNomi.h"
#include "browser/Form1.h"
#include "browser/ValutazioniForm1.h"
#include "browser/immagine/SceltaImmagine.h"
#include "browser/parti/Form2.h"
#include "browser/parti/Form4.h"
#include "comparison/FinestraConfronto.h"
#include "config/CopiaCartella.h"
#include "config/Traduzioni.h"
#include "config/ZelmarCommonModule.h"
#include "exchange/LetturaVoce.h"
#include "searchwindow/FinestraRicerca.h"
#include "sheet/SchedaTecnica.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>

namespace {

QString NomeFile(const QString& testo)
{
    QString nome;
    for (const QChar c : testo)
        nome += c.isLetterOrNumber() ? c : QLatin1Char('_');
    return nome;
}

bool Salva(QWidget* finestra, const QString& percorso)
{
    QApplication::processEvents();
    // Without an event loop, what was deleted later (the chart's old axes) is still drawn.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const bool ok = finestra->grab().save(percorso, "PNG");
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "scritto" : "impossibile scrivere",
                 qPrintable(QDir::toNativeSeparators(percorso)));
    return ok;
}

void MostraNodo(Form1& form, QTreeWidget* albero, QTreeWidgetItem* nodo)
{
    albero->setCurrentItem(nodo);
    form.TreeView1_NodeClick(nodo);
}

// Opens the editor on the selected entry, as the modify button does, and saves it as
// soon as it is shown, then (with a command) once more after pressing that button; the
// editor is then closed without saving.
bool SalvaEditor(Form1& form, const QString& percorso, const QString& comando = QString(),
                 const QString& percorsoDopo = QString())
{
    bool ok = false;
    QTimer::singleShot(0, [&] {
        QWidget* editor = QApplication::activeModalWidget();
        if (!editor)
            return;
        ok = Salva(editor, percorso);
        if (auto* pulsante = editor->findChild<QPushButton*>(comando); pulsante && !comando.isEmpty()) {
            pulsante->click();
            ok = Salva(editor, percorsoDopo) && ok;
        }
        editor->close();
    });
    form.Toolbar1_ButtonClick(2);
    return ok;
}

// A program folder whose data folder is a copy of the current one, in which the first
// custom wall stores a main rating one decibel above, and a Ctr one below, what its
// curve gives.
bool PreparaVoceDiversa(const QTemporaryDir& cartella)
{
    const QString dati = cartella.filePath(QStringLiteral("dati"));
    const QString programma = cartella.filePath(QStringLiteral("programma"));
    if (!CopiaCartella::CopiaMancanti(ZelmarCommonModule::GetCartellaDati(), dati).isEmpty() ||
        !CopiaCartella::CopiaMancanti(ZelmarCommonModule::GetCartellaProgramma() +
                                          QStringLiteral("/immagine"),
                                      programma + QStringLiteral("/immagine"))
             .isEmpty())
        return false;
    QFile ini(programma + QStringLiteral("/Zelmar.ini"));
    if (!ini.open(QIODevice::WriteOnly) ||
        ini.write(QStringLiteral("[Configurazione]\nLingua=%1\nCartellaDati=%2\n")
                      .arg(ZelmarCommonModule::GetLingua(), dati)
                      .toUtf8()) < 0)
        return false;
    ini.close();
    try {
        auto db =
            DBEngine::OpenDatabase(dati + QStringLiteral("/Databases/Database/Database_sperimentale.mdb"));
        auto rs = db->OpenRecordset(QStringLiteral("Rw_laboratorio"));
        rs->MoveFirst();
        const QLocale locale;
        const double rw = rs->Field(QStringLiteral("Rw (dB)")).toDouble();
        const double ctr = rs->Field(QStringLiteral("Ctr (dB)")).toDouble();
        rs->Edit();
        rs->SetField(QStringLiteral("Rw (dB)"), locale.toString(rw + 1));
        rs->SetField(QStringLiteral("Ctr (dB)"), locale.toString(ctr - 1));
        rs->Update();
        rs->Close();
        db->Close();
    } catch (const DbException& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Descrizione()));
        return false;
    }
    ZelmarCommonModule::SetCartellaProgramma(programma);
    return true;
}

// The ratings computed from the curve where they differ from the stored ones: the main
// window with the reference curve, the editor's copy, the check of every database.
bool SalvaValutazioni(const QString& uscita)
{
    const QString programma = ZelmarCommonModule::GetCartellaProgramma();
    QTemporaryDir cartella;
    bool ok = cartella.isValid() && PreparaVoceDiversa(cartella);
    if (ok) {
        Form1 form;
        form.Carica();
        form.show();
        form.findChild<QAction*>(QStringLiteral("CurvaRiferimento"))->setChecked(true);
        ok = Salva(&form, uscita + QStringLiteral("/Form1-valutazione-diversa.png"));
        ok = SalvaEditor(form, uscita + QStringLiteral("/Form3-valutazioni-calcolate.png"),
                         QStringLiteral("CopiaValutazioni"),
                         uscita + QStringLiteral("/Form3-valutazioni-copiate.png")) &&
             ok;
        form.Valutazioni()->VerificaCartella();
        if (FinestraVerifica* verifica = form.Valutazioni()->Verifica()) {
            QEventLoop attesa;
            QObject::connect(verifica, &FinestraVerifica::terminata, &attesa, &QEventLoop::quit);
            if (verifica->InCorso())
                attesa.exec();
            ok = Salva(verifica, uscita + QStringLiteral("/FinestraVerifica.png")) && ok;
        }
    }
    ZelmarCommonModule::SetCartellaProgramma(programma);
    return ok;
}

// The tables to show: every child of the custom and theoretical roots, and every
// experimental root (which shows its first file).
QList<QTreeWidgetItem*> NodiDaMostrare(QTreeWidget* albero)
{
    QList<QTreeWidgetItem*> nodi;
    for (int i = 0; i < albero->topLevelItemCount(); ++i) {
        QTreeWidgetItem* radice = albero->topLevelItem(i);
        const QString chiave = AlberoCategorie::Chiave(radice);
        if (chiave == QLatin1String("personalizzato") || chiave == QLatin1String("teorico")) {
            for (int j = 0; j < radice->childCount(); ++j)
                nodi << radice->child(j);
        } else if (radice->childCount() > 0) {
            nodi << radice;
        }
    }
    return nodi;
}

// Adds the first two entries of each walls' table to the comparison and saves its window
// with the reference curves shown.
bool SalvaConfronto(Form1& form, QTreeWidget* albero, const QString& percorso)
{
    const QList<QTreeWidgetItem*> nodi = {
        AlberoCategorie::RadicePerChiave(albero, QStringLiteral("personalizzato"))->child(0),
        AlberoCategorie::RadicePerChiave(albero, QStringLiteral("Rw"))};
    auto* elenco = form.findChild<ElencoNomi*>(QStringLiteral("List1"));
    for (QTreeWidgetItem* nodo : nodi) {
        MostraNodo(form, albero, nodo);
        for (int riga = 0; riga < std::min(2, elenco->count()); ++riga) {
            elenco->setCurrentRow(riga);
            form.ComandiUscita()->AggiungiAlConfronto();
        }
    }
    FinestraConfronto* confronto = form.ComandiUscita()->Confronto();
    if (!confronto)
        return false;
    confronto->MostraRiferimenti(true);
    return Salva(confronto, percorso);
}

// The editor on the second custom wall, whose keyword is not the first of the list: the mark
// naming the stored keyword beside the keyword box.
bool SalvaParolaMemorizzata(Form1& form, QTreeWidget* albero, const QString& percorso)
{
    MostraNodo(form, albero,
               AlberoCategorie::RadicePerChiave(albero, QStringLiteral("personalizzato"))->child(0));
    form.findChild<ElencoNomi*>(QStringLiteral("List1"))->setCurrentRow(1);
    return SalvaEditor(form, percorso);
}

// The search window after a search for walls and windows of at least 40 dB, run to its end.
bool SalvaRicerca(Form1& form, const QString& percorso)
{
    form.Ricerca()->ApriRicerca();
    FinestraRicerca* ricerca = form.Ricerca()->Ricerca();
    for (QListWidgetItem* tipo : ricerca->findChild<QListWidget*>(QStringLiteral("TipiRicerca"))
                                     ->findItems(QStringLiteral("*"), Qt::MatchWildcard))
        if (QList<int>{catRwLaboratorio, catInfissi, catRwTeorico}.contains(tipo->data(Qt::UserRole).toInt()))
            tipo->setCheckState(Qt::Checked);
    ricerca->findChild<QLineEdit*>(QStringLiteral("IndiceMin"))->setText(QStringLiteral("40"));
    QEventLoop attesa;
    QObject::connect(ricerca, &FinestraRicerca::terminata, &attesa, &QEventLoop::quit);
    ricerca->Cerca();
    if (ricerca->InCorso())
        attesa.exec();
    ricerca->Elenco()->selectRow(0);
    return Salva(ricerca, percorso);
}

// The data sheet of the first custom wall, drawn as its page is printed, at 120 dots per
// inch: as it is, or with a letterhead and without its picture.
bool SalvaScheda(Form1& form, QTreeWidget* albero, const QString& percorso, const CartaIntestata& carta = {})
{
    MostraNodo(form, albero,
               AlberoCategorie::RadicePerChiave(albero, QStringLiteral("personalizzato"))->child(0));
    auto* elenco = form.findChild<ElencoNomi*>(QStringLiteral("List1"));
    elenco->setCurrentRow(0);
    const TabellaCorrente& corrente = form.Corrente();
    const std::optional<DatiVoce> voce =
        LetturaVoce::Leggi(corrente.percorso(ZelmarCommonModule::GetCartellaDati()), corrente.nomeTabella,
                           corrente.categoria, elenco->testoCorrente());
    if (!voce)
        return false;
    constexpr double kPuntiPerPollice = 120;
    const QSizeF pagina = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    QImage immagine((pagina * kPuntiPerPollice / 25.4).toSize(), QImage::Format_RGB32);
    immagine.setDotsPerMeterX(qRound(kPuntiPerPollice / 0.0254));
    immagine.setDotsPerMeterY(qRound(kPuntiPerPollice / 0.0254));
    immagine.fill(Qt::white);
    QPainter pittore(&immagine);
    SchedaTecnica::Disegna(
        pittore, pagina, kPuntiPerPollice / 25.4, *voce,
        carta.Vuota() ? SceltaImmagine::PropriaDellaVoce(voce->codice, voce->immagine) : QImage(), carta);
    pittore.end();
    const bool ok = immagine.save(percorso, "PNG");
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "scritto" : "impossibile scrivere",
                 qPrintable(QDir::toNativeSeparators(percorso)));
    return ok;
}

} // namespace

// The window on each table worth a picture, the editor on each custom one's first entry, and
// the information and image windows of the first custom entry.
bool SalvaTabelle(Form1& form, QTreeWidget* albero, const QString& uscita)
{
    bool ok = true;
    const auto* elenco = form.findChild<QAbstractItemView*>(QStringLiteral("List1"));
    bool primo = true;
    for (QTreeWidgetItem* nodo : NodiDaMostrare(albero)) {
        MostraNodo(form, albero, nodo);
        const QString radice = nodo->parent() ? nodo->parent()->text(0) : nodo->text(0);
        const QString tabella = nodo->parent() ? nodo->text(0) : nodo->child(0)->text(0);
        ok = Salva(&form,
                   uscita + QStringLiteral("/Form1-%1-%2.png").arg(NomeFile(radice), NomeFile(tabella))) &&
             ok;
        const bool personalizzato = AlberoCategorie::Chiave(nodo->parent() ? nodo->parent() : nodo) ==
                                    QLatin1String("personalizzato");
        if (personalizzato && elenco->currentIndex().isValid())
            ok = SalvaEditor(form, uscita + QStringLiteral("/Form3-%1.png").arg(NomeFile(tabella))) && ok;
        if (!primo)
            continue;
        Form2* info = form.InformazioniAggiuntive();
        info->show();
        ok = Salva(info, uscita + QStringLiteral("/Form2.png")) && ok;
        info->hide();
        form.Image1_DblClick();
        if (Form4* immagine = form.FinestraImmagine()) {
            ok = Salva(immagine, uscita + QStringLiteral("/Form4.png")) && ok;
            immagine->hide();
        }
        primo = false;
    }
    return ok;
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList argomenti = QApplication::arguments().mid(1);
    QString programma = QStringLiteral(ZELMAR_CARTELLA_PROGRAMMA);
    if (argomenti.size() >= 2 && argomenti.first() == QLatin1String("--programma")) {
        programma = argomenti.at(1);
        argomenti = argomenti.mid(2);
    }
    if (argomenti.size() != 1) {
        std::fprintf(stderr, "uso: zelmar-screenshot [--programma CARTELLA] CARTELLA_PNG\n");
        return 2;
    }
    const QString uscita = argomenti.first();
    if (!QDir().mkpath(uscita)) {
        std::fprintf(stderr, "impossibile creare la cartella %s\n", qPrintable(uscita));
        return 1;
    }
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    ZelmarCommonModule::SetCartellaProgramma(programma);
    // The new windows' texts in the configured language, as the program shows them.
    Traduzioni::Installa(ZelmarCommonModule::GetLingua());
    MessageBox::setAutomatic(true);
    QStandardPaths::setTestModeEnabled(true); // the chart settings it turns on are not the user's

    Form1 form;
    form.Carica();
    form.show();
    QApplication::processEvents();
    bool ok = Salva(&form, uscita + QStringLiteral("/Form1-avvio.png"));

    QTreeWidget* albero = form.findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
    ok = SalvaTabelle(form, albero, uscita) && ok;
    ok = SalvaValutazioni(uscita) && ok;
    ok = SalvaConfronto(form, albero, uscita + QStringLiteral("/Confronto.png")) && ok;
    ok = SalvaScheda(form, albero, uscita + QStringLiteral("/Scheda.png")) && ok;
    ok = SalvaScheda(
             form, albero, uscita + QStringLiteral("/Scheda-intestata-senza-immagine.png"),
             {QImage(QStringLiteral(ZELMAR_LOGO)), QStringLiteral("Laboratorio di acustica edilizia")}) &&
         ok;
    ok = SalvaRicerca(form, uscita + QStringLiteral("/Ricerca.png")) && ok;
    ok = SalvaParolaMemorizzata(form, albero,
                                uscita + QStringLiteral("/Form3-parola-chiave-memorizzata.png")) &&
         ok;
    ok = SchermateProgetto::Salva(form, uscita, Salva) && ok;
    for (const MessageBox::Shown& messaggio : MessageBox::shown())
        std::fprintf(stderr, "messaggio: %s\n", qPrintable(messaggio.text));
    return ok && MessageBox::shown().isEmpty() ? 0 : 1;
}
