// The distinct texts met so far, by their stored bytes: a table repeats a few hundred
// keywords over all of its rows. Each place holds a text's hash, length and position in
// one block of bytes, so that a lookup reads one place and compares one run of bytes
// (see bench/README.md for what a QSet would cost the list fill). Used by the list fill
// of every engine.
#pragma once

#include <QByteArrayView>
#include <cstddef>
#include <string>
#include <vector>

class TestiVisti
{
public:
    // True the first time the bytes are met.
    bool Nuovo(const char* testo, size_t byte)
    {
        const size_t prima = usati_;
        return Numero(testo, byte) == prima;
    }
    bool Nuovo(QByteArrayView testo) { return Nuovo(testo.data(), size_t(testo.size())); }
    // The text's number: 0 for the first text met, 1 for the next other one, and so on.
    size_t Numero(const char* testo, size_t byte);
    size_t Numero(QByteArrayView testo) { return Numero(testo.data(), size_t(testo.size())); }

private:
    static constexpr size_t Libero = ~size_t(0);
    struct Posto
    {
        size_t hash = 0;
        size_t byte = Libero;
        size_t inizio = 0; // in testi_
        size_t numero = 0;
    };

    static size_t Hash(const char* testo, size_t byte);
    void Allarga();

    std::vector<Posto> posti_;
    size_t usati_ = 0;
    std::string testi_; // the texts met, one after the other
};
