// Whether a file's first bytes are those of an Access database: Jet 3 and Jet 4 files,
// which the program reads, and ACE (Access 2007 and later) files, which it refuses with a
// message that says how to convert them.
#pragma once

#include <QByteArray>

namespace FirmaJet {
// True for Jet and ACE files.
bool IsJetHeader(const QByteArray& primiByte);
// True for the first bytes of an ACE (Access 2007 and later) file.
bool IsAceHeader(const QByteArray& primiByte);
} // namespace FirmaJet
