// zelmar-esporta: entries out of a database file without the program's windows.
//
//   zelmar-esporta --pdf OUT.pdf [--tipo CODICE] FILE_DB TABELLA NOME
//   zelmar-esporta --csv OUT.csv FILE_DB TABELLA
//
// --pdf writes the one-page data sheet of the entry NOME of TABELLA (the first of that name
// in index order, as the program's display finds it); --csv writes the whole table. Exit
// status 0 when written, 1 when OUT cannot be written or FILE_DB cannot be read, 2 for wrong
// usage or a missing file, table or entry.
#include "browser/immagine/SceltaImmagine.h"
#include "exchange/EsportazioneTabella.h"
#include "exchange/LetturaVoce.h"
#include "exchange/TipiVoce.h"
#include "model/Categorie.h"
#include "sheet/CartaIntestata.h"
#include "sheet/SchedaTecnica.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"
#include "tools/FileDiUscita.h"
#include "tools/Strumenti.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <cstdio>
#include <unistd.h>

using namespace Strumenti;

namespace {

QString Sintassi()
{
    return QCoreApplication::translate(
        "ZelmarEsporta", "Usage: zelmar-esporta --pdf OUT.pdf [--tipo CODE] DB_FILE TABLE NAME\n"
                         "       zelmar-esporta --csv OUT.csv DB_FILE TABLE\n");
}

QString Aiuto()
{
    const QString aiuto = QCoreApplication::translate(
        "ZelmarEsporta",
        "\n"
        "--pdf  writes the one-page A4 data sheet of the entry NAME of the table TABLE of the\n"
        "       file DB_FILE (the program's own database or an Access file): the first entry of\n"
        "       that name in the index's order, as the program finds it. The entry's kind comes\n"
        "       from where the file lies in the data folder (tables of the custom or the\n"
        "       theoretical database, category folder of an experimental file), or from --tipo\n"
        "       with a kind code:\n%1\n"
        "--csv  writes the whole table as CSV: UTF-8 with a BOM, \";\" as the separator, the\n"
        "       heading line with the exact column names in the table's order, then the rows in\n"
        "       their stored order; numbers with a decimal comma, Null as an empty field.\n"
        "-h, --help  prints this help.\n"
        "Options come first; the arguments after them are data, also when they begin with \"-\".\n"
        "Exit status: 0 written, 1 OUT cannot be written or DB_FILE cannot be read,\n"
        "2 wrong usage or a missing file, table or entry.\n"
        "The sheet is in the language of the program's Zelmar.ini.\n");
    return aiuto.arg(Categorie::ElencoCodici(QString(7, QLatin1Char(' ')), 88));
}

int Errore(int stato, const QString& messaggio)
{
    Scrivi(stderr, QStringLiteral("zelmar-esporta: ") + messaggio + QLatin1Char('\n'));
    return stato;
}

struct Richiesta
{
    bool pdf = false;
    QString uscita;
    std::optional<int> tipo;
    QStringList argomenti;
};

// Options first; every argument after them is data. Returns the error to print, if any.
QString Leggi(const QStringList& a, Richiesta& r)
{
    int i = 0;
    bool formato = false;
    for (; i < a.size() && a[i].startsWith(QLatin1String("--")); ++i) {
        const QString opzione = a[i];
        if (opzione == QLatin1String("--")) {
            ++i;
            break;
        }
        if (i + 1 >= a.size())
            return QCoreApplication::translate("ZelmarEsporta", "wrong usage: %1 needs a value").arg(opzione);
        const QString valore = a[++i];
        if (opzione == QLatin1String("--pdf") || opzione == QLatin1String("--csv")) {
            if (formato)
                return QCoreApplication::translate("ZelmarEsporta",
                                                   "wrong usage: --pdf and --csv exclude each other");
            formato = true;
            r.pdf = opzione == QLatin1String("--pdf");
            r.uscita = valore;
        } else if (opzione == QLatin1String("--tipo")) {
            bool ok = false;
            r.tipo = valore.toInt(&ok);
            if (!ok || TipiVoce::Nome(*r.tipo).isEmpty())
                return QCoreApplication::translate("ZelmarEsporta",
                                                   "wrong usage: the kind \u00ab%1\u00bb is not a kind code")
                    .arg(valore);
        } else {
            return QCoreApplication::translate("ZelmarEsporta", "wrong usage: unknown option \u00ab%1\u00bb")
                .arg(opzione);
        }
    }
    r.argomenti = a.mid(i);
    if (!formato)
        return QCoreApplication::translate("ZelmarEsporta", "wrong usage: --pdf or --csv is missing");
    if (!r.pdf && r.tipo)
        return QCoreApplication::translate("ZelmarEsporta", "wrong usage: --tipo goes with --pdf only");
    const int attesi = r.pdf ? 3 : 2;
    if (r.argomenti.size() != attesi)
        return QCoreApplication::translate("ZelmarEsporta",
                                           "wrong usage: %1 arguments are needed after the options, not %2")
            .arg(attesi)
            .arg(r.argomenti.size());
    return {};
}

// Opens the table, telling a missing table (2) from a file that cannot be read (1).
std::unique_ptr<Recordset> ApriTabella(Database& db, const QString& file, const QString& tabella, int& stato)
{
    bool presente = false;
    for (const QString& nome : db.TableNames())
        presente = presente || nome == tabella;
    if (!presente) {
        stato = Errore(UsoErrato,
                       QCoreApplication::translate("ZelmarEsporta", "the file %1 has no table \u00ab%2\u00bb")
                           .arg(file, tabella));
        return nullptr;
    }
    return db.OpenRecordset(tabella);
}

int Csv(const Richiesta& r)
{
    const QString file = r.argomenti[0];
    const QString tabella = r.argomenti[1];
    auto db = DBEngine::OpenDatabase(file);
    int stato = Riuscito;
    auto rs = ApriTabella(*db, file, tabella, stato);
    if (!rs)
        return stato;
    FileDiUscita destinazione(r.uscita);
    QFile uscita(destinazione.Temporaneo());
    if (!uscita.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
        !EsportazioneTabella::Scrivi(*rs, uscita) || !uscita.flush())
        return Errore(Fallito, QCoreApplication::translate("ZelmarEsporta", "%1 cannot be written: %2")
                                   .arg(r.uscita, uscita.errorString()));
    uscita.close();
    if (const QString errore = destinazione.Conferma(); !errore.isEmpty())
        return Errore(Fallito, errore);
    return Riuscito;
}

int Pdf(const Richiesta& r)
{
    const QString file = r.argomenti[0];
    const QString tabella = r.argomenti[1];
    const QString nome = r.argomenti[2];
    const std::optional<int> codice = r.tipo ? r.tipo : TipiVoce::CodiceDaPosizione(file, tabella);
    if (!codice)
        return Errore(UsoErrato, QCoreApplication::translate(
                                     "ZelmarEsporta", "the kind of the table \u00ab%1\u00bb of %2 does not "
                                                      "follow from where the file lies: give it with --tipo")
                                     .arg(tabella, file));
    {
        auto db = DBEngine::OpenDatabase(file);
        int stato = Riuscito;
        if (!ApriTabella(*db, file, tabella, stato))
            return stato;
    }
    const std::optional<DatiVoce> voce = LetturaVoce::Leggi(file, tabella, *codice, nome);
    if (!voce)
        return Errore(UsoErrato,
                      QCoreApplication::translate(
                          "ZelmarEsporta", "the table \u00ab%1\u00bb of %2 has no entry \u00ab%3\u00bb")
                          .arg(tabella, file, nome));
    FileDiUscita destinazione(r.uscita);
    QString errore = SchedaTecnica::ScriviPdf(destinazione.Temporaneo(), *voce,
                                              SceltaImmagine::PropriaDellaVoce(voce->codice, voce->immagine),
                                              CartaIntestata::DalleImpostazioni());
    if (errore.isEmpty())
        errore = destinazione.Conferma();
    if (!errore.isEmpty())
        return Errore(Fallito, errore.replace(destinazione.Temporaneo(), r.uscita));
    return Riuscito;
}

} // namespace

