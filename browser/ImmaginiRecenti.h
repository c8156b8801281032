// The pictures the entry display decoded last, by file: going back and forth between
// entries does not decode the same picture again, while a file changed on disk (another
// size, time or file) is read again.
#pragma once

#include <QPixmap>
#include <QString>
#include <deque>
#include <sys/types.h>

class ImmaginiRecenti
{
public:
    // The file's picture, its format told by its content; a null pixmap when the file is
    // missing or not a picture.
    QPixmap Leggi(const QString& percorso);

private:
    static constexpr size_t Massimo = 6;
    struct Voce
    {
        QString percorso;
        dev_t dispositivo = 0;
        ino_t inode = 0;
        off_t dimensione = 0;
        qint64 modificaNs = 0;
        QPixmap immagine;
    };
    std::deque<Voce> voci_; // the last one shown first
};
