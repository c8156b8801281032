#include "AlberoCategorie.h"

#include "config/ZelmarCommonModule.h"
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
    QTreeWidgetItem* primo = AggiungiFiglio(personale, M(20));
    if (primoFiglio)
        primoFiglio(primo);
    for (int messaggio = 21; messaggio <= 27; ++messaggio)
        AggiungiFiglio(personale, M(messaggio));

    QTreeWidgetItem* teorico = AggiungiRadice(albero, QStringLiteral("teorico"), M(28));
    for (int messaggio = 20; messaggio <= 22; ++messaggio)
        AggiungiFiglio(teorico, M(messaggio));

    for (const Categoria& c : Categorie::Tutte()) {
        QTreeWidgetItem* radice = AggiungiRadice(albero, QString::fromUtf8(c.simbolo), M(c.messaggioRadice));
        const QString cartella =
            NomiSenzaMaiuscole::Trova(cartellaDatabase + QLatin1Char('/') + QString::fromUtf8(c.cartella));
        for (const QString& tabella : FileDatabase(cartella))
            AggiungiFiglio(radice, tabella);
    }
}
