#include "EditorSituazione.h"

#include "CasellaElemento.h"
#include "RiquadroGiunto.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kGiuntiMassimi = 8;
constexpr int kElementiMassimi = 8;

// The building categories of DPCM 5-12-1997, table A.
QStringList Categorie()
{
    return {EditorSituazione::tr("None (no limit)"),
            EditorSituazione::tr("A - residences"),
            EditorSituazione::tr("B - offices"),
            EditorSituazione::tr("C - hotels and boarding houses"),
            EditorSituazione::tr("D - hospitals, clinics, nursing homes"),
            EditorSituazione::tr("E - schools"),
            EditorSituazione::tr("F - recreation and worship"),
            EditorSituazione::tr("G - commerce")};
}

QString Elementi(int i)
{
    return QStringLiteral("elementi[%1]").arg(i + 1);
}

QString Piccoli(int i)
{
    return QStringLiteral("piccoli[%1]").arg(i + 1);
}

} // namespace

EditorSituazione::EditorSituazione(QWidget* parent) : QWidget(parent)
{
    auto* colonna = new QVBoxLayout(this);
    auto* scelte = new QFormLayout;
    calcolo_ = new QComboBox(this);
    calcolo_->setObjectName(QStringLiteral("Calcolo"));
    calcolo_->addItems({tr("Airborne sound between rooms"), tr("Impact sound"), tr("Facade")});
    modello_ = new QComboBox(this);
    modello_->setObjectName(QStringLiteral("Modello"));
    modello_->addItems({tr("Automatic: detailed when every element has bands"), tr("Detailed (bands)"),
                        tr("Simplified (single numbers)")});
    categoria_ = new QComboBox(this);
    categoria_->setObjectName(QStringLiteral("Categoria"));
    categoria_->addItems(Categorie());
    scelte->addRow(tr("&Situation"), calcolo_);
    scelte->addRow(tr("&Model"), modello_);
    scelte->addRow(tr("Building &category"), categoria_);
    colonna->addLayout(scelte);

    // Only the chosen kind's page is shown, so that the layout takes its size alone.
    pagine_ = {CreaAerea(), CreaCalpestio(), CreaFacciata()};
    for (QWidget* pagina : pagine_)
        colonna->addWidget(pagina);
    colonna->addStretch();

    connect(calcolo_, &QComboBox::currentIndexChanged, this, [this](int indice) {
        for (int i = 0; i < pagine_.size(); ++i)
            pagine_[i]->setVisible(i == indice);
        modello_->setEnabled(indice != int(Requisiti::Calcolo::Calpestio));
        emit cambiata();
    });
    for (QComboBox* c : {modello_, categoria_})
        connect(c, &QComboBox::currentIndexChanged, this, &EditorSituazione::cambiata);
    Azzera();
}

QLineEdit* EditorSituazione::Numero(QFormLayout* modulo, const char* nome, const QString& didascalia,
                                    const QString& suggerimento)
{
    auto* casella = new QLineEdit(this);
    casella->setObjectName(QLatin1String(nome));
    casella->setToolTip(suggerimento);
    casella->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000,00")) + 16);
    modulo->addRow(didascalia, casella);
    connect(casella, &QLineEdit::textEdited, this, &EditorSituazione::cambiata);
    return casella;
}

void EditorSituazione::Collega(CasellaElemento* casella)
{
    connect(casella, &CasellaElemento::cambiata, this, &EditorSituazione::cambiata);
    connect(casella, &CasellaElemento::usaVoceMostrata, this,
            [this, casella] { emit usaVoceMostrata(casella); });
    connect(casella, &CasellaElemento::cerca, this, [this, casella] { emit cerca(casella); });
}

CasellaElemento* EditorSituazione::Casella(TipoPosto tipo, const QString& didascalia, const QString& simbolo,
                                           const QString& posto)
{
    auto* casella = new CasellaElemento(tipo, didascalia, simbolo, this);
    casella->ImpostaPosto(posto);
    casella->setObjectName(posto);
    Collega(casella);
    return casella;
}

