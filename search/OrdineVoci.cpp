#include "OrdineVoci.h"

#include "PiegaturaTesto.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

constexpr int LettereNellaMeta = 10; // in each half of a key
constexpr size_t LettereNellaChiave = 2 * LettereNellaMeta;
constexpr int BitsLettera = 6;
constexpr size_t LettereNelSecchio = 2; // the first sorting, by counting

// A byte of a folded UTF-8 text as 6 bits, never decreasing as the byte grows; 0 is the end
// of the text.
quint64 Codice(unsigned char c)
{
    if (c < 0x20)
        return 1;
    if (c < 0x40) // space, marks, digits
        return 2 + (c - 0x20);
    if (c < 'a')
        return 34;
    if (c <= 'z')
        return 35 + (c - 'a');
    return c < 0x80 ? 61 : 62;
}

// Ten bytes of a folded text, from the given one on, packed so that comparing them compares
// the bytes; 0 for the bytes after the end of the text.
quint64 Meta(const std::string& piegato, size_t da)
{
    quint64 chiave = 0;
    for (size_t i = da; i < da + LettereNellaMeta; ++i)
        chiave =
            chiave << BitsLettera | (i < piegato.size() ? Codice(static_cast<unsigned char>(piegato[i])) : 0);
    return chiave;
}

struct Chiave
{
    quint64 alta, bassa;
    quint32 posto;

    Chiave(const std::string& piegato, size_t da, quint32 p)
        : alta(Meta(piegato, da)), bassa(Meta(piegato, da + LettereNellaMeta)), posto(p)
    {
    }
    bool Prima(const Chiave& altra) const
    {
        return alta != altra.alta ? alta < altra.alta : bassa < altra.bassa;
    }
    bool Uguale(const Chiave& altra) const { return alta == altra.alta && bassa == altra.bassa; }
    bool Finita() const { return (bassa & ((1u << BitsLettera) - 1)) == 0; }
};

std::vector<quint32> Posti(size_t quante)
{
    std::vector<quint32> posti(quante);
    std::iota(posti.begin(), posti.end(), 0);
    return posti;
}

constexpr size_t RunBreve = 64; // sorted by whole texts

using OrdineVoci::TestoUtf8;

// Sorts places by their whole texts: folded, then as written (when equal once folded, as
// written only).
void OrdinaInteri(quint32* inizio, quint32* fine, bool piegatiUguali, const TestoUtf8& testo,
                  bool decrescente)
{
    std::vector<std::pair<std::string, quint32>> testi;
    for (quint32* p = inizio; p != fine; ++p) {
        std::string piegato;
        if (!piegatiUguali) {
            testo(*p, piegato);
            PiegaturaTesto::PiegaUtf8(piegato);
        }
        testi.emplace_back(std::move(piegato), *p);
    }
    std::string a1, b1;
    std::stable_sort(testi.begin(), testi.end(), [&](const auto& a, const auto& b) {
        int c = a.first.compare(b.first);
        if (c == 0 && a.second != b.second) {
            testo(a.second, a1);
            testo(b.second, b1);
            c = a1.compare(b1);
        }
        return decrescente ? c > 0 : c < 0;
    });
    for (size_t k = 0; k < testi.size(); ++k)
        inizio[k] = testi[k].second;
}

// Sorts a run of places whose texts agree, once folded, before the byte da: by the next
// bytes' keys, then each run of equal keys further on; short runs by their whole texts.
void OrdinaRun(quint32* inizio, quint32* fine, size_t da, const TestoUtf8& testo, bool decrescente)
{
    const size_t quante = size_t(fine - inizio);
    if (quante < 2)
        return;
    if (quante <= RunBreve)
        return OrdinaInteri(inizio, fine, false, testo, decrescente);
    std::vector<Chiave> chiavi;
    chiavi.reserve(quante);
    std::string piegato;
    for (quint32* p = inizio; p != fine; ++p) {
        testo(*p, piegato);
        PiegaturaTesto::PiegaUtf8(piegato);
        chiavi.emplace_back(piegato, da, *p);
    }
    std::stable_sort(chiavi.begin(), chiavi.end(),
                     [&](const Chiave& a, const Chiave& b) { return decrescente ? b.Prima(a) : a.Prima(b); });
    for (size_t k = 0; k < quante; ++k)
        inizio[k] = chiavi[k].posto;
    for (size_t a = 0, b = 0; a < quante; a = b) {
        for (b = a + 1; b < quante && chiavi[b].Uguale(chiavi[a]);)
            ++b;
        if (b - a < 2)
            continue;
        // Texts ending within the key are equal once folded.
        if (chiavi[a].Finita())
            OrdinaInteri(inizio + a, inizio + b, true, testo, decrescente);
        else
            OrdinaRun(inizio + a, inizio + b, da + LettereNellaChiave, testo, decrescente);
    }
}

} // namespace

std::vector<quint32> OrdineVoci::PerNumero(size_t quante,
                                           const std::function<std::optional<double>(size_t)>& numero,
                                           bool decrescente)
{
    std::vector<float> chiavi(quante);
    for (size_t i = 0; i < quante; ++i) {
        const std::optional<double> n = numero(i);
        chiavi[i] = n ? float(decrescente ? -*n : *n) : INFINITY;
    }
    std::vector<quint32> posti = Posti(quante);
    std::stable_sort(posti.begin(), posti.end(), [&](quint32 a, quint32 b) { return chiavi[a] < chiavi[b]; });
    return posti;
}

// First by counting, on the first letters, into buckets of one small key each; then each
// bucket by its keys further on.
std::vector<quint32> OrdineVoci::PerTesto(size_t quante, const TestoUtf8& testo, bool decrescente)
{
    constexpr size_t Secchi = size_t(1) << (BitsLettera * LettereNelSecchio);
    std::vector<quint16> secchi(quante);
    std::vector<size_t> inizi(Secchi + 1);
    std::string piegato;
    for (size_t i = 0; i < quante; ++i) {
        testo(i, piegato);
        PiegaturaTesto::PiegaUtf8(piegato);
        const auto secchio =
            quint16(Meta(piegato, 0) >> (BitsLettera * (LettereNellaMeta - LettereNelSecchio)));
        secchi[i] = decrescente ? quint16(Secchi - 1 - secchio) : secchio;
        ++inizi[secchi[i] + 1];
    }
    std::partial_sum(inizi.begin(), inizi.end(), inizi.begin());
    std::vector<quint32> posti(quante);
    std::vector<size_t> prossimi(inizi.begin(), inizi.end() - 1);
    for (size_t i = 0; i < quante; ++i)
        posti[prossimi[secchi[i]]++] = quint32(i);
    secchi = {};
    for (size_t s = 0; s < Secchi; ++s) {
        quint32* inizio = posti.data() + inizi[s];
        quint32* fine = posti.data() + inizi[s + 1];
        const size_t secchio = decrescente ? Secchi - 1 - s : s;
        if ((secchio & ((size_t(1) << BitsLettera) - 1)) == 0) // texts of fewer letters: equal once folded
            OrdinaInteri(inizio, fine, true, testo, decrescente);
        else
            OrdinaRun(inizio, fine, LettereNelSecchio, testo, decrescente);
    }
    return posti;
}
