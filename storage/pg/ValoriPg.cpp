#include "ValoriPg.h"

#include <charconv>
#include <libpq-fe.h>
#include <limits>

namespace {

// A number as the server writes it: every digit it has, or one of its words for the
// values that are not finite.
double Numero(const char* testo, int lunghezza)
{
    const QByteArrayView t(testo, lunghezza);
    if (t == "Infinity")
        return std::numeric_limits<double>::infinity();
    if (t == "-Infinity")
        return -std::numeric_limits<double>::infinity();
    double numero = std::numeric_limits<double>::quiet_NaN();
    std::from_chars(testo, testo + lunghezza, numero);
    return numero;
}

} // namespace

namespace ValoriPg {

QVariant Valore(const PGresult* r, int riga, int campo, const TabellaPg::Colonna& colonna)
{
    if (PQgetisnull(r, riga, campo))
        return {};
    const char* testo = PQgetvalue(r, riga, campo);
    const int lunghezza = PQgetlength(r, riga, campo);
    if (colonna.numerica)
        return Numero(testo, lunghezza);
    if (colonna.binaria)
        return QByteArray::fromHex(QByteArray(testo, lunghezza).mid(2)); // "\x" and hex digits
    return QString::fromUtf8(testo, lunghezza);
}

QByteArray Utf8(const PGresult* r, int riga, int campo, const TabellaPg::Colonna& colonna)
{
    if (colonna.numerica)
        return Valore(r, riga, campo, colonna).toString().toUtf8();
    return QByteArray::fromRawData(PQgetvalue(r, riga, campo), PQgetlength(r, riga, campo));
}

} // namespace ValoriPg