QWidget* EditorSituazione::CreaAerea()
{
    auto* pagina = new QWidget(this);
    auto* colonna = new QVBoxLayout(pagina);
    colonna->setContentsMargins(0, 0, 0, 0);
    auto* geometria = new QGroupBox(tr("Geometry"), pagina);
    auto* modulo = new QFormLayout(geometria);
    ss_ = Numero(modulo, "Ss", tr("S&s (m²)"), tr("Area of the separating element, m²"));
    vAerea_ = Numero(modulo, "V", tr("&V (m³)"), tr("Volume of the receiving room, m³"));
    colonna->addWidget(geometria);

    auto* separazione = new QGroupBox(tr("Separating element"), pagina);
    auto* elementi = new QVBoxLayout(separazione);
    separazione_ = Casella(TipoPosto::Separazione, tr("Separating element"), QStringLiteral("Rw"),
                           QStringLiteral("separazione"));
    rivestimentoSorgente_ = Casella(TipoPosto::Rivestimento, tr("Lining, source room"), QStringLiteral("ΔRw"),
                                    QStringLiteral("separazione.DR_sorgente"));
    rivestimentoRicevente_ = Casella(TipoPosto::Rivestimento, tr("Lining, receiving room"),
                                     QStringLiteral("ΔRw"), QStringLiteral("separazione.DR_ricevente"));
    for (CasellaElemento* c : {separazione_, rivestimentoSorgente_, rivestimentoRicevente_})
        elementi->addWidget(c);
    colonna->addWidget(separazione);

    auto* numero = new QHBoxLayout;
    numeroGiunti_ = new QSpinBox(pagina);
    numeroGiunti_->setObjectName(QStringLiteral("NumeroGiunti"));
    numeroGiunti_->setRange(0, kGiuntiMassimi);
    auto* etichetta = new QLabel(tr("&Junctions with flanking elements"), pagina);
    etichetta->setBuddy(numeroGiunti_);
    numero->addWidget(etichetta);
    numero->addWidget(numeroGiunti_);
    numero->addStretch();
    colonna->addLayout(numero);
    giunti_ = new QVBoxLayout;
    colonna->addLayout(giunti_);
    connect(numeroGiunti_, &QSpinBox::valueChanged, this, &EditorSituazione::GiuntiCambiati);
    return pagina;
}

QWidget* EditorSituazione::CreaCalpestio()
{
    auto* pagina = new QGroupBox(tr("Floor"), this);
    auto* colonna = new QVBoxLayout(pagina);
    solaio_ = Casella(TipoPosto::Solaio, tr("Bare floor (Ln,w measured, or from m')"), QStringLiteral("Ln,w"),
                      QStringLiteral("Lnw"));
    pavimento_ = Casella(TipoPosto::RivestimentoPavimento, tr("Floor covering or floating floor"),
                         QStringLiteral("ΔLw"), QStringLiteral("DLw"));
    colonna->addWidget(solaio_);
    colonna->addWidget(pavimento_);
    auto* modulo = new QFormLayout;
    massaFianchi_ = Numero(modulo, "MassaFianchi", tr("m' of the flanking elements (kg/m²)"),
                           tr("Mean mass per unit area of the homogeneous flanking elements"));
    vCalpestio_ = Numero(modulo, "VCalpestio", tr("V (m³)"), tr("Volume of the receiving room, m³"));
    colonna->addLayout(modulo);
    return pagina;
}

QWidget* EditorSituazione::CreaFacciata()
{
    auto* pagina = new QWidget(this);
    auto* colonna = new QVBoxLayout(pagina);
    colonna->setContentsMargins(0, 0, 0, 0);
    auto* geometria = new QGroupBox(tr("Geometry"), pagina);
    auto* modulo = new QFormLayout(geometria);
    s_ = Numero(modulo, "S", tr("S (m²)"), tr("Area of the facade seen from the room, m²"));
    vFacciata_ = Numero(modulo, "VFacciata", tr("V (m³)"), tr("Volume of the room, m³"));
    dlfs_ = Numero(modulo, "DLfs", tr("ΔLfs (dB)"), tr("Level difference due to the facade's shape, dB"));
    numeroElementi_ = new QSpinBox(pagina);
    numeroElementi_->setObjectName(QStringLiteral("NumeroElementi"));
    numeroElementi_->setRange(0, kElementiMassimi);
    numeroPiccoli_ = new QSpinBox(pagina);
    numeroPiccoli_->setObjectName(QStringLiteral("NumeroPiccoli"));
    numeroPiccoli_->setRange(0, kElementiMassimi);
    for (QSpinBox* n : {numeroElementi_, numeroPiccoli_})
        n->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 24);
    modulo->addRow(tr("Facade &elements"), numeroElementi_);
    modulo->addRow(tr("S&mall elements"), numeroPiccoli_);
    colonna->addWidget(geometria);
    auto* elementi = new QGroupBox(tr("Elements"), pagina);
    elementiFacciata_ = new QVBoxLayout(elementi);
    piccoliFacciata_ = new QVBoxLayout;
    elementiFacciata_->addLayout(piccoliFacciata_);
    colonna->addWidget(elementi);
    for (QSpinBox* n : {numeroElementi_, numeroPiccoli_})
        connect(n, &QSpinBox::valueChanged, this, &EditorSituazione::FacciataCambiata);
    return pagina;
}

