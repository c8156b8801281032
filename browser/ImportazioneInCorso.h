// The import of the data folder's Access files from the main window: it runs off the
// interface thread while a window shows the file and table under way and the files done
// of all, with a cancel that leaves every file not yet swapped as it was.
#pragma once

#include "storage/jet/ImportazioneJet.h"

#include <QCoreApplication>

class QWidget;

class ImportazioneInCorso
{
    Q_DECLARE_TR_FUNCTIONS(ImportazioneInCorso)

public:
    // Returns once every file is done or left as it was.
    static ImportazioneJet::Rapporto Esegui(QWidget* padre, const QString& cartella);
};
