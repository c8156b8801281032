// The genuine Access files the Access tests read, a copy of one of them whose text column
// is called "Nome" as the material tables' is, and stand-ins for the reader process.
#pragma once

#include "TestSupport.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace JetDiProva {
using TestSupport::Contenuto;
using TestSupport::Scrivi;
QString Cartella();
// File names, in name order.
QStringList File();
QString Percorso(const QString& nomeFile);
// fixedNumericTestV2000.mdb with the column "col1" of its table "test" renamed "Nome" in
// the table's definition: a Jet 4 file written by Access, with one row named "some data".
bool CopiaConColonnaNome(const QString& destinazione);
// A stand-in for the Access reader process: a shell script cartella/nome running corpo.
// Returns its path, empty when it cannot be written.
QString ScriviLettore(const QString& cartella, const QString& nome, const QString& corpo);
} // namespace JetDiProva
