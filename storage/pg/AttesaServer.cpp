#include "AttesaServer.h"

#include <QMutex>
#include <QMutexLocker>
#include <QThread>

namespace {

struct Stato
{
    QMutex mutex;
    AttesaServer::Limiti limiti;
    std::shared_ptr<AttesaServer> ascoltatore;
    QThread* filo = nullptr;
};

Stato& Globale()
{
    static Stato stato;
    return stato;
}

} // namespace

AttesaServer::Limiti AttesaServer::Attuali()
{
    QMutexLocker blocco(&Globale().mutex);
    return Globale().limiti;
}

void AttesaServer::Imposta(const Limiti& limiti)
{
    QMutexLocker blocco(&Globale().mutex);
    Globale().limiti = limiti;
}

void AttesaServer::Installa(std::shared_ptr<AttesaServer> ascoltatore)
{
    QMutexLocker blocco(&Globale().mutex);
    Globale().ascoltatore = std::move(ascoltatore);
    Globale().filo = QThread::currentThread();
}

std::shared_ptr<AttesaServer> AttesaServer::DelFilo()
{
    QMutexLocker blocco(&Globale().mutex);
    return Globale().filo == QThread::currentThread() ? Globale().ascoltatore : nullptr;
}
