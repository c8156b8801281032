#include "FileDiUscita.h"

#include "storage/SuDisco.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString ErroreDiSistema()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

QString FileDiUscita::Rifiuto(const QString& uscita, const QStringList& ingressi)
{
    struct stat destinazione
    {
    };
    if (::stat(QFile::encodeName(uscita).constData(), &destinazione) != 0)
        return {}; // a new file
    if (!S_ISREG(destinazione.st_mode))
        return tr("the output \u00ab%1\u00bb is not a regular file: it is not replaced").arg(uscita);
    for (const QString& ingresso : ingressi) {
        struct stat letto
        {
        };
        if (::stat(QFile::encodeName(ingresso).constData(), &letto) == 0 &&
            letto.st_dev == destinazione.st_dev && letto.st_ino == destinazione.st_ino)
            return tr("the output \u00ab%1\u00bb is the input \u00ab%2\u00bb: it is not replaced")
                .arg(uscita, ingresso);
    }
    return {};
}

FileDiUscita::FileDiUscita(const QString& uscita)
{
    const QFileInfo info(uscita);
    uscita_ = info.isSymLink() && info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    const QFileInfo vero(uscita_);
    do
        temporaneo_ =
            vero.dir().filePath(QStringLiteral(".%1.%2.tmp")
                                    .arg(vero.fileName())
                                    .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
    while (QFileInfo::exists(temporaneo_));
}

FileDiUscita::~FileDiUscita()
{
    if (!confermato_)
        QFile::remove(temporaneo_);
}

QString FileDiUscita::Conferma(bool sostituisci)
{
    const QByteArray da = QFile::encodeName(temporaneo_);
    const QByteArray a = QFile::encodeName(uscita_);
    if (!SuDisco::Sincronizza(temporaneo_))
        return tr("%1 cannot be written: %2").arg(uscita_, ErroreDiSistema());
    // A hard link fails when the name is taken; the temporary name then goes.
    const bool fatto = sostituisci ? ::rename(da.constData(), a.constData()) == 0
                                   : ::link(da.constData(), a.constData()) == 0;
    if (!fatto)
        return tr("%1 cannot be written: %2").arg(uscita_, ErroreDiSistema());
    if (!sostituisci)
        ::unlink(da.constData());
    confermato_ = true;
    SuDisco::Sincronizza(QFileInfo(uscita_).absolutePath());
    return {};
}
