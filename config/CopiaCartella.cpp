#include "CopiaCartella.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

QString CopiaCartella::CreaCartella(const QString& cartella)
{
    if (QDir().mkpath(cartella))
        return {};
    return tr("%1: the folder cannot be made").arg(QDir::toNativeSeparators(cartella));
}

QString CopiaCartella::CopiaSeManca(const QString& da, const QString& a)
{
    if (QFileInfo::exists(a))
        return {};
    if (QString errore = CreaCartella(QFileInfo(a).absolutePath()); !errore.isEmpty())
        return errore;
    QFile file(da);
    if (!file.copy(a))
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(a), file.errorString());
    return {};
}

QStringList CopiaCartella::CopiaMancanti(const QString& sorgente, const QString& destinazione)
{
    QStringList errori;
    const auto annota = [&errori](const QString& errore) {
        if (!errore.isEmpty())
            errori << errore;
    };
    if (!QFileInfo(sorgente).isDir()) {
        annota(CopiaSeManca(sorgente, destinazione));
        return errori;
    }
    annota(CreaCartella(destinazione));
    const QDir radice(sorgente);
    QDirIterator giro(sorgente, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                      QDirIterator::Subdirectories);
    while (giro.hasNext()) {
        const QString voce = giro.next();
        const QString copia = destinazione + QLatin1Char('/') + radice.relativeFilePath(voce);
        annota(giro.fileInfo().isDir() ? CreaCartella(copia) : CopiaSeManca(voce, copia));
    }
    return errori;
}
