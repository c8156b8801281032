#include "FirmaJet.h"

namespace FirmaJet {

namespace {
// A Jet or ACE file starts with 00 01 00 00 and its engine's name at offset 4.
bool HaFirma(const QByteArray& primiByte, const QByteArray& firma)
{
    return primiByte.size() >= 4 + firma.size() &&
           primiByte.startsWith(QByteArrayLiteral("\x00\x01\x00\x00")) &&
           primiByte.mid(4, firma.size()) == firma;
}
} // namespace

bool IsJetHeader(const QByteArray& primiByte)
{
    return HaFirma(primiByte, QByteArrayLiteral("Standard Jet DB")) || IsAceHeader(primiByte);
}

bool IsAceHeader(const QByteArray& primiByte)
{
    return HaFirma(primiByte, QByteArrayLiteral("Standard ACE DB"));
}

} // namespace FirmaJet
