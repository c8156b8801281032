#include "AlberoNodi.h"

AlberoNodi::AlberoNodi(QWidget* padre) : QTreeWidget(padre)
{
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* nodo) { emit nodoScelto(nodo); });
}

void AlberoNodi::keyPressEvent(QKeyEvent* evento)
{
    QTreeWidgetItem* prima = currentItem();
    QTreeWidget::keyPressEvent(evento);
    if (currentItem() && currentItem() != prima)
        emit nodoScelto(currentItem());
}
