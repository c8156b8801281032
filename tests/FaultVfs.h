// A file layer for the database engine that behaves like a failing disk: it passes every
// call on to the system's own layer, counts the writes, syncs and locks, and makes the
// n-th one of a kind fail (a full disk for writes, an I/O error for syncs and locks).
// Installed as the engine's default, so the program's own code opens its files through it.
#pragma once

class FaultVfs
{
public:
    enum class Tipo
    {
        Scrittura,        // xWrite and xTruncate: SQLITE_FULL
        Sincronizzazione, // xSync: SQLITE_IOERR_FSYNC
        Blocco,           // xLock: SQLITE_IOERR_LOCK
    };

    struct Conteggi
    {
        int scritture = 0;
        int sincronizzazioni = 0;
        int blocchi = 0;
        int di(Tipo tipo) const;
    };

    // Makes this layer the engine's default; false when the engine refuses it.
    static bool Installa();
    // Gives the default back to the system's own layer.
    static void Rimuovi();

    // Counts since the last call of AzzeraConteggi (or of FallisciAl).
    static void AzzeraConteggi();
    static Conteggi Contati();

    // From now on, the n-th operation of the kind (n counted from 1) fails; with
    // persistente every later one of that kind fails too, as on a disk that stays full.
    static void FallisciAl(Tipo tipo, int n, bool persistente);
    // Every operation succeeds again.
    static void Disarma();
    // True when the armed failure has happened.
    static bool Scattato();
};
