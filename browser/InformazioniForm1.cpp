#include "InformazioniForm1.h"

#include "SchedaMateriale.h"
#include "browser/parti/Form2.h"

#include <QCalendarWidget>
#include <QLabel>

namespace InformazioniForm1 {

namespace {

// The test date box, and the calendar that shows it when it is a date.
void MostraDataProva(Form2& info, const QString& testo, QDate data)
{
    QWidget* casella = info.Casella(SchedaMateriale::CasellaDataProva);
    QCalendarWidget* calendario = info.MonthView1();
    info.ImpostaTesto(SchedaMateriale::CasellaDataProva, testo);
    casella->setEnabled(!testo.isEmpty());
    calendario->setEnabled(!testo.isEmpty() && data.isValid());
    if (!testo.isEmpty() && data.isValid())
        calendario->setSelectedDate(data);
}

} // namespace

void Mostra(Form2& info, const SchedaMateriale& scheda, QDate dataProva)
{
    for (int k = 0; k < int(scheda.caselle.size()); ++k) {
        if (k == SchedaMateriale::CasellaDataProva && scheda.certificato)
            continue; // the test date has its own rule
        if (!scheda.caselle[k].isEmpty())
            info.ImpostaTesto(k, scheda.caselle[k]);
    }
    for (int k = 0; k < int(scheda.visibile.size()); ++k) {
        if (!scheda.visibile[k])
            continue;
        info.Casella(k)->setVisible(*scheda.visibile[k]);
        info.Etichetta(k)->setVisible(*scheda.visibile[k]);
    }
    if (scheda.etichetta9)
        info.Etichetta(SchedaMateriale::CasellaQuartaFisica)->setText(*scheda.etichetta9);
    if (scheda.etichetta10)
        info.Etichetta(SchedaMateriale::CasellaQuintaFisica)->setText(*scheda.etichetta10);
    if (scheda.certificato)
        MostraDataProva(info, scheda.dataProva, dataProva);
}

} // namespace InformazioniForm1
