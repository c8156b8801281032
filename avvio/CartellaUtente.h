// The program folder of one user. The program finds "Zelmar.ini" and "immagine/" beside its
// own executable and writes pictures there, so each user runs a copy of the installed program
// from a folder of their own: the copy is made again whenever the installed program changes
// (an upgrade), while the pictures and "Zelmar.ini" are only added where missing.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class CartellaUtente
{
    Q_DECLARE_TR_FUNCTIONS(CartellaUtente)

public:
    // The files of the installed program folder that make up the program: the program and
    // the reader process it starts beside itself.
    static const QStringList& Programmi();

    // Brings cartella up to date with an installation: the programs of the folder installati
    // copied where missing or different from the installed ones (size or modification time),
    // the pictures of condivisi/immagine and condivisi/Zelmar.ini copied where missing.
    // Returns one line per problem, empty when the folder is ready.
    static QStringList Aggiorna(const QString& installati, const QString& condivisi, const QString& cartella);

private:
    static QString AggiornaProgramma(const QString& installato, const QString& copia);
};
