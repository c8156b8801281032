// A material table as the program lays it out where it creates one: its name, its columns
// in order and which of them hold numbers.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

struct DefinizioneTabella
{
    QString nome;
    QStringList colonne;
    std::function<bool(const QString&)> isNumerica;
};
