// The genuine Access files the Jet tests read, and a copy of one of them whose text
// column is called "Nome", as the columns of the material tables are.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace JetDiProva {
QString Cartella();
// File names, in name order.
QStringList File();
QString Percorso(const QString& nomeFile);
QByteArray Contenuto(const QString& percorso);
bool Scrivi(const QString& percorso, const QByteArray& contenuto);
// fixedNumericTestV2000.mdb with the column "col1" of its table "test" renamed "Nome" in
// the table's definition: a Jet 4 file written by Access, with one row named
// "some data". Returns false when the copy cannot be made.
bool CopiaConColonnaNome(const QString& destinazione);
// A stand-in for the Access reader process: a shell script cartella/nome running corpo.
// Returns its path, empty when it cannot be written.
QString ScriviLettore(const QString& cartella, const QString& nome, const QString& corpo);
} // namespace JetDiProva
