#include "ValutazioniEditor.h"

#include "model/TestoValutazione.h"
#include "model/ValutazioneMateriale.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <algorithm>

ValutazioniEditor::ValutazioniEditor(QWidget* contenitore, const std::array<QLineEdit*, 21>& bande,
                                     const std::array<QLineEdit*, NumeroValutazioni>& valutazioni,
                                     const QPoint& pulsante)
    : QObject(contenitore), bande_(bande), valutazioni_(valutazioni)
{
    for (int i = 0; i < NumeroValutazioni; ++i) {
        const QRect casella = valutazioni_[i]->geometry();
        auto* etichetta = new QLabel(contenitore);
        etichetta->setObjectName(QStringLiteral("ValutazioneCalcolata(%1)").arg(21 + i));
        etichetta->setGeometry(casella.left(), casella.bottom() + 2, casella.width(), 16);
        etichetta->setAlignment(Qt::AlignCenter);
        QFont piccolo = etichetta->font();
        piccolo.setPointSizeF(piccolo.pointSizeF() * 0.9);
        piccolo.setItalic(true);
        etichetta->setFont(piccolo);
        etichette_[size_t(i)] = etichetta;
    }
    copia_ = new QPushButton(tr("Use computed"), contenitore);
    copia_->setObjectName(QStringLiteral("CopiaValutazioni"));
    copia_->setGeometry(QRect(pulsante, QSize(valutazioni_[0]->width(), 25)));
    copia_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    copia_->setToolTip(tr("Copies the ratings computed from the band values into the rating boxes "
                          "(Ctrl+Shift+R)"));
    copia_->setAutoDefault(false);
    connect(copia_, &QPushButton::clicked, this, &ValutazioniEditor::Copia);
    for (QLineEdit* banda : bande_)
        connect(banda, &QLineEdit::textChanged, this, &ValutazioniEditor::Aggiorna);
    Aggiorna();
}

void ValutazioniEditor::ImpostaTipo(const TipoMateriale* tipo)
{
    tipo_ = tipo;
    Aggiorna();
}

void ValutazioniEditor::Aggiorna()
{
    calcolati_ = {};
    const QLocale locale;
    MotoreValutazione::Bande bande;
    for (size_t i = 0; i < bande_.size(); ++i) {
        bool numero = false;
        const double valore = locale.toDouble(bande_[i]->text(), &numero);
        if (numero)
            bande[i] = valore;
    }
    const std::optional<Valutazione> calcolata =
        tipo_ ? ValutazioneMateriale::Valuta(*tipo_, bande, {}).calcolata : std::nullopt;
    for (size_t i = 0; i < etichette_.size(); ++i) {
        QString testo = tr("not computed");
        if (calcolata && i < tipo_->valutazioni.size()) {
            calcolati_[i] = ValutazioneMateriale::Calcolato(*calcolata, tipo_->valutazioni[i].significato);
            if (calcolati_[i])
                testo = tr("computed: %1").arg(locale.toString(*calcolati_[i]));
        }
        etichette_[i]->setText(testo);
        etichette_[i]->setToolTip(!tipo_       ? QString()
                                  : !calcolata ? TestoValutazione::SenzaValutazione()
                                               : TestoValutazione::Riga(*tipo_, *calcolata, bande));
    }
    copia_->setEnabled(
        std::any_of(calcolati_.begin(), calcolati_.end(), [](const auto& c) { return c.has_value(); }));
}

void ValutazioniEditor::Copia()
{
    for (size_t i = 0; i < calcolati_.size(); ++i)
        if (calcolati_[i])
            valutazioni_[i]->setText(QLocale().toString(*calcolati_[i]));
}
