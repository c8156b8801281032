// zelmar-bench-ricerca: the search through every database of a data folder as the search
// window runs it (worker threads, batches handed over as found and added, on the main thread, to the
// result list): the time to the first batch, the whole search, and the peak
// memory after each search, for a search on kind, rating, mass and date, one with a text, and one with no
// criterion (every entry found and kept); then the time to sort the last list by name and by rating. The
// files are in the page cache after one untimed run. The text search is measured against its
// floor: the sqlite3 program running the equivalent LIKE query over every table, one process
// per file, one after the other (the search has both cores, sqlite3 one).
//
//   zelmar-bench-ricerca DATA_FOLDER [RUNS [SEARCH]]
//
// SEARCH, 1 to 3, runs that search alone (to profile it).
#include "Misure.h"
#include "search/RicercaTabelle.h"
#include "searchwindow/ModelloRisultati.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QThread>
#include <cstdio>
#include <memory>

namespace {

// The names of the rows whose text columns contain the text, by sqlite3's LIKE (letter case
// ignored for a to z, no accents folded), each table in its own sqlite3 process.
void CercaConSqlite3(const std::vector<TabelleCartellaDati::Tabella>& tabelle, const QString& testo)
{
    const QStringList testi{QStringLiteral("Nome"),          QStringLiteral("Parola chiave"),
                            QStringLiteral("Descrizione"),   QStringLiteral("Certificato"),
                            QStringLiteral("Ente di prova"), QStringLiteral("Società richiedente")};
    for (const auto& t : tabelle) {
        QStringList condizioni;
        try {
            auto db = DBEngine::OpenDatabase(t.file, DBEngine::Uso::Lettura);
            auto rs = db->OpenRecordset(t.tabella);
            for (const QString& colonna : testi)
                if (rs->HasField(colonna))
                    condizioni << QStringLiteral("\"%1\" LIKE '%%2%'").arg(colonna, testo);
        } catch (const DbException&) {
            continue;
        }
        QProcess sqlite3;
        sqlite3.setStandardOutputFile(QProcess::nullDevice());
        sqlite3.start(QStringLiteral("sqlite3"),
                      {t.file, QStringLiteral("SELECT \"Nome\" FROM \"%1\" WHERE %2")
                                   .arg(t.tabella, condizioni.join(QStringLiteral(" OR ")))});
        sqlite3.waitForFinished(-1);
    }
}

// One search as the window makes it: a worker thread, batches queued to the results' model.
struct Giro
{
    double primo = -1; // ms to the first batch; -1 when nothing was found
    qint64 trovate = 0, lette = 0;
};

Giro CercaUnaVolta(ModelloRisultati& modello, const std::vector<TabelleCartellaDati::Tabella>& tabelle,
                   const CriteriRicerca& criteri, std::atomic<bool>& errori)
{
    modello.Ricomincia(tabelle);
    std::atomic<double> primo = -1;
    const Cronometro cronometro;
    const std::atomic<bool> mai{false};
    std::atomic<qint64> lette = 0;
    std::unique_ptr<QThread> ricerca(QThread::create([&] {
        RicercaTabelle::CercaTutte(
            tabelle, criteri, QThread::idealThreadCount(), mai,
            [&](std::vector<VoceTrovata>&& lotto) {
                if (!modello.AttendiPosto(lotto.size(), mai))
                    return;
                double nessuno = -1;
                primo.compare_exchange_strong(nessuno, cronometro.Millisecondi());
                auto voci = std::make_shared<std::vector<VoceTrovata>>(std::move(lotto));
                QMetaObject::invokeMethod(
                    &modello, [&, voci] { modello.Aggiungi(std::move(*voci)); }, Qt::QueuedConnection);
            },
            [&](size_t, const RicercaTabelle::EsitoTabella& esito) {
                lette += esito.voci;
                if (!esito.errore.isEmpty())
                    errori = true;
            });
    }));
    QEventLoop ciclo; // the window's event loop
    QObject::connect(ricerca.get(), &QThread::finished, &ciclo, &QEventLoop::quit);
    ricerca->start();
    ciclo.exec();
    modello.Completa();
    return {primo, modello.rowCount(), lette};
}

// How long the results take to sort by name and by rating, as the user clicks a heading.
void StampaOrdinamenti(ModelloRisultati& modello)
{
    for (const int colonna : {int(ModelloRisultati::Nome), int(ModelloRisultati::Valutazione)}) {
        const Cronometro cronometro;
        modello.sort(colonna);
        std::printf("  sorted by %s: %.0f ms, peak memory so far: %.1f MB\n",
                    colonna == ModelloRisultati::Nome ? "name" : "rating", cronometro.Millisecondi(),
                    PiccoMemoriaMB());
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication applicazione(argc, argv);
    const QStringList argomenti = applicazione.arguments();
    if (argomenti.size() < 2) {
        std::fprintf(stderr, "Usage: zelmar-bench-ricerca DATA_FOLDER [RUNS [SEARCH]]\n");
        return 2;
    }
    const int volte = argomenti.size() > 2 ? argomenti[2].toInt() : 5;
    const auto tabelle = TabelleCartellaDati::Elenca(argomenti[1]);

    CriteriRicerca numeri;
    numeri.tipi = {1, 2, 8};
    numeri.indice.minimo = 50;
    numeri.massa.massimo = 250;
    numeri.data.minimo = QDate(2015, 1, 1);
    CriteriRicerca testo;
    testo.testo = QStringLiteral("laterizio");
    const struct
    {
        const char* nome;
        CriteriRicerca criteri;
    } ricerche[] = {
        {"kind, rating, mass, date", numeri}, {"text \"laterizio\"", testo}, {"no criterion", {}}};

    std::atomic<bool> errori = false;
    const int sola = argomenti.size() > 3 ? argomenti[3].toInt() : 0;
    for (const auto& r : ricerche) {
        if (sola > 0 && &r != &ricerche[sola - 1])
            continue;
        Misure primi;
        qint64 trovate = 0;
        qint64 lette = 0;
        const double processorePrima = MillisecondiProcessore();
        ModelloRisultati modello;
        const Misure tutta = Misure::Ripeti(volte, [&] {
            const Giro giro = CercaUnaVolta(modello, tabelle, r.criteri, errori);
            trovate = giro.trovate;
            lette = giro.lette;
            if (giro.primo >= 0)
                primi.Aggiungi(giro.primo);
        });
        std::printf("search, %s: %lld of %lld entries found\n  whole search: %s\n  first batch:  %s\n"
                    "  processor time per search (user + system, all threads): %.0f ms\n  peak memory so "
                    "far: %.1f MB\n",
                    r.nome, static_cast<long long>(trovate), static_cast<long long>(lette),
                    qPrintable(tutta.Riga()), qPrintable(primi.Riga()),
                    (MillisecondiProcessore() - processorePrima) / (volte + 1), PiccoMemoriaMB());
        if (!r.criteri.testo.isEmpty()) {
            const Misure pavimento =
                Misure::Ripeti(volte, [&] { CercaConSqlite3(tabelle, r.criteri.testo); });
            std::printf("  floor, sqlite3 LIKE, one process per file in turn: %s\n"
                        "  search / floor: %.2fx (medians), target 1.0x and under 1.5 s: %s\n",
                        qPrintable(pavimento.Riga()), tutta.Mediana() / pavimento.Mediana(),
                        tutta.Mediana() <= pavimento.Mediana() && tutta.Mediana() < 1500 ? "met" : "NOT met");
        }
        if (&r == &ricerche[std::size(ricerche) - 1])
            StampaOrdinamenti(modello);
    }
    return errori ? 1 : 0;
}
