#include "RigaValutazione.h"

#include "FormatoNumero.h"

QString RigaValutazione::Di(const RecordMateriale& record, const TipoMateriale& tipo, const QLocale& locale)
{
    const auto testo = [&record, &locale](RecordSchema::Campo campo) {
        return FormatoNumero::TestoCampo(record.Valore(campo), locale);
    };
    QString riga = QString::fromUtf8(tipo.rigaValutazione);
    const auto& v = tipo.valutazioni;
    riga += testo(v[0].campo) + QLatin1Char('(');
    for (size_t i = 1; i < v.size(); ++i) {
        // The airborne terms are joined by a comma and a blank, the impact terms by a comma.
        if (i > 1)
            riga += v[1].significato == Significato::C ? QStringLiteral(", ") : QStringLiteral(",");
        riga += testo(v[i].campo);
    }
    return riga + QStringLiteral(") dB");
}
