// A long list of texts kept as UTF-8 in one block: the names of a table of a hundred
// thousand entries cost one allocation instead of one per name, and a name becomes a
// QString only when someone looks at it (the few rows the list box shows).
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

class ElencoTesti
{
public:
    // Inline and on a std::string: called once per row of the table, where QByteArray's
    // append costs as much as the engine's own step.
    void Aggiungi(const char* utf8, size_t byte)
    {
        testi_.append(utf8, byte);
        fine_.push_back(testi_.size());
    }
    void Riserva(qsizetype testi, qsizetype byte);

    // The first text with exactly these bytes; -1 when there is none.
    qsizetype Trova(const QByteArray& utf8) const;
    void Rimuovi(qsizetype i);
    void Sostituisci(qsizetype i, const QByteArray& utf8);

    qsizetype size() const { return qsizetype(fine_.size()); }
    bool isEmpty() const { return fine_.empty(); }
    QString at(qsizetype i) const;
    QString first() const { return at(0); }
    QString last() const { return at(size() - 1); }
    QStringList toStringList() const;

    bool operator==(const ElencoTesti& altro) const { return fine_ == altro.fine_ && testi_ == altro.testi_; }

private:
    size_t Inizio(qsizetype i) const { return i == 0 ? 0 : fine_[size_t(i - 1)]; }

    std::string testi_;
    std::vector<size_t> fine_; // end of each text in testi_
};
