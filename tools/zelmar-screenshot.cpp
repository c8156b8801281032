// zelmar-screenshot: renders the main window to PNG files, once for the first entry of
// every table the category tree offers (the custom and theoretical kinds and the first
// file of every experimental category), the editor opened on the first entry of every
// custom kind that has one, plus the information and image windows, so that the
// screens can be looked at without a display; then the comparison window with the first
// entries of the walls' custom table and first experimental file, and the data sheet of
// the first custom wall as its page is printed.
//
//   zelmar-screenshot [--programma CARTELLA] CARTELLA_PNG
//
// The program folder (Zelmar.ini, immagine/) defaults to the build's own, whose
// Zelmar.ini points at the demo data folder. Message boxes are answered automatically
// and listed on standard error.
#include "app/MessageBox.h"
#include "app/Traduzioni.h"
#include "app/ZelmarCommonModule.h"
#include "browser/AlberoCategorie.h"
#include "browser/ComandiVoce.h"
#include "browser/ElencoNomi.h"
#include "browser/Form1.h"
#include "browser/Form2.h"
#include "browser/Form4.h"
#include "browser/SceltaImmagine.h"
#include "comparison/FinestraConfronto.h"
#include "exchange/LetturaVoce.h"
#include "model/Module1.h"
#include "sheet/SchedaTecnica.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
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
// soon as it is shown; the editor is then closed without saving.
bool SalvaEditor(Form1& form, const QString& percorso)
{
    bool ok = false;
    QTimer::singleShot(0, [&ok, percorso] {
        QWidget* editor = QApplication::activeModalWidget();
        if (!editor)
            return;
        ok = Salva(editor, percorso);
        editor->close();
    });
    form.Toolbar1_ButtonClick(2);
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

// The data sheet of the first custom wall, drawn as its page is printed, at 120 dots per
// inch.
bool SalvaScheda(Form1& form, QTreeWidget* albero, const QString& percorso)
{
    MostraNodo(form, albero,
               AlberoCategorie::RadicePerChiave(albero, QStringLiteral("personalizzato"))->child(0));
    auto* elenco = form.findChild<ElencoNomi*>(QStringLiteral("List1"));
    elenco->setCurrentRow(0);
    const std::optional<DatiVoce> voce =
        LetturaVoce::Leggi(Module1::PercorsoDatabaseCorrente(ZelmarCommonModule::GetCartellaDati()),
                           Module1::NomeTabella, Module1::CategoriaCorrente, elenco->testoCorrente());
    if (!voce)
        return false;
    constexpr double kPuntiPerPollice = 120;
    const QSizeF pagina = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    QImage immagine((pagina * kPuntiPerPollice / 25.4).toSize(), QImage::Format_RGB32);
    immagine.setDotsPerMeterX(qRound(kPuntiPerPollice / 0.0254));
    immagine.setDotsPerMeterY(qRound(kPuntiPerPollice / 0.0254));
    immagine.fill(Qt::white);
    QPainter pittore(&immagine);
    SchedaTecnica::Disegna(pittore, pagina, kPuntiPerPollice / 25.4, *voce,
                           SceltaImmagine::PropriaDellaVoce(voce->codice, voce->immagine));
    pittore.end();
    const bool ok = immagine.save(percorso, "PNG");
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "scritto" : "impossibile scrivere",
                 qPrintable(QDir::toNativeSeparators(percorso)));
    return ok;
}

} // namespace

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

    Form1 form;
    form.Carica();
    form.show();
    QApplication::processEvents();
    bool ok = Salva(&form, uscita + QStringLiteral("/Form1-avvio.png"));

    QTreeWidget* albero = form.findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
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
        if (primo) {
            // The information and image windows of the first custom entry.
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
    }
    ok = SalvaConfronto(form, albero, uscita + QStringLiteral("/Confronto.png")) && ok;
    ok = SalvaScheda(form, albero, uscita + QStringLiteral("/Scheda.png")) && ok;
    for (const MessageBox::Shown& messaggio : MessageBox::shown())
        std::fprintf(stderr, "messaggio: %s\n", qPrintable(messaggio.text));
    return ok && MessageBox::shown().isEmpty() ? 0 : 1;
}
