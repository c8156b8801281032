// libFuzzer entry point: every input is a database file handed to the program (see
// EsploraFile). The first byte chooses how the rest is presented, so that mutations are
// not wasted on breaking the engines' signatures:
//   bits 0-1: 0 the bytes as they are, 1 with the SQLite signature written over the start,
//             2 with the Jet 3 signature, 3 with the Jet 4 signature;
//   bits 2-5: the kind used to show and save entries, among the kind codes in ascending order;
//   bit 6:    also save, modify and delete entries.
#include "EsploraFile.h"
#include "model/Categorie.h"
#include "storage/jet/LettoreJetIsolato.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// Every kind code of the table of kinds, in ascending order: a kept input keeps its kind
// when a kind is added with a higher code.
std::vector<int> Codici()
{
    std::vector<int> codici;
    for (const TipoMateriale& tipo : Categorie::Tipi())
        codici.push_back(tipo.codice);
    std::sort(codici.begin(), codici.end());
    return codici;
}

void SovrascriviInizio(QByteArray& file, const QByteArray& firma)
{
    if (file.size() < firma.size())
        file.resize(firma.size(), '\0');
    std::memcpy(file.data(), firma.constData(), size_t(firma.size()));
}

QByteArray FirmaJet(char versione)
{
    QByteArray firma("\x00\x01\x00\x00Standard Jet DB\x00", 20);
    firma.append(versione);
    return firma;
}

QByteArray FileDaIngresso(uint8_t scelta, const uint8_t* dati, size_t lunghezza)
{
    QByteArray file(reinterpret_cast<const char*>(dati), qsizetype(lunghezza));
    switch (scelta & 3) {
    case 1:
        SovrascriviInizio(file, QByteArray("SQLite format 3", 16));
        break;
    case 2:
        SovrascriviInizio(file, FirmaJet('\x00'));
        break;
    case 3:
        SovrascriviInizio(file, FirmaJet('\x01'));
        break;
    default:
        break;
    }
    return file;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    // The engine syncs after every write: a memory-backed folder keeps the runs fast.
    const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    static QTemporaryDir radice(base + QStringLiteral("/zelmar-fuzz-XXXXXX"));
    EsploraFile::Prepara(radice.path());
    // Well within the fuzzer's own timeout, so that a stalled reader is the program's
    // refusal and not the fuzzer's hang.
    LettoreJetIsolato::ImpostaTempoMassimo(4000);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t lunghezza)
{
    if (lunghezza < 1)
        return 0;
    const uint8_t scelta = dati[0];
    EsploraFile::Opzioni opzioni;
    static const std::vector<int> codici = Codici();
    opzioni.codice = codici[((scelta >> 2) & 15) % codici.size()];
    opzioni.scritture = (scelta & 0x40) != 0;
    EsploraFile::Esplora(FileDaIngresso(scelta, dati + 1, lunghezza - 1), opzioni);
    return 0;
}
