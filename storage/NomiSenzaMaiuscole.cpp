#include "NomiSenzaMaiuscole.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

namespace {

// The name in the folder equal to nome but for letter case, the first in name order.
QString NomeNellaCartella(const QString& cartella, const QString& nome)
{
    QStringList simili;
    for (const QString& presente :
         QDir(cartella).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        if (presente.compare(nome, Qt::CaseInsensitive) == 0)
            simili << presente;
    return simili.isEmpty() ? QString() : *std::min_element(simili.cbegin(), simili.cend());
}

} // namespace

QString NomiSenzaMaiuscole::Trova(const QString& percorso)
{
    if (percorso.isEmpty() || QFileInfo::exists(percorso))
        return percorso;
    const QStringList parti = percorso.split(QLatin1Char('/'));
    QString trovato = percorso.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
    for (const QString& parte : parti) {
        if (parte.isEmpty())
            continue;
        const QString cartella = trovato.isEmpty() ? QStringLiteral(".") : trovato;
        QString nome = parte;
        if (!QFileInfo::exists(trovato + parte)) {
            nome = NomeNellaCartella(cartella, parte);
            if (nome.isEmpty())
                return percorso;
        }
        trovato += nome + QLatin1Char('/');
    }
    if (!percorso.endsWith(QLatin1Char('/')))
        trovato.chop(1);
    return trovato;
}
