#include "PiegaturaTesto.h"

#include <algorithm>

namespace {

bool SoloAscii(QStringView testo)
{
    for (const QChar c : testo)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

} // namespace

QString PiegaturaTesto::Piega(QStringView testo)
{
    if (SoloAscii(testo))
        return testo.toString().toLower();
    const QString scomposto = testo.toString().normalized(QString::NormalizationForm_KD);
    QString piegato;
    piegato.reserve(scomposto.size());
    for (const QChar c : scomposto)
        if (c.category() != QChar::Mark_NonSpacing && c.category() != QChar::Mark_SpacingCombining &&
            c.category() != QChar::Mark_Enclosing)
            piegato += c;
    return piegato.toCaseFolded();
}

void PiegaturaTesto::PiegaUtf8(std::string& testo)
{
    for (char& c : testo) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            testo = Piega(QString::fromUtf8(testo.data(), qsizetype(testo.size()))).toUtf8().toStdString();
            return;
        }
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
}

PiegaturaTesto::PiegaturaTesto(QStringView cercato) : cercato_(Piega(cercato.trimmed()))
{
    if (SoloAscii(cercato_))
        cercatoAscii_ = cercato_.toLatin1();
}

bool PiegaturaTesto::In(QByteArrayView utf8) const
{
    const bool ascii =
        std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii)
        return In(QString::fromUtf8(utf8));
    if (cercatoAscii_.isEmpty())
        return cercato_.isEmpty();
    const auto minuscola = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::search(utf8.begin(), utf8.end(), cercatoAscii_.begin(), cercatoAscii_.end(),
                       [&](char a, char b) { return minuscola(a) == b; }) != utf8.end();
}

bool PiegaturaTesto::In(QStringView testo) const
{
    // Most stored texts are plain ASCII: compared in place, without a folded copy.
    if (SoloAscii(testo))
        return testo.contains(cercato_, Qt::CaseInsensitive);
    return Piega(testo).contains(cercato_);
}
