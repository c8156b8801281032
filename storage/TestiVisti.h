// The distinct texts met so far, by their stored bytes: a table repeats a few hundred
// keywords over all of its rows, and a lookup here costs half of one in a QSet, which
// would cost the list fill a fifth of its time (see bench/README.md). Used by the list
// fill of every engine.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

class TestiVisti
{
public:
    // True the first time the bytes are met.
    bool Nuovo(QByteArrayView testo);

private:
    size_t Posto(QByteArrayView testo) const;
    void Allarga();

    std::vector<int> posti_; // index into testi_, -1 for a free place
    std::vector<QByteArray> testi_;
};
