// zelmar-bench-condiviso: the custom database on the laboratory's server, over the loopback:
// the list fill of the "Rw" custom table against the same fill from the folder's file, the
// display of one entry picked at random, and the save of a new entry (removed afterwards).
//
//   zelmar-bench-condiviso <data folder> <connection string>
//
// The server's tables must hold the folder's custom database (zelmar-condividi
// --sostituisci --verso-server FILE CONNINFO); scripts/bench.sh does so.

#include "Misure.h"
#include "NuovaParete.h"
#include "model/CancellazioneMateriale.h"
#include "model/Categorie.h"
#include "model/DatabaseCondiviso.h"
#include "model/DettaglioMateriale.h"
#include "model/ListaMateriali.h"
#include "model/RecordSchema.h"
#include "model/SalvataggioMateriale.h"
#include "storage/DbException.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

void Stampa(const QString& testo)
{
    std::printf("%s\n", testo.toUtf8().constData());
    std::fflush(stdout);
}

ListaMateriali::Contenuto Riempi(const QString& percorso, const QString& tabella)
{
    ListaMateriali::Richiesta richiesta;
    richiesta.paroleChiave = true;
    richiesta.primaDescrizione = true;
    return ListaMateriali::Leggi(percorso, tabella, richiesta);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    if (app.arguments().size() != 3) {
        std::fputs("usage: zelmar-bench-condiviso <data folder> <connection string>\n", stderr);
        return 2;
    }
    const QString file =
        app.arguments().at(1) + QStringLiteral("/Databases/Database/Database_sperimentale.mdb");
    // The server stands for a custom database of its own path, so the file stays a file.
    QTemporaryDir cartella;
    const QString server = cartella.filePath(QStringLiteral("Database_sperimentale.mdb"));
    DatabaseCondiviso::Collega(server, app.arguments().at(2));
    const QString tabella = QString::fromUtf8(Categorie::PerCodice(catRwLaboratorio)->tabellaPersonale);
    try {
        const int righe = Riempi(server, tabella).nomi.size();
        Stampa(QStringLiteral("== the custom table %1 on the server (%2 entries) and in %3")
                   .arg(tabella)
                   .arg(righe)
                   .arg(file));
        const auto riempimenti =
            Misure::Alterna(7, {[&] { Riempi(file, tabella); }, [&] { Riempi(server, tabella); }});
        Stampa(QStringLiteral("list fill, file     %1").arg(riempimenti[0].Riga()));
        Stampa(QStringLiteral("list fill, server   %1  (%2x the file)")
                   .arg(riempimenti[1].Riga())
                   .arg(riempimenti[1].Mediana() / riempimenti[0].Mediana(), 0, 'f', 2));

        const QStringList nomi = Riempi(server, tabella).nomi.toStringList();
        QRandomGenerator caso(1);
        const Misure visualizzazioni = Misure::Ripeti(200, [&] {
            DettaglioMateriale::Leggi(server, tabella, catRwLaboratorio,
                                      nomi.at(caso.bounded(int(nomi.size()))));
        });
        Stampa(QStringLiteral("display of an entry %1").arg(visualizzazioni.Riga()));

        int n = 0;
        bool ok = true;
        const auto nome = [](int i) { return QStringLiteral("Parete del banco di prova %1").arg(i); };
        const Misure salvataggi = Misure::Ripeti(40, [&] {
            const auto esito = SalvataggioMateriale::Salva(NuovaParete(server, tabella, nome(n++)));
            if (esito.tipo != SalvataggioMateriale::Esito::Ok && ok)
                Stampa(QStringLiteral("a save failed (%1): %2").arg(int(esito.tipo)).arg(esito.descrizione));
            ok = ok && esito.tipo == SalvataggioMateriale::Esito::Ok;
        });
        Stampa(QStringLiteral("save of a new entry %1").arg(salvataggi.Riga()));
        for (int i = 0; i < n; ++i)
            CancellazioneMateriale::Cancella(server, tabella, nome(i));
        return ok ? 0 : 1;
    } catch (const DbException& e) {
        Stampa(e.Descrizione());
        return 1;
    }
}
