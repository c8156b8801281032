#include "JetBackend.h"

#include "DatabaseAccess.h"
#include "LettoreJetIsolato.h"

namespace JetBackend {

QString MessaggioSolaLettura(const QString& percorso)
{
    return DatabaseAccess::MessaggioSolaLettura(percorso);
}

std::unique_ptr<Database> Open(const QString& percorso)
{
    return DatabaseAccess::Apri(LettoreJetIsolato::Converti(percorso), percorso);
}

} // namespace JetBackend
