#include "PgRecordset.h"

#include "PgSchema.h"
#include "ValoriPg.h"

#include <libpq-fe.h>
#include <limits>

namespace {

constexpr qint64 PrimaChiave = std::numeric_limits<qint64>::min();
constexpr int LottoMassimo = 2000;

ColonneTabella Colonne(const TabellaPg& tabella)
{
    ColonneTabella colonne{tabella.nome, {}};
    for (const TabellaPg::Colonna& colonna : tabella.colonne)
        colonne.colonne.push_back({colonna.nome, colonna.numerica});
    return colonne;
}

} // namespace

PgRecordset::PgRecordset(std::shared_ptr<PgConnessione> connessione, std::shared_ptr<const TabellaPg> tabella)
    : connessione_(std::move(connessione)), tabella_(std::move(tabella)), daPosizionare_(PrimaChiave)
{
    Imposta(::Colonne(*tabella_), std::make_unique<LetturePg>(connessione_, tabella_, ::Colonne(*tabella_)));
}

PgConnessione& PgRecordset::Connessione() const
{
    VerificaAperto();
    return *connessione_;
}

QString PgRecordset::AzioneLettura() const
{
    return tr("read the table «%1»").arg(tabella_->nome);
}

QString PgRecordset::AzioneSalvataggio() const
{
    return tr("save the row in the table «%1»").arg(tabella_->nome);
}

PgRecordset::Riga PgRecordset::LeggiRiga(const PGresult* r, int i) const
{
    Riga riga;
    riga.chiave = QByteArray(PQgetvalue(r, i, 0)).toLongLong();
    riga.valori.reserve(tabella_->colonne.size());
    for (int c = 0; c < tabella_->colonne.size(); ++c)
        riga.valori.push_back(ValoriPg::Valore(r, i, c + 1, tabella_->colonne[c]));
    return riga;
}

void PgRecordset::Carica(qint64 daChiave, int n) const
{
    const RisultatoPg righe = Connessione().Esegui(
        QStringLiteral("SELECT %1 FROM %2 WHERE %3 >= $1 ORDER BY %3 LIMIT %4")
            .arg(tabella_->selezione, tabella_->quotato, PgSchema::Quota(PgSchema::ColonnaOrdine))
            .arg(n),
        AzioneLettura(), {ParametroPg::Intero(daChiave)});
    for (int i = 0; i < PQntuples(righe.get()); ++i)
        davanti_.push_back(LeggiRiga(righe.get(), i));
    finiti_ = PQntuples(righe.get()) < n;
}

void PgRecordset::Risolvi() const
{
    if (!daPosizionare_)
        return;
    const qint64 da = *daPosizionare_;
    daPosizionare_.reset();
    corrente_.reset();
    davanti_.clear();
    Carica(da, lotto_);
    if (!davanti_.empty()) {
        corrente_ = std::move(davanti_.front());
        davanti_.pop_front();
    }
}

qint64 PgRecordset::ChiaveCorrente() const
{
    Connessione();
    Risolvi();
    if (!corrente_)
        NessunaRigaCorrente();
    return corrente_->chiave;
}

void PgRecordset::Lascia()
{
    AnnullaModifica();
    corrente_.reset();
    davanti_.clear();
    daPosizionare_.reset();
    rigaEliminata_ = false;
}

int PgRecordset::RecordCount()
{
    const RisultatoPg conta = Connessione().Esegui(
        QStringLiteral("SELECT count(*) FROM %1").arg(tabella_->quotato), AzioneLettura());
    return QByteArray(PQgetvalue(conta.get(), 0, 0)).toInt();
}

void PgRecordset::MoveFirst()
{
    Connessione();
    Lascia();
    lotto_ = 1;
    daPosizionare_ = PrimaChiave;
}

void PgRecordset::MoveNext()
{
    Connessione();
    AnnullaModifica();
    if (rigaEliminata_) {
        rigaEliminata_ = false;
        if (chiaveEliminata_ != std::numeric_limits<qint64>::max())
            daPosizionare_ = chiaveEliminata_ + 1;
        return;
    }
    ChiaveCorrente();
    // Walking the table: each read brings more rows than the last.
    if (davanti_.empty() && !finiti_) {
        lotto_ = std::min(lotto_ * 8, LottoMassimo);
        Carica(corrente_->chiave + 1, lotto_);
    }
    corrente_.reset();
    if (!davanti_.empty()) {
        corrente_ = std::move(davanti_.front());
        davanti_.pop_front();
    }
}

bool PgRecordset::Eof() const
{
    if (connessione_)
        Risolvi();
    return !corrente_ && !rigaEliminata_;
}

