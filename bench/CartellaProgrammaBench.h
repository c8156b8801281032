// A temporary program folder whose Zelmar.ini points at a given data folder, with the
// program's settings pointed at it, so that a benchmark opens the real windows on that data.
#pragma once

#include <QString>
#include <QTemporaryDir>

class CartellaProgrammaBench
{
public:
    explicit CartellaProgrammaBench(const QString& cartellaDati);
    ~CartellaProgrammaBench();
    QString Percorso() const { return dir_.path(); }

    // Writes Zelmar.ini into any folder: Italian interface, the given data folder.
    static bool ScriviIni(const QString& cartella, const QString& cartellaDati);

private:
    QTemporaryDir dir_;
};
