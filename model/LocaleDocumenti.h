// The locale of what the program writes for others to read: data sheets, exported and printed
// comparisons, reports. Their numbers and dates follow the interface language ("30,0" and
// "08/12/2026" in Italian), whatever the system's settings, while the windows' boxes keep the
// system's (QLocale(), never changed). Set with the interface's translations.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

class LocaleDocumenti
{
public:
    // The interface language's locale; QLocale() until one is set.
    static QLocale Locale();
    static void Imposta(const QLocale& locale);
    // A date in the locale's short form with a four-digit year.
    static QString Data(const QDate& data);
    // A stored test date in that form; a text that is no date stays as it is.
    static QString DataProva(const QString& testo);
};
