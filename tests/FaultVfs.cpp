#include "FaultVfs.h"

#include <sqlite3.h>

namespace {

sqlite3_vfs* Sistema = nullptr; // the system's own layer, which does the real work
sqlite3_vfs Guasto;             // this layer: the system's, with its files wrapped
bool Installato = false;

FaultVfs::Conteggi Correnti;
bool Armato = false;
FaultVfs::Tipo TipoArmato = FaultVfs::Tipo::Scrittura;
int NumeroArmato = 0;
bool Persistente = false;
bool GiaScattato = false;

// Counts the operation and says whether it must fail.
bool DeveFallire(FaultVfs::Tipo tipo)
{
    int& contatore = tipo == FaultVfs::Tipo::Scrittura          ? Correnti.scritture
                     : tipo == FaultVfs::Tipo::Sincronizzazione ? Correnti.sincronizzazioni
                                                                : Correnti.blocchi;
    const int numero = ++contatore;
    const bool fallisce =
        Armato && tipo == TipoArmato && (Persistente ? numero >= NumeroArmato : numero == NumeroArmato);
    GiaScattato = GiaScattato || fallisce;
    return fallisce;
}

// An open file: this layer's header, then the system layer's own file structure.
struct FileGuasto
{
    sqlite3_file base;
    sqlite3_file* vero;
};

sqlite3_file* V(sqlite3_file* file)
{
    return reinterpret_cast<FileGuasto*>(file)->vero;
}

// Writes, syncs and locks may fail; everything else goes straight to the system's file.
const sqlite3_io_methods MetodiGuasto = {
    3,
    [](sqlite3_file* f) { return V(f)->pMethods->xClose(V(f)); },
    [](sqlite3_file* f, void* d, int n, sqlite3_int64 da) { return V(f)->pMethods->xRead(V(f), d, n, da); },
    [](sqlite3_file* f, const void* d, int n, sqlite3_int64 da) {
        return DeveFallire(FaultVfs::Tipo::Scrittura) ? SQLITE_FULL : V(f)->pMethods->xWrite(V(f), d, n, da);
    },
    [](sqlite3_file* f, sqlite3_int64 n) {
        return DeveFallire(FaultVfs::Tipo::Scrittura) ? SQLITE_IOERR_TRUNCATE
                                                      : V(f)->pMethods->xTruncate(V(f), n);
    },
    [](sqlite3_file* f, int flag) {
        return DeveFallire(FaultVfs::Tipo::Sincronizzazione) ? SQLITE_IOERR_FSYNC
                                                             : V(f)->pMethods->xSync(V(f), flag);
    },
    [](sqlite3_file* f, sqlite3_int64* n) { return V(f)->pMethods->xFileSize(V(f), n); },
    [](sqlite3_file* f, int livello) {
        return DeveFallire(FaultVfs::Tipo::Blocco) ? SQLITE_IOERR_LOCK : V(f)->pMethods->xLock(V(f), livello);
    },
    [](sqlite3_file* f, int livello) { return V(f)->pMethods->xUnlock(V(f), livello); },
    [](sqlite3_file* f, int* esito) { return V(f)->pMethods->xCheckReservedLock(V(f), esito); },
    [](sqlite3_file* f, int op, void* arg) { return V(f)->pMethods->xFileControl(V(f), op, arg); },
    [](sqlite3_file* f) { return V(f)->pMethods->xSectorSize(V(f)); },
    [](sqlite3_file* f) { return V(f)->pMethods->xDeviceCharacteristics(V(f)); },
    [](sqlite3_file* f, int r, int n, int e, void volatile** p) {
        return V(f)->pMethods->xShmMap(V(f), r, n, e, p);
    },
    [](sqlite3_file* f, int da, int n, int flag) { return V(f)->pMethods->xShmLock(V(f), da, n, flag); },
    [](sqlite3_file* f) { V(f)->pMethods->xShmBarrier(V(f)); },
    [](sqlite3_file* f, int elimina) { return V(f)->pMethods->xShmUnmap(V(f), elimina); },
    [](sqlite3_file* f, sqlite3_int64 da, int n, void** p) { return V(f)->pMethods->xFetch(V(f), da, n, p); },
    [](sqlite3_file* f, sqlite3_int64 da, void* p) { return V(f)->pMethods->xUnfetch(V(f), da, p); },
};

int Apri(sqlite3_vfs*, sqlite3_filename nome, sqlite3_file* file, int flag, int* flagUscita)
{
    auto* guasto = reinterpret_cast<FileGuasto*>(file);
    guasto->vero = reinterpret_cast<sqlite3_file*>(guasto + 1);
    const int codice = Sistema->xOpen(Sistema, nome, guasto->vero, flag, flagUscita);
    // The engine closes a file only when its methods are set.
    guasto->base.pMethods = guasto->vero->pMethods ? &MetodiGuasto : nullptr;
    return codice;
}

} // namespace

int FaultVfs::Conteggi::di(Tipo tipo) const
{
    return tipo == Tipo::Scrittura ? scritture : tipo == Tipo::Sincronizzazione ? sincronizzazioni : blocchi;
}

bool FaultVfs::Installa()
{
    if (Installato)
        return true;
    if (sqlite3_initialize() != SQLITE_OK || !(Sistema = sqlite3_vfs_find(nullptr)) || Sistema->iVersion < 3)
        return false;
    // The system layer's own functions serve everything but the opening of a file.
    Guasto = *Sistema;
    Guasto.pNext = nullptr;
    Guasto.szOsFile = int(sizeof(FileGuasto)) + Sistema->szOsFile;
    Guasto.zName = "zelmar-guasto";
    Guasto.xOpen = Apri;
    Installato = sqlite3_vfs_register(&Guasto, 1) == SQLITE_OK;
    return Installato;
}

void FaultVfs::Rimuovi()
{
    if (!Installato)
        return;
    sqlite3_vfs_unregister(&Guasto);
    sqlite3_vfs_register(Sistema, 1);
    Installato = false;
}

void FaultVfs::AzzeraConteggi()
{
    Correnti = Conteggi{};
}

FaultVfs::Conteggi FaultVfs::Contati()
{
    return Correnti;
}

void FaultVfs::FallisciAl(Tipo tipo, int n, bool persistente)
{
    AzzeraConteggi();
    Armato = true;
    TipoArmato = tipo;
    NumeroArmato = n;
    Persistente = persistente;
    GiaScattato = false;
}

void FaultVfs::Disarma()
{
    Armato = false;
}

bool FaultVfs::Scattato()
{
    return GiaScattato;
}
