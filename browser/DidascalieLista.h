// Captions the material list puts on the rating line and on the band rows for each kind:
// one for a fresh fill of the list, one for a keyword choice.
#pragma once

#include <QString>
#include <optional>

class DidascalieLista
{
public:
    // Rating line after a fill: message + " = "; empty for a code that is no kind.
    static QString RigaDopoRiempimento(int codice);
    // Rating line after a keyword choice: message + "= "; nullopt leaves it as it is.
    static std::optional<QString> RigaDopoScelta(int codice);
    // Heading of the three band rows ("Ri [dB]", ...); empty for a code that is no kind.
    static QString IntestazioneBande(int codice);
    // Whether a keyword choice also sets the band-row headings.
    static bool SceltaImpostaIntestazione(int codice);
};
