// Entries for the storage tests: the user's text for every column of a kind's entry, the
// save request made of them, and the row the custom database must then hold. Every value
// depends on the column and a seed, so that two saves differ in every column and a value
// in the wrong row or column shows.
#pragma once

#include "model/SalvataggioMateriale.h"

#include <QHash>
#include <QString>
#include <QVariantMap>

namespace VoceDiProva {

// Column -> the user's text. Some seeds give a description long enough to need pages of
// its own in the file.
using Valori = QHash<QString, QString>;
Valori ValoriVoce(int codice, const QString& nome, int seme);

// The request the editor makes for these values, with the kind's writes in order; in
// modify mode, of the entry as the file holds it now.
SalvataggioMateriale::Richiesta Richiesta(const QString& percorso, int codice, const Valori& valori,
                                          bool modifica = false, const QString& selezionato = QString());

// Column -> stored value (a double for the columns the fixture's files declare numeric, the
// text otherwise).
QVariantMap RigaAttesa(const Valori& valori);

// The custom table of a kind.
QString Tabella(int codice);

} // namespace VoceDiProva
