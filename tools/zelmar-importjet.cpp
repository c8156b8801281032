// zelmar-importjet: converts the Jet ".mdb" files of a data folder (or single files) into
// the program's own engine, keeping each original beside it as "<file>.jet".
#include "storage/ImportazioneJet.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

namespace {

void Scrivi(FILE* dove, const QString& testo)
{
    std::fputs(testo.toLocal8Bit().constData(), dove);
    std::fputc('\n', dove);
    std::fflush(dove);
}

void Avanzamento(int numeroFile, int totaleFile, const QString& percorso, const QString& tabella)
{
    Scrivi(stderr,
           QStringLiteral("[%1/%2] %3: tabella «%4»").arg(numeroFile).arg(totaleFile).arg(percorso, tabella));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList argomenti = app.arguments().mid(1);
    if (argomenti.isEmpty() || argomenti.contains(QStringLiteral("-h")) ||
        argomenti.contains(QStringLiteral("--help"))) {
        Scrivi(stderr,
               QStringLiteral(
                   "Uso: zelmar-importjet CARTELLA_O_FILE...\n"
                   "Converte nel formato del programma ogni file Jet (.mdb di Access) che trova nelle "
                   "cartelle indicate, a ogni livello, e i file indicati. Ogni originale resta accanto "
                   "al file convertito come <file>.jet. I file già convertiti non si toccano."));
        return argomenti.isEmpty() ? 2 : 0;
    }
    ImportazioneJet::Rapporto rapporto;
    for (const QString& argomento : argomenti) {
        if (QFileInfo(argomento).isDir()) {
            rapporto.file += ImportazioneJet::ImportaCartella(argomento, Avanzamento).file;
        } else if (QFileInfo(argomento).isFile()) {
            rapporto.file << ImportazioneJet::ImportaFile(argomento, Avanzamento);
        } else {
            ImportazioneJet::EsitoFile mancante;
            mancante.percorso = argomento;
            mancante.dettaglio = QStringLiteral("non esiste");
            rapporto.file << mancante;
        }
    }
    Scrivi(stdout, rapporto.Testo());
    return rapporto.Quanti(ImportazioneJet::EsitoFile::Errore) == 0 ? 0 : 1;
}
