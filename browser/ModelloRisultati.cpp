#include "ModelloRisultati.h"

#include "app/ZelmarCommonModule.h"
#include "exchange/TipiVoce.h"
#include "model/Categorie.h"
#include "model/FormatoNumero.h"
#include "model/RigaValutazione.h"
#include "search/LetturaValori.h"

#include <algorithm>

namespace {

QVariant Numero(const std::optional<double>& valore)
{
    return valore ? QVariant(*valore) : QVariant();
}

QString Scritto(const std::optional<double>& valore)
{
    return valore ? FormatoNumero::Testo(*valore) : QString();
}

} // namespace

namespace {

constexpr int AttesaMs = 100;
constexpr int InViaggio = 1 << 13; // entries handed over and not yet listed

} // namespace

ModelloRisultati::ModelloRisultati(QObject* parent) : QAbstractTableModel(parent), posti_(InViaggio)
{
    attesa_.setSingleShot(true);
    attesa_.setInterval(AttesaMs);
    connect(&attesa_, &QTimer::timeout, this, &ModelloRisultati::MostraInAttesa);
}

void ModelloRisultati::Ricomincia(std::vector<TabelleCartellaDati::Tabella> tabelle)
{
    beginResetModel();
    tabelle_ = std::move(tabelle);
    voci_.Svuota();
    inAttesa_.clear();
    vociInAttesa_ = 0;
    attesa_.stop();
    mostrate_.invalidate();
    posti_.acquire(posti_.available());
    posti_.release(InViaggio);
    endResetModel();
}

void ModelloRisultati::Aggiungi(std::vector<VoceTrovata>&& voci)
{
    if (voci.empty())
        return;
    vociInAttesa_ += voci.size();
    inAttesa_.push_back(std::move(voci));
    // Timed by the clock, not only by the timer: batches queued back to back keep the event
    // loop from running timers.
    if (!mostrate_.isValid() || mostrate_.elapsed() >= AttesaMs || vociInAttesa_ >= InViaggio / 2) {
        MostraInAttesa();
        mostrate_.start();
    }
    attesa_.start();
}

bool ModelloRisultati::AttendiPosto(size_t voci, const std::atomic<bool>& annulla)
{
    while (!posti_.tryAcquire(int(voci), 50))
        if (annulla)
            return false;
    return true;
}

void ModelloRisultati::MostraInAttesa()
{
    // A table's batches arrive in its rows' order: put together, they go in one place.
    std::stable_sort(inAttesa_.begin(), inAttesa_.end(),
                     [](const auto& a, const auto& b) { return a.front().tabella < b.front().tabella; });
    for (auto lotto = inAttesa_.begin(); lotto != inAttesa_.end();) {
        auto fine = std::find_if(lotto + 1, inAttesa_.end(),
                                 [&](const auto& l) { return l.front().tabella != lotto->front().tabella; });
        for (auto altro = lotto + 1; altro != fine; ++altro)
            lotto->insert(lotto->end(), std::make_move_iterator(altro->begin()),
                          std::make_move_iterator(altro->end()));
        Inserisci(std::move(*lotto));
        lotto = fine;
    }
    inAttesa_.clear();
    posti_.release(int(vociInAttesa_));
    vociInAttesa_ = 0;
}

void ModelloRisultati::Inserisci(std::vector<VoceTrovata>&& voci)
{
    // A batch is one table's rows in order: it goes in one place.
    const size_t dove = voci_.Posto(voci.front());
    const int prima = int(dove);
    beginInsertRows({}, prima, prima + int(voci.size()) - 1);
    voci_.Inserisci(dove, std::move(voci));
    endInsertRows();
}

int ModelloRisultati::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(voci_.Quante());
}

int ModelloRisultati::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : NumeroColonne;
}

QString ModelloRisultati::Testo(int riga, int colonna) const
{
    const size_t i = size_t(riga);
    const TabelleCartellaDati::Tabella& t = tabelle_[size_t(voci_.Tabella(i))];
    switch (colonna) {
    case Nome:
        return voci_.Nome(i);
    case Tipo:
        return TipiVoce::Nome(t.codice);
    case Database: // the custom and theoretical databases as the tree names them
        return t.relativo.endsWith(QLatin1String("/Database_sperimentale.mdb")) ? ZelmarCommonModule::M(19)
               : t.relativo.endsWith(QLatin1String("/Database_teorico.mdb"))
                   ? ZelmarCommonModule::M(28)
                   : t.relativo.section(QLatin1Char('/'), 2);
    case Tabella:
        return t.tabella;
    case Valutazione: { // built when the row is painted
        const VoceTrovata v = voci_.Voce(i);
        const TipoMateriale* tipo = Categorie::PerCodice(t.codice);
        RecordMateriale record;
        for (size_t i = 0; i < std::min<size_t>(3, tipo->valutazioni.size()); ++i)
            record.Imposta(RecordSchema::Nome(tipo->valutazioni[i].campo), v.valutazioni[i]);
        return RigaValutazione::Di(record, *tipo);
    }
    case Massa:
        return Scritto(voci_.Massa(i));
    case Spessore:
        return Scritto(voci_.Spessore(i));
    case DataProva:
        return voci_.DataProva(i);
    case Ente:
        return voci_.Ente(i);
    default:
        return {};
    }
}

QVariant ModelloRisultati::data(const QModelIndex& indice, int ruolo) const
{
    if (!indice.isValid() || indice.row() >= rowCount())
        return {};
    const size_t i = size_t(indice.row());
    const int colonna = indice.column();
    if (ruolo == Qt::DisplayRole)
        return Testo(indice.row(), colonna);
    if (ruolo == Qt::TextAlignmentRole && (colonna == Massa || colonna == Spessore))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (ruolo != RuoloOrdine)
        return {};
    switch (colonna) {
    case Valutazione:
        return Numero(voci_.Indice(i));
    case Massa:
        return Numero(voci_.Massa(i));
    case Spessore:
        return Numero(voci_.Spessore(i));
    case DataProva: {
        const QDate data = LetturaValori::DataProva(voci_.DataProva(i));
        return data.isValid() ? QVariant(data) : QVariant();
    }
    case Nome:
    case Ente:
        return Testo(indice.row(), colonna);
    default: // where the entry lies: the tables' order
        return QVariant(qint64(voci_.Tabella(i)) << 32 | voci_.Riga(i));
    }
}

QVariant ModelloRisultati::headerData(int sezione, Qt::Orientation orientamento, int ruolo) const
{
    if (orientamento != Qt::Horizontal || ruolo != Qt::DisplayRole)
        return {};
    switch (sezione) {
    case Nome:
        return tr("Name");
    case Tipo:
        return tr("Kind");
    case Database:
        return tr("Database");
    case Tabella:
        return tr("Table");
    case Valutazione:
        return tr("Ratings");
    case Massa:
        return QStringLiteral("m' (kg/m\u00b2)");
    case Spessore:
        return QStringLiteral("s (mm)");
    case DataProva:
        return tr("Test date");
    case Ente:
        return tr("Testing body");
    default:
        return {};
    }
}
