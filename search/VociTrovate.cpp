#include "VociTrovate.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

constexpr int BitsPosto = 20;
constexpr size_t Blocco = size_t(1) << BitsPosto;
constexpr size_t NomeMassimo = 0xFFFF; // bytes of a name kept (far above any stored name)

} // namespace

void VociTrovate::Svuota()
{
    voci_ = {};
    blocchi_ = {};
    testi_ = {};
    posti_ = {};
}

size_t VociTrovate::Posto(const VoceTrovata& prima) const
{
    const auto dove =
        std::upper_bound(voci_.begin(), voci_.end(), prima, [](const VoceTrovata& a, const Compatta& b) {
            return a.tabella != b.tabella ? a.tabella < b.tabella : a.riga < qint64(b.riga);
        });
    return size_t(dove - voci_.begin());
}

void VociTrovate::Inserisci(size_t posto, std::vector<VoceTrovata>&& lotto)
{
    std::vector<Compatta> compatte;
    compatte.reserve(lotto.size());
    for (const VoceTrovata& v : lotto) {
        quint16 lunghezza = 0;
        Compatta c{v.tabella,
                   quint32(v.riga),
                   Conserva(v.nome, lunghezza),
                   Unico(v.dataProva),
                   Unico(v.ente),
                   lunghezza,
                   {},
                   Compattato(v.massa),
                   Compattato(v.spessore)};
        for (size_t i = 0; i < 3; ++i) {
            bool numero = false;
            const double valore = v.valutazioni[i].toDouble(&numero);
            c.valutazioni[i] =
                Compattato(numero && !v.valutazioni[i].isNull() ? std::optional(valore) : std::nullopt);
        }
        compatte.push_back(c);
    }
    voci_.insert(voci_.begin() + qsizetype(posto), compatte.begin(), compatte.end());
    lotto = {};
}

VoceTrovata VociTrovate::Voce(size_t i) const
{
    const Compatta& c = voci_[i];
    VoceTrovata v{c.tabella, c.riga, Nome(i), {}, Massa(i), Spessore(i), DataProva(i), Ente(i)};
    for (size_t k = 0; k < 3; ++k)
        if (const std::optional<double> valore = Numero(c.valutazioni[k]))
            v.valutazioni[k] = *valore;
    return v;
}

QString VociTrovate::Nome(size_t i) const
{
    const Compatta& c = voci_[i];
    const std::string& blocco = blocchi_[c.nome >> BitsPosto];
    return QString::fromUtf8(blocco.data() + (c.nome & (Blocco - 1)), c.lunghezzaNome);
}

// The double whose shortest text is the float's: 52.3f comes back as 52.3, not 52.29999923.
std::optional<double> VociTrovate::Numero(float valore)
{
    if (std::isnan(valore))
        return std::nullopt;
    char testo[32];
    const auto fine = std::to_chars(testo, testo + sizeof testo, valore).ptr;
    double doppio = valore;
    std::from_chars(testo, fine, doppio);
    return doppio;
}

float VociTrovate::Compattato(const std::optional<double>& valore)
{
    return valore ? float(*valore) : std::nanf("");
}

quint32 VociTrovate::Conserva(const QString& nome, quint16& lunghezza)
{
    QByteArray utf8 = nome.toUtf8();
    utf8.truncate(qsizetype(NomeMassimo));
    lunghezza = quint16(utf8.size());
    if (blocchi_.empty() || blocchi_.back().size() + size_t(utf8.size()) > Blocco) {
        blocchi_.emplace_back();
        blocchi_.back().reserve(Blocco);
    }
    std::string& blocco = blocchi_.back();
    const quint32 posto = quint32((blocchi_.size() - 1) << BitsPosto | blocco.size());
    blocco.append(utf8.constData(), size_t(utf8.size()));
    return posto;
}

quint32 VociTrovate::Unico(const QString& testo)
{
    const auto trovato = posti_.constFind(testo);
    if (trovato != posti_.constEnd())
        return *trovato;
    const quint32 posto = quint32(testi_.size());
    testi_ << testo;
    posti_.insert(testo, posto);
    return posto;
}
