#include "RiquadroGiunto.h"

#include "CasellaElemento.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <array>

RiquadroGiunto::RiquadroGiunto(QWidget* parent) : QGroupBox(parent)
{
    auto* griglia = new QGridLayout(this);
    auto* testa = new QHBoxLayout;
    lunghezza_ = Numero("Lunghezza", tr("Coupling length lf of the junction, m"));
    auto* etichetta = new QLabel(tr("&lf (m)"), this);
    etichetta->setBuddy(lunghezza_);
    testa->addWidget(etichetta);
    testa->addWidget(lunghezza_);
    tipo_ = new QComboBox(this);
    tipo_->setObjectName(QStringLiteral("TipoGiunto"));
    tipo_->addItems({tr("Rigid cross junction"), tr("Rigid T junction"), tr("Typed Kij")});
    tipo_->setToolTip(tr("Junction type: Kij from the masses (EN 12354-1, annex E), or typed"));
    testa->addWidget(tipo_);
    for (auto [casella, nome] : {std::pair{&kFf_, "KFf"}, {&kFd_, "KFd"}, {&kDf_, "KDf"}}) {
        *casella = Numero(nome, tr("%1 in dB").arg(QLatin1String(nome)));
        testa->addWidget(new QLabel(QLatin1String(nome), this));
        testa->addWidget(*casella);
    }
    testa->addStretch();
    griglia->addLayout(testa, 0, 0, 1, 3);
    connect(tipo_, &QComboBox::currentIndexChanged, this, &RiquadroGiunto::TipoScelto);

    const auto lato = [&](int riga, CasellaElemento*& elemento, CasellaElemento*& rivestimento,
                          QLineEdit*& area, const QString& dove, const char* nomeArea) {
        elemento =
            new CasellaElemento(TipoPosto::Fianco, tr("Flanking %1").arg(dove), QStringLiteral("Rw"), this);
        rivestimento =
            new CasellaElemento(TipoPosto::Rivestimento, tr("  its lining"), QStringLiteral("ΔRw"), this);
        area = Numero(nomeArea, tr("Area of the flanking element, m²"));
        griglia->addWidget(elemento, riga, 0);
        griglia->addWidget(new QLabel(tr("S (m²)"), this), riga, 1);
        griglia->addWidget(area, riga, 2);
        griglia->addWidget(rivestimento, riga + 1, 0);
        for (CasellaElemento* c : {elemento, rivestimento})
            connect(c, &CasellaElemento::cambiata, this, &RiquadroGiunto::cambiata);
    };
    lato(1, sorgente_, rivestimentoSorgente_, areaSorgente_, tr("F (source room)"), "AreaF");
    lato(3, ricevente_, rivestimentoRicevente_, areaRicevente_, tr("f (receiving room)"), "Areaf");
    griglia->setColumnStretch(0, 1);
    TipoScelto();
}

QLineEdit* RiquadroGiunto::Numero(const char* nome, const QString& suggerimento)
{
    auto* casella = new QLineEdit(this);
    casella->setObjectName(QLatin1String(nome));
    casella->setToolTip(suggerimento);
    casella->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000,00")) + 16);
    connect(casella, &QLineEdit::textEdited, this, &RiquadroGiunto::cambiata);
    return casella;
}

void RiquadroGiunto::TipoScelto()
{
    for (QLineEdit* k : {kFf_, kFd_, kDf_})
        k->setEnabled(tipo_->currentIndex() == 2);
    emit cambiata();
}

void RiquadroGiunto::Numera(int numero)
{
    setTitle(tr("Junction %1").arg(numero));
    setObjectName(QStringLiteral("Giunto%1").arg(numero));
    const QString base = QStringLiteral("fianchi[%1].").arg(numero);
    sorgente_->ImpostaPosto(base + QLatin1Char('F'));
    rivestimentoSorgente_->ImpostaPosto(base + QLatin1String("F.DR"));
    ricevente_->ImpostaPosto(base + QLatin1Char('f'));
    rivestimentoRicevente_->ImpostaPosto(base + QLatin1String("f.DR"));
}

Fianco RiquadroGiunto::Leggi() const
{
    Fianco f;
    f.lunghezza = CasellaElemento::Numero(lunghezza_->text()).value_or(0);
    f.giunto.tipo = std::array{TipoGiunto::Croce, TipoGiunto::T, TipoGiunto::Dato}[tipo_->currentIndex()];
    f.giunto.kFf = CasellaElemento::Numero(kFf_->text()).value_or(0);
    f.giunto.kFd = CasellaElemento::Numero(kFd_->text()).value_or(0);
    f.giunto.kDf = CasellaElemento::Numero(kDf_->text()).value_or(0);
    f.sorgente = sorgente_->Contenuto().value_or(Elemento{});
    f.sorgente.area = CasellaElemento::Numero(areaSorgente_->text());
    f.ricevente = ricevente_->Contenuto().value_or(Elemento{});
    f.ricevente.area = CasellaElemento::Numero(areaRicevente_->text());
    if (const auto r = rivestimentoSorgente_->Contenuto())
        f.rivestimentoSorgente = r->r;
    if (const auto r = rivestimentoRicevente_->Contenuto())
        f.rivestimentoRicevente = r->r;
    return f;
}

void RiquadroGiunto::Carica(const Fianco& fianco, const std::map<QString, FonteVoce>& fonti)
{
    const QSignalBlocker blocco(this);
    lunghezza_->setText(CasellaElemento::Testo(fianco.lunghezza));
    tipo_->setCurrentIndex(fianco.giunto.tipo == TipoGiunto::Croce ? 0
                           : fianco.giunto.tipo == TipoGiunto::T   ? 1
                                                                   : 2);
    const bool dato = fianco.giunto.tipo == TipoGiunto::Dato;
    kFf_->setText(dato ? CasellaElemento::Testo(fianco.giunto.kFf) : QString());
    kFd_->setText(dato ? CasellaElemento::Testo(fianco.giunto.kFd) : QString());
    kDf_->setText(dato ? CasellaElemento::Testo(fianco.giunto.kDf) : QString());
    sorgente_->Carica(fianco.sorgente, fonti);
    ricevente_->Carica(fianco.ricevente, fonti);
    areaSorgente_->setText(CasellaElemento::Testo(fianco.sorgente.area));
    areaRicevente_->setText(CasellaElemento::Testo(fianco.ricevente.area));
    rivestimentoSorgente_->Carica(Elemento{fianco.rivestimentoSorgente, {}, {}}, fonti);
    rivestimentoRicevente_->Carica(Elemento{fianco.rivestimentoRicevente, {}, {}}, fonti);
}

QList<CasellaElemento*> RiquadroGiunto::Caselle() const
{
    return {sorgente_, rivestimentoSorgente_, ricevente_, rivestimentoRicevente_};
}
