#include "TestiVisti.h"

#include <QtGlobal>
#include <algorithm>
#include <cstring>

size_t TestiVisti::Numero(const char* testo, size_t byte)
{
    if (2 * usati_ >= posti_.size())
        Allarga();
    const size_t hash = Hash(testo, byte);
    for (size_t i = hash & (posti_.size() - 1);; i = (i + 1) & (posti_.size() - 1)) {
        Posto& posto = posti_[i];
        if (posto.byte == Libero) {
            posto = {hash, byte, testi_.size(), usati_};
            testi_.append(testo, byte);
            return usati_++;
        }
        if (posto.hash == hash && posto.byte == byte && testi_.compare(posto.inizio, byte, testo, byte) == 0)
            return posto.numero;
    }
}

// Every byte, eight at a time (the last eight overlapping): keywords of one pattern that
// differ only in the middle ("Parete tipo 12 intonacata") must not share a place.
size_t TestiVisti::Hash(const char* testo, size_t byte)
{
    quint64 h = byte * 0x9E3779B97F4A7C15ull, otto = 0;
    const auto mescola = [&h](quint64 v) {
        h = (h ^ v) * 0xBF58476D1CE4E5B9ull;
        h ^= h >> 31;
    };
    if (byte < 8) {
        if (byte > 0)
            std::memcpy(&otto, testo, byte);
        mescola(otto);
        return size_t(h);
    }
    for (size_t i = 0; i + 8 < byte; i += 8) {
        std::memcpy(&otto, testo + i, 8);
        mescola(otto);
    }
    std::memcpy(&otto, testo + byte - 8, 8);
    mescola(otto);
    return size_t(h);
}

void TestiVisti::Allarga()
{
    std::vector<Posto> vecchi(std::max<size_t>(1024, 4 * posti_.size())); // a power of two
    vecchi.swap(posti_);
    for (const Posto& posto : vecchi) {
        if (posto.byte == Libero)
            continue;
        size_t i = posto.hash & (posti_.size() - 1);
        while (posti_[i].byte != Libero)
            i = (i + 1) & (posti_.size() - 1);
        posti_[i] = posto;
    }
}
