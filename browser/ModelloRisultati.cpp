#include "ModelloRisultati.h"

#include "app/ZelmarCommonModule.h"
#include "exchange/TipiVoce.h"
#include "model/Categorie.h"
#include "model/FormatoNumero.h"
#include "model/RigaValutazione.h"
#include "search/LetturaValori.h"

#include <algorithm>

namespace {

bool Prima(const VoceTrovata& a, const VoceTrovata& b)
{
    return a.tabella != b.tabella ? a.tabella < b.tabella : a.riga < b.riga;
}

QVariant Numero(const std::optional<double>& valore)
{
    return valore ? QVariant(*valore) : QVariant();
}

} // namespace

ModelloRisultati::ModelloRisultati(QObject* parent) : QAbstractTableModel(parent) {}

void ModelloRisultati::Ricomincia(std::vector<TabelleCartellaDati::Tabella> tabelle)
{
    beginResetModel();
    tabelle_ = std::move(tabelle);
    voci_.clear();
    endResetModel();
}

void ModelloRisultati::Aggiungi(std::vector<VoceTrovata>&& voci)
{
    if (voci.empty())
        return;
    // A batch is one table's rows in order: it goes in one place.
    const auto dove = std::upper_bound(voci_.begin(), voci_.end(), voci.front(), Prima);
    const int prima = int(dove - voci_.begin());
    beginInsertRows({}, prima, prima + int(voci.size()) - 1);
    voci_.insert(dove, std::make_move_iterator(voci.begin()), std::make_move_iterator(voci.end()));
    endInsertRows();
}

int ModelloRisultati::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(voci_.size());
}

int ModelloRisultati::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : NumeroColonne;
}

QString ModelloRisultati::Testo(int riga, int colonna) const
{
    const VoceTrovata& v = voci_[size_t(riga)];
    const TabelleCartellaDati::Tabella& t = TabellaDi(v);
    switch (colonna) {
    case Nome:
        return v.nome;
    case Tipo:
        return TipiVoce::Nome(t.codice);
    case Database: // the custom and theoretical databases as the tree names them
        return t.relativo.endsWith(QLatin1String("/Database_sperimentale.mdb")) ? ZelmarCommonModule::M(19)
               : t.relativo.endsWith(QLatin1String("/Database_teorico.mdb"))
                   ? ZelmarCommonModule::M(28)
                   : t.relativo.section(QLatin1Char('/'), 2);
    case Tabella:
        return t.tabella;
    case Valutazione: {
        const TipoMateriale* tipo = Categorie::PerCodice(t.codice);
        RecordMateriale record;
        for (size_t i = 0; i < std::min<size_t>(3, tipo->valutazioni.size()); ++i)
            record.Imposta(RecordSchema::Nome(tipo->valutazioni[i].campo), v.valutazioni[i]);
        return RigaValutazione::Di(record, *tipo);
    }
    case Massa:
        return v.massa ? FormatoNumero::Testo(*v.massa) : QString();
    case Spessore:
        return v.spessore ? FormatoNumero::Testo(*v.spessore) : QString();
    case DataProva:
        return v.dataProva;
    case Ente:
        return v.ente;
    default:
        return {};
    }
}

QVariant ModelloRisultati::data(const QModelIndex& indice, int ruolo) const
{
    if (!indice.isValid() || indice.row() >= rowCount())
        return {};
    const VoceTrovata& v = voci_[size_t(indice.row())];
    const int colonna = indice.column();
    if (ruolo == Qt::DisplayRole)
        return Testo(indice.row(), colonna);
    if (ruolo == Qt::TextAlignmentRole && (colonna == Massa || colonna == Spessore))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (ruolo != RuoloOrdine)
        return {};
    switch (colonna) {
    case Valutazione: {
        const QVariant indiceValore = v.valutazioni[0];
        bool numero = false;
        const double valore = indiceValore.toDouble(&numero);
        return numero ? QVariant(valore) : QVariant();
    }
    case Massa:
        return Numero(v.massa);
    case Spessore:
        return Numero(v.spessore);
    case DataProva: {
        const QDate data = LetturaValori::DataProva(v.dataProva);
        return data.isValid() ? QVariant(data) : QVariant();
    }
    case Nome:
    case Ente:
        return Testo(indice.row(), colonna);
    default: // where the entry lies: the tables' order
        return QVariant(qint64(v.tabella) << 32 | v.riga);
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
