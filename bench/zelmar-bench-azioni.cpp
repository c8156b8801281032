// zelmar-bench-azioni: the main window's actions as the user sees them, each timed from the
// click until the program is idle with the window painted, on data folders written by
// zelmar-gendata ("Rw" custom table).
//
//   zelmar-bench-azioni <data folder> [<data folder>...]
//
// For each folder, with the real main window offscreen, it prints each figure with its
// target and, where one applies, the floor measured in the same run:
//  - the list fill against a floor that runs the list's own query and copies the names;
//  - the display of an entry picked at random, clicked in view and jumped to out of view
//    (floor: the seek and the reads alone);
//  - the deletion, the save of a modified entry (renamed) and the save of a new entry,
//    each as the user sees it: the question answered or "Ok" pressed, the file changed,
//    the list showing what a fresh fill would show, the window painted (floor: the same
//    change made by the storage alone);
//  - the new entry's name check alone, inside a write transaction as the save makes it.
// The entries it adds are removed again; the table ends as it began.

#include "CartellaProgrammaBench.h"
#include "FinestraMisurata.h"
#include "Misure.h"
#include "NuovaParete.h"
#include "PavimentoElenco.h"
#include "PerOgniCartella.h"
#include "app/MessageBox.h"
#include "browser/ElencoNomi.h"
#include "browser/Form1.h"
#include "editor/Form3.h"
#include "model/CancellazioneMateriale.h"
#include "model/DettaglioMateriale.h"
#include "model/SalvataggioMateriale.h"
#include "storage/DBEngine.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QTimer>

#include <cstdio>
#include <vector>

