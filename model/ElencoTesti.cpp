#include "ElencoTesti.h"

void ElencoTesti::Aggiungi(const char* utf8, qsizetype lunghezza)
{
    testi_.append(utf8, lunghezza);
    fine_.push_back(testi_.size());
}

void ElencoTesti::Aggiungi(const QString& testo)
{
    const QByteArray utf8 = testo.toUtf8();
    Aggiungi(utf8.constData(), utf8.size());
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
