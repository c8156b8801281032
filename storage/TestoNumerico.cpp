#include "TestoNumerico.h"

#include "DbException.h"

#include <QLocale>
#include <cmath>

namespace TestoNumerico {

double Leggi(const QString& testo, const QString& colonna, const QString& tabella)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double numero = locale.toDouble(testo, &ok);
    if (!ok || !std::isfinite(numero))
        throw DbException(
            DbErrore::ConversioneTipo,
            QStringLiteral("Il valore «%1» non è un numero valido per il campo «%2» della tabella «%3» "
                           "(usare la forma %4).")
                .arg(testo, colonna, tabella, locale.toString(52.5)));
    return numero;
}

} // namespace TestoNumerico
