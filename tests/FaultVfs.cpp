#include "FaultVfs.h"

#include <sqlite3.h>

namespace {

sqlite3_vfs* Sistema = nullptr; // the system's own layer, which does the real work
sqlite3_vfs Guasto;             // this layer
bool Installato = false;

FaultVfs::Conteggi Correnti;
bool Armato = false;
FaultVfs::Tipo TipoArmato = FaultVfs::Tipo::Scrittura;
int NumeroArmato = 0;
bool Persistente = false;
bool GiaScattato = false;

int& Contatore(FaultVfs::Tipo tipo)
{
    switch (tipo) {
    case FaultVfs::Tipo::Scrittura:
        return Correnti.scritture;
    case FaultVfs::Tipo::Sincronizzazione:
        return Correnti.sincronizzazioni;
    case FaultVfs::Tipo::Blocco:
        break;
    }
    return Correnti.blocchi;
}

// Counts the operation and says whether it must fail.
bool DeveFallire(FaultVfs::Tipo tipo)
{
    const int numero = ++Contatore(tipo);
    if (!Armato || tipo != TipoArmato)
        return false;
    const bool fallisce = Persistente ? numero >= NumeroArmato : numero == NumeroArmato;
    GiaScattato = GiaScattato || fallisce;
    return fallisce;
}

// An open file: this layer's header, then the system layer's own file structure.
struct FileGuasto
{
    sqlite3_file base;
    sqlite3_file* vero;
};

sqlite3_file* Vero(sqlite3_file* file)
{
    return reinterpret_cast<FileGuasto*>(file)->vero;
}

int Chiudi(sqlite3_file* f)
{
    return Vero(f)->pMethods->xClose(Vero(f));
}
int Leggi(sqlite3_file* f, void* dati, int quanti, sqlite3_int64 da)
{
    return Vero(f)->pMethods->xRead(Vero(f), dati, quanti, da);
}
int Scrivi(sqlite3_file* f, const void* dati, int quanti, sqlite3_int64 da)
{
    if (DeveFallire(FaultVfs::Tipo::Scrittura))
        return SQLITE_FULL;
    return Vero(f)->pMethods->xWrite(Vero(f), dati, quanti, da);
}
int Tronca(sqlite3_file* f, sqlite3_int64 lunghezza)
{
    if (DeveFallire(FaultVfs::Tipo::Scrittura))
        return SQLITE_IOERR_TRUNCATE;
    return Vero(f)->pMethods->xTruncate(Vero(f), lunghezza);
}
int Sincronizza(sqlite3_file* f, int flag)
{
    if (DeveFallire(FaultVfs::Tipo::Sincronizzazione))
        return SQLITE_IOERR_FSYNC;
    return Vero(f)->pMethods->xSync(Vero(f), flag);
}
int Dimensione(sqlite3_file* f, sqlite3_int64* lunghezza)
{
    return Vero(f)->pMethods->xFileSize(Vero(f), lunghezza);
}
int Blocca(sqlite3_file* f, int livello)
{
    if (DeveFallire(FaultVfs::Tipo::Blocco))
        return SQLITE_IOERR_LOCK;
    return Vero(f)->pMethods->xLock(Vero(f), livello);
}
int Sblocca(sqlite3_file* f, int livello)
{
    return Vero(f)->pMethods->xUnlock(Vero(f), livello);
}
int BloccoRiservato(sqlite3_file* f, int* risultato)
{
    return Vero(f)->pMethods->xCheckReservedLock(Vero(f), risultato);
}
int ControlloFile(sqlite3_file* f, int operazione, void* argomento)
{
    return Vero(f)->pMethods->xFileControl(Vero(f), operazione, argomento);
}
int DimensioneSettore(sqlite3_file* f)
{
    return Vero(f)->pMethods->xSectorSize(Vero(f));
}
int Caratteristiche(sqlite3_file* f)
{
    return Vero(f)->pMethods->xDeviceCharacteristics(Vero(f));
}
int MappaShm(sqlite3_file* f, int regione, int dimensione, int estendi, void volatile** p)
{
    return Vero(f)->pMethods->xShmMap(Vero(f), regione, dimensione, estendi, p);
}
int BloccoShm(sqlite3_file* f, int da, int quanti, int flag)
{
    return Vero(f)->pMethods->xShmLock(Vero(f), da, quanti, flag);
}
void BarrieraShm(sqlite3_file* f)
{
    Vero(f)->pMethods->xShmBarrier(Vero(f));
}
int RilasciaShm(sqlite3_file* f, int elimina)
{
    return Vero(f)->pMethods->xShmUnmap(Vero(f), elimina);
}
int Preleva(sqlite3_file* f, sqlite3_int64 da, int quanti, void** p)
{
    return Vero(f)->pMethods->xFetch(Vero(f), da, quanti, p);
}
int Restituisci(sqlite3_file* f, sqlite3_int64 da, void* p)
{
    return Vero(f)->pMethods->xUnfetch(Vero(f), da, p);
}

const sqlite3_io_methods MetodiGuasto = {
    3,
    Chiudi,
    Leggi,
    Scrivi,
    Tronca,
    Sincronizza,
    Dimensione,
    Blocca,
    Sblocca,
    BloccoRiservato,
    ControlloFile,
    DimensioneSettore,
    Caratteristiche,
    MappaShm,
    BloccoShm,
    BarrieraShm,
    RilasciaShm,
    Preleva,
    Restituisci,
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

// The rest is the system layer's business.
int Elimina(sqlite3_vfs*, const char* nome, int sincronizza)
{
    return Sistema->xDelete(Sistema, nome, sincronizza);
}
int Accedi(sqlite3_vfs*, const char* nome, int flag, int* risultato)
{
    return Sistema->xAccess(Sistema, nome, flag, risultato);
}
int PercorsoCompleto(sqlite3_vfs*, const char* nome, int quanti, char* uscita)
{
    return Sistema->xFullPathname(Sistema, nome, quanti, uscita);
}
void* ApriLibreria(sqlite3_vfs*, const char* nome)
{
    return Sistema->xDlOpen(Sistema, nome);
}
void ErroreLibreria(sqlite3_vfs*, int quanti, char* uscita)
{
    Sistema->xDlError(Sistema, quanti, uscita);
}
void (*SimboloLibreria(sqlite3_vfs*, void* libreria, const char* simbolo))(void)
{
    return Sistema->xDlSym(Sistema, libreria, simbolo);
}
void ChiudiLibreria(sqlite3_vfs*, void* libreria)
{
    Sistema->xDlClose(Sistema, libreria);
}
int Casuale(sqlite3_vfs*, int quanti, char* uscita)
{
    return Sistema->xRandomness(Sistema, quanti, uscita);
}
int Dormi(sqlite3_vfs*, int microsecondi)
{
    return Sistema->xSleep(Sistema, microsecondi);
}
int Ora(sqlite3_vfs*, double* giorni)
{
    return Sistema->xCurrentTime(Sistema, giorni);
}
int UltimoErrore(sqlite3_vfs*, int quanti, char* uscita)
{
    return Sistema->xGetLastError(Sistema, quanti, uscita);
}
int Ora64(sqlite3_vfs*, sqlite3_int64* millisecondi)
{
    return Sistema->xCurrentTimeInt64(Sistema, millisecondi);
}
int ImpostaChiamata(sqlite3_vfs*, const char* nome, sqlite3_syscall_ptr chiamata)
{
    return Sistema->xSetSystemCall(Sistema, nome, chiamata);
}
sqlite3_syscall_ptr Chiamata(sqlite3_vfs*, const char* nome)
{
    return Sistema->xGetSystemCall(Sistema, nome);
}
const char* ProssimaChiamata(sqlite3_vfs*, const char* nome)
{
    return Sistema->xNextSystemCall(Sistema, nome);
}

} // namespace

int FaultVfs::Conteggi::di(Tipo tipo) const
{
    switch (tipo) {
    case Tipo::Scrittura:
        return scritture;
    case Tipo::Sincronizzazione:
        return sincronizzazioni;
    case Tipo::Blocco:
        break;
    }
    return blocchi;
}

bool FaultVfs::Installa()
{
    if (Installato)
        return true;
    if (sqlite3_initialize() != SQLITE_OK)
        return false;
    Sistema = sqlite3_vfs_find(nullptr);
    if (!Sistema || Sistema->iVersion < 3)
        return false;
    Guasto = sqlite3_vfs{};
    Guasto.iVersion = 3;
    Guasto.szOsFile = int(sizeof(FileGuasto)) + Sistema->szOsFile;
    Guasto.mxPathname = Sistema->mxPathname;
    Guasto.zName = "zelmar-guasto";
    Guasto.xOpen = Apri;
    Guasto.xDelete = Elimina;
    Guasto.xAccess = Accedi;
    Guasto.xFullPathname = PercorsoCompleto;
    Guasto.xDlOpen = ApriLibreria;
    Guasto.xDlError = ErroreLibreria;
    Guasto.xDlSym = SimboloLibreria;
    Guasto.xDlClose = ChiudiLibreria;
    Guasto.xRandomness = Casuale;
    Guasto.xSleep = Dormi;
    Guasto.xCurrentTime = Ora;
    Guasto.xGetLastError = UltimoErrore;
    Guasto.xCurrentTimeInt64 = Ora64;
    Guasto.xSetSystemCall = ImpostaChiamata;
    Guasto.xGetSystemCall = Chiamata;
    Guasto.xNextSystemCall = ProssimaChiamata;
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
