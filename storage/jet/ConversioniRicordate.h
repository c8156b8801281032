// The Access files already converted, kept in memory so that the list and the entry
// display, which open a file again on every click, pay the conversion once. A file is the
// same file while its path, inode, size and modification time (to the nanosecond) are;
// the oldest conversions are forgotten beyond a bound on their total size.
#pragma once

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <deque>
#include <memory>
#include <optional>

class ConversioniRicordate
{
public:
    // What converting a file gave: its image, or the error that refused it.
    struct Conversione
    {
        std::shared_ptr<const QByteArray> immagine;
        int codiceErrore = 0;
        QString errore;
    };

    struct Chiave
    {
        QString percorso;
        quint64 inode = 0;
        qint64 dimensione = 0;
        qint64 modificaNs = 0;
        bool operator==(const Chiave&) const = default;
    };
    // The key of the file as it is now; nullopt when it cannot be looked at.
    static std::optional<Chiave> ChiaveDi(const QString& percorso);

    explicit ConversioniRicordate(qint64 byteMassimi) : byteMassimi_(byteMassimi) {}
    std::optional<Conversione> Trova(const Chiave& chiave);
    void Ricorda(const Chiave& chiave, const Conversione& conversione);
    void Dimentica();

private:
    struct Voce
    {
        Chiave chiave;
        Conversione conversione;
    };
    qint64 byteMassimi_;
    QMutex mutex_;
    std::deque<Voce> voci_; // oldest first
};
