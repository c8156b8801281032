#include "TestiRipetuti.h"

QString TestiRipetuti::Testo(const char* utf8, int lunghezza)
{
    if (!attivo_)
        return QString::fromUtf8(utf8, lunghezza);
    ++letti_;
    // A key over the engine's own bytes: looking up costs no copy.
    const auto trovato = visti_.constFind(QByteArray::fromRawData(utf8, lunghezza));
    if (trovato != visti_.constEnd()) {
        ++ripetuti_;
        return trovato.value();
    }
    QString testo = QString::fromUtf8(utf8, lunghezza);
    if (letti_ >= RigheDiProva && ripetuti_ * 2 < letti_) {
        attivo_ = false; // mostly distinct texts: sharing would only cost
        visti_.clear();
    } else if (visti_.size() < TestiMassimi) {
        visti_.insert(QByteArray(utf8, lunghezza), testo);
    }
    return testo;
}
