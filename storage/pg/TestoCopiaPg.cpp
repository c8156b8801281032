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

bool Campi(QByteArrayView riga, QByteArray& valori, std::vector<Campo>& campi)
{
    campi.clear();
    if (riga.endsWith('\n'))
        riga.chop(1);
    // A value is never longer than its escaped form: the values fit in the line's size.
    valori.resize(riga.size());
    char* scritto = valori.data();
    Campo campo{0, 0};
    const auto fineCampo = [&] {
        campi.push_back(campo);
        campo = {scritto - valori.constData(), 0};
    };
    for (qsizetype i = 0; i < riga.size(); ++i) {
        const char c = riga[i];
        if (c == '\t') {
            fineCampo();
            continue;
        }
        if (c != '\\') {
            *scritto++ = c;
            ++campo.lunghezza;
            continue;
        }
        if (++i == riga.size())
            return false;
        char valore = riga[i];
        switch (riga[i]) {
        case 'N':
            if (campo.lunghezza != 0 || (i + 1 < riga.size() && riga[i + 1] != '\t'))
                return false;
            campo.lunghezza = -1;
            continue;
        case 't':
            valore = '\t';
            break;
        case 'n':
            valore = '\n';
            break;
        case 'r':
            valore = '\r';
            break;
        case 'b':
            valore = '\b';
            break;
        case 'f':
            valore = '\f';
            break;
        case 'v':
            valore = '\v';
            break;
        default:
            break; // the server writes no other escape but a backslash before itself
        }
        *scritto++ = valore;
        ++campo.lunghezza;
    }
    fineCampo();
    return true;
}

} // namespace TestoCopiaPg
