// zelmar-importjet: converts the Jet ".mdb" files of a data folder (or single files) into
// the program's own engine, keeping each original beside it as "<file>.jet".
#include "storage/jet/ImportazioneJet.h"
#include "tools/Strumenti.h"

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
    Scrivi(stderr, QCoreApplication::translate("ZelmarImportjet", "[%1/%2] %3: table \u00ab%4\u00bb")
                       .arg(numeroFile)
                       .arg(totaleFile)
                       .arg(percorso, tabella));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Strumenti::Prepara(QStringLiteral("zelmar-importjet"));
    const QStringList argomenti = app.arguments().mid(1);
    if (argomenti.isEmpty() || argomenti.contains(QStringLiteral("-h")) ||
        argomenti.contains(QStringLiteral("--help"))) {
        Scrivi(argomenti.isEmpty() ? stderr : stdout,
               QCoreApplication::translate(
                   "ZelmarImportjet",
                   "Usage: zelmar-importjet FOLDER_OR_FILE...\n"
                   "Converts into the program's format every Jet file (Access .mdb) found in the "
                   "folders given, at any depth, and the files given. Each original stays beside the "
                   "converted file as <file>.jet. Files already converted are left as they are.\n"
                   "-h, --help prints this help."));
        return argomenti.isEmpty() ? 2 : 0;
    }
    // Options first: after "--", or after the first file, every argument is a file.
    QStringList file;
    for (const QString& argomento : argomenti) {
        if (file.isEmpty() && argomento == QLatin1String("--")) {
            file << QString(); // the mark, dropped below
        } else if (file.isEmpty() && argomento.startsWith(QLatin1Char('-')) &&
                   argomento != QLatin1String("-")) {
            Scrivi(stderr, QCoreApplication::translate("ZelmarImportjet",
                                                       "zelmar-importjet: unknown option \u00ab%1\u00bb "
                                                       "(--help for the usage)")
                               .arg(argomento));
            return 2;
        } else {
            file << argomento;
        }
    }
    file.removeAll(QString());
    ImportazioneJet::Rapporto rapporto;
    for (const QString& argomento : file) {
        if (QFileInfo(argomento).isDir()) {
            rapporto.file += ImportazioneJet::ImportaCartella(argomento, Avanzamento).file;
        } else if (QFileInfo(argomento).isFile()) {
            rapporto.file << ImportazioneJet::ImportaFile(argomento, Avanzamento);
        } else {
            ImportazioneJet::EsitoFile mancante;
            mancante.percorso = argomento;
            mancante.dettaglio = QCoreApplication::translate("ZelmarImportjet", "it does not exist");
            rapporto.file << mancante;
        }
    }
    Scrivi(stdout, rapporto.Testo());
    return rapporto.Quanti(ImportazioneJet::EsitoFile::Errore) == 0 ? 0 : 1;
}
