// The texts that do not come from the message catalogue, in the configured interface
// language: Qt's own (standard dialogs, context menus) and the program's tr() texts, and
// the locale that calendars take their month and day names from. QLocale's default, which
// decides the decimal separator, is never changed here.
#pragma once

#include <QLocale>
#include <QString>

class QCalendarWidget;

class Traduzioni
{
public:
    // The locale of a language name of the configuration ("Italiano", "English", or a
    // language's name in itself or in English); the system's locale for a name it does not know.
    static QLocale LocaleDellaLingua(const QString& lingua);
    // Installs, in place of those installed before, Qt's translations and the program's own
    // for the language; an unknown language or a missing file leaves the English texts.
    static void Installa(const QString& lingua);
    // Month and day names of a calendar in the configured language.
    static void ImpostaCalendario(QCalendarWidget* calendario);
};
