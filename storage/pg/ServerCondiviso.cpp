#include "ServerCondiviso.h"

#include "PgConnessione.h"

#include <QDir>
#include <QMutex>
#include <QMutexLocker>
#include <map>

namespace ServerCondiviso {

namespace {

QMutex& Mutex()
{
    static QMutex mutex;
    return mutex;
}

std::map<QString, Collegamento>& Collegati()
{
    static std::map<QString, Collegamento> collegati;
    return collegati;
}

} // namespace

void Collega(const QString& percorso, const Collegamento& collegamento)
{
    QMutexLocker blocco(&Mutex());
    Collegati()[QDir::cleanPath(percorso)] = collegamento;
}

void ScollegaTutti()
{
    QMutexLocker blocco(&Mutex());
    Collegati().clear();
}

std::optional<Collegamento> Per(const QString& percorso)
{
    QMutexLocker blocco(&Mutex());
    if (Collegati().empty())
        return std::nullopt;
    const auto trovato = Collegati().find(QDir::cleanPath(percorso));
    if (trovato == Collegati().end())
        return std::nullopt;
    return trovato->second;
}

QString NomePerMessaggi(const QString& percorso)
{
    const auto collegamento = Per(percorso);
    return collegamento ? PgConnessione::Descrivi(collegamento->conninfo)
                        : QStringLiteral("«%1»").arg(percorso);
}

} // namespace ServerCondiviso
