#include "CasellaElemento.h"

#include "model/FormatoNumero.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QToolButton>
#include <cmath>

CasellaElemento::CasellaElemento(TipoPosto tipo, const QString& didascalia, const QString& simbolo,
                                 QWidget* parent)
    : QWidget(parent), tipo_(tipo), didascalia_(didascalia.trimmed()), simbolo_(simbolo)
{
    auto* riga = new QHBoxLayout(this);
    riga->setContentsMargins(0, 0, 0, 0);
    auto* etichetta = new QLabel(didascalia, this);
    etichetta->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 22);
    riga->addWidget(etichetta);

    valore_ = new QLineEdit(this);
    valore_->setObjectName(QStringLiteral("Valore"));
    valore_->setPlaceholderText(simbolo);
    valore_->setToolTip(tr("%1 in dB: type a single number, or take an entry").arg(simbolo));
    valore_->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000,00")) + 16);
    etichetta->setBuddy(valore_);
    riga->addWidget(new QLabel(simbolo, this));
    riga->addWidget(valore_);
    connect(valore_, &QLineEdit::textEdited, this, &CasellaElemento::ValoreDigitato);

    if (ConMassa()) {
        massa_ = new QLineEdit(this);
        massa_->setObjectName(QStringLiteral("Massa"));
        massa_->setToolTip(tr("m' (kg/m²)"));
        massa_->setMaximumWidth(valore_->maximumWidth());
        riga->addWidget(new QLabel(tr("m' (kg/m²)"), this));
        riga->addWidget(massa_);
        connect(massa_, &QLineEdit::textEdited, this, &CasellaElemento::MassaDigitata);
    }

    fonteTesto_ = new QLabel(this);
    fonteTesto_->setObjectName(QStringLiteral("Fonte"));
    fonteTesto_->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 24);
    fonteTesto_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    riga->addWidget(fonteTesto_, 1);

    // The main window's entry at a click; the search and emptying in its menu.
    scegli_ = new QToolButton(this);
    scegli_->setObjectName(QStringLiteral("UsaVoceMostrata"));
    scegli_->setText(tr("Use the entry shown"));
    scegli_->setToolTip(tr("Puts the entry the main window shows into this slot"));
    scegli_->setPopupMode(QToolButton::MenuButtonPopup);
    scegli_->setFocusPolicy(Qt::StrongFocus);
    auto* menu = new QMenu(scegli_);
    menu->addAction(tr("Search the library..."), this, &CasellaElemento::cerca);
    QAction* svuota = menu->addAction(tr("Empty the slot"), this, [this] {
        Svuota();
        emit cambiata();
    });
    svuota->setObjectName(QStringLiteral("Svuota"));
    scegli_->setMenu(menu);
    connect(scegli_, &QToolButton::clicked, this, &CasellaElemento::usaVoceMostrata);
    riga->addWidget(scegli_);
    AggiornaFonte();
}

bool CasellaElemento::ConMassa() const
{
    return tipo_ == TipoPosto::Separazione || tipo_ == TipoPosto::Fianco || tipo_ == TipoPosto::Solaio;
}

std::optional<double> CasellaElemento::Numero(const QString& testo)
{
    const QString t = testo.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    double valore = QLocale().toDouble(t, &ok);
    if (!ok)
        valore = QLocale::c().toDouble(QString(t).replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    return ok && std::isfinite(valore) ? std::optional<double>(valore) : std::nullopt;
}

QString CasellaElemento::Testo(const std::optional<double>& valore)
{
    return valore ? FormatoNumero::Testo(*valore) : QString();
}

std::optional<Elemento> CasellaElemento::Contenuto() const
{
    return elemento_;
}

void CasellaElemento::Imposta(const Elemento& elemento, const std::optional<FonteVoce>& fonte)
{
    elemento_ = elemento;
    fonte_ = fonte;
    valore_->setText(Testo(elemento.r.indice));
    if (massa_)
        massa_->setText(Testo(elemento.massa));
    AggiornaFonte();
}

void CasellaElemento::Carica(const Elemento& elemento, const std::map<QString, FonteVoce>& fonti)
{
    if (!elemento.r.indice && !elemento.r.bande && !elemento.massa) {
        Svuota();
        return;
    }
    const auto fonte = fonti.find(posto_);
    Imposta(elemento, fonte == fonti.end() ? std::nullopt : std::optional<FonteVoce>(fonte->second));
}

void CasellaElemento::Svuota()
{
    elemento_.reset();
    fonte_.reset();
    valore_->clear();
    if (massa_)
        massa_->clear();
    AggiornaFonte();
}

// A typed number replaces the element's curve: it no longer is the entry's.
void CasellaElemento::ValoreDigitato()
{
    Elemento e = elemento_.value_or(Elemento{});
    e.r = Curva{Numero(valore_->text()), std::nullopt};
    if (massa_)
        e.massa = Numero(massa_->text());
    Digitato(e);
}

void CasellaElemento::MassaDigitata()
{
    Elemento e = elemento_.value_or(Elemento{});
    e.massa = Numero(massa_->text());
    Digitato(e);
}

// An element the user typed: none when it holds no value; no longer any entry's.
void CasellaElemento::Digitato(const Elemento& e)
{
    if (!e.massa && !e.r.indice && !e.r.bande)
        elemento_.reset();
    else
        elemento_ = e;
    fonte_.reset();
    AggiornaFonte();
    emit cambiata();
}

void CasellaElemento::AggiornaFonte()
{
    QString testo, suggerimento;
    if (fonte_) {
        testo = QStringLiteral("«%1»").arg(fonte_->nome);
        suggerimento = tr("«%1», table %2 of %3").arg(fonte_->nome, fonte_->tabella, fonte_->file);
    } else if (elemento_) {
        testo = tr("typed values");
    } else {
        testo = tr("empty");
    }
    if (HaBande()) {
        testo += tr(" (bands)");
        suggerimento += (suggerimento.isEmpty() ? QString() : QStringLiteral("\n")) +
                        tr("The element has one-third-octave band values.");
    }
    fonteTesto_->setText(testo);
    fonteTesto_->setToolTip(suggerimento.isEmpty() ? testo : suggerimento);
    fonteTesto_->setAccessibleName(testo);
}
