#include "Traduzioni.h"

#include "ZelmarCommonModule.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

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
}

void Traduzioni::ImpostaCalendario(QCalendarWidget* calendario)
{
    calendario->setLocale(LocaleDellaLingua(ZelmarCommonModule::GetLingua()));
}
