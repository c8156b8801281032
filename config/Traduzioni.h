// The texts that do not come from the message catalogue, in the configured interface
// language: Qt's own (standard dialogs, context menus) and the program's tr() texts, the
// locale that calendars take their month and day names from, and the one of the numbers and
// dates of documents (LocaleDocumenti). QLocale's default, which decides the decimal
// separator of the boxes, is never changed here.
#pragma once

#include <QLocale>
#include <QString>

class Traduzioni
{
public:
    // The locale of a language name of the configuration ("Italiano", "English", or a
    // language's name in itself or in English); the system's locale for a name it does not know.
    static QLocale LocaleDellaLingua(const QString& lingua);
    // Installs, in place of those installed before, Qt's translations and the program's own
    // for the language, and its locale for documents; an unknown language or a missing file
    // leaves the English texts. Where the language is not the system's, dialogs are Qt's own.
    static void Installa(const QString& lingua);
    // The locale of the configured language: calendars take their month and day names from it.
    static QLocale LocaleInterfaccia();
};
