#include "TestoCopiaPg.h"

namespace TestoCopiaPg {

void Aggiungi(QByteArray& riga, const char* byte, qsizetype lunghezza)
{
    const char* inizio = byte;
    const char* fine = byte + lunghezza;
    for (const char* c = byte; c < fine; ++c) {
        const char sostituto = *c == '\\' ? '\\' : *c == '\t' ? 't' : *c == '\n' ? 'n' : *c == '\r' ? 'r' : 0;
        if (!sostituto)
            continue;
        riga.append(inizio, c - inizio);
        riga += '\\';
        riga += sostituto;
        inizio = c + 1;
    }
    riga.append(inizio, fine - inizio);
}

bool Campi(const QByteArray& riga, std::vector<std::optional<QByteArray>>& campi)
{
    campi.clear();
    qsizetype fine = riga.size();
    if (fine > 0 && riga[fine - 1] == '\n')
        --fine;
    QByteArray campo;
    bool nullo = false;
    for (qsizetype i = 0; i <= fine; ++i) {
        if (i == fine || riga[i] == '\t') {
            campi.push_back(nullo ? std::nullopt : std::optional(campo));
            campo.clear();
            nullo = false;
            continue;
        }
        if (riga[i] != '\\') {
            qsizetype fineTratto = i + 1;
            while (fineTratto < fine && riga[fineTratto] != '\t' && riga[fineTratto] != '\\')
                ++fineTratto;
            campo.append(riga.constData() + i, fineTratto - i);
            i = fineTratto - 1;
            continue;
        }
        if (++i == fine)
            return false;
        switch (riga[i]) {
        case 'N':
            nullo = campo.isEmpty() && (i + 1 == fine || riga[i + 1] == '\t');
            if (!nullo)
                return false;
            break;
        case 't':
            campo += '\t';
            break;
        case 'n':
            campo += '\n';
            break;
        case 'r':
            campo += '\r';
            break;
        case 'b':
            campo += '\b';
            break;
        case 'f':
            campo += '\f';
            break;
        case 'v':
            campo += '\v';
            break;
        default:
            // The server writes no other escape but a backslash before itself.
            campo += riga[i];
        }
    }
    return true;
}

} // namespace TestoCopiaPg
