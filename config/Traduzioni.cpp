#include "Traduzioni.h"

#include "ZelmarCommonModule.h"
#include "model/LocaleDocumenti.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Qt's own texts of the dialogs the program opens (print, file) that Qt 6.4's Italian
// translation lacks: the program's own translation supplies them.
[[maybe_unused]] const char* const TestiQtMancanti[] = {
    QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Pages"),
    QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Double Sided Printing"),
    QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Off"),
    QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Long side binding"),
    QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Short side binding"),
    QT_TRANSLATE_NOOP("QPrintSettingsOutput",
                      "Specify pages or ranges separated by commas. Ranges are specified by two numbers "
                      "separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9."),
    QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Folder"),
    QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Drive"),
};

QTranslator& TraduttoreQt()
{
    static QTranslator traduttore;
    return traduttore;
}

QTranslator& TraduttoreProgramma()
{
    static QTranslator traduttore;
    return traduttore;
}

} // namespace

QLocale Traduzioni::LocaleDellaLingua(const QString& lingua)
{
    const QString nome = lingua.trimmed();
    for (int l = QLocale::C + 1; l <= QLocale::LastLanguage; ++l) {
        const auto codice = static_cast<QLocale::Language>(l);
        const QLocale locale(codice);
        if (locale.language() != codice)
            continue; // no locale data for it
        if (nome.compare(locale.nativeLanguageName(), Qt::CaseInsensitive) == 0 ||
            nome.compare(QLocale::languageToString(codice), Qt::CaseInsensitive) == 0)
            return locale;
    }
    return QLocale::system();
}

void Traduzioni::Installa(const QString& lingua)
{
    QCoreApplication::removeTranslator(&TraduttoreQt());
    QCoreApplication::removeTranslator(&TraduttoreProgramma());
    const QLocale locale = LocaleDellaLingua(lingua);
    // Empty translators for English, which is what the texts are written in.
    if (TraduttoreQt().load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&TraduttoreQt());
    if (TraduttoreProgramma().load(locale, QStringLiteral("zelmartek"), QStringLiteral("_"),
                                   QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&TraduttoreProgramma());
    LocaleDocumenti::Imposta(locale);
    // The platform's own dialogs speak the system's language: where that is not the
    // interface's, Qt's dialogs, translated above, are shown instead.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs,
                                   locale.language() != QLocale::system().language());
}

QLocale Traduzioni::LocaleInterfaccia()
{
    return LocaleDellaLingua(ZelmarCommonModule::GetLingua());
}