const QVector<QVariant>& PgRecordset::ValoriCorrenti() const
{
    ChiaveCorrente();
    return corrente_->valori;
}

void PgRecordset::SetIndex(const QString& nomeIndice)
{
    Connessione();
    const int indice = tabella_->Indice(nomeIndice);
    if (indice < 0 || !tabella_->colonne[indice].indicizzata)
        throw DbException(DbErrore::IndiceNonTrovato,
                          tr("The table «%1» has no index «%2».").arg(tabella_->nome, nomeIndice));
    colonnaRicerca_ = indice;
}

bool PgRecordset::Trova(const QString& chiave)
{
    PgConnessione& c = Connessione();
    if (colonnaRicerca_ < 0)
        throw DbException(DbErrore::IndiceNonTrovato,
                          tr("No index was chosen for the search in the table «%1».").arg(tabella_->nome));
    Lascia();
    const RisultatoPg trovata = c.Esegui(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = $1 ORDER BY %4 LIMIT 1")
                                             .arg(tabella_->selezione, tabella_->quotato,
                                                  PgSchema::Quota(tabella_->colonne[colonnaRicerca_].nome),
                                                  PgSchema::Quota(PgSchema::ColonnaOrdine)),
                                         tr("search «%1» in the table «%2»").arg(chiave, tabella_->nome),
                                         {ParametroPg::Testo(chiave)});
    if (PQntuples(trovata.get()) == 0)
        return false;
    corrente_ = LeggiRiga(trovata.get(), 0);
    finiti_ = false;
    lotto_ = 1;
    return true;
}

std::vector<ParametroPg> PgRecordset::Parametri(const Valori& valori, QStringList& colonne) const
{
    std::vector<ParametroPg> parametri;
    for (const auto& [indice, valore] : valori) {
        parametri.push_back(valore.typeId() == QMetaType::Double ? ParametroPg::Numero(valore.toDouble())
                                                                 : ParametroPg::Testo(valore.toString()));
        colonne << PgSchema::Quota(tabella_->colonne[indice].nome);
    }
    return parametri;
}

void PgRecordset::Inserisci(const Valori& valori)
{
    QStringList colonne, segnaposto;
    const std::vector<ParametroPg> parametri = Parametri(valori, colonne);
    for (size_t i = 1; i <= parametri.size(); ++i)
        segnaposto << QStringLiteral("$%1").arg(i);
    Connessione().Esegui(colonne.isEmpty()
                             ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(tabella_->quotato)
                             : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                   .arg(tabella_->quotato, colonne.join(QStringLiteral(", ")),
                                        segnaposto.join(QStringLiteral(", "))),
                         AzioneSalvataggio(), parametri);
}

bool PgRecordset::Aggiorna(qint64 chiave, const Valori& valori)
{
    QStringList colonne, assegnazioni;
    std::vector<ParametroPg> parametri = Parametri(valori, colonne);
    for (int i = 0; i < colonne.size(); ++i)
        assegnazioni << colonne[i] + QStringLiteral(" = $%1").arg(i + 1);
    parametri.push_back(ParametroPg::Intero(chiave));
    const RisultatoPg fatto =
        Connessione().Esegui(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = $%4")
                                 .arg(tabella_->quotato, assegnazioni.join(QStringLiteral(", ")),
                                      PgSchema::Quota(PgSchema::ColonnaOrdine))
                                 .arg(parametri.size()),
                             AzioneSalvataggio(), parametri);
    return PgConnessione::RigheToccate(fatto.get()) > 0;
}

void PgRecordset::Update()
{
    Connessione();
    Risolvi();
    ScriviInSospeso();
    // Back on the row the cursor was on, read again when it is next needed.
    if (corrente_) {
        daPosizionare_ = corrente_->chiave;
        corrente_.reset();
        davanti_.clear();
    }
}

void PgRecordset::Elimina(qint64 chiave)
{
    const RisultatoPg fatto = Connessione().Esegui(
        QStringLiteral("DELETE FROM %1 WHERE %2 = $1")
            .arg(tabella_->quotato, PgSchema::Quota(PgSchema::ColonnaOrdine)),
        tr("delete the row from the table «%1»").arg(tabella_->nome), {ParametroPg::Intero(chiave)});
    // A row someone else deleted meanwhile is gone all the same.
    chiaveEliminata_ = chiave;
    corrente_.reset();
    davanti_.clear();
    rigaEliminata_ = true;
}

void PgRecordset::Rilascia()
{
    Lascia();
    connessione_.reset();
}