void EditorSituazione::GiuntiCambiati(int numero)
{
    while (riquadriGiunti_.size() > numero)
        delete riquadriGiunti_.takeLast();
    while (riquadriGiunti_.size() < numero) {
        auto* giunto = new RiquadroGiunto(this);
        giunto->Numera(int(riquadriGiunti_.size()) + 1);
        for (CasellaElemento* c : giunto->Caselle())
            Collega(c);
        connect(giunto, &RiquadroGiunto::cambiata, this, &EditorSituazione::cambiata);
        giunti_->addWidget(giunto);
        riquadriGiunti_ << giunto;
    }
    emit cambiata();
}

void EditorSituazione::FacciataCambiata()
{
    while (elementi_.size() > numeroElementi_->value())
        delete elementi_.takeLast().first->parentWidget();
    while (elementi_.size() < numeroElementi_->value()) {
        const int i = int(elementi_.size());
        auto* riga = new QWidget(this);
        auto* righe = new QHBoxLayout(riga);
        righe->setContentsMargins(0, 0, 0, 0);
        CasellaElemento* casella =
            Casella(TipoPosto::ElementoFacciata, tr("Element %1 (wall, window, door)").arg(i + 1),
                    QStringLiteral("Rw"), Elementi(i));
        casella->setParent(riga);
        auto* area = new QLineEdit(riga);
        area->setObjectName(QStringLiteral("Area") + Elementi(i));
        area->setToolTip(tr("Area of the element, m²"));
        area->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000,00")) + 16);
        connect(area, &QLineEdit::textEdited, this, &EditorSituazione::cambiata);
        righe->addWidget(casella, 1);
        righe->addWidget(new QLabel(tr("S (m²)"), riga));
        righe->addWidget(area);
        elementiFacciata_->insertWidget(i, riga);
        elementi_.append({casella, area});
    }
    while (piccoli_.size() > numeroPiccoli_->value())
        delete piccoli_.takeLast();
    while (piccoli_.size() < numeroPiccoli_->value()) {
        const int i = int(piccoli_.size());
        CasellaElemento* casella = Casella(TipoPosto::PiccoloElemento, tr("Small element %1").arg(i + 1),
                                           QStringLiteral("Dn,e,w"), Piccoli(i));
        piccoliFacciata_->addWidget(casella);
        piccoli_ << casella;
    }
    emit cambiata();
}

void EditorSituazione::ImpostaGiunti(int numero)
{
    numeroGiunti_->setValue(numero);
}

void EditorSituazione::ImpostaElementiFacciata(int elementi, int piccoli)
{
    numeroElementi_->setValue(elementi);
    numeroPiccoli_->setValue(piccoli);
}

Requisiti::Calcolo EditorSituazione::Calcolo() const
{
    return Requisiti::Calcolo(calcolo_->currentIndex());
}

void EditorSituazione::ScegliCalcolo(Requisiti::Calcolo calcolo)
{
    calcolo_->setCurrentIndex(int(calcolo));
}

QList<CasellaElemento*> EditorSituazione::Caselle() const
{
    QList<CasellaElemento*> caselle;
    switch (Calcolo()) {
    case Requisiti::Calcolo::Aereo:
        caselle = {separazione_, rivestimentoSorgente_, rivestimentoRicevente_};
        for (RiquadroGiunto* g : riquadriGiunti_)
            caselle << g->Caselle();
        break;
    case Requisiti::Calcolo::Calpestio:
        caselle = {solaio_, pavimento_};
        break;
    case Requisiti::Calcolo::Facciata:
        for (const auto& e : elementi_)
            caselle << e.first;
        caselle << piccoli_;
        break;
    }
    return caselle;
}

