#include "TabelleCartellaDati.h"

#include "Categorie.h"
#include "storage/NomiSenzaMaiuscole.h"

#include <QDir>
#include <QFileInfo>

QStringList TabelleCartellaDati::FileCategoria(const QString& cartella)
{
    // The platform gives no fixed listing order; name order, whatever the letter case, keeps
    // the tree the same on every start and as the user reads it.
    const QStringList nomi =
        QDir(cartella).entryList({QStringLiteral("*.mdb")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    QStringList tabelle;
    for (const QString& nome : nomi)
        if (!nome.startsWith(QLatin1Char('.'))) // hidden files, such as a copy's lock or backup
            tabelle << nome.left(nome.size() - 4);
    return tabelle;
}

std::vector<TabelleCartellaDati::Tabella> TabelleCartellaDati::Elenca(const QString& cartellaDati)
{
    const QString database = QDir(cartellaDati).filePath(QStringLiteral("Databases/Database/"));
    // Both absolute: QDir gives a relative path back unchanged.
    const QDir dati(QFileInfo(cartellaDati).absoluteFilePath());
    std::vector<Tabella> tabelle;
    // A file or folder copied in other letter cases is found as the tree and the program find it.
    const auto aggiungi = [&](const QString& percorso, const QString& tabella, int codice) {
        const QString file = NomiSenzaMaiuscole::Trova(percorso);
        tabelle.push_back({file, dati.relativeFilePath(QFileInfo(file).absoluteFilePath()), tabella, codice});
    };
    for (const TipoMateriale* t : Categorie::Figli(false))
        aggiungi(database + QStringLiteral("Database_sperimentale.mdb"),
                 QString::fromUtf8(t->tabellaPersonale), t->codice);
    for (const TipoMateriale* t : Categorie::Figli(true))
        aggiungi(database + QStringLiteral("Database_teorico.mdb"), QString::fromUtf8(t->tabellaTeorica),
                 t->codice);
    for (const Categoria& c : Categorie::Tutte()) {
        const QString cartella = NomiSenzaMaiuscole::Trova(database + QString::fromUtf8(c.cartella));
        for (const QString& tabella : FileCategoria(cartella))
            aggiungi(cartella + QLatin1Char('/') + tabella + QStringLiteral(".mdb"), tabella, c.codice);
    }
    return tabelle;
}
