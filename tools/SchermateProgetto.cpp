#include "SchermateProgetto.h"

#include "browser/AlberoCategorie.h"
#include "browser/ElencoNomi.h"
#include "browser/Form1.h"
#include "config/ZelmarCommonModule.h"
#include "design/CasellaElemento.h"
#include "design/ComandiProgetto.h"
#include "design/EditorSituazione.h"
#include "design/FinestraProgetto.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// The table whose node has the caption (under the custom root, or any), and the entry of that
// name in it.
void Mostra(Form1& form, const QString& tabella, const QString& nome, bool personalizzata = true)
{
    QTreeWidget* albero = form.Controlli().TreeView1;
    for (int r = 0; r < albero->topLevelItemCount(); ++r) {
        QTreeWidgetItem* radice = albero->topLevelItem(r);
        if (personalizzata && AlberoCategorie::Chiave(radice) != QLatin1String("personalizzato"))
            continue;
        for (int f = 0; f < radice->childCount(); ++f)
            if (radice->child(f)->text(0) == tabella) {
                albero->setCurrentItem(radice->child(f));
                form.TreeView1_NodeClick(radice->child(f));
            }
    }
    ElencoNomi* elenco = form.Controlli().List1;
    for (int riga = 0; riga < elenco->count(); ++riga)
        if (elenco->testo(riga) == nome)
            elenco->setCurrentRow(riga);
}

void Digita(QWidget* dove, const QString& nome, const QString& testo)
{
    if (auto* casella = dove->findChild<QLineEdit*>(nome)) {
        casella->setText(testo);
        emit casella->textEdited(testo);
    }
}

void Usa(FinestraProgetto* f, const QString& posto)
{
    for (CasellaElemento* c : f->Editor()->Caselle())
        if (c->Posto() == posto)
            c->findChild<QToolButton*>(QStringLiteral("UsaVoceMostrata"))->click();
}

void Aereo(Form1& form, FinestraProgetto* f)
{
    EditorSituazione* e = f->Editor();
    Digita(e, QStringLiteral("Ss"), QStringLiteral("10,5"));
    Digita(e, QStringLiteral("V"), QStringLiteral("52"));
    Mostra(form, ZelmarCommonModule::M(20), QStringLiteral("Muro in blocchi di calcestruzzo 20 cm"));
    Usa(f, QStringLiteral("separazione"));
    Mostra(form, ZelmarCommonModule::M(20), QStringLiteral("Tramezzo in laterizio forato 8 cm"));
    for (int g = 1; g <= 4; ++g) {
        QWidget* giunto = e->findChild<QWidget*>(QStringLiteral("Giunto%1").arg(g));
        Digita(giunto, QStringLiteral("Lunghezza"), g % 2 ? QStringLiteral("3") : QStringLiteral("4,2"));
        Digita(giunto, QStringLiteral("AreaF"), QStringLiteral("12"));
        Digita(giunto, QStringLiteral("Areaf"), QStringLiteral("11,5"));
        Usa(f, QStringLiteral("fianchi[%1].F").arg(g));
        Usa(f, QStringLiteral("fianchi[%1].f").arg(g));
    }
}

void Calpestio(Form1& form, FinestraProgetto* f)
{
    EditorSituazione* e = f->Editor();
    e->ScegliCalcolo(Requisiti::Calcolo::Calpestio);
    Mostra(form, ZelmarCommonModule::M(22),
           QStringLiteral("Solaio in laterocemento con massetto galleggiante"));
    Usa(f, QStringLiteral("Lnw"));
    Mostra(form, ZelmarCommonModule::M(23), QStringLiteral("Pavimento vinilico su feltro"));
    Usa(f, QStringLiteral("DLw"));
    Digita(e, QStringLiteral("MassaFianchi"), QStringLiteral("220"));
    Digita(e, QStringLiteral("VCalpestio"), QStringLiteral("48"));
}

void Facciata(Form1& form, FinestraProgetto* f)
{
    EditorSituazione* e = f->Editor();
    e->ScegliCalcolo(Requisiti::Calcolo::Facciata);
    Digita(e, QStringLiteral("S"), QStringLiteral("10,8"));
    Digita(e, QStringLiteral("VFacciata"), QStringLiteral("45"));
    Mostra(form, ZelmarCommonModule::M(20), QStringLiteral("Muro in blocchi di calcestruzzo 20 cm"));
    Usa(f, QStringLiteral("elementi[1]"));
    Digita(e, QStringLiteral("Areaelementi[1]"), QStringLiteral("8,3"));
    Mostra(form, ZelmarCommonModule::M(26), QStringLiteral("Finestra in legno-alluminio"));
    Usa(f, QStringLiteral("elementi[2]"));
    Digita(e, QStringLiteral("Areaelementi[2]"), QStringLiteral("2,5"));
    Mostra(form, QStringLiteral("Aeratori e cassonetti"),
           QStringLiteral("Cassonetto coibentato per avvolgibile"), false);
    Usa(f, QStringLiteral("piccoli[1]"));
}

} // namespace

bool SchermateProgetto::Salva(Form1& form, const QString& cartella,
                              const std::function<bool(QWidget*, const QString&)>& salva)
{
    QAction* apri = form.findChild<QAction*>(QStringLiteral("ProgettoAcustico"));
    if (!apri)
        return false;
    apri->trigger();
    FinestraProgetto* f = form.findChild<ComandiProgetto*>()->Finestra();
    f->resize(1500, 940);
    f->Editor()->SceltaCategoria()->setCurrentIndex(1);
    bool ok = true;
    const std::pair<void (*)(Form1&, FinestraProgetto*), const char*> situazioni[] = {
        {Aereo, "aereo"}, {Calpestio, "calpestio"}, {Facciata, "facciata"}};
    for (const auto& [componi, nome] : situazioni) {
        componi(form, f);
        QApplication::processEvents();
        ok = salva(f, cartella + QStringLiteral("/Progetto-%1.png").arg(QLatin1String(nome))) && ok;
    }
    f->hide();
    return ok;
}
