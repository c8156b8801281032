#include "AlberoCategorie.h"

#include "app/ZelmarCommonModule.h"
#include "model/Categorie.h"
#include "model/TabelleCartellaDati.h"
#include "storage/NomiSenzaMaiuscole.h"

#include <QTreeWidget>

using ZelmarCommonModule::M;

namespace {

constexpr int kRuoloChiave = Qt::UserRole + 1;

QTreeWidgetItem* AggiungiRadice(QTreeWidget* albero, const QString& chiave, const QString& didascalia)
{
    auto* radice = new QTreeWidgetItem(albero, QStringList{didascalia});
    radice->setToolTip(0, didascalia); // the tree is narrower than the longest captions
    radice->setData(0, kRuoloChiave, chiave);
    QFont grassetto = radice->font(0);
    grassetto.setBold(true);
    radice->setFont(0, grassetto);
    return radice;
}

QTreeWidgetItem* AggiungiFiglio(QTreeWidgetItem* radice, const QString& didascalia)
{
    auto* figlio = new QTreeWidgetItem(radice, QStringList{didascalia});
    figlio->setToolTip(0, didascalia);
    return figlio;
}

} // namespace

QString AlberoCategorie::Chiave(const QTreeWidgetItem* nodo)
{
    return nodo ? nodo->data(0, kRuoloChiave).toString() : QString();
}

QTreeWidgetItem* AlberoCategorie::RadicePerChiave(const QTreeWidget* albero, const QString& chiave)
{
    for (int i = 0; i < albero->topLevelItemCount(); ++i)
        if (Chiave(albero->topLevelItem(i)) == chiave)
            return albero->topLevelItem(i);
    return nullptr;
}

QStringList AlberoCategorie::FileDatabase(const QString& cartella)
{
    return TabelleCartellaDati::FileCategoria(cartella);
}

void AlberoCategorie::Costruisci(QTreeWidget* albero, const QString& cartellaDatabase,
                                 const std::function<void(QTreeWidgetItem*)>& primoFiglio)
{
    QTreeWidgetItem* personale = AggiungiRadice(albero, QStringLiteral("personalizzato"), M(19));
    for (const TipoMateriale* tipo : Categorie::Figli(false)) {
        QTreeWidgetItem* figlio = AggiungiFiglio(personale, M(tipo->messaggioFiglio));
        if (primoFiglio && personale->childCount() == 1)
            primoFiglio(figlio);
    }

    QTreeWidgetItem* teorico = AggiungiRadice(albero, QStringLiteral("teorico"), M(28));
    for (const TipoMateriale* tipo : Categorie::Figli(true))
        AggiungiFiglio(teorico, M(tipo->messaggioFiglio));

    for (const Categoria& c : Categorie::Tutte()) {
        QTreeWidgetItem* radice = AggiungiRadice(albero, QString::fromUtf8(c.simbolo), M(c.messaggioRadice));
        const QString cartella =
            NomiSenzaMaiuscole::Trova(cartellaDatabase + QLatin1Char('/') + QString::fromUtf8(c.cartella));
        for (const QString& tabella : FileDatabase(cartella))
            AggiungiFiglio(radice, tabella);
    }
}
