// libFuzzer entry point for the Jet reading itself, run in this process as the reader
// process runs it: every input is a Jet file's bytes after its signature, the first byte
// choosing Jet 3 or Jet 4. What it finds inside libmdb the program survives (the reader
// process dies instead); the inputs are kept so that the program is shown surviving them.
#include "storage/DbException.h"
#include "storage/jet/LetturaJet.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t lunghezza)
{
    if (lunghezza < 1)
        return 0;
    QByteArray file("\x00\x01\x00\x00Standard Jet DB\x00", 20);
    file.append(char(dati[0] & 1));
    file.append(reinterpret_cast<const char*>(dati + 1), qsizetype(lunghezza - 1));
    try {
        LetturaJet::Converti(file, QStringLiteral("fuzz.mdb"));
    } catch (const DbException&) {
        // A file refused with a message: what the program expects of damaged files.
    }
    return 0;
}
