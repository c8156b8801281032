// The entries a search found, kept compactly so that a search finding every entry of a large
// data folder fits in little memory: names in pieces (NomiCompatti), dates and testing bodies
// stored once each, numbers as float. Each entry is rebuilt as a VoceTrovata when asked for.
#pragma once

#include "NomiCompatti.h"
#include "VoceTrovata.h"

#include <QHash>
#include <QStringList>
#include <deque>

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
    std::optional<double> Indice(size_t i) const { return Numero(voci_[i].valutazioni[0]); }
    std::optional<double> Massa(size_t i) const { return Numero(voci_[i].massa); }
    std::optional<double> Spessore(size_t i) const { return Numero(voci_[i].spessore); }
    const QString& DataProva(size_t i) const { return testi_[voci_[i].dataProva]; }
    const QString& Ente(size_t i) const { return testi_[voci_[i].ente]; }

private:
    struct Compatta
    {
        quint32 riga;
        quint32 nome;         // in nomi_
        quint32 dataProva;    // in testi_
        quint32 ente;         // in testi_
        float valutazioni[3]; // NaN: no number
        float massa;
        float spessore;
        quint32 tabella : 29;
        quint32 testoValutazione : 3; // which ratings are texts, kept in testiValutazioni_
    };
    static std::optional<double> Numero(float valore);
    static float Compattato(const std::optional<double>& valore);
    static quint64 Chiave(const Compatta& c, size_t k)
    {
        return quint64(c.tabella) << 34 | quint64(c.riga) << 2 | k;
    }
    quint32 Unico(const QString& testo);

    std::deque<Compatta> voci_;
    NomiCompatti nomi_;
    QStringList testi_;
    QHash<QString, quint32> posti_;
    QHash<quint64, QString> testiValutazioni_; // ratings stored as texts, by table, row and column
};
