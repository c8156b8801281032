// A situation read from its JSON text: the input of zelmar-prevedi, which is also what a design
// project holds (keys it does not know, such as an element's source entry, are ignored). Every
// fault is told with the key it concerns, "fianchi[2].F.massa", junctions and elements counted
// from 1 as the paths are named.
#pragma once

#include "prediction/Situazione.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QString>
#include <variant>

class LetturaSituazione
{
    Q_DECLARE_TR_FUNCTIONS(LetturaSituazione)

public:
    struct Errore
    {
        QString chiave; // empty when the text is no JSON object
        QString messaggio;
    };
    using Esito = std::variant<Situazione, Errore>;

    static Esito Leggi(const QByteArray& json);
    static Esito Leggi(const QJsonObject& oggetto);
};
