// Work on every table of a data folder on worker threads, each table's result handed back
// on the calling thread in the list's order, as soon as it and those before it are done.
// A result tells why its table could not be read (errore, fileIlleggibile) and whether it
// stopped early (annullata): a file that cannot be opened is reported once, with its first
// table, and tables not started when the work is cancelled come back cancelled.
#pragma once

#include "TabelleCartellaDati.h"
#include "storage/DBEngine.h"
#include "storage/DbException.h"

#include <QMutex>
#include <QSet>
#include <QThread>
#include <QWaitCondition>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TabelleInOrdine
{
public:
    // The table's file opened for reading; nothing when it cannot be, with why in the result
    // as the file's error.
    template <typename Esito>
    static std::unique_ptr<Database> ApriFile(const TabelleCartellaDati::Tabella& tabella, Esito& esito)
    {
        try {
            return DBEngine::OpenDatabase(tabella.file);
        } catch (const DbException& e) {
            esito.errore = e.Descrizione();
            esito.fileIlleggibile = true;
            return nullptr;
        }
    }

    template <typename Esito>
    static void Esegui(const std::vector<TabelleCartellaDati::Tabella>& tabelle, int fili,
                       const std::atomic<bool>& annulla, const std::function<Esito(size_t)>& lavora,
                       const std::function<void(size_t, const Esito&)>& fatta)
    {
        std::vector<std::optional<Esito>> esiti(tabelle.size());
        std::atomic<size_t> prossima{0};
        QMutex mutex;
        QWaitCondition pronta;
        const auto lavoratore = [&] {
            for (size_t i = prossima++; i < tabelle.size(); i = prossima++) {
                Esito esito;
                if (annulla)
                    esito.annullata = true;
                else
                    esito = lavora(i);
                QMutexLocker blocco(&mutex);
                esiti[i] = std::move(esito);
                pronta.wakeAll();
            }
        };
        std::vector<std::unique_ptr<QThread>> lavoratori;
        for (int f = 0; f < std::min<int>(fili, int(tabelle.size())) && fili > 1; ++f) {
            lavoratori.emplace_back(QThread::create(lavoratore));
            lavoratori.back()->start();
        }
        if (lavoratori.empty())
            lavoratore();

        QSet<QString> fileIlleggibili;
        for (size_t i = 0; i < tabelle.size(); ++i) {
            Esito esito;
            {
                QMutexLocker blocco(&mutex);
                while (!esiti[i])
                    pronta.wait(&mutex);
                esito = std::move(*esiti[i]);
                esiti[i].reset();
            }
            if (esito.fileIlleggibile && !esito.errore.isEmpty()) {
                if (fileIlleggibili.contains(tabelle[i].file))
                    esito.errore.clear(); // told with the file's first table
                fileIlleggibili.insert(tabelle[i].file);
            }
            fatta(i, esito);
        }
        for (auto& l : lavoratori)
            l->wait();
    }
};
