// zelmar-bench-elenco: how long the main window takes to list a table and to show one
// entry, on data folders written by zelmar-gendata.
//
//   zelmar-bench-elenco <data folder> [<data folder>...]
//
// For each folder it opens the real main window (offscreen) and measures:
//  - the list fill (names and keywords read, list and keyword box filled, first entry
//    shown) of the "Rw" custom table, against the floor: one prepared SQLite statement
//    reading the same two columns of the same table, every row;
//  - the display of one entry picked at random from the list (seek, every read, the
//    boxes, and the chart drawn);
//  - the process's peak resident memory after all of it.

#include "CartellaProgrammaBench.h"
#include "FinestraMisurata.h"
#include "Misure.h"
#include "NuovaParete.h"
#include "PerOgniCartella.h"
#include "app/MessageBox.h"
#include "browser/Form1.h"
#include "model/CancellazioneMateriale.h"
#include "model/ListaMateriali.h"
#include "model/SalvataggioMateriale.h"

#include "browser/ElencoNomi.h"
#include <QApplication>
#include <QFile>
#include <QLocale>

#include <sqlite3.h>

#include <cstdio>

namespace {

void Stampa(const QString& testo)
{
    std::printf("%s\n", testo.toUtf8().constData());
    std::fflush(stdout);
}

// The floor: the least any reader of these two columns has to do.
int LeggiDueColonne(const QString& file, const QString& tabella)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    const QByteArray sql =
        QStringLiteral("SELECT \"Nome\", \"Parola chiave\" FROM \"%1\"").arg(tabella).toUtf8();
    sqlite3_stmt* istruzione = nullptr;
    sqlite3_prepare_v2(db, sql.constData(), -1, &istruzione, nullptr);
    int righe = 0;
    size_t byte = 0;
    while (sqlite3_step(istruzione) == SQLITE_ROW) {
        byte += size_t(sqlite3_column_bytes(istruzione, 0)) + size_t(sqlite3_column_bytes(istruzione, 1));
        sqlite3_column_text(istruzione, 0);
        sqlite3_column_text(istruzione, 1);
        ++righe;
    }
    sqlite3_finalize(istruzione);
    sqlite3_close(db);
    return byte > 0 ? righe : 0;
}

// Same sequence on every run: splitmix64.
quint64 Prossimo(quint64& stato)
{
    quint64 z = (stato += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

QString NomeBanco(int i)
{
    return QStringLiteral("Parete del banco di prova %1").arg(i);
}

// The list fill against its floors, then the display of entries picked at random.
void MisuraElenco(Form1& finestra, ElencoNomi* elenco, QWidget* grafico, const QString& file,
                  const QString& tabella)
{
    const int voci = elenco->count();
    const int volte = voci >= 100000 ? 15 : voci >= 10000 ? 40 : 100;
    int righeLette = 0;
    const std::vector<Misure> misure =
        Misure::Alterna(volte, {[&] { righeLette = LeggiDueColonne(file, tabella); },
                                [&] {
                                    ListaMateriali::Richiesta richiesta;
                                    richiesta.paroleChiave = true;
                                    ListaMateriali::Leggi(file, tabella, richiesta);
                                },
                                [&] { finestra.CaricaListaMateriali(); }});
    const Misure& pavimento = misure[0];
    const Misure& lettura = misure[1];
    const Misure& riempimento = misure[2];
    Stampa(QStringLiteral("sqlite3 floor (%1 rows)   %2").arg(righeLette).arg(pavimento.Riga()));
    Stampa(QStringLiteral("list fill                  %1").arg(riempimento.Riga()));
    Stampa(QStringLiteral("  of which the reading      %1").arg(lettura.Riga()));
    Stampa(QStringLiteral("list fill / floor          %1x (medians)")
               .arg(riempimento.Mediana() / pavimento.Mediana(), 0, 'f', 2));

    quint64 stato = 20261206;
    Misure dettaglio;
    for (int i = 0; i < 300; ++i) {
        const int riga = int(Prossimo(stato) % quint64(voci));
        const Cronometro cronometro;
        elenco->setCurrentRow(riga); // runs the entry display, as a click does
        grafico->repaint();          // and the chart is drawn now, not at the next paint
        dettaglio.Aggiungi(cronometro.Millisecondi());
    }
    Stampa(QStringLiteral("entry display              %1").arg(dettaglio.Riga()));
}

// A save as the user sees it: the save, the list filled again and its first entry shown.
// Then the entries saved are deleted again (the deletion alone, its sync included).
bool MisuraSalvataggi(Form1& finestra, ElencoNomi* elenco, QWidget* grafico, const QString& file,
                      const QString& tabella)
{
    const int voci = elenco->count();
    constexpr int Salvataggi = 20;
    int salvati = 0;
    const Misure salvataggio = Misure::Ripeti(
        Salvataggi,
        [&] {
            SalvataggioMateriale::Salva(NuovaParete(file, tabella, NomeBanco(salvati++)));
            finestra.CaricaListaMateriali();
            grafico->repaint();
        },
        false);
    Stampa(QStringLiteral("save as the user sees it   %1").arg(salvataggio.Riga()));
    int cancellati = 0;
    const Misure cancellazione = Misure::Ripeti(
        Salvataggi, [&] { CancellazioneMateriale::Cancella(file, tabella, NomeBanco(cancellati++)); }, false);
    Stampa(QStringLiteral("deletion                   %1").arg(cancellazione.Riga()));
    if (elenco->count() != voci + Salvataggi) {
        Stampa(QStringLiteral("the saves were not listed: %1 entries").arg(elenco->count()));
        return false;
    }
    return true;
}

bool MisuraCartella(const QString& cartellaDati)
{
    FinestraMisurata misurata(cartellaDati);
    Form1& finestra = misurata.finestra;
    ElencoNomi* elenco = misurata.elenco;
    const QString& file = misurata.file;
    const QString& tabella = misurata.tabella;
    auto* grafico = finestra.findChild<QWidget*>(QStringLiteral("Picture1"));
    if (!elenco || !grafico)
        return false;
    Stampa(QStringLiteral("== %1 entries (%2, table %3)").arg(elenco->count()).arg(cartellaDati, tabella));
    MisuraElenco(finestra, elenco, grafico, file, tabella);
    if (!MisuraSalvataggi(finestra, elenco, grafico, file, tabella) || !NessunMessaggio())
        return false;
    Stampa(QStringLiteral("peak memory so far         %1 MB").arg(PiccoMemoriaMB(), 0, 'f', 1));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    return PerOgniCartella(app.arguments().mid(1), "zelmar-bench-elenco", MisuraCartella);
}
