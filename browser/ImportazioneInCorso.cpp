#include "ImportazioneInCorso.h"

#include <QDir>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <atomic>
#include <memory>

ImportazioneJet::Rapporto ImportazioneInCorso::Esegui(QWidget* padre, const QString& cartella)
{
    QProgressDialog finestra(tr("Looking for Access files..."), tr("Cancel"), 0, 0, padre);
    finestra.setWindowTitle(QStringLiteral("ZELMARtek"));
    finestra.setWindowModality(Qt::WindowModal);
    finestra.setMinimumDuration(0);
    finestra.setAutoClose(false);
    finestra.setAutoReset(false);
    std::atomic_bool annulla = false;
    QObject::connect(&finestra, &QProgressDialog::canceled, &finestra, [&] {
        annulla = true;
        finestra.setLabelText(
            tr("Cancelling: the file under way and the ones after it stay as they were..."));
    });
    finestra.show();

    // Told on the import's thread; shown on the interface's, while the window lives.
    const auto avanzamento = [&](int numeroFile, int totaleFile, const QString& percorso,
                                 const QString& tabella) {
        QMetaObject::invokeMethod(
            &finestra,
            [&finestra, &annulla, numeroFile, totaleFile, percorso, tabella, cartella] {
                finestra.setMaximum(totaleFile);
                finestra.setValue(numeroFile - 1);
                if (!annulla)
                    finestra.setLabelText(tr("File %1 of %2: %3\nTable: %4")
                                              .arg(numeroFile)
                                              .arg(totaleFile)
                                              .arg(QDir(cartella).relativeFilePath(percorso), tabella));
            },
            Qt::QueuedConnection);
    };
    ImportazioneJet::Rapporto rapporto;
    std::unique_ptr<QThread> lavoro(QThread::create(
        [&] { rapporto = ImportazioneJet::ImportaCartella(cartella, avanzamento, &annulla); }));
    QEventLoop attesa;
    QObject::connect(lavoro.get(), &QThread::finished, &attesa, &QEventLoop::quit);
    lavoro->start();
    attesa.exec();
    lavoro->wait();
    return rapporto;
}
