// The entries a search found, kept compactly so that a search finding every entry of a large
// data folder fits in little memory: names as UTF-8 in shared blocks, dates and testing bodies
// stored once each, numbers as float. Each entry is rebuilt as a VoceTrovata when asked for.
#pragma once

#include "VoceTrovata.h"

#include <QHash>
#include <QStringList>
#include <deque>
#include <string>
#include <vector>

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
    int Tabella(size_t i) const { return voci_[i].tabella; }
    qint64 Riga(size_t i) const { return voci_[i].riga; }
    QString Nome(size_t i) const;
    std::optional<double> Indice(size_t i) const { return Numero(voci_[i].valutazioni[0]); }
    std::optional<double> Massa(size_t i) const { return Numero(voci_[i].massa); }
    std::optional<double> Spessore(size_t i) const { return Numero(voci_[i].spessore); }
    const QString& DataProva(size_t i) const { return testi_[voci_[i].dataProva]; }
    const QString& Ente(size_t i) const { return testi_[voci_[i].ente]; }

private:
    struct Compatta
    {
        qint32 tabella;
        quint32 riga;
        quint32 nome;      // block (high bits) and place in it (low bits)
        quint32 dataProva; // in testi_
        quint32 ente;      // in testi_
        quint16 lunghezzaNome;
        float valutazioni[3]; // NaN: no value
        float massa;
        float spessore;
    };
    static std::optional<double> Numero(float valore);
    static float Compattato(const std::optional<double>& valore);
    quint32 Conserva(const QString& nome, quint16& lunghezza);
    quint32 Unico(const QString& testo);

    std::deque<Compatta> voci_;
    std::vector<std::string> blocchi_;
    QStringList testi_;
    QHash<QString, quint32> posti_;
};
