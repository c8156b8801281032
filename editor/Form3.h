// The material editor: a modal window in which an entry of the custom database is
// inserted (mode "0") or modified (mode "1").
#pragma once

#include "model/MaterialeMostrato.h"

#include <QDialog>
#include <functional>

class Form3 : public QDialog
{
    Q_OBJECT
public:
    explicit Form3(QWidget* parent = nullptr);
    ~Form3() override;

    // Opening protocol: mode marker, what the main window shows, how to refill its
    // list after a save; then InitMateriale() and exec().
    void SetModo(const QString& marcatore);
    QString Modo() const;
    void SetMaterialeMostrato(const MaterialeMostrato& mostrato);
    void SetRicarica(std::function<void()> ricarica);
    void InitMateriale();

private:
    QString modo_;
    MaterialeMostrato mostrato_;
    std::function<void()> ricarica_;
};
