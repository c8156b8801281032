#include "ConversioniRicordate.h"

#include <QFile>
#include <sys/stat.h>

std::optional<ConversioniRicordate::Chiave> ConversioniRicordate::ChiaveDi(const QString& percorso)
{
    struct stat informazioni
    {
    };
    if (::stat(QFile::encodeName(percorso).constData(), &informazioni) != 0)
        return std::nullopt;
    return Chiave{percorso, quint64(informazioni.st_ino), qint64(informazioni.st_size),
                  qint64(informazioni.st_mtim.tv_sec) * 1000000000 + informazioni.st_mtim.tv_nsec};
}

std::optional<ConversioniRicordate::Conversione> ConversioniRicordate::Trova(const Chiave& chiave)
{
    QMutexLocker blocco(&mutex_);
    for (const Voce& v : voci_)
        if (v.chiave == chiave)
            return v.conversione;
    return std::nullopt;
}

void ConversioniRicordate::Ricorda(const Chiave& chiave, const Conversione& conversione)
{
    QMutexLocker blocco(&mutex_);
    std::erase_if(voci_, [&](const Voce& v) { return v.chiave.percorso == chiave.percorso; });
    voci_.push_back({chiave, conversione});
    qint64 totale = 0;
    for (const Voce& v : voci_)
        totale += v.conversione.immagine ? v.conversione.immagine->size() : 0;
    while (voci_.size() > 1 && totale > byteMassimi_) {
        totale -= voci_.front().conversione.immagine ? voci_.front().conversione.immagine->size() : 0;
        voci_.pop_front();
    }
}

void ConversioniRicordate::Dimentica()
{
    QMutexLocker blocco(&mutex_);
    voci_.clear();
}
