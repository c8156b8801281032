// A long list of texts kept as UTF-8 in one block: the names of a table of a hundred
// thousand entries cost one allocation instead of one per name, and a name becomes a
// QString only when someone looks at it (the few rows the list box shows).
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

class ElencoTesti
{
public:
    void Aggiungi(QByteArrayView utf8);
    void Aggiungi(const QString& testo);
    void Riserva(qsizetype testi, qsizetype byte);

    qsizetype size() const { return qsizetype(fine_.size()); }
    bool isEmpty() const { return fine_.empty(); }
    QString at(qsizetype i) const;
    QString first() const { return at(0); }
    QString last() const { return at(size() - 1); }
    QStringList toStringList() const;

    bool operator==(const ElencoTesti& altro) const { return fine_ == altro.fine_ && testi_ == altro.testi_; }

private:
    QByteArray testi_;
    std::vector<qsizetype> fine_; // end of each text in testi_
};
