#include "TabellePreviste.h"

#include <QDir>
#include <QMutex>
#include <QMutexLocker>
#include <map>

namespace TabellePreviste {

namespace {

QMutex& Mutex()
{
    static QMutex mutex;
    return mutex;
}

std::map<QString, std::vector<DefinizioneTabella>>& Previste()
{
    static std::map<QString, std::vector<DefinizioneTabella>> previste;
    return previste;
}

// Letter case apart, as the files are found (NomiSenzaMaiuscole).
QString Chiave(const QString& percorso)
{
    return QDir::cleanPath(QDir(percorso).absolutePath()).toLower();
}

} // namespace

void Prevedi(const QString& percorso, const std::vector<DefinizioneTabella>& tabelle)
{
    QMutexLocker blocco(&Mutex());
    Previste()[Chiave(percorso)] = tabelle;
}

void DimenticaTutte()
{
    QMutexLocker blocco(&Mutex());
    Previste().clear();
}

std::vector<DefinizioneTabella> Per(const QString& percorso)
{
    QMutexLocker blocco(&Mutex());
    if (Previste().empty())
        return {};
    const auto trovate = Previste().find(Chiave(percorso));
    return trovate == Previste().end() ? std::vector<DefinizioneTabella>{} : trovate->second;
}

} // namespace TabellePreviste
