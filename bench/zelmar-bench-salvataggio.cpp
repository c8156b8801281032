// zelmar-bench-salvataggio: one save of a new entry into a large custom table (the name
// checks, the duplicate-name scan, every column write and the commit), one save of a
// modified entry, and one deletion, as the editor and the delete command run them.
//
//   zelmar-bench-salvataggio <data folder>
//
// Works on a copy of the folder's custom database, so the data folder stays as it was.

#include "Misure.h"
#include "model/CancellazioneMateriale.h"
#include "model/Categorie.h"
#include "model/SalvataggioMateriale.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int Volte = 40;

void Stampa(const QString& testo)
{
    std::printf("%s\n", testo.toUtf8().constData());
    std::fflush(stdout);
}

// What a user types into the editor for a new wall, column by column.
QString TestoColonna(const QString& colonna, const QString& nome)
{
    if (colonna == RecordSchema::Nome(RecordSchema::Campo::Nome))
        return nome;
    if (colonna == RecordSchema::Nome(RecordSchema::Campo::DataProva))
        return QStringLiteral("5/3/2024");
    return RecordSchema::IsNumerica(colonna) ? QStringLiteral("12,5")
                                             : QStringLiteral("Testo di prova per ") + colonna;
}

SalvataggioMateriale::Richiesta Richiesta(const QString& file, const QString& nome,
                                          const QString& selezionato)
{
    SalvataggioMateriale::Richiesta richiesta;
    richiesta.percorsoDatabase = file;
    richiesta.tabella = QString::fromUtf8(Categorie::PerCodice(catRwLaboratorio)->tabellaPersonale);
    richiesta.modifica = !selezionato.isEmpty();
    richiesta.nome = nome;
    richiesta.nomeSelezionato = selezionato;
    richiesta.scritture = SalvataggioMateriale::ScrittureCategoria(
        catRwLaboratorio, [&](const QString& colonna) { return TestoColonna(colonna, nome); },
        [](int) { return QString(); });
    return richiesta;
}

bool Salva(const SalvataggioMateriale::Richiesta& richiesta)
{
    const SalvataggioMateriale::Esito esito = SalvataggioMateriale::Salva(richiesta);
    if (esito.tipo != SalvataggioMateriale::Esito::Ok)
        Stampa(QStringLiteral("save of «%1» failed (%2): %3")
                   .arg(richiesta.nome)
                   .arg(int(esito.tipo))
                   .arg(esito.descrizione));
    return esito.tipo == SalvataggioMateriale::Esito::Ok;
}

QString NomeNuovo(int i)
{
    return QStringLiteral("Parete di prova del banco %1").arg(i);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    if (app.arguments().size() != 2) {
        std::fputs("usage: zelmar-bench-salvataggio <data folder>\n", stderr);
        return 2;
    }
    const QString originale =
        app.arguments().at(1) + QStringLiteral("/Databases/Database/Database_sperimentale.mdb");
    QTemporaryDir cartella;
    const QString file = cartella.path() + QStringLiteral("/Database_sperimentale.mdb");
    if (!QFile::copy(originale, file)) {
        Stampa(QStringLiteral("cannot copy %1").arg(originale));
        return 1;
    }
    Stampa(QStringLiteral("== saves and deletions in a copy of %1 (table Rw_laboratorio)").arg(originale));

    bool ok = true;
    int n = 0;
    const Misure nuove =
        Misure::Ripeti(Volte, [&] { ok = Salva(Richiesta(file, NomeNuovo(n++), {})) && ok; });
    Stampa(QStringLiteral("save of a new entry        %1").arg(nuove.Riga()));

    int m = 0;
    const Misure modifiche = Misure::Ripeti(Volte, [&] {
        const QString nome = NomeNuovo(m);
        ok = Salva(Richiesta(file, nome + QStringLiteral(" (rev.)"), nome)) && ok;
        ++m;
    });
    Stampa(QStringLiteral("save of a modified entry   %1").arg(modifiche.Riga()));

    int k = 0;
    const Misure cancellazioni = Misure::Ripeti(Volte, [&] {
        const QString nome = NomeNuovo(k++) + QStringLiteral(" (rev.)");
        if (!CancellazioneMateriale::Cancella(file, Richiesta(file, nome, {}).tabella, nome)) {
            Stampa(QStringLiteral("«%1» was not found for deletion").arg(nome));
            ok = false;
        }
    });
    Stampa(QStringLiteral("deletion of an entry       %1").arg(cancellazioni.Riga()));
    return ok ? 0 : 1;
}
