#include "DialogoStampa.h"

#include <QPrintDialog>
#include <QPrinter>

QList<QString> DialogoStampa::nextOutputs_;
bool DialogoStampa::automatic_ = false;

bool DialogoStampa::Esegui(QPrinter& stampante, QWidget* parent)
{
    if (!nextOutputs_.isEmpty()) {
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(nextOutputs_.takeFirst());
        return true;
    }
    if (automatic_)
        return false;
    QPrintDialog dialogo(&stampante, parent);
    return dialogo.exec() == QDialog::Accepted;
}

void DialogoStampa::setNextOutput(const QString& pdf)
{
    nextOutputs_.append(pdf);
}
void DialogoStampa::setAutomatic(bool automatic)
{
    automatic_ = automatic;
}
