// The entries being compared: at most twelve, all of one band quantity, each keeping the
// colour and marker it was given while others come and go.
#pragma once

#include "exchange/DatiVoce.h"

#include <QList>
#include <QString>

class InsiemeConfronto
{
public:
    static constexpr int Massimo = 12;

    struct Elemento
    {
        DatiVoce voce;
        int stile = 0; // colour and marker, 0..Massimo-1
    };

    // Adds the entry, or says to the user why not (an empty text when it was added): the
    // set is full, the entry is already there, or its band quantity is not the set's.
    QString Aggiungi(const DatiVoce& voce);
    void Rimuovi(int indice);
    void Svuota() { elementi_.clear(); }

    const QList<Elemento>& Elementi() const { return elementi_; }
    int Quanti() const { return int(elementi_.size()); }
    // The band quantity of the entries compared; empty when there are none.
    QString Grandezza() const;

private:
    int StileLibero() const;

    QList<Elemento> elementi_;
};
