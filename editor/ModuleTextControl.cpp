#include "ModuleTextControl.h"

#include <QLocale>

namespace ModuleTextControl {

namespace {

bool IsCifra(int tasto)
{
    return tasto >= '0' && tasto <= '9';
}

// Selecting the whole text (or typing into an empty box) replaces everything, so the
// rules about what the text already holds do not apply.
bool TuttoSelezionato(const QString& testo, const QString& selezione)
{
    return selezione == testo;
}

bool MenoConsentitoInTesta(bool consentiNegativo, const QString& testo, int cursore, bool tutto)
{
    return consentiNegativo && cursore == 0 && (!testo.startsWith(QLatin1Char('-')) || tutto);
}

} // namespace

Separatori SeparatoriDaImpostazioni(const QString& decimale, const QString& migliaia)
{
    return {decimale.isEmpty() ? QChar(u'.') : decimale.at(0),
            migliaia.isEmpty() ? QChar(u' ') : migliaia.at(0)};
}

Separatori SeparatoriLocali()
{
    const QLocale locale;
    return SeparatoriDaImpostazioni(locale.decimalPoint(), locale.groupSeparator());
}

int FiltroDecimale(int tasto, bool consentiNegativo, const QString& testo, int cursore,
                   const QString& selezione, QChar separatore)
{
    const bool tutto = TuttoSelezionato(testo, selezione);
    bool separatoreConsentito =
        (!testo.contains(separatore) && !(testo.startsWith(QLatin1Char('-')) && cursore == 0)) || tutto;
    bool menoConsentito = MenoConsentitoInTesta(consentiNegativo, testo, cursore, tutto);
    bool esponenteConsentito = false;

    if (cursore > 0) {
        if (tasto == 'e')
            tasto = TastoE;
        const QChar prima = cursore <= testo.size() ? testo.at(cursore - 1) : QChar();
        esponenteConsentito = prima != QLatin1Char('-') && !tutto && !testo.contains(QLatin1Char('E'));
        if (prima == QLatin1Char('E'))
            menoConsentito = true;
        // In the exponent there is no room for a decimal separator.
        if (testo.left(cursore).contains(QLatin1Char('E')))
            separatoreConsentito = false;
    }

    if (IsCifra(tasto) || tasto == TastoBackspace)
        return tasto;
    if (separatoreConsentito && tasto == separatore.unicode())
        return tasto;
    if (menoConsentito && tasto == TastoMeno)
        return tasto;
    if (esponenteConsentito && tasto == TastoE)
        return tasto;
    return 0;
}

int FiltroIntero(int tasto, bool consentiNegativo, const QString& testo, int cursore,
                 const QString& selezione, QChar)
{
    const bool menoConsentito =
        MenoConsentitoInTesta(consentiNegativo, testo, cursore, TuttoSelezionato(testo, selezione));
    if (IsCifra(tasto) || tasto == TastoBackspace)
        return tasto;
    if (menoConsentito && tasto == TastoMeno)
        return tasto;
    return 0;
}

} // namespace ModuleTextControl
