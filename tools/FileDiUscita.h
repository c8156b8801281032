// The file a command-line tool writes: never one of the files it reads (whatever name it is
// given by), never anything but a regular file, and never half written. The tool writes a
// temporary file in the same folder, which is synced and renamed over the target only once
// it is complete: a tool killed at any moment leaves the old file or the whole new one.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class FileDiUscita
{
    Q_DECLARE_TR_FUNCTIONS(FileDiUscita)

public:
    // Why uscita cannot be the output of a tool that reads ingressi: it is one of them (the
    // same file by device and inode), or it exists and is not a regular file. Empty when it can.
    static QString Rifiuto(const QString& uscita, const QStringList& ingressi);

    // A temporary name beside uscita (a link is followed to the file it names), not yet used.
    explicit FileDiUscita(const QString& uscita);
    // Removes the temporary file unless it was confirmed.
    ~FileDiUscita();
    FileDiUscita(const FileDiUscita&) = delete;
    FileDiUscita& operator=(const FileDiUscita&) = delete;

    const QString& Temporaneo() const { return temporaneo_; }
    // Syncs the temporary file, puts it in the target's place (with sostituisci false only if
    // nothing has taken that name meanwhile) and syncs the folder. The error, empty when done.
    QString Conferma(bool sostituisci = true);

private:
    QString uscita_;
    QString temporaneo_;
    bool confermato_ = false;
};