CasellaElemento* EditorSituazione::Separazione() const
{
    switch (Calcolo()) {
    case Requisiti::Calcolo::Aereo:
        return separazione_;
    case Requisiti::Calcolo::Calpestio:
        return solaio_;
    default:
        return nullptr;
    }
}

// Automatic: the detailed model when every element chosen has bands.
Modello EditorSituazione::ModelloScelto(const QList<CasellaElemento*>& caselle) const
{
    if (modello_->currentIndex() == 1)
        return Modello::Dettagliato;
    if (modello_->currentIndex() == 2)
        return Modello::Semplificato;
    for (const CasellaElemento* c : caselle)
        if (c->Contenuto() && !c->HaBande())
            return Modello::Semplificato;
    return Modello::Dettagliato;
}

SituazioneAerea EditorSituazione::LeggiAerea() const
{
    SituazioneAerea s;
    s.modello = ModelloScelto(Caselle());
    s.ss = CasellaElemento::Numero(ss_->text()).value_or(0);
    s.v = CasellaElemento::Numero(vAerea_->text()).value_or(0);
    s.separazione = separazione_->Contenuto().value_or(Elemento{});
    if (const auto r = rivestimentoSorgente_->Contenuto())
        s.rivestimentoSorgente = r->r;
    if (const auto r = rivestimentoRicevente_->Contenuto())
        s.rivestimentoRicevente = r->r;
    for (const RiquadroGiunto* g : riquadriGiunti_)
        s.fianchi.push_back(g->Leggi());
    return s;
}

SituazioneCalpestio EditorSituazione::LeggiCalpestio() const
{
    SituazioneCalpestio s;
    const Elemento solaio = solaio_->Contenuto().value_or(Elemento{});
    s.massa = solaio.massa.value_or(0);
    s.lnw = solaio.r.indice;
    s.dlw = pavimento_->Contenuto() ? pavimento_->Contenuto()->r.indice.value_or(0) : 0;
    s.massaFianchi = CasellaElemento::Numero(massaFianchi_->text()).value_or(0);
    s.v = CasellaElemento::Numero(vCalpestio_->text()).value_or(0);
    return s;
}

SituazioneFacciata EditorSituazione::LeggiFacciata() const
{
    SituazioneFacciata s;
    s.modello = ModelloScelto(Caselle());
    s.s = CasellaElemento::Numero(s_->text()).value_or(0);
    s.v = CasellaElemento::Numero(vFacciata_->text()).value_or(0);
    s.dlfs = CasellaElemento::Numero(dlfs_->text()).value_or(0);
    for (const auto& [casella, area] : elementi_)
        s.elementi.push_back(
            {CasellaElemento::Numero(area->text()).value_or(0), casella->Contenuto().value_or(Elemento{}).r});
    for (const CasellaElemento* c : piccoli_)
        s.piccoli.push_back(c->Contenuto().value_or(Elemento{}).r);
    return s;
}

Progetto EditorSituazione::Leggi() const
{
    Progetto p;
    switch (Calcolo()) {
    case Requisiti::Calcolo::Aereo:
        p.situazione.calcolo = LeggiAerea();
        break;
    case Requisiti::Calcolo::Calpestio:
        p.situazione.calcolo = LeggiCalpestio();
        break;
    case Requisiti::Calcolo::Facciata:
        p.situazione.calcolo = LeggiFacciata();
        break;
    }
    if (categoria_->currentIndex() > 0)
        p.situazione.categoria = char('A' + categoria_->currentIndex() - 1);
    for (const CasellaElemento* c : Caselle())
        if (c->Fonte() && c->Contenuto())
            p.fonti[c->Posto()] = *c->Fonte();
    return p;
}

