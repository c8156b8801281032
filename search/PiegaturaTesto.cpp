#include "PiegaturaTesto.h"

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

PiegaturaTesto::PiegaturaTesto(QStringView cercato) : cercato_(Piega(cercato.trimmed())) {}

bool PiegaturaTesto::In(QStringView testo) const
{
    // Most stored texts are plain ASCII: compared in place, without a folded copy.
    if (SoloAscii(testo))
        return testo.contains(cercato_, Qt::CaseInsensitive);
    return Piega(testo).contains(cercato_);
}
