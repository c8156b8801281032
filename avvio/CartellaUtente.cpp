#include "CartellaUtente.h"

#include "CopiaCartella.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

const QStringList& CartellaUtente::Programmi()
{
    static const QStringList programmi{QStringLiteral("zelmartek"), QStringLiteral("zelmar-lettore-jet")};
    return programmi;
}

QString CartellaUtente::AggiornaProgramma(const QString& installato, const QString& copia)
{
    const QFileInfo da(installato);
    const QFileInfo a(copia);
    if (a.exists() && a.size() == da.size() && a.lastModified() == da.lastModified())
        return {};
    // Written beside it and renamed over it, so that a copy still running keeps its file and a
    // failure leaves the previous copy in place.
    const QString nuova = copia + QStringLiteral(".nuovo.%1").arg(QCoreApplication::applicationPid());
    QFile::remove(nuova);
    QFile file(installato);
    if (!file.copy(nuova))
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(copia), file.errorString());
    QFile scritta(nuova);
    if (!scritta.open(QIODevice::ReadWrite) ||
        !scritta.setFileTime(da.lastModified(), QFileDevice::FileModificationTime)) {
        QFile::remove(nuova);
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(copia), scritta.errorString());
    }
    scritta.close();
    if (std::rename(QFile::encodeName(nuova).constData(), QFile::encodeName(copia).constData()) != 0) {
        QFile::remove(nuova);
        return tr("%1: the new copy cannot take the place of the old one")
            .arg(QDir::toNativeSeparators(copia));
    }
    return {};
}

QStringList CartellaUtente::Aggiorna(const QString& installati, const QString& condivisi,
                                     const QString& cartella)
{
    if (QString problema = CopiaCartella::CreaCartella(cartella); !problema.isEmpty())
        return {problema};
    QStringList problemi;
    for (const QString& programma : Programmi()) {
        if (QString problema = AggiornaProgramma(installati + QLatin1Char('/') + programma,
                                                 cartella + QLatin1Char('/') + programma);
            !problema.isEmpty())
            problemi << problema;
    }
    for (const char* nome : {"immagine", "Zelmar.ini"})
        problemi << CopiaCartella::CopiaMancanti(condivisi + QLatin1Char('/') + QLatin1String(nome),
                                                 cartella + QLatin1Char('/') + QLatin1String(nome));
    return problemi;
}
