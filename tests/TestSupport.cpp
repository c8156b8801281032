#include "TestSupport.h"

#include "storage/sqlite/SqliteConnessione.h"

#include "app/FileDialog.h"
#include "app/MessageBox.h"
#include "config/ZelmarCommonModule.h"
#include "model/Categorie.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"
#include "ui/DidascaliaAdattata.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QStyle>
#include <QStyleOptionFrame>
#include <clocale>
#include <sqlite3.h>

namespace TestSupport {

void PreparaAmbiente()
{
    // The C library reads numbers too: without its Italian locale (a fresh system has none
    // until scripts/install-deps.sh generates it) the tests would silently run in C.
    if (!std::setlocale(LC_ALL, "it_IT.UTF-8"))
        qFatal("The locale it_IT.UTF-8 is missing: run scripts/install-deps.sh (it generates it).");
    // The user's settings (last folders, letterhead...) of this run only, never the user's own.
    static QTemporaryDir impostazioni;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(impostazioni.path()));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    MessageBox::setAutomatic(true);
    FileDialog::setAutomatic(true);
}

QString CartellaFixtures()
{
    return qEnvironmentVariable("ZELMAR_FIXTURES");
}
QString CartellaProgrammaCostruita()
{
    return qEnvironmentVariable("ZELMAR_PROGRAM_DIR");
}

bool CopiaCartella(const QString& da, const QString& a)
{
    QDir origine(da);
    if (!origine.exists() || !QDir().mkpath(a))
        return false;
    QDirIterator it(da, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString percorso = it.next();
        const QString destinazione = a + QLatin1Char('/') + origine.relativeFilePath(percorso);
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(destinazione))
                return false;
        } else if (!QFile::copy(percorso, destinazione)) {
            return false;
        }
    }
    return true;
}

QByteArray Contenuto(const QString& percorso)
{
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Scrivi(const QString& percorso, const QByteArray& contenuto)
{
    QFile file(percorso);
    return QDir().mkpath(QFileInfo(percorso).absolutePath()) &&
           file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(contenuto) == contenuto.size() && file.flush();
}

QMap<QString, QByteArray> FileSotto(const QString& cartella)
{
    QMap<QString, QByteArray> file;
    for (QDirIterator it(cartella, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        const QString percorso = it.next();
        file.insert(QDir(cartella).relativeFilePath(percorso), Contenuto(percorso));
    }
    return file;
}

QStringList NomiInTabella(const QString& percorso, const QString& tabella)
{
    auto db = DBEngine::OpenDatabase(percorso);
    auto rs = db->OpenRecordset(tabella);
    QStringList nomi;
    for (; !rs->Eof(); rs->MoveNext())
        nomi << rs->Field(QStringLiteral("Nome")).toString();
    return nomi;
}

QVariantMap LeggiRiga(const QString& percorso, const QString& tabella, int codice, const QString& nome)
{
    auto db = DBEngine::OpenDatabase(percorso);
    auto rs = db->OpenRecordset(tabella);
    rs->SetIndex(QStringLiteral("Nome"));
    rs->Seek(QStringLiteral("="), nome);
    QVariantMap riga;
    if (!rs->NoMatch())
        for (const QString& colonna : Categorie::ColonneTabella(codice))
            riga.insert(colonna, rs->Field(colonna));
    return riga;
}

Errore Prova(const std::function<void()>& operazione)
{
    try {
        operazione();
    } catch (const DbException& e) {
        return {e.Numero(), e.Descrizione()};
    }
    return {};
}

AltraConnessione::AltraConnessione(const QString& percorso)
{
    sqlite3_open_v2(QFile::encodeName(percorso).constData(), &db_, SQLITE_OPEN_READWRITE, "unix");
    SqliteConnessione::RegistraFunzioni(db_); // another copy of the program
}

AltraConnessione::~AltraConnessione()
{
    sqlite3_close_v2(db_);
}

int AltraConnessione::Esegui(const char* sql)
{
    return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
}

QStringList DidascalieTagliate(const QWidget* finestra)
{
    QStringList tagliate;
    for (const QLabel* didascalia : finestra->findChildren<QLabel*>()) {
        if (!didascalia->isVisibleTo(finestra) || didascalia->wordWrap() || didascalia->text().isEmpty())
            continue;
        const int m = didascalia->margin();
        const int larghezza = didascalia->contentsRect().width() - 2 * m;
        const auto* adattata = qobject_cast<const DidascaliaAdattata*>(didascalia);
        const QFont carattere = adattata ? adattata->CarattereDisegnato() : didascalia->font();
        if (QFontMetricsF(carattere).horizontalAdvance(didascalia->text()) > larghezza)
            tagliate << didascalia->objectName() + QStringLiteral(" «") + didascalia->text() +
                            QStringLiteral("»");
    }
    return tagliate;
}

QStringList CaselleTagliate(const QWidget* finestra)
{
    QStringList tagliate;
    for (const QLineEdit* casella : finestra->findChildren<QLineEdit*>()) {
        if (!casella->isVisibleTo(finestra) || casella->hasFocus())
            continue;
        QStyleOptionFrame opzioni;
        opzioni.initFrom(casella);
        opzioni.rect = casella->rect();
        opzioni.lineWidth = casella->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opzioni, casella);
        const QRect contenuto =
            casella->style()->subElementRect(QStyle::SE_LineEditContents, &opzioni, casella);
        const int spazio =
            contenuto.marginsRemoved(casella->textMargins()).width() - 2 * 2; // the inner blank
        const bool intera = QFontMetricsF(casella->font()).horizontalAdvance(casella->text()) < spazio;
        if (casella->cursorPosition() != 0 || (casella->isReadOnly() && !intera))
            tagliate << casella->objectName() + QStringLiteral(" «") + casella->text() + QStringLiteral("»");
    }
    return tagliate;
}

AmbienteDati::AmbienteDati(const QString& nomeFixture)
{
    if (!dir_.isValid())
        return;
    ok_ = CopiaCartella(CartellaFixtures() + QLatin1Char('/') + nomeFixture, cartellaDati()) &&
          CopiaCartella(CartellaProgrammaCostruita() + QStringLiteral("/immagine"),
                        cartellaProgramma() + QStringLiteral("/immagine"));
    scriviIni(QStringLiteral("Italiano"), cartellaDati());
}

QString AmbienteDati::cartellaDati() const
{
    return dir_.path() + QStringLiteral("/dati");
}
QString AmbienteDati::cartellaProgramma() const
{
    return dir_.path() + QStringLiteral("/programma");
}
QString AmbienteDati::percorsoDatabase(const QString& relativo) const
{
    return cartellaDati() + QStringLiteral("/Databases/Database/") + relativo;
}

void AmbienteDati::scriviIni(const QString& lingua, const QString& dati)
{
    Scrivi(cartellaProgramma() + QStringLiteral("/Zelmar.ini"),
           QStringLiteral("[Configurazione]\nLingua=%1\nCartellaDati=%2\n").arg(lingua, dati).toUtf8());
    ZelmarCommonModule::SetCartellaProgramma(cartellaProgramma());
}

} // namespace TestSupport
