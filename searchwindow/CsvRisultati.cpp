#include "CsvRisultati.h"

#include "ModelloRisultati.h"
#include "exchange/ScritturaCsv.h"

#include <QIODevice>

namespace CsvRisultati {

namespace {

QStringList Campi(const ModelloRisultati& modello, int riga)
{
    const VoceTrovata v = modello.Voce(riga);
    QStringList campi;
    for (int c = 0; c < ModelloRisultati::NumeroColonne; ++c) {
        if (c == ModelloRisultati::Massa || c == ModelloRisultati::Spessore) {
            const std::optional<double>& n = c == ModelloRisultati::Massa ? v.massa : v.spessore;
            campi << (n ? ScritturaCsv::Numero(*n) : QString());
        } else {
            campi << ScritturaCsv::Testo(modello.Testo(riga, c));
        }
    }
    return campi;
}

} // namespace

bool Scrivi(const ModelloRisultati& modello, QIODevice& file)
{
    if (file.write(ScritturaCsv::Inizio()) < 0)
        return false;
    QStringList intestazione;
    for (int c = 0; c < ModelloRisultati::NumeroColonne; ++c)
        intestazione << ScritturaCsv::Testo(modello.headerData(c, Qt::Horizontal).toString());
    QString testo = ScritturaCsv::Riga(intestazione);
    // A million entries never sit in memory as text.
    for (int riga = 0; riga < modello.rowCount(); ++riga) {
        testo += ScritturaCsv::Riga(Campi(modello, riga));
        if (riga % 4096 == 4095) {
            if (file.write(testo.toUtf8()) < 0)
                return false;
            testo.clear();
        }
    }
    return file.write(testo.toUtf8()) >= 0;
}

} // namespace CsvRisultati
