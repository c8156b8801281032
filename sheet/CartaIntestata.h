// The letterhead of the data sheets: the laboratory's logo and name, kept in the user's
// settings. A sheet is written without one when neither is set.
#pragma once

#include <QImage>
#include <QString>

struct CartaIntestata
{
    QImage logo;
    QString laboratorio;

    bool Vuota() const { return logo.isNull() && laboratorio.trimmed().isEmpty(); }

    // The settings: the logo's file (empty: none; a file that cannot be read gives none) and
    // the laboratory's name.
    static QString FileLogo();
    static QString Laboratorio();
    static void Imposta(const QString& fileLogo, const QString& laboratorio);
    static CartaIntestata DalleImpostazioni();
};
