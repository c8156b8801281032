#include "SceltaImmagine.h"

#include "config/ZelmarCommonModule.h"
#include "model/Categorie.h"
#include "storage/NomiSenzaMaiuscole.h"

#include <QDir>
#include <QImageReader>

using namespace ZelmarCommonModule;

bool SceltaImmagine::NomeAccettabile(const QString& nome)
{
    // Only a name that leaves the folder is refused: "muro..copia.jpg" is a file in it.
    return !nome.trimmed().isEmpty() && !nome.contains(QLatin1Char('/')) &&
           !nome.contains(QLatin1Char('\\')) && nome != QLatin1String(".") && nome != QLatin1String("..") &&
           !nome.contains(QChar(0)) && !QDir::isAbsolutePath(nome);
}

QString SceltaImmagine::PercorsoProprio(int codice, const std::optional<QString>& immagine)
{
    const QString cartella = Categorie::CartellaImmagini(codice);
    const bool senzaImmagine = immagine && *immagine == M(66);
    if (codice == catDRwTeorico || cartella.isEmpty() || !immagine || senzaImmagine ||
        !NomeAccettabile(*immagine))
        return {};
    return GetCartellaImmagini(cartella) + *immagine;
}

QStringList SceltaImmagine::Candidati(int codice, const std::optional<QString>& immagine)
{
    QStringList candidati;
    const QString propria = PercorsoProprio(codice, immagine);
    const QString percorso = propria.isEmpty() ? propria : NomiSenzaMaiuscole::Trova(propria);
    if (!percorso.isEmpty() && EsisteFile(percorso))
        candidati << percorso;
    const QString segnaposto = NomiSenzaMaiuscole::Trova(GetPercorsoSenzaImmagine());
    if (EsisteFile(segnaposto))
        candidati << segnaposto;
    return candidati;
}

QImage SceltaImmagine::PropriaDellaVoce(int codice, const std::optional<QString>& immagine)
{
    const QStringList candidati = Candidati(codice, immagine);
    if (candidati.isEmpty() || candidati.first() == GetPercorsoSenzaImmagine())
        return {};
    QImageReader lettore(candidati.first());
    lettore.setDecideFormatFromContent(true);
    return lettore.read();
}
