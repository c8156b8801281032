// The entries a search found, kept compactly so that a search finding every entry of a large
// data folder fits in little memory: names in pieces (NomiCompatti), dates and testing bodies
// stored once each, numbers in tenths in 16 bits (those that do not fit, rare, kept aside as
// they are). Each entry is rebuilt as a VoceTrovata when asked for.
#pragma once

#include "NomiCompatti.h"
#include "VoceTrovata.h"

#include <QHash>
#include <QStringList>
#include <deque>
#include <limits>

class VociTrovate
{
public:
    void Svuota();
    size_t Quante() const { return voci_.size(); }
    // Where a batch starting with this entry goes to keep the tables' and rows' order.
    size_t Posto(const VoceTrovata& prima) const;
    // The batch's entries, in their order, at that place.
    void Inserisci(size_t posto, std::vector<VoceTrovata>&& lotto);

    VoceTrovata Voce(size_t i) const;
    int Tabella(size_t i) const { return int(voci_[i].tabella); }
    qint64 Riga(size_t i) const { return voci_[i].riga; }
    QString Nome(size_t i) const { return nomi_.Nome(voci_[i].nome); }
    void NomeUtf8(size_t i, std::string& nome) const { nomi_.NomeUtf8(voci_[i].nome, nome); }
    // The k-th rating as stored: a number, a text that is none, or nothing.
    QVariant Valutazione(size_t i, size_t k) const;
    std::optional<double> Indice(size_t i) const { return Numero(voci_[i], 0); }
    std::optional<double> Massa(size_t i) const { return Numero(voci_[i], Massa_); }
    std::optional<double> Spessore(size_t i) const { return Numero(voci_[i], Spessore_); }
    const QString& DataProva(size_t i) const { return testi_[voci_[i].dataProva]; }
    const QString& Ente(size_t i) const { return testi_[voci_[i].ente]; }

private:
    // The numbers of an entry: its three ratings, then these.
    static constexpr size_t Massa_ = 3, Spessore_ = 4, Numeri = 5;
    struct Compatta
    {
        quint32 riga;
        quint32 nome;          // in nomi_
        quint32 dataProva;     // in testi_
        quint32 ente;          // in testi_
        qint16 numeri[Numeri]; // in tenths; Nessuno: no number
        quint32 tabella : 24;
        quint32 testoValutazione : 3; // which ratings are texts, kept in testiValutazioni_
        quint32 aParte : 5;           // which numbers are kept in numeriAParte_
    };
    static_assert(sizeof(Compatta) == 32);
    static constexpr qint16 Nessuno = std::numeric_limits<qint16>::min();
    std::optional<double> Numero(const Compatta& c, size_t k) const;
    void ConservaNumero(Compatta& c, size_t k, const std::optional<double>& valore);
    static quint64 Chiave(const Compatta& c, size_t k)
    {
        return quint64(c.tabella) << 35 | quint64(c.riga) << 3 | k;
    }
    quint32 Unico(const QString& testo);

    std::deque<Compatta> voci_;
    NomiCompatti nomi_;
    QStringList testi_;
    QHash<QString, quint32> posti_;
    QHash<quint64, QString> testiValutazioni_; // ratings stored as texts, by table, row and column
    QHash<quint64, double> numeriAParte_;      // numbers that are no whole tenths, or too large
};
