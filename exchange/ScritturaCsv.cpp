#include "ScritturaCsv.h"

#include "model/FormatoNumero.h"

#include <charconv>
#include <cmath>

QString ScritturaCsv::Testo(const QString& testo)
{
    const bool racchiudere = testo.contains(QLatin1Char(';')) || testo.contains(QLatin1Char('"')) ||
                             testo.contains(QLatin1Char('\n')) || testo.contains(QLatin1Char('\r'));
    if (!racchiudere)
        return testo;
    QString interno = testo;
    interno.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + interno + QLatin1Char('"');
}

QString ScritturaCsv::Numero(double valore)
{
    if (!std::isfinite(valore))
        return QString();
    char buffer[400];
    const auto fine = std::to_chars(buffer, buffer + sizeof(buffer), valore, std::chars_format::fixed).ptr;
    QString testo = QString::fromLatin1(buffer, int(fine - buffer));
    if (testo == QLatin1String("-0"))
        testo = QStringLiteral("0");
    return testo.replace(QLatin1Char('.'), QLatin1Char(','));
}

QString ScritturaCsv::Valore(const QVariant& valore)
{
    if (valore.isNull())
        return QString();
    if (FormatoNumero::Numerico(valore))
        return Numero(valore.toDouble());
    if (valore.typeId() == QMetaType::QByteArray) // a binary column, as hexadecimal digits
        return QStringLiteral("0x") + QString::fromLatin1(valore.toByteArray().toHex());
    return Testo(valore.toString());
}

QString ScritturaCsv::Riga(const QStringList& campi)
{
    return campi.join(QLatin1Char(';')) + QLatin1String("\r\n");
}

QByteArray ScritturaCsv::Inizio()
{
    return QByteArrayLiteral("\xEF\xBB\xBF");
}
