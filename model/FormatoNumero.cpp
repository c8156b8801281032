#include "FormatoNumero.h"

#include <QLocale>

#include <charconv>
#include <cmath>

namespace {

template <typename T> QString TestoBreve(T valore, const QLocale& locale)
{
    if (!std::isfinite(valore))
        return QString::number(valore);
    char buffer[128];
    const auto risultato = std::to_chars(buffer, buffer + sizeof(buffer), valore, std::chars_format::fixed);
    QString testo = QString::fromLatin1(buffer, int(risultato.ptr - buffer));
    if (testo == QLatin1String("-0"))
        testo = QStringLiteral("0");
    testo.replace(QLatin1Char('.'), locale.decimalPoint());
    if (testo.startsWith(QLatin1Char('-')))
        testo.replace(0, 1, locale.negativeSign());
    return testo;
}

} // namespace

QString FormatoNumero::Testo(double valore, const QLocale& locale)
{
    return TestoBreve(valore, locale);
}

QString FormatoNumero::TestoSingolo(float valore)
{
    return TestoBreve(valore, QLocale());
}

bool FormatoNumero::Numerico(const QVariant& valore)
{
    switch (valore.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

QString FormatoNumero::TestoCampo(const QVariant& valore, const QLocale& locale)
{
    if (valore.isNull())
        return {};
    return Numerico(valore) ? Testo(valore.toDouble(), locale) : valore.toString();
}
