#include "ImpostazioniUtente.h"

#include <QSettings>

namespace {

// ~/.config/ZELMARtek/zelmartek.conf (below $XDG_CONFIG_HOME when that is set).
QSettings Impostazioni()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("ZELMARtek"),
                     QStringLiteral("zelmartek"));
}

} // namespace

QVariant ImpostazioniUtente::Leggi(const QString& chiave, const QVariant& predefinito)
{
    return Impostazioni().value(chiave, predefinito);
}

void ImpostazioniUtente::Scrivi(const QString& chiave, const QVariant& valore)
{
    QSettings impostazioni = Impostazioni();
    impostazioni.setValue(chiave, valore);
}
