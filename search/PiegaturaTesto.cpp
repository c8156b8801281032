#include "PiegaturaTesto.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

bool SoloAscii(QStringView testo)
{
    for (const QChar c : testo)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

// The full rule, for one text: compatibility decomposition, marks dropped, case folded.
QString PiegaCompleta(QStringView testo)
{
    const QString scomposto = testo.toString().normalized(QString::NormalizationForm_KD);
    QString piegato;
    piegato.reserve(scomposto.size());
    for (const QChar c : scomposto)
        if (c.category() != QChar::Mark_NonSpacing && c.category() != QChar::Mark_SpacingCombining &&
            c.category() != QChar::Mark_Enclosing)
            piegato += c;
    return piegato.toCaseFolded();
}

// The folded form in UTF-8 of every letter of the Latin, Greek and Cyrillic blocks (U+0080 to
// U+052F, U+1E00 to U+1EFF), made once by the full rule: a text is then folded letter by
// letter on its bytes, as the full rule folds it, without decoding or normalising it.
class Tavola
{
public:
    static const Tavola& Unica()
    {
        static const Tavola tavola;
        return tavola;
    }

    // Appends the folded text to piegato; false (piegato then undefined) when the text has a
    // letter outside the table or bytes that are no UTF-8.
    bool Piega(const char* testo, size_t byte, std::string& piegato) const
    {
        piegato.clear();
        piegato.reserve(byte);
        for (size_t i = 0; i < byte;) {
            size_t fine = i;
            while (fine < byte && static_cast<unsigned char>(testo[fine]) < 0x80)
                ++fine;
            if (fine > i) { // a run of plain ASCII, lowered where it lands
                const size_t da = piegato.size();
                piegato.append(testo + i, fine - i);
                for (size_t k = da; k < piegato.size(); ++k)
                    if (piegato[k] >= 'A' && piegato[k] <= 'Z')
                        piegato[k] = char(piegato[k] - 'A' + 'a');
                i = fine;
                continue;
            }
            const auto c = static_cast<unsigned char>(testo[i]);
            char32_t punto = 0;
            if ((c & 0xE0) == 0xC0 && i + 1 < byte && (testo[i + 1] & 0xC0) == 0x80) {
                punto = char32_t(c & 0x1F) << 6 | char32_t(testo[i + 1] & 0x3F);
                i += 2;
            } else if ((c & 0xF0) == 0xE0 && i + 2 < byte && (testo[i + 1] & 0xC0) == 0x80 &&
                       (testo[i + 2] & 0xC0) == 0x80) {
                punto = char32_t(c & 0x0F) << 12 | char32_t(testo[i + 1] & 0x3F) << 6 |
                        char32_t(testo[i + 2] & 0x3F);
                i += 3;
            } else {
                return false;
            }
            const Voce* voce = Cerca(punto);
            if (!voce || voce->byte == Assente)
                return false;
            piegato.append(voce->testo, voce->byte);
        }
        return true;
    }

private:
    static constexpr unsigned char Assente = 0xFF;
    struct Voce
    {
        unsigned char byte = Assente;
        char testo[7] = {};
    };
    static constexpr char32_t PrimoA = 0x80, FineA = 0x530, PrimoB = 0x1E00, FineB = 0x1F00;

    Tavola() : voci_((FineA - PrimoA) + (FineB - PrimoB))
    {
        const auto riempi = [&](char32_t primo, char32_t fine, size_t da) {
            for (char32_t punto = primo; punto < fine; ++punto) {
                const QByteArray piegato = PiegaCompleta(QString::fromUcs4(&punto, 1)).toUtf8();
                Voce& voce = voci_[da + (punto - primo)];
                if (piegato.size() <= qsizetype(sizeof voce.testo)) {
                    voce.byte = static_cast<unsigned char>(piegato.size());
                    std::memcpy(voce.testo, piegato.constData(), size_t(piegato.size()));
                }
            }
        };
        riempi(PrimoA, FineA, 0);
        riempi(PrimoB, FineB, FineA - PrimoA);
    }

    const Voce* Cerca(char32_t punto) const
    {
        if (punto >= PrimoA && punto < FineA)
            return &voci_[punto - PrimoA];
        if (punto >= PrimoB && punto < FineB)
            return &voci_[(FineA - PrimoA) + (punto - PrimoB)];
        return nullptr;
    }

    std::vector<Voce> voci_;
};

} // namespace

