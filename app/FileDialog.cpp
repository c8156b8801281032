#include "FileDialog.h"

#include <QFileDialog>

QList<QString> FileDialog::nextFileNames_;
std::optional<FileDialog::Request> FileDialog::lastRequest_;
bool FileDialog::automatic_ = false;

QString FileDialog::getOpenFileName(QWidget* parent, const QString& title, const QStringList& filters,
                                    int selectedFilter)
{
    lastRequest_ = Request{title, filters, selectedFilter};
    if (!nextFileNames_.isEmpty())
        return nextFileNames_.takeFirst();
    if (automatic_)
        return {};
    QString scelto = filters.value(selectedFilter);
    return QFileDialog::getOpenFileName(parent, title, QString(), filters.join(QStringLiteral(";;")), &scelto,
                                        QFileDialog::ReadOnly);
}

void FileDialog::setNextFileName(const QString& path) { nextFileNames_.append(path); }
void FileDialog::setAutomatic(bool automatic) { automatic_ = automatic; }
std::optional<FileDialog::Request> FileDialog::lastRequest() { return lastRequest_; }
void FileDialog::clear()
{
    nextFileNames_.clear();
    lastRequest_.reset();
}
