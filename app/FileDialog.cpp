#include "FileDialog.h"

#include "config/ImpostazioniUtente.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

QList<QString> FileDialog::nextFileNames_;
std::optional<FileDialog::Request> FileDialog::lastRequest_;
bool FileDialog::automatic_ = false;

namespace {
QString Chiave(const QString& purpose)
{
    return QStringLiteral("cartelle/") + purpose;
}
} // namespace

QString FileDialog::folderFor(const QString& purpose)
{
    const QString cartella = ImpostazioniUtente::Leggi(Chiave(purpose)).toString();
    return !cartella.isEmpty() && QFileInfo(cartella).isDir()
               ? cartella
               : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void FileDialog::remember(const QString& purpose, const QString& chosen)
{
    if (!purpose.isEmpty() && !chosen.isEmpty())
        ImpostazioniUtente::Scrivi(Chiave(purpose), QFileInfo(chosen).absolutePath());
}

QString FileDialog::answer(const QString& purpose)
{
    const QString scelto = nextFileNames_.isEmpty() ? QString() : nextFileNames_.takeFirst();
    remember(purpose, scelto);
    return scelto;
}

QString FileDialog::getOpenFileName(QWidget* parent, const QString& title, const QStringList& filters,
                                    int selectedFilter, const QString& purpose)
{
    const QString cartella = purpose.isEmpty() ? QString() : folderFor(purpose);
    lastRequest_ = Request{title, filters, selectedFilter, cartella};
    if (!nextFileNames_.isEmpty() || automatic_)
        return answer(purpose);
    QString scelto = filters.value(selectedFilter);
    const QString file = QFileDialog::getOpenFileName(
        parent, title, cartella, filters.join(QStringLiteral(";;")), &scelto, QFileDialog::ReadOnly);
    remember(purpose, file);
    return file;
}

QString FileDialog::getSaveFileName(QWidget* parent, const QString& title, const QString& suggested,
                                    const QStringList& filters, const QString& purpose)
{
    const QString cartella = purpose.isEmpty() ? QString() : folderFor(purpose);
    lastRequest_ = Request{title, filters, 0, cartella};
    if (!nextFileNames_.isEmpty() || automatic_)
        return answer(purpose);
    const QString proposto = cartella.isEmpty() ? suggested : QDir(cartella).filePath(suggested);
    const QString file =
        QFileDialog::getSaveFileName(parent, title, proposto, filters.join(QStringLiteral(";;")));
    remember(purpose, file);
    return file;
}

void FileDialog::setNextFileName(const QString& path)
{
    nextFileNames_.append(path);
}
void FileDialog::setAutomatic(bool automatic)
{
    automatic_ = automatic;
}
std::optional<FileDialog::Request> FileDialog::lastRequest()
{
    return lastRequest_;
}
void FileDialog::clear()
{
    nextFileNames_.clear();
    lastRequest_.reset();
}
