#include "ImmaginiRecenti.h"

#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <sys/stat.h>

QPixmap ImmaginiRecenti::Leggi(const QString& percorso)
{
    struct stat dati = {};
    if (::stat(QFile::encodeName(percorso).constData(), &dati) != 0 || !S_ISREG(dati.st_mode))
        return {};
    const Voce file{percorso,
                    dati.st_dev,
                    dati.st_ino,
                    dati.st_size,
                    qint64(dati.st_mtim.tv_sec) * 1000000000 + dati.st_mtim.tv_nsec,
                    {}};
    const auto uguale = [&](const Voce& v) {
        return v.percorso == file.percorso && v.dispositivo == file.dispositivo && v.inode == file.inode &&
               v.dimensione == file.dimensione && v.modificaNs == file.modificaNs;
    };
    const auto trovata = std::find_if(voci_.begin(), voci_.end(), uguale);
    if (trovata != voci_.end()) {
        Voce voce = std::move(*trovata);
        voci_.erase(trovata);
        voci_.push_front(std::move(voce));
        return voci_.front().immagine;
    }
    QImageReader lettore(percorso);
    lettore.setDecideFormatFromContent(true);
    const QImage letta = lettore.read();
    // A file that is no picture is remembered too: it is not tried again on every click.
    Voce voce = file;
    voce.immagine = letta.isNull() ? QPixmap() : QPixmap::fromImage(letta);
    voci_.erase(
        std::remove_if(voci_.begin(), voci_.end(), [&](const Voce& v) { return v.percorso == percorso; }),
        voci_.end());
    voci_.push_front(std::move(voce));
    if (voci_.size() > Massimo)
        voci_.pop_back();
    return voci_.front().immagine;
}
