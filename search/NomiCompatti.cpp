#include "NomiCompatti.h"

#include <charconv>

namespace {

constexpr int BitsPosto = 20;
constexpr size_t Blocco = size_t(1) << BitsPosto;
// Pieces listed at most: beyond, names of pieces never seen before (codes, say) are written
// out, so that the list stays small however unlike the names are.
constexpr size_t PezziMassimi = size_t(1) << 18;
constexpr size_t CifreMassime = 18; // a run of digits read as one number fits 64 bits

// A piece's kind in the two low bits of its number.
enum Tipo : quint64
{
    Elencato = 0,
    Cifre = 1,
    Scritto = 2
};

void ScriviNumero(std::string& codice, quint64 n)
{
    for (; n >= 0x80; n >>= 7)
        codice.push_back(char((n & 0x7F) | 0x80));
    codice.push_back(char(n));
}

quint64 LeggiNumero(const char*& p)
{
    quint64 n = 0;
    for (int spostamento = 0;; spostamento += 7) {
        const auto byte = static_cast<unsigned char>(*p++);
        n |= quint64(byte & 0x7F) << spostamento;
        if (byte < 0x80)
            return n;
    }
}

bool Cifra(char c)
{
    return c >= '0' && c <= '9';
}

// The piece the text starts with: a run of digits, or up to a digit or just after a space.
size_t LunghezzaPezzo(std::string_view testo)
{
    size_t n = 1;
    if (Cifra(testo[0])) {
        while (n < testo.size() && Cifra(testo[n]))
            ++n;
        return n;
    }
    while (n < testo.size() && !Cifra(testo[n]) && testo[n - 1] != ' ')
        ++n;
    return n;
}

} // namespace

quint32 NomiCompatti::Aggiungi(const QString& nome)
{
    const QByteArray utf8 = nome.toUtf8();
    std::string_view resto(utf8.constData(), size_t(utf8.size()));
    std::string codice;
    while (!resto.empty()) {
        const size_t n = LunghezzaPezzo(resto);
        ScriviPezzo(codice, resto.substr(0, n));
        resto.remove_prefix(n);
    }
    std::string lunghezza;
    ScriviNumero(lunghezza, codice.size());
    std::string& blocco = BloccoPer(lunghezza.size() + codice.size());
    const auto posto = quint32((blocchi_.size() - 1) << BitsPosto | blocco.size());
    blocco += lunghezza;
    blocco += codice;
    return posto;
}

void NomiCompatti::ScriviPezzo(std::string& codice, std::string_view pezzo)
{
    if (Cifra(pezzo[0]) && (pezzo[0] != '0' || pezzo.size() == 1) && pezzo.size() <= CifreMassime) {
        quint64 valore = 0;
        std::from_chars(pezzo.data(), pezzo.data() + pezzo.size(), valore);
        ScriviNumero(codice, valore << 2 | Cifre);
        return;
    }
    auto trovato = numeri_.find(pezzo);
    if (trovato == numeri_.end() && pezzi_.size() < PezziMassimi) {
        pezzi_.emplace_back(pezzo);
        trovato = numeri_.emplace(pezzi_.back(), quint32(pezzi_.size() - 1)).first;
    }
    if (trovato != numeri_.end()) {
        ScriviNumero(codice, quint64(trovato->second) << 2 | Elencato);
        return;
    }
    ScriviNumero(codice, quint64(pezzo.size()) << 2 | Scritto);
    codice += pezzo;
}

// The block the next bytes go in: a new one when the last has no room; a name longer than a
// block gets one of its own.
std::string& NomiCompatti::BloccoPer(size_t byte)
{
    if (blocchi_.empty() || blocchi_.back().size() + byte > Blocco) {
        blocchi_.emplace_back();
        blocchi_.back().reserve(std::max(Blocco, byte));
    }
    return blocchi_.back();
}

QString NomiCompatti::Nome(quint32 posto) const
{
    std::string nome;
    NomeUtf8(posto, nome);
    return QString::fromUtf8(nome.data(), qsizetype(nome.size()));
}

void NomiCompatti::NomeUtf8(quint32 posto, std::string& nome) const
{
    const char* p = blocchi_[posto >> BitsPosto].data() + (posto & (Blocco - 1));
    const size_t lunghezza = size_t(LeggiNumero(p));
    const char* fine = p + lunghezza;
    nome.clear();
    while (p < fine) {
        const quint64 pezzo = LeggiNumero(p);
        switch (pezzo & 3) {
        case Elencato:
            nome += pezzi_[size_t(pezzo >> 2)];
            break;
        case Cifre: {
            char cifre[24];
            nome.append(cifre, std::to_chars(cifre, cifre + sizeof cifre, pezzo >> 2).ptr);
            break;
        }
        default:
            nome.append(p, size_t(pezzo >> 2));
            p += pezzo >> 2;
        }
    }
}

void NomiCompatti::Svuota()
{
    blocchi_ = {};
    numeri_ = {};
    pezzi_ = {};
}
