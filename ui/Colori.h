// The program's own colours, one place for every window that draws with them.
#pragma once

#include <QColor>

namespace Colori {
// &H4B2516 in the blue-green-red order of the stored colour values: the dark blue of
// texts, frame titles and title bars.
inline const QColor BluScuro(0x16, 0x25, 0x4B);
// &HF0F0F0: the grey of window backgrounds and locked caption boxes.
inline const QColor Grigio(0xF0, 0xF0, 0xF0);
} // namespace Colori
