// The table of a comparison: one column per entry; rows for the kind and the table, the 21
// band values, the stored ratings and the computed ones. The window shows it, and it is
// exported as CSV and copied to the clipboard from here.
#pragma once

#include "exchange/DatiVoce.h"
#include "model/LocaleDocumenti.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QVariant>

namespace TabellaConfronto {

struct Riga
{
    QString etichetta;
    QList<QVariant> celle; // one per entry: text, number, or null for no value
    QString colonna;       // the stored rating column of a row of stored values
};

// The heading of the first column, and the rows.
QString Intestazione();
QList<Riga> Righe(const QList<DatiVoce>& voci);

// The whole table with a heading line of the entries' names: CSV as the exports write it,
// and tab-separated text in the system's number form for the clipboard (a spreadsheet's).
QByteArray Csv(const QList<DatiVoce>& voci);
QString TestoAppunti(const QList<DatiVoce>& voci);

// Whether the entry's cell of the row is a stored rating that differs from the computed one:
// the window and the print mark it.
bool Diversa(const Riga& riga, const DatiVoce& voce);
inline const QColor ColoreDiversa(0xB0, 0x00, 0x00);

// A cell as the window and the printed table show it: numbers in the documents' form.
QString TestoCella(const QVariant& cella, const QLocale& locale = LocaleDocumenti::Locale());

} // namespace TabellaConfronto
