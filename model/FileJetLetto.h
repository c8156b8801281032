// Everything the program reads from a Jet file, read in one go: the user tables in the
// order of the file's catalogue, each either read whole or with the error that stopped
// it. Also its form on the wire, for the reader process that does the reading (see
// LettoreJetIsolato).
#pragma once

#include "JetRecordset.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

struct TabellaLetta
{
    QString nome;
    std::shared_ptr<const TabellaJet> tabella; // null when the table could not be read
    int codiceErrore = 0;
    QString errore;
};

struct FileJetLetto
{
    int codiceErrore = 0; // non-zero when the file itself could not be opened
    QString errore;
    std::vector<TabellaLetta> tabelle;

    QStringList NomiTabelle() const;
    // Encoded for the pipe from the reader process.
    QByteArray Codifica() const;
    // Empty when the bytes are not one whole encoded file (a reader stopped mid-way).
    static std::optional<FileJetLetto> Decodifica(const QByteArray& byte);
};
