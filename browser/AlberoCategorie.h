// Builds the category tree from the table of kinds: the custom root with a child per
// category, the theoretical root with a child per theoretical kind, then one bold root per
// category with one child per database file of its folder.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QTreeWidget;
class QTreeWidgetItem;

class AlberoCategorie
{
public:
    // Key of a root node ("personalizzato", "teorico", "Rw", ...); "" for children.
    static QString Chiave(const QTreeWidgetItem* nodo);
    static QTreeWidgetItem* RadicePerChiave(const QTreeWidget* albero, const QString& chiave);

    // cartellaDatabase: data folder + "/Databases/Database". primoFiglio runs as soon as
    // the custom root's first child exists, before any other node is added.
    static void Costruisci(QTreeWidget* albero, const QString& cartellaDatabase,
                           const std::function<void(QTreeWidgetItem*)>& primoFiglio);

    // Database files of a category folder, without ".mdb", in name order; hidden files
    // (names starting with ".") are not listed.
    static QStringList FileDatabase(const QString& cartella);
};
