// Key filters of the editor's number boxes: they decide, one key press at a time,
// whether the typed character can still form a valid number in the box.
#pragma once

#include <QChar>
#include <QString>

namespace ModuleTextControl {

// Character codes the filters know.
constexpr int TastoBackspace = 8;
constexpr int TastoMeno = 45;
constexpr int TastoE = 69;

struct Separatori
{
    QChar decimale;
    QChar migliaia;
};

// The decimal and thousands separators of the user's number settings (QLocale()).
Separatori SeparatoriLocali();
// The first character of each setting; a setting that gives nothing falls back to "."
// for the decimal separator and to a blank for the thousands separator.
Separatori SeparatoriDaImpostazioni(const QString& decimale, const QString& migliaia);

// The shape shared by both filters: the typed character code, whether a leading minus
// is allowed, the box's text, caret position, selected text and the decimal separator.
// Returns the character code to insert (possibly changed) or 0 to drop the key.
using Filtro = int (*)(int tasto, bool consentiNegativo, const QString& testo, int cursore,
                       const QString& selezione, QChar separatore);

// Digits, one decimal separator, an optional leading minus and an exponent "E" with
// its own sign; a typed "e" becomes "E".
int FiltroDecimale(int tasto, bool consentiNegativo, const QString& testo, int cursore,
                   const QString& selezione, QChar separatore);
// Digits and an optional leading minus; separatore is not used.
int FiltroIntero(int tasto, bool consentiNegativo, const QString& testo, int cursore,
                 const QString& selezione, QChar separatore);

} // namespace ModuleTextControl
