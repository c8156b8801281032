#include "TestiVisti.h"

#include <algorithm>
#include <cstring>

bool TestiVisti::Nuovo(QByteArrayView testo)
{
    if (2 * testi_.size() >= posti_.size())
        Allarga();
    for (size_t i = Posto(testo);; i = (i + 1) & (posti_.size() - 1)) {
        if (posti_[i] < 0) {
            posti_[i] = int(testi_.size());
            testi_.emplace_back(testo.data(), testo.size());
            return true;
        }
        const QByteArray& visto = testi_[size_t(posti_[i])];
        if (visto.size() == testo.size() &&
            (testo.isEmpty() || std::memcmp(visto.constData(), testo.data(), size_t(testo.size())) == 0))
            return false;
    }
}

size_t TestiVisti::Posto(QByteArrayView testo) const
{
    quint64 inizio = 0, fine = 0;
    const auto n = size_t(testo.size());
    if (n == 0)
        return 0;
    std::memcpy(&inizio, testo.data(), std::min<size_t>(n, 8));
    if (n > 8)
        std::memcpy(&fine, testo.data() + n - std::min<size_t>(n - 8, 8), std::min<size_t>(n - 8, 8));
    const quint64 h = inizio * 0x9E3779B97F4A7C15ull ^ (fine + n * 0xBF58476D1CE4E5B9ull);
    return size_t(h ^ (h >> 29)) & (posti_.size() - 1);
}

void TestiVisti::Allarga()
{
    posti_.assign(std::max<size_t>(1024, 4 * posti_.size()), -1); // a power of two
    for (size_t t = 0; t < testi_.size(); ++t)
        for (size_t i = Posto(testi_[t]);; i = (i + 1) & (posti_.size() - 1))
            if (posti_[i] < 0) {
                posti_[i] = int(t);
                break;
            }
}