int main(int argc, char* argv[])
{
    // The sheet is drawn without a screen, and without the warning Qt gives when it has no
    // runtime folder.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime =
            QDir::tempPath() + QStringLiteral("/zelmar-esporta-") + QString::number(getuid());
        if (QDir().mkpath(runtime) &&
            QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    }
    QGuiApplication app(argc, argv);
    Prepara(QStringLiteral("zelmar-esporta"));
    const QStringList argomenti = QGuiApplication::arguments().mid(1);
    if (argomenti.size() == 1 &&
        (argomenti[0] == QLatin1String("--help") || argomenti[0] == QLatin1String("-h"))) {
        Scrivi(stdout, Sintassi() + Aiuto());
        return Riuscito;
    }
    Richiesta richiesta;
    if (const QString errore = Leggi(argomenti, richiesta); !errore.isEmpty())
        return ErroreDUso(errore, Sintassi());
    const QString file = richiesta.argomenti[0];
    if (!QFileInfo(file).isFile())
        return Errore(UsoErrato,
                      QCoreApplication::translate("ZelmarEsporta", "the file %1 does not exist").arg(file));
    // Never over what it reads, nor over anything but a regular file.
    if (const QString rifiuto = FileDiUscita::Rifiuto(richiesta.uscita, {file}); !rifiuto.isEmpty())
        return Errore(UsoErrato, rifiuto);
    try {
        return richiesta.pdf ? Pdf(richiesta) : Csv(richiesta);
    } catch (const DbException& errore) {
        return Errore(Fallito, QCoreApplication::translate("ZelmarEsporta", "%1 cannot be read: %2")
                                   .arg(file, errore.Descrizione()));
    }
}
