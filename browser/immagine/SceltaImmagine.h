// Which picture file the detail display tries for an entry: its own image in the kind's
// image folder, then the placeholder; never a file outside the image folder.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

class SceltaImmagine
{
public:
    // Files to try in order; the first one that loads as a picture is shown.
    static QStringList Candidati(int codice, const std::optional<QString>& immagine);
    // The entry's own picture, read; a null image when it has none (or only the placeholder).
    static QImage PropriaDellaVoce(int codice, const std::optional<QString>& immagine);
    // The entry's own picture file in the kind's image folder, whether it exists or not;
    // empty when the entry has none (no value, the no-image marker, an unsafe name, a kind
    // that always shows the placeholder).
    static QString PercorsoProprio(int codice, const std::optional<QString>& immagine);
    // A plain file name of the folder: no folder separators, not "." or "..", not absolute,
    // not empty.
    static bool NomeAccettabile(const QString& nome);
};
