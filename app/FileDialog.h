// The open- and save-file dialogs of the program, answerable by tests without a window. A
// dialog given a purpose ("scheda", "confronto"...) opens in the folder last used for that
// purpose, kept in the user's settings, and the first time in the documents folder.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

class FileDialog
{
public:
    struct Request
    {
        QString title;
        QStringList filters;
        int selectedFilter;
        QString folder; // where the dialog opens; empty for the platform's choice
    };

    // Returns the chosen file's full path, or an empty string when the user cancels.
    // filters are "JPEG Files (*.jpg)" style entries; selectedFilter is 0-based.
    static QString getOpenFileName(QWidget* parent, const QString& title, const QStringList& filters,
                                   int selectedFilter = 0, const QString& purpose = {});

    // Returns the full path to write, or an empty string when the user cancels. suggested is
    // the name the dialog proposes; the dialog asks before a file is overwritten.
    static QString getSaveFileName(QWidget* parent, const QString& title, const QString& suggested,
                                   const QStringList& filters, const QString& purpose = {});

    // The folder last used for the purpose, or the documents folder.
    static QString folderFor(const QString& purpose);

    // Tests: the answer to the next dialog (an empty string cancels).
    static void setNextFileName(const QString& path);
    // Tests: never show a window; cancel when no answer is queued.
    static void setAutomatic(bool automatic);
    static std::optional<Request> lastRequest();
    static void clear();

private:
    static QString answer(const QString& purpose);
    static void remember(const QString& purpose, const QString& chosen);

    static QList<QString> nextFileNames_;
    static std::optional<Request> lastRequest_;
    static bool automatic_;
};
