// The material editor window: inserts or modifies an entry of the custom database.
#include "Form3.h"

Form3::Form3(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Nuovo materiale"));
}

Form3::~Form3() = default;

void Form3::SetModo(const QString& marcatore)
{
    modo_ = marcatore;
}

QString Form3::Modo() const
{
    return modo_;
}

void Form3::SetMaterialeMostrato(const MaterialeMostrato& mostrato)
{
    mostrato_ = mostrato;
}

void Form3::SetRicarica(std::function<void()> ricarica)
{
    ricarica_ = std::move(ricarica);
}

void Form3::InitMateriale() {}
