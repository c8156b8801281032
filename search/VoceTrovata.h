// One entry a search found: where it lies, and what the result list shows of it.
#pragma once

#include <QString>
#include <QVariant>
#include <array>
#include <optional>

struct VoceTrovata
{
    int tabella = 0; // in the list of tables searched
    qint64 riga = 0; // its place in the table's stored order
    QString nome;
    std::array<QVariant, 3> valutazioni; // the kind's rating columns as stored
    std::optional<double> massa;
    std::optional<double> spessore;
    QString dataProva;
    QString ente;
};
