// What the command-line tools share: their exit statuses and writing text to a stream.
#pragma once

#include <QString>
#include <cstdio>

namespace Strumenti {

constexpr int Riuscito = 0;  // done
constexpr int Fallito = 1;   // some file could not be read or written; told on standard error
constexpr int UsoErrato = 2; // wrong usage; the message names the argument

// The text as UTF-8, as it is.
inline void Scrivi(FILE* flusso, const QString& testo)
{
    const QByteArray utf8 = testo.toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), flusso);
}

} // namespace Strumenti
