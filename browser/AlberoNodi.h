// The category tree control: reports the node the user chooses, whether with a click or
// by moving to it with the keyboard (arrows, Home, End, Page keys, typed letters).
#pragma once

#include <QTreeWidget>

class AlberoNodi : public QTreeWidget
{
    Q_OBJECT
public:
    explicit AlberoNodi(QWidget* padre = nullptr);

signals:
    void nodoScelto(QTreeWidgetItem* nodo);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
};
