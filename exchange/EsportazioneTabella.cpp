#include "EsportazioneTabella.h"

#include "ScritturaCsv.h"
#include "storage/Recordset.h"

#include <QIODevice>

bool EsportazioneTabella::Scrivi(Recordset& tabella, QIODevice& uscita)
{
    const QStringList colonne = tabella.FieldNames();
    QStringList campi;
    for (const QString& colonna : colonne)
        campi << ScritturaCsv::Testo(colonna);
    if (uscita.write(ScritturaCsv::Inizio() + ScritturaCsv::Riga(campi).toUtf8()) < 0)
        return false;
    for (tabella.MoveFirst(); !tabella.Eof(); tabella.MoveNext()) {
        campi.clear();
        for (const QString& colonna : colonne)
            campi << ScritturaCsv::Valore(tabella.Field(colonna));
        if (uscita.write(ScritturaCsv::Riga(campi).toUtf8()) < 0)
            return false;
    }
    return true;
}
