#include "AvvisoModificaAltrui.h"

#include "model/FormatoNumero.h"

namespace {

// A value as the boxes show it, on one line and not too long to read in a message.
QString Valore(const QVariant& valore)
{
    if (valore.isNull())
        return AvvisoModificaAltrui::tr("(no value)");
    QString testo = FormatoNumero::TestoCampo(valore).simplified();
    constexpr int kLunghezza = 60;
    if (testo.size() > kLunghezza)
        testo = testo.left(kLunghezza - 1) + QChar(0x2026);
    return QStringLiteral("«%1»").arg(testo);
}

} // namespace

QString AvvisoModificaAltrui::Testo(const std::vector<SalvataggioMateriale::Cambiamento>& cambiate)
{
    QStringList righe;
    for (size_t i = 0; i < cambiate.size() && i < size_t(ColonneElencate); ++i)
        righe << QStringLiteral("%1: %2 → %3")
                     .arg(cambiate[i].colonna, Valore(cambiate[i].mostrato), Valore(cambiate[i].memorizzato));
    if (cambiate.size() > size_t(ColonneElencate))
        righe << tr("and %n more column(s)", "", int(cambiate.size()) - ColonneElencate);
    QString testo = tr("Another user has changed this entry since it was shown, so nothing was saved.");
    if (!righe.isEmpty())
        testo += QStringLiteral("\n\n") + tr("Changed (as shown → as stored now):") + QLatin1Char('\n') +
                 righe.join(QLatin1Char('\n'));
    return testo + QStringLiteral("\n\n") +
           tr("Your values are still in the editor. Press Ok again to save them over these changes, or "
              "Annulla to keep the other user's.");
}
