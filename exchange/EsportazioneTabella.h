// A whole table as CSV: a heading line with the exact column names in the table's order,
// then every row in stored order.
#pragma once

class QIODevice;
class Recordset;

namespace EsportazioneTabella {

// Writes from the first row. Throws DbException when a value cannot be read; returns false
// when the device refuses to write.
bool Scrivi(Recordset& tabella, QIODevice& uscita);

} // namespace EsportazioneTabella
