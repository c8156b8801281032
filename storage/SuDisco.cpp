#include "SuDisco.h"

#include <QFile>
#include <fcntl.h>
#include <unistd.h>

namespace SuDisco {

bool Sincronizza(const QString& percorso)
{
    const int descrittore = ::open(QFile::encodeName(percorso).constData(), O_RDONLY | O_CLOEXEC);
    if (descrittore < 0)
        return false;
    const bool fatto = ::fsync(descrittore) == 0;
    ::close(descrittore);
    return fatto;
}

} // namespace SuDisco