QString PiegaturaTesto::Piega(QStringView testo)
{
    if (SoloAscii(testo))
        return testo.toString().toLower();
    const QByteArray utf8 = testo.toUtf8();
    std::string piegato;
    if (Tavola::Unica().Piega(utf8.constData(), size_t(utf8.size()), piegato))
        return QString::fromStdString(piegato);
    return PiegaCompleta(testo);
}

void PiegaturaTesto::PiegaUtf8(std::string& testo)
{
    std::string piegato;
    if (Tavola::Unica().Piega(testo.data(), testo.size(), piegato))
        testo.swap(piegato);
    else
        testo =
            PiegaCompleta(QString::fromUtf8(testo.data(), qsizetype(testo.size()))).toUtf8().toStdString();
}

PiegaturaTesto::PiegaturaTesto(QStringView cercato)
    : cercato_(Piega(cercato.trimmed())), cercatoUtf8_(cercato_.toUtf8().toStdString()),
      cercatoAscii_(SoloAscii(cercato_))
{
}

// Whether the text holds the folded ASCII text searched for, letter case ignored. The places
// where its first letter may stand are found sixteen bytes at a time; a text with other
// letters than ASCII, where nothing was found, is told by senzaAltre false.
bool PiegaturaTesto::InAscii(const unsigned char* testo, size_t byte, bool& senzaAltre) const
{
    const auto minuscola = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c | 0x20 : c; };
    const auto* cercato = reinterpret_cast<const unsigned char*>(cercatoUtf8_.data());
    const size_t m = cercatoUtf8_.size();
    const auto qui = [&](size_t i) {
        size_t k = 0;
        while (k < m && minuscola(testo[i + k]) == cercato[k])
            ++k;
        return k == m;
    };
    unsigned alti = 0;
    size_t i = 0;
#ifdef __SSE2__
    // A place is looked at only where both the first and the last letter stand, letter case
    // ignored (or'ing 0x20 makes a few other bytes equal too: the comparison tells).
    const __m128i primo = _mm_set1_epi8(char(cercato[0] | 0x20));
    const __m128i ultimo = _mm_set1_epi8(char(cercato[m - 1] | 0x20));
    const __m128i spazio = _mm_set1_epi8(0x20);
    const auto uguali = [&](const unsigned char* da, __m128i lettera, __m128i& blocco) {
        blocco = _mm_loadu_si128(reinterpret_cast<const __m128i*>(da));
        return _mm_cmpeq_epi8(_mm_or_si128(blocco, spazio), lettera);
    };
    for (; i + m - 1 + 16 <= byte; i += 16) {
        __m128i inizi, fini;
        const __m128i posti =
            _mm_and_si128(uguali(testo + i, primo, inizi), uguali(testo + i + m - 1, ultimo, fini));
        alti |= unsigned(_mm_movemask_epi8(inizi));
        for (unsigned p = unsigned(_mm_movemask_epi8(posti)); p != 0; p &= p - 1)
            if (qui(i + size_t(__builtin_ctz(p))))
                return true;
    }
#endif
    for (; i < byte; ++i) {
        alti |= testo[i] & 0x80;
        if (i + m <= byte && qui(i))
            return true;
    }
    senzaAltre = alti == 0;
    return false;
}

bool PiegaturaTesto::In(QByteArrayView utf8) const
{
    const auto* byte = reinterpret_cast<const unsigned char*>(utf8.data());
    const size_t n = size_t(utf8.size());
    // Searched where it is, no copy: a plain ASCII text, nearly every stored one, is then done
    // with. What holds the text in its ASCII letters holds it folded too.
    bool senzaAltre = false;
    if (cercatoAscii_ && !cercatoUtf8_.empty() && (InAscii(byte, n, senzaAltre) || senzaAltre))
        return !senzaAltre;
    // Folded into one buffer per thread, reused row after row.
    thread_local std::string piegato;
    if (!Tavola::Unica().Piega(utf8.data(), size_t(utf8.size()), piegato))
        return Piega(QString::fromUtf8(utf8)).contains(cercato_);
    return std::string_view(piegato).find(cercatoUtf8_) != std::string_view::npos;
}
