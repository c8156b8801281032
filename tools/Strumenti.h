// What the command-line tools share: their exit statuses, writing text to a stream, the start
// every tool makes, and the messages of wrong usage and of a data folder's files that cannot
// be read, each told the same way by every tool.
#pragma once

#include "model/TabelleCartellaDati.h"

#include <QString>
#include <QStringList>
#include <cstdio>

namespace Strumenti {

constexpr int Riuscito = 0;  // done
constexpr int Fallito = 1;   // some file could not be read or written; told on standard error
constexpr int UsoErrato = 2; // wrong usage; the message names the argument

// The text as UTF-8, as it is.
inline void Scrivi(FILE* flusso, const QString& testo)
{
    const QByteArray utf8 = testo.toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), flusso);
}

// The tool's start, once its application object is made: its name for its messages, the
// settings and pictures of the program it came with, the language of that program's Zelmar.ini.
void Prepara(const QString& nome);

// "zelmar-x: messaggio", then the usage and where help is, on standard error. Returns UsoErrato.
int ErroreDUso(const QString& messaggio, const QString& sintassi);

// Why cartella is not a data folder that can be gone through; empty when it is one.
QString RifiutoCartellaDati(const QString& cartella);

// The start of a CSV on standard output: the byte-order mark and the heading line.
void IniziaCsv(const QStringList& intestazione);

// A file or a table of a data folder that could not be read, told on standard error.
void TabellaIlleggibile(const TabelleCartellaDati::Tabella& tabella, const QString& errore,
                        bool fileIlleggibile);

// The end of going through a data folder: its database files whose names are not UTF-8 told
// on standard error, standard output flushed. Fallito when those or others (illeggibili) could
// not be read, Riuscito otherwise.
int Concludi(const QString& cartellaDati, bool illeggibili);

} // namespace Strumenti
