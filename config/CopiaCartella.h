// Copies what is missing from one folder tree into another, never replacing a file that is
// already there: the user's pictures, settings and data stay as they are.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class CopiaCartella
{
    Q_DECLARE_TR_FUNCTIONS(CopiaCartella)

public:
    // Copies every file and folder of sorgente (a folder, at any depth, or a single file)
    // that does not exist yet at the same place below destinazione. Returns one line per
    // file or folder that could not be made, empty when everything went well.
    static QStringList CopiaMancanti(const QString& sorgente, const QString& destinazione);
    // Makes a folder and those above it; returns what went wrong, empty when it exists.
    static QString CreaCartella(const QString& cartella);

private:
    static QString CopiaSeManca(const QString& da, const QString& a);
};
