#include "ElencoTesti.h"

void ElencoTesti::Aggiungi(QByteArrayView utf8)
{
    testi_.append(utf8);
    fine_.push_back(testi_.size());
}

void ElencoTesti::Aggiungi(const QString& testo)
{
    Aggiungi(QByteArrayView(testo.toUtf8()));
}

void ElencoTesti::Riserva(qsizetype testi, qsizetype byte)
{
    fine_.reserve(size_t(testi));
    testi_.reserve(byte);
}

QString ElencoTesti::at(qsizetype i) const
{
    const qsizetype inizio = i == 0 ? 0 : fine_[size_t(i - 1)];
    return QString::fromUtf8(testi_.constData() + inizio, fine_[size_t(i)] - inizio);
}

QStringList ElencoTesti::toStringList() const
{
    QStringList elenco;
    elenco.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        elenco << at(i);
    return elenco;
}
