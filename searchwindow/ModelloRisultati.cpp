#include "ModelloRisultati.h"

#include "app/ZelmarCommonModule.h"
#include "exchange/TipiVoce.h"
#include "model/Categorie.h"
#include "model/FormatoNumero.h"
#include "model/RigaValutazione.h"
#include "search/LetturaValori.h"
#include "search/OrdineVoci.h"

#include <algorithm>

namespace {

QString Scritto(const std::optional<double>& valore)
{
    return valore ? FormatoNumero::Testo(*valore) : QString();
}

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
    ordine_ = {};
    colonna_ = -1;
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
    // A sorted list is sorted again as entries come, no more often than sorting it allows.
    if (daOrdinare_ && ordinate_.elapsed() >= 4 * durataOrdine_)
        Riordina();
}

void ModelloRisultati::Inserisci(std::vector<VoceTrovata>&& voci)
{
    // A batch is one table's rows in order: it goes in one place. In a sorted list it is put
    // at the end until the list is sorted again.
    const size_t dove = voci_.Posto(voci.front());
    const size_t quante = voci.size();
    const size_t prima = colonna_ < 0 ? dove : voci_.Quante();
    beginInsertRows({}, int(prima), int(prima + quante) - 1);
    voci_.Inserisci(dove, std::move(voci));
    if (colonna_ >= 0) {
        for (quint32& i : ordine_)
            if (i >= dove)
                i += quint32(quante);
        for (size_t k = 0; k < quante; ++k)
            ordine_.push_back(quint32(dove + k));
        daOrdinare_ = true;
    }
    endInsertRows();
}

void ModelloRisultati::Completa()
{
    MostraInAttesa();
    if (daOrdinare_)
        Riordina();
}

void ModelloRisultati::sort(int colonna, Qt::SortOrder verso)
{
    // The table view may ask twice for the same order (sortByColumn).
    if (colonna == colonna_ && verso == verso_ && !daOrdinare_)
        return;
    colonna_ = colonna;
    verso_ = verso;
    Riordina();
}

void ModelloRisultati::Riordina()
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList prima = persistentIndexList();
    std::vector<size_t> voci;
    for (const QModelIndex& indice : prima)
        voci.push_back(Posto(indice.row()));
    QElapsedTimer orologio;
    orologio.start();
    ordine_ = colonna_ < 0 ? std::vector<quint32>() : Ordine(colonna_, verso_ == Qt::DescendingOrder);
    durataOrdine_ = orologio.elapsed();
    ordinate_.start();
    daOrdinare_ = false;
    if (!prima.isEmpty()) {
        std::vector<quint32> righe(ordine_.size());
        for (size_t r = 0; r < ordine_.size(); ++r)
            righe[ordine_[r]] = quint32(r);
        QModelIndexList dopo;
        for (size_t k = 0; k < voci.size(); ++k)
            dopo << index(int(ordine_.empty() ? voci[k] : righe[voci[k]]), prima[int(k)].column());
        changePersistentIndexList(prima, dopo);
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

std::vector<quint32> ModelloRisultati::Ordine(int colonna, bool decrescente) const
{
    const size_t quante = voci_.Quante();
    switch (colonna) {
    case Nome:
        return OrdineVoci::PerTesto(
            quante, [&](size_t i, std::string& nome) { voci_.NomeUtf8(i, nome); }, decrescente);
    case Ente:
        return OrdineVoci::PerTesto(
            quante, [&](size_t i, std::string& ente) { ente = voci_.Ente(i).toStdString(); }, decrescente);
    case Valutazione:
        return OrdineVoci::PerNumero(
            quante, [&](size_t i) { return voci_.Indice(i); }, decrescente);
    case Massa:
        return OrdineVoci::PerNumero(
            quante, [&](size_t i) { return voci_.Massa(i); }, decrescente);
    case Spessore:
        return OrdineVoci::PerNumero(
            quante, [&](size_t i) { return voci_.Spessore(i); }, decrescente);
    case DataProva: {
        QHash<QString, std::optional<double>> giorni; // each date read once
        return OrdineVoci::PerNumero(
            quante,
            [&](size_t i) {
                const QString& testo = voci_.DataProva(i);
                auto giorno = giorni.constFind(testo);
                if (giorno == giorni.constEnd()) {
                    const QDate data = LetturaValori::DataProva(testo);
                    giorno = giorni.insert(testo, data.isValid()
                                                      ? std::optional<double>(double(data.toJulianDay()))
                                                      : std::nullopt);
                }
                return *giorno;
            },
            decrescente);
    }
    default: { // the kind, database or table: each table's text made once
        std::vector<std::string> testi;
        for (size_t t = 0; t < tabelle_.size(); ++t)
            testi.push_back(TestoTabella(tabelle_[t], colonna).toStdString());
        return OrdineVoci::PerTesto(
            quante, [&](size_t i, std::string& testo) { testo = testi[size_t(voci_.Tabella(i))]; },
            decrescente);
    }
    }
}

int ModelloRisultati::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(voci_.Quante());
}

int ModelloRisultati::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : NumeroColonne;
}

QString ModelloRisultati::TestoTabella(const TabelleCartellaDati::Tabella& t, int colonna)
{
    switch (colonna) {
    case Tipo:
        return TipiVoce::Nome(t.codice);
    case Database: // as the tree names them: the custom, the theoretical, a category's root
        if (t.relativo.endsWith(QLatin1String("/Database_sperimentale.mdb")))
            return ZelmarCommonModule::M(19);
        if (t.relativo.endsWith(QLatin1String("/Database_teorico.mdb")))
            return ZelmarCommonModule::M(28);
        if (const Categoria* categoria = Categorie::CategoriaDi(t.codice))
            return ZelmarCommonModule::M(categoria->messaggioRadice);
        return t.relativo.section(QLatin1Char('/'), 2);
    case Tabella:
        return t.tabella;
    default:
        return {};
    }
}

QString ModelloRisultati::Testo(int riga, int colonna) const
{
    const size_t i = Posto(riga);
    const TabelleCartellaDati::Tabella& t = tabelle_[size_t(voci_.Tabella(i))];
    switch (colonna) {
    case Nome:
        return voci_.Nome(i);
    case Valutazione: { // built when the row is painted
        const VoceTrovata v = voci_.Voce(i);
        const TipoMateriale* tipo = Categorie::PerCodice(t.codice);
        RecordMateriale record;
        for (size_t k = 0; k < std::min<size_t>(3, tipo->valutazioni.size()); ++k)
            record.Imposta(RecordSchema::Nome(tipo->valutazioni[k].campo), v.valutazioni[k]);
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
        return TestoTabella(t, colonna);
    }
}

QVariant ModelloRisultati::data(const QModelIndex& indice, int ruolo) const
{
    if (!indice.isValid() || indice.row() >= rowCount())
        return {};
    const int colonna = indice.column();
    if (ruolo == Qt::DisplayRole)
        return Testo(indice.row(), colonna);
    if (ruolo == Qt::TextAlignmentRole && (colonna == Massa || colonna == Spessore))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
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
