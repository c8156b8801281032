#include "LocaleDocumenti.h"

#include "RecordMateriale.h"

#include <optional>

namespace {

std::optional<QLocale>& Impostato()
{
    static std::optional<QLocale> locale;
    return locale;
}

} // namespace

QLocale LocaleDocumenti::Locale()
{
    return Impostato().value_or(QLocale());
}

void LocaleDocumenti::Imposta(const QLocale& locale)
{
    Impostato() = locale;
}

QString LocaleDocumenti::Data(const QDate& data)
{
    const QLocale locale = Locale();
    QString formato = locale.dateFormat(QLocale::ShortFormat);
    if (!formato.contains(QLatin1String("yyyy")))
        formato.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return locale.toString(data, formato);
}

QString LocaleDocumenti::DataProva(const QString& testo)
{
    const QDate data = RecordMateriale::LeggiData(testo);
    return data.isValid() ? Data(data) : testo;
}
