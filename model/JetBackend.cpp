#include "JetBackend.h"

#include "DbException.h"

namespace JetBackend {

bool IsJetHeader(const QByteArray& primiByte)
{
    return primiByte.size() >= 19 && primiByte.mid(4, 15) == QByteArrayLiteral("Standard Jet DB");
}

std::unique_ptr<Database> Open(const QString& percorso)
{
    throw DbException(DbErrore::FormatoNonRiconosciuto,
                      QStringLiteral("Il file «%1» è un database Jet, che questa versione non sa leggere.").arg(percorso));
}

} // namespace JetBackend
