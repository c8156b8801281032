#include "NomiNonUtf8.h"

#include "model/Categorie.h"
#include "storage/NomiSenzaMaiuscole.h"

#include <QDir>
#include <QFile>
#include <dirent.h>
#include <memory>

namespace NomiNonUtf8 {

QStringList FileDatabase(const QString& cartellaDati)
{
    const QDir dati(cartellaDati);
    QStringList trovati;
    for (const Categoria& c : Categorie::Tutte()) {
        const QString cartella = NomiSenzaMaiuscole::Trova(
            dati.filePath(QStringLiteral("Databases/Database/")) + QString::fromUtf8(c.cartella));
        const std::unique_ptr<DIR, int (*)(DIR*)> elenco(opendir(QFile::encodeName(cartella).constData()),
                                                         closedir);
        if (!elenco)
            continue;
        while (const dirent* voce = readdir(elenco.get())) {
            const QByteArray nome(voce->d_name);
            const QString testo = QString::fromUtf8(nome);
            if (voce->d_type != DT_DIR && !nome.startsWith('.') && nome.toLower().endsWith(".mdb") &&
                testo.toUtf8() != nome)
                trovati << dati.relativeFilePath(cartella + QLatin1Char('/') + testo);
        }
    }
    trovati.sort();
    return trovati;
}

} // namespace NomiNonUtf8
