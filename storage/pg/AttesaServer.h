// How long the program waits on the shared database's server, and who hears of a wait. Every
// statement has a lock timeout and a statement timeout on the server, and a client-side limit
// on how long it waits for any answer (a stopped server process answers nothing). A window
// program installs a listener: told of every statement that has waited longer than
// PrimoAvvisoMs on the listener's own thread, it shows that the program is busy and lets the
// user give up.
#pragma once

#include <QString>
#include <memory>

class AttesaServer
{
public:
    struct Limiti
    {
        int bloccoMs = 10000; // another connection's lock: the server gives up after this
        int istruzioneMs =
            30000;              // a statement the server has not finished: given up after this (0: no limit)
        int rispostaMs = 45000; // no answer at all: the connection is given up after this (0: no limit)
    };
    // A statement shows as busy once it has waited this long.
    static constexpr int PrimoAvvisoMs = 2000;

    virtual ~AttesaServer() = default;
    // Called about ten times a second while a statement waits, from PrimoAvvisoMs on; false
    // gives up. server and azione name what waits, as messages do.
    virtual bool Continua(const QString& server, const QString& azione, int millisecondi) = 0;
    // The statement has ended (answered, failed or given up).
    virtual void Fine() = 0;

    static Limiti Attuali();
    // For the connections made from now on. Tools that copy whole tables lift the statement limit.
    static void Imposta(const Limiti& limiti);
    // The listener of the calling thread (one thread has one); nullptr removes it.
    static void Installa(std::shared_ptr<AttesaServer> ascoltatore);
    // The listener of the calling thread, or nullptr.
    static std::shared_ptr<AttesaServer> DelFilo();
};
