#include "JetDiProva.h"

#include <QDir>
#include <QFile>

namespace JetDiProva {

QString Cartella()
{
    return QStringLiteral(ZELMAR_JET_TESTDATA);
}

QStringList File()
{
    return QDir(Cartella()).entryList({QStringLiteral("*.mdb")}, QDir::Files, QDir::Name);
}

QString Percorso(const QString& nomeFile)
{
    return Cartella() + QLatin1Char('/') + nomeFile;
}

bool CopiaConColonnaNome(const QString& destinazione)
{
    QByteArray contenuto = Contenuto(Percorso(QStringLiteral("fixedNumericTestV2000.mdb")));
    // Jet 4 keeps column names in UTF-16; the first occurrence is the table definition's.
    const QByteArray vecchio = QByteArray("c\0o\0l\0"
                                          "1\0",
                                          8);
    const QByteArray nuovo = QByteArray("N\0o\0m\0e\0", 8);
    const qsizetype dove = contenuto.indexOf(vecchio);
    if (dove < 0)
        return false;
    contenuto.replace(dove, vecchio.size(), nuovo);
    return Scrivi(destinazione, contenuto);
}

QString ScriviLettore(const QString& cartella, const QString& nome, const QString& corpo)
{
    const QString percorso = QDir(cartella).filePath(nome);
    if (!Scrivi(percorso, ("#!/bin/sh\n" + corpo + "\n").toUtf8()))
        return QString();
    QFile::setPermissions(percorso, QFile::permissions(percorso) | QFileDevice::ExeOwner);
    return percorso;
}

} // namespace JetDiProva
