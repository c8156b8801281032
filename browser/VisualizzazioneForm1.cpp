#include "VisualizzazioneForm1.h"

#include "InformazioniForm1.h"
#include "RiquadroImmagine.h"
#include "SchedaMateriale.h"
#include "ValutazioniForm1.h"
#include "browser/immagine/SceltaImmagine.h"
#include "browser/parti/Picture1.h"
#include "model/FormatoNumero.h"
#include "storage/pg/ImmaginiCondivise.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

VisualizzazioneForm1::VisualizzazioneForm1(const ControlliForm1& controlli, ValutazioniForm1& valutazioni)
    : c_(controlli), valutazioni_(valutazioni)
{
}

void VisualizzazioneForm1::Mostra(RecordMateriale record, const TipoMateriale& tipo, const QString& percorso,
                                  Form2& info)
{
    mostrato_ = std::move(record);
    const SchedaMateriale scheda = SchedaMateriale::Da(*mostrato_, tipo);
    MostraImmagine(tipo.codice, scheda.immagine, percorso);
    c_.Text2->setPlainText(scheda.descrizione.value_or(QString()));
    c_.Label3->setText(scheda.rigaValutazione);
    for (int i = 0; i < NumeroValoriConservati; ++i)
        if (scheda.conservati[i])
            conservati_[i] = *scheda.conservati[i];
    valoriBande_ = scheda.bande;
    for (int i = 0; i < int(valoriBande_.size()); ++i)
        c_.Text1[i]->setText(FormatoNumero::TestoSingolo(valoriBande_[i]));
    InformazioniForm1::Mostra(info, scheda, mostrato_->DataProva());
}

void VisualizzazioneForm1::MostraImmagine(int codice, const std::optional<QString>& immagine,
                                          const QString& percorso)
{
    // A picture another workstation stored on the shared database's server comes into
    // the image folder first.
    const QString propria = SceltaImmagine::PercorsoProprio(codice, immagine);
    if (!propria.isEmpty())
        ImmaginiCondivise::Procura(percorso, Categorie::CartellaImmagini(codice), *immagine, propria);
    for (const QString& candidato : SceltaImmagine::Candidati(codice, immagine)) {
        const QPixmap letta = immagini_.Leggi(candidato);
        if (!letta.isNull()) {
            c_.Image1->ImpostaImmagine(letta);
            return;
        }
    }
}

void VisualizzazioneForm1::MostraAssente()
{
    ResetValoriForm1();
    valoriBande_.fill(0.0f);
}

void VisualizzazioneForm1::CancellaGrafico()
{
    c_.grafico->Pulisci();
    c_.Image1->Rimuovi();
    c_.minimo->setText(QStringLiteral("min"));
    c_.massimo->setText(QStringLiteral("max"));
}

void VisualizzazioneForm1::DisegnaGrafico(bool selezione, const TipoMateriale* tipo)
{
    valutazioni_.Mostra(selezione && mostrato_ ? &*mostrato_ : nullptr, tipo);
    if (!selezione) {
        for (QLineEdit* casella : c_.Text1)
            casella->setText(QStringLiteral("0"));
        CancellaGrafico();
        return;
    }
    GeometriaGrafico geometria = CalcolaGrafico(valoriBande_, true);
    valutazioni_.CompletaGrafico(geometria);
    c_.massimo->setText(geometria.testoMassimo);
    c_.minimo->setText(geometria.testoMinimo);
    c_.grafico->Disegna(geometria);
}

void VisualizzazioneForm1::ResetValoriForm1()
{
    for (QLineEdit* casella : c_.Text1)
        casella->clear();
    c_.Label3->clear();
    c_.Text2->clear();
}

void VisualizzazioneForm1::Svuota()
{
    mostrato_.reset();
    ResetValoriForm1();
    valoriBande_.fill(0.0f);
    conservati_.fill(0.0);
}
