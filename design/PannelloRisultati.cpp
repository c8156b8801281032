#include "PannelloRisultati.h"

#include "TestiRisultato.h"
#include "comparison/GraficoCurve.h"
#include "exchange/DatiVoce.h"
#include "prediction/Previsione.h"

#include <QAbstractAxis>
#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

PannelloRisultati::PannelloRisultati(QWidget* parent) : QWidget(parent)
{
    auto* colonna = new QVBoxLayout(this);
    const auto etichetta = [&](const char* nome, double scala) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(nome));
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        l->setWordWrap(true);
        QFont f = l->font();
        f.setPointSizeF(f.pointSizeF() * scala);
        f.setBold(scala > 1);
        l->setFont(f);
        colonna->addWidget(l);
        return l;
    };
    principale_ = etichetta("RisultatoPrincipale", 1.5);
    secondario_ = etichetta("RisultatoSecondario", 1.15);
    requisito_ = etichetta("Requisito", 1.15);
    classe_ = etichetta("Classe", 1);

    percorsi_ = new QTableWidget(0, 3, this);
    percorsi_->setObjectName(QStringLiteral("Percorsi"));
    percorsi_->setHorizontalHeaderLabels({tr("Path"), tr("Value (dB)"), tr("Share of energy (%)")});
    percorsi_->verticalHeader()->hide();
    percorsi_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    percorsi_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    percorsi_->setToolTip(tr("Every transmission path, the one that carries the most sound first"));
    percorsi_->setMinimumHeight(5 * fontMetrics().height());
    colonna->addWidget(percorsi_, 2);

    grafico_ = new QChart;
    grafico_->setMargins(QMargins(4, 4, 4, 4));
    vista_ = new QChartView(grafico_, this);
    vista_->setObjectName(QStringLiteral("GraficoProgetto"));
    vista_->setRenderHint(QPainter::Antialiasing);
    vista_->setMinimumHeight(260);
    colonna->addWidget(vista_, 3);
    colonna->addStretch(0);
}

void PannelloRisultati::Mostra(const Situazione& situazione, const RisultatoPrevisione& r)
{
    const Requisiti::Calcolo calcolo = Previsione::CalcoloDi(situazione);
    const QLocale locale;
    principale_->setText(TestiRisultato::Principale(calcolo, r, locale));
    secondario_->setText(TestiRisultato::Secondario(calcolo, r, locale));
    // Met or not: a mark and words, blue or dark orange (told apart without red and green).
    requisito_->setText(situazione.categoria ? TestiRisultato::Requisito(r, *situazione.categoria, locale)
                                             : tr("No building category chosen: no limit to meet."));
    requisito_->setStyleSheet(!r.requisito ? QString()
                              : r.requisito->rispettato
                                  ? QStringLiteral("color: #0b4f9c;")
                                  : QStringLiteral("color: #a84300; text-decoration: underline;"));
    classe_->setText(TestiRisultato::Classe(r));

    const QList<TestiRisultato::RigaPercorso> righe = TestiRisultato::Percorsi(r, locale);
    percorsi_->setRowCount(int(righe.size()));
    for (int i = 0; i < righe.size(); ++i) {
        const QStringList celle{righe[i].nome, righe[i].valore, righe[i].quota};
        for (int c = 0; c < 3; ++c) {
            auto* cella = new QTableWidgetItem(celle[c]);
            cella->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                           : Qt::AlignRight | Qt::AlignVCenter);
            percorsi_->setItem(i, c, cella);
        }
    }
    DisegnaGrafico(grafico_, situazione, r);
    // Impact sound has neither paths nor bands: the ratings alone.
    percorsi_->setVisible(!righe.isEmpty());
    vista_->setVisible(!grafico_->series().isEmpty());
}

void PannelloRisultati::MostraMancante(const QString& chiave, const QString& messaggio)
{
    principale_->setText(tr("No result yet"));
    secondario_->setText(chiave.isEmpty() ? messaggio : QStringLiteral("«%1»: %2").arg(chiave, messaggio));
    requisito_->clear();
    requisito_->setStyleSheet({});
    classe_->clear();
    percorsi_->setRowCount(0);
    DisegnaGrafico(grafico_, Situazione{}, RisultatoPrevisione{});
    percorsi_->hide();
    vista_->hide();
}

void PannelloRisultati::DisegnaGrafico(QChart* grafico, const Situazione& situazione,
                                       const RisultatoPrevisione& r)
{
    DatiVoce inOpera, laboratorio;
    inOpera.codice = laboratorio.codice = 1; // both hold R
    if (r.perBande) {
        inOpera.nome = tr("R' in the building");
        inOpera.bande = r.bande;
        inOpera.calcolata = MotoreValutazione::Valuta(GrandezzaBande::R, r.bande);
    }
    if (const auto* aerea = std::get_if<SituazioneAerea>(&situazione.calcolo);
        aerea && aerea->separazione.r.bande) {
        laboratorio.nome = tr("R of the separating element (laboratory)");
        laboratorio.bande = *aerea->separazione.r.bande;
    }
    QList<GraficoCurve::Curva> curve;
    if (r.perBande)
        curve.append({&inOpera, 0});
    if (!laboratorio.nome.isEmpty())
        curve.append({&laboratorio, 1});
    GraficoCurve::Disegna(grafico, curve, true);
    // The laboratory curve has no reference of its own: only R' is rated here.
    grafico->setTitle(curve.isEmpty() ? tr("No band values: the chart needs the detailed model")
                      : laboratorio.nome.isEmpty()
                          ? tr("R' per band (blue; dashed: its shifted reference curve)")
                          : tr("R' per band (blue; dashed: its shifted reference curve) and the separating "
                               "element's R (red)"));
    // Every band's label, small enough for a narrow chart.
    for (QAbstractAxis* asse : grafico->axes(Qt::Horizontal)) {
        QFont carattere = asse->labelsFont();
        carattere.setPointSizeF(std::max(6.0, carattere.pointSizeF() * 0.75));
        asse->setLabelsFont(carattere);
        asse->setLabelsAngle(-90);
    }
}
