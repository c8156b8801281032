// Entries for the storage tests: what the editor's boxes would hold for an entry of a
// category, the save request the editor builds from them, and the row the custom
// database must then hold. Every value depends on a seed, so that two saves differ in
// every column and a value in the wrong row or column shows.
#pragma once

#include "model/SalvataggioMateriale.h"

#include <QHash>
#include <QString>
#include <QVariantMap>

namespace VoceDiProva {

// Editor box name ("Text15", "Text2(21)", "MonthView1") -> its text.
using Caselle = QHash<QString, QString>;

// Boxes of an entry of the category code (1..7, 10). Some seeds give a description
// long enough to need pages of its own in the file.
Caselle CaselleVoce(int codice, const QString& nome, int seme);

// The request the editor builds for these boxes, with the category's writes in order.
SalvataggioMateriale::Richiesta Richiesta(const QString& percorso, int codice, const Caselle& caselle,
                                          bool modifica = false, const QString& selezionato = QString());

// Column -> stored value (a double for numeric columns, the text otherwise) of the row
// a successful save of these boxes leaves.
QVariantMap RigaAttesa(int codice, const Caselle& caselle);

// The custom table of a category code.
QString Tabella(int codice);

} // namespace VoceDiProva
