// What the user sees while the shared database's server keeps the window waiting: after two
// seconds a busy indicator naming the server and what waits, with a button to stop waiting.
// Stopping ends the wait as a failure of that action, which the window reports.
#pragma once

#include "storage/pg/AttesaServer.h"

#include <QCoreApplication>
#include <QPointer>

class QProgressDialog;

class AttesaServerFinestra : public AttesaServer
{
    Q_DECLARE_TR_FUNCTIONS(AttesaServerFinestra)

public:
    ~AttesaServerFinestra() override;
    bool Continua(const QString& server, const QString& azione, int millisecondi) override;
    void Fine() override;

private:
    QPointer<QProgressDialog> dialogo_;
};