namespace {

void Stampa(const QString& testo)
{
    std::printf("%s\n", testo.toUtf8().constData());
    std::fflush(stdout);
}

// A floor: what no program doing the same can go below, printed without a target.
void StampaPavimento(const QString& cosa, const Misure& m)
{
    Stampa(QStringLiteral("%1 %2").arg(cosa.leftJustified(34), m.Riga()));
}

// "deletion   median ...   target 60 ms: met"
void StampaMisura(const QString& cosa, const Misure& m, double obiettivo, const QString& unita = {})
{
    Stampa(QStringLiteral("%1 %2   target %3%4: %5")
               .arg(cosa.leftJustified(34), m.Riga())
               .arg(obiettivo)
               .arg(unita.isEmpty() ? QStringLiteral(" ms") : unita,
                    m.Mediana() <= obiettivo ? QStringLiteral("met") : QStringLiteral("NOT met")));
}

// Same sequence on every run: splitmix64.
quint64 Prossimo(quint64& stato)
{
    quint64 z = (stato += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Until nothing is left to do: posted events handled, the changed widgets painted.
void FinoAQuiete()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

class Banco
{
public:
    Banco(Form1& finestra, const QString& file, const QString& tabella)
        : finestra_(finestra), file_(file), tabella_(tabella),
          elenco_(finestra.findChild<ElencoNomi*>(QStringLiteral("List1")))
    {
    }

    static QString Nome(int i) { return QStringLiteral("Parete del banco di prova %1").arg(i); }

    bool Seleziona(const QString& nome)
    {
        for (int riga = elenco_->count() - 1; riga >= 0; --riga)
            if (elenco_->testo(riga) == nome) {
                elenco_->setCurrentRow(riga);
                FinoAQuiete();
                return true;
            }
        return false;
    }

    // The editor opened as the toolbar opens it; timed from "Ok" to the window idle.
    double Salva(const QString& modo, const QString& nome)
    {
        Cronometro* cronometro = nullptr;
        finestra_.ApriEditor(modo, [&](Form3& editor) {
            if (modo == QLatin1String("0") && finestra_.RecordMostrato())
                editor.CompilaDa(*finestra_.RecordMostrato(), *Categorie::PerCodice(1));
            editor.findChild<QLineEdit*>(QStringLiteral("Text15"))->setText(nome);
            QTimer::singleShot(0, &editor, [&] {
                cronometro = new Cronometro;
                QMetaObject::invokeMethod(&editor, "Command2_Click", Qt::DirectConnection);
                QTimer::singleShot(0, &editor, &QDialog::reject); // a refused save ends here too
            });
        });
        FinoAQuiete();
        const double ms = cronometro ? cronometro->Millisecondi() : -1;
        delete cronometro;
        return ms;
    }

    double Cancella(const QString& nome)
    {
        if (!Seleziona(nome))
            return -1;
        MessageBox::setNextAnswer(MessageBox::Yes);
        const Cronometro cronometro;
        finestra_.Toolbar1_ButtonClick(3);
        FinoAQuiete();
        const double ms = cronometro.Millisecondi();
        MessageBox::clearShown(); // the question, answered
        return ms;
    }

    // The check the save makes before it inserts, in its transaction.
    void ControllaNome(const QString& nome) const
    {
        auto db = DBEngine::OpenDatabase(file_);
        db->BeginTrans();
        auto rs = db->OpenRecordset(tabella_);
        if (rs->ContieneIgnorandoMaiuscole(RecordSchema::Nome(RecordSchema::Campo::Nome), nome))
            Stampa(QStringLiteral("the name check found «%1»").arg(nome));
        rs->Close();
        db->Rollback();
        db->Close();
    }

    Form1& finestra_;
    QString file_;
    QString tabella_;
    ElencoNomi* elenco_;
};

// The list fill against its floor, then the display of entries picked at random.
void MisuraElenco(Form1& finestra, ElencoNomi* elenco, const QString& file, const QString& tabella, int volte)
{
    const std::vector<Misure> riempimento =
        Misure::Alterna(volte, {[&] { PavimentoElenco::LeggiECopiaNomi(file, tabella); },
                                [&] {
                                    finestra.CaricaListaMateriali();
                                    FinoAQuiete();
                                }});
    StampaPavimento(QStringLiteral("floor: the list's query, names copied"), riempimento[0]);
    StampaMisura(QStringLiteral("list fill"), riempimento[1], 1.3 * riempimento[0].Mediana());
    Stampa(QStringLiteral("list fill / floor                  %1x (medians), target 1.3x")
               .arg(riempimento[1].Mediana() / riempimento[0].Mediana(), 0, 'f', 2));

    const int voci = elenco->count();
    quint64 stato = 20261208;
    Misure clic, salto, lettura;
    for (int i = 0; i < 200; ++i) {
        const int riga = int(Prossimo(stato) % quint64(voci));
        const Cronometro soloLettura;
        DettaglioMateriale::Leggi(file, tabella, 1, elenco->testo(riga));
        lettura.Aggiungi(soloLettura.Millisecondi());
        // A click: the row is in view, where the user scrolled before clicking it.
        elenco->mostraRiga(riga);
        FinoAQuiete();
        const Cronometro cronometro;
        elenco->setCurrentRow(riga); // runs the entry display, as a click does
        FinoAQuiete();
        clic.Aggiungi(cronometro.Millisecondi());
        // A jump to a row out of view (typed into the list): the list scrolls and is drawn anew.
        const int altra = int(Prossimo(stato) % quint64(voci));
        const Cronometro conScorrimento;
        elenco->setCurrentRow(altra);
        FinoAQuiete();
        salto.Aggiungi(conScorrimento.Millisecondi());
    }
    StampaPavimento(QStringLiteral("floor: the entry's seek and reads"), lettura);
    StampaMisura(QStringLiteral("entry display, click to idle"), clic, 3);
    StampaMisura(QStringLiteral("entry display, jump out of view"), salto, 3);
}

// Entries added, modified and deleted through the window, then by the storage alone.
bool MisuraModifiche(Form1& finestra, const QString& file, const QString& tabella, int volte, bool grande)
{
    Banco banco(finestra, file, tabella);
    int n = 0;
    Misure salvataggioNuovo, salvataggioModifica, cancellazione, controllo;
    for (int i = 0; i < volte; ++i) {
        const QString nome = Banco::Nome(n++);
        const Cronometro cronometro;
        banco.ControllaNome(nome);
        controllo.Aggiungi(cronometro.Millisecondi());
        salvataggioNuovo.Aggiungi(banco.Salva(QStringLiteral("0"), nome));
        if (!banco.Seleziona(nome)) {
            Stampa(QStringLiteral("the new entry «%1» is not listed").arg(nome));
            return false;
        }
        salvataggioModifica.Aggiungi(banco.Salva(QStringLiteral("1"), nome + QStringLiteral(" bis")));
        cancellazione.Aggiungi(banco.Cancella(nome + QStringLiteral(" bis")));
    }
    Misure soloSalvataggio, soloCancellazione;
    for (int i = 0; i < volte; ++i) {
        const QString nome = Banco::Nome(n++);
        const Cronometro salva;
        SalvataggioMateriale::Salva(NuovaParete(file, tabella, nome));
        soloSalvataggio.Aggiungi(salva.Millisecondi());
        const Cronometro cancella;
        CancellazioneMateriale::Cancella(file, tabella, nome);
        soloCancellazione.Aggiungi(cancella.Millisecondi());
    }
    const double obiettivo = grande ? 60 : 25;
    StampaPavimento(QStringLiteral("floor: a new entry saved, storage only"), soloSalvataggio);
    StampaPavimento(QStringLiteral("floor: an entry deleted, storage only"), soloCancellazione);
    StampaMisura(QStringLiteral("new entry's name check"), controllo, 5);
    StampaMisura(QStringLiteral("deletion, click to idle"), cancellazione, obiettivo);
    StampaMisura(QStringLiteral("modified entry saved, Ok to idle"), salvataggioModifica, obiettivo);
    StampaMisura(QStringLiteral("new entry saved, Ok to idle"), salvataggioNuovo, grande ? 80 : 25);
    return true;
}

bool MisuraCartella(const QString& cartellaDati)
{
    FinestraMisurata misurata(cartellaDati);
    Form1& finestra = misurata.finestra;
    ElencoNomi* elenco = misurata.elenco;
    const QString& file = misurata.file;
    const QString& tabella = misurata.tabella;
    if (!elenco)
        return false;
    FinoAQuiete();
    const int voci = elenco->count();
    const bool grande = voci >= 500000;
    const int volte = grande ? 9 : 15;
    Stampa(QStringLiteral("== %1 entries (%2, table %3)").arg(voci).arg(cartellaDati, tabella));
    MisuraElenco(finestra, elenco, file, tabella, volte);
    if (!MisuraModifiche(finestra, file, tabella, volte, grande))
        return false;

    finestra.CaricaListaMateriali();
    if (elenco->count() != voci) {
        Stampa(QStringLiteral("the table changed: %1 entries, %2 before").arg(elenco->count()).arg(voci));
        return false;
    }
    if (!NessunMessaggio())
        return false;
    Stampa(QStringLiteral("peak memory so far                 %1 MB").arg(PiccoMemoriaMB(), 0, 'f', 1));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    return PerOgniCartella(app.arguments().mid(1), "zelmar-bench-azioni", MisuraCartella);
}