void EditorSituazione::CaricaAerea(const SituazioneAerea& s, const std::map<QString, FonteVoce>& fonti)
{
    ss_->setText(CasellaElemento::Testo(s.ss));
    vAerea_->setText(CasellaElemento::Testo(s.v));
    separazione_->Carica(s.separazione, fonti);
    rivestimentoSorgente_->Carica(Elemento{s.rivestimentoSorgente, {}, {}}, fonti);
    rivestimentoRicevente_->Carica(Elemento{s.rivestimentoRicevente, {}, {}}, fonti);
    numeroGiunti_->setValue(int(std::min<size_t>(s.fianchi.size(), kGiuntiMassimi)));
    for (int i = 0; i < riquadriGiunti_.size(); ++i)
        riquadriGiunti_[i]->Carica(s.fianchi[i], fonti);
}

void EditorSituazione::CaricaCalpestio(const SituazioneCalpestio& s,
                                       const std::map<QString, FonteVoce>& fonti)
{
    solaio_->Carica(Elemento{Curva{s.lnw, {}}, s.massa, {}}, fonti);
    const bool conPavimento = s.dlw != 0 || fonti.count(QStringLiteral("DLw"));
    pavimento_->Carica(Elemento{Curva{conPavimento ? std::optional(s.dlw) : std::nullopt, {}}, {}, {}},
                       fonti);
    massaFianchi_->setText(CasellaElemento::Testo(s.massaFianchi));
    vCalpestio_->setText(CasellaElemento::Testo(s.v));
}

void EditorSituazione::CaricaFacciata(const SituazioneFacciata& s, const std::map<QString, FonteVoce>& fonti)
{
    s_->setText(CasellaElemento::Testo(s.s));
    vFacciata_->setText(CasellaElemento::Testo(s.v));
    dlfs_->setText(CasellaElemento::Testo(s.dlfs));
    ImpostaElementiFacciata(int(std::min<size_t>(s.elementi.size(), kElementiMassimi)),
                            int(std::min<size_t>(s.piccoli.size(), kElementiMassimi)));
    for (int i = 0; i < elementi_.size(); ++i) {
        elementi_[i].first->Carica(Elemento{s.elementi[i].r, {}, {}}, fonti);
        elementi_[i].second->setText(CasellaElemento::Testo(s.elementi[i].area));
    }
    for (int i = 0; i < piccoli_.size(); ++i)
        piccoli_[i]->Carica(Elemento{s.piccoli[i], {}, {}}, fonti);
}

void EditorSituazione::Carica(const Progetto& progetto)
{
    {
        const QSignalBlocker blocco(this);
        const Situazione& s = progetto.situazione;
        categoria_->setCurrentIndex(s.categoria ? *s.categoria - 'A' + 1 : 0);
        if (const auto* aerea = std::get_if<SituazioneAerea>(&s.calcolo)) {
            ScegliCalcolo(Requisiti::Calcolo::Aereo);
            CaricaAerea(*aerea, progetto.fonti);
        } else if (const auto* calpestio = std::get_if<SituazioneCalpestio>(&s.calcolo)) {
            ScegliCalcolo(Requisiti::Calcolo::Calpestio);
            CaricaCalpestio(*calpestio, progetto.fonti);
        } else {
            ScegliCalcolo(Requisiti::Calcolo::Facciata);
            CaricaFacciata(std::get<SituazioneFacciata>(s.calcolo), progetto.fonti);
        }
        // The model the file names, left automatic where that is what automatic would choose.
        const Modello salvato = std::holds_alternative<SituazioneAerea>(s.calcolo)
                                    ? std::get<SituazioneAerea>(s.calcolo).modello
                                : std::holds_alternative<SituazioneFacciata>(s.calcolo)
                                    ? std::get<SituazioneFacciata>(s.calcolo).modello
                                    : Modello::Semplificato;
        modello_->setCurrentIndex(0);
        if (ModelloScelto(Caselle()) != salvato)
            modello_->setCurrentIndex(salvato == Modello::Dettagliato ? 1 : 2);
    }
    emit cambiata();
}

void EditorSituazione::Azzera()
{
    Progetto vuoto;
    SituazioneAerea aerea;
    aerea.fianchi.resize(4);
    vuoto.situazione.calcolo = aerea;
    Carica(vuoto);
    ImpostaElementiFacciata(2, 1);
    for (QLineEdit* casella : findChildren<QLineEdit*>())
        casella->clear();
    for (CasellaElemento* casella : findChildren<CasellaElemento*>())
        casella->Svuota();
    emit cambiata();
}
