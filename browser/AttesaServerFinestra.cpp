#include "AttesaServerFinestra.h"

#include <QApplication>
#include <QProgressDialog>

AttesaServerFinestra::~AttesaServerFinestra()
{
    delete dialogo_;
}

bool AttesaServerFinestra::Continua(const QString& server, const QString& azione, int millisecondi)
{
    if (!dialogo_) {
        dialogo_ = new QProgressDialog(QApplication::activeWindow());
        dialogo_->setObjectName(QStringLiteral("AttesaServer"));
        dialogo_->setWindowTitle(QStringLiteral("ZELMARtek"));
        dialogo_->setRange(0, 0); // busy, with no end known
        dialogo_->setWindowModality(Qt::ApplicationModal);
        dialogo_->setCancelButtonText(tr("Stop waiting"));
        dialogo_->setMinimumDuration(0);
        dialogo_->setAutoClose(false);
        dialogo_->setAutoReset(false);
        dialogo_->show();
    }
    dialogo_->setLabelText(tr("Waiting for the database %1 to %2: %3 s so far.\n"
                              "The server may be busy, or held by another user.")
                               .arg(server, azione)
                               .arg(millisecondi / 1000));
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return dialogo_ && !dialogo_->wasCanceled();
}

void AttesaServerFinestra::Fine()
{
    delete dialogo_;
}
