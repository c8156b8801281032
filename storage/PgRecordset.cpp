#include "PgRecordset.h"

#include "PgSchema.h"
#include "TestiVisti.h"
#include "TestoNumerico.h"

#include <charconv>
#include <cmath>
#include <libpq-fe.h>
#include <limits>

namespace {

constexpr qint64 PrimaChiave = std::numeric_limits<qint64>::min();
constexpr int LottoMassimo = 2000;

// A number as the server writes it: every digit it has, or one of its words for the
// values that are not finite.
double Numero(const char* testo, int lunghezza)
{
    const QByteArrayView t(testo, lunghezza);
    if (t == "Infinity")
        return std::numeric_limits<double>::infinity();
    if (t == "-Infinity")
        return -std::numeric_limits<double>::infinity();
    double numero = std::numeric_limits<double>::quiet_NaN();
    std::from_chars(testo, testo + lunghezza, numero);
    return numero;
}

QVariant Valore(const PGresult* r, int riga, int campo, const TabellaPg::Colonna& colonna)
{
    if (PQgetisnull(r, riga, campo))
        return {};
    const char* testo = PQgetvalue(r, riga, campo);
    const int lunghezza = PQgetlength(r, riga, campo);
    if (colonna.numerica)
        return Numero(testo, lunghezza);
    if (colonna.binaria)
        return QByteArray::fromHex(QByteArray(testo, lunghezza).mid(2)); // "\x" and hex digits
    return QString::fromUtf8(testo, lunghezza);
}

// A field's bytes as the list shows them: text as stored, a number as Field reads it.
QByteArray Utf8(const PGresult* r, int riga, int campo, const TabellaPg::Colonna& colonna)
{
    if (colonna.numerica)
        return Valore(r, riga, campo, colonna).toString().toUtf8();
    return QByteArray::fromRawData(PQgetvalue(r, riga, campo), PQgetlength(r, riga, campo));
}

} // namespace

PgRecordset::PgRecordset(std::shared_ptr<PgConnessione> connessione, std::shared_ptr<const TabellaPg> tabella)
    : connessione_(std::move(connessione)), tabella_(std::move(tabella)), daPosizionare_(PrimaChiave)
{
}

PgConnessione& PgRecordset::Connessione() const
{
    if (!connessione_)
        throw DbException(DbErrore::Generico, tr("The table «%1» is already closed.").arg(tabella_->nome));
    return *connessione_;
}

QString PgRecordset::AzioneLettura() const
{
    return tr("read the table «%1»").arg(tabella_->nome);
}

int PgRecordset::IndiceColonnaEsistente(const QString& colonna) const
{
    const int indice = tabella_->Indice(colonna);
    if (indice < 0)
        throw DbException(DbErrore::ElementoNonTrovato,
                          tr("The table «%1» has no field «%2».").arg(tabella_->nome, colonna));
    return indice;
}

void PgRecordset::Carica(qint64 daChiave, int n) const
{
    const RisultatoPg righe = Connessione().Esegui(
        QStringLiteral("SELECT %1 FROM %2 WHERE %3 >= $1 ORDER BY %3 LIMIT %4")
            .arg(tabella_->selezione, tabella_->quotato, PgSchema::Quota(PgSchema::ColonnaOrdine))
            .arg(n),
        AzioneLettura(), {ParametroPg::Intero(daChiave)});
    const PGresult* r = righe.get();
    for (int i = 0; i < PQntuples(r); ++i) {
        Riga riga;
        riga.chiave = QByteArray(PQgetvalue(r, i, 0)).toLongLong();
        riga.valori.reserve(tabella_->colonne.size());
        for (int c = 0; c < tabella_->colonne.size(); ++c)
            riga.valori.push_back(Valore(r, i, c + 1, tabella_->colonne[c]));
        davanti_.push_back(std::move(riga));
    }
    finiti_ = PQntuples(r) < n;
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

void PgRecordset::VerificaRigaCorrente() const
{
    Connessione();
    Risolvi();
    if (!corrente_)
        throw DbException(DbErrore::NessunRecordCorrente,
                          tr("No current record in the table «%1».").arg(tabella_->nome));
}

void PgRecordset::Lascia()
{
    AnnullaModifica();
    corrente_.reset();
    davanti_.clear();
    daPosizionare_.reset();
    rigaEliminata_ = false;
}

void PgRecordset::AnnullaModifica()
{
    modifica_ = Modifica::Nessuna;
    inSospeso_.clear();
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
    VerificaRigaCorrente();
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

QVariant PgRecordset::Field(const QString& colonna) const
{
    Connessione();
    const int indice = IndiceColonnaEsistente(colonna);
    VerificaRigaCorrente();
    return corrente_->valori[indice];
}

void PgRecordset::SetField(const QString& colonna, const QString& testo)
{
    Connessione();
    const int indice = IndiceColonnaEsistente(colonna);
    if (modifica_ == Modifica::Nessuna)
        throw DbException(
            DbErrore::AggiornamentoSenzaModifica,
            tr("Could not write the field «%1» of the table «%2»: no row is being added or edited.")
                .arg(colonna, tabella_->nome));
    const TabellaPg::Colonna& c = tabella_->colonne[indice];
    inSospeso_[indice] = c.numerica ? ParametroPg::Numero(TestoNumerico::Leggi(testo, c.nome, tabella_->nome))
                                    : ParametroPg::Testo(testo);
}

bool PgRecordset::HasField(const QString& colonna) const
{
    return tabella_->Indice(colonna) >= 0;
}

QStringList PgRecordset::FieldNames() const
{
    QStringList nomi;
    for (const TabellaPg::Colonna& colonna : tabella_->colonne)
        nomi << colonna.nome;
    return nomi;
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

void PgRecordset::Seek(const QString& confronto, const QString& chiave)
{
    PgConnessione& c = Connessione();
    if (confronto.trimmed() != QLatin1String("="))
        throw DbException(DbErrore::Generico,
                          tr("A search in the table «%1» can only compare with «=», not «%2».")
                              .arg(tabella_->nome, confronto));
    if (colonnaRicerca_ < 0)
        throw DbException(DbErrore::IndiceNonTrovato,
                          tr("No index was chosen for the search in the table «%1».").arg(tabella_->nome));
    Lascia();
    noMatch_ = true;
    // Among equal keys the first stored.
    const RisultatoPg trovata = c.Esegui(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = $1 ORDER BY %4 LIMIT 1")
                                             .arg(tabella_->selezione, tabella_->quotato,
                                                  PgSchema::Quota(tabella_->colonne[colonnaRicerca_].nome),
                                                  PgSchema::Quota(PgSchema::ColonnaOrdine)),
                                         tr("search «%1» in the table «%2»").arg(chiave, tabella_->nome),
                                         {ParametroPg::Testo(chiave)});
    const PGresult* r = trovata.get();
    if (PQntuples(r) == 0)
        return;
    Riga riga;
    riga.chiave = QByteArray(PQgetvalue(r, 0, 0)).toLongLong();
    for (int i = 0; i < tabella_->colonne.size(); ++i)
        riga.valori.push_back(Valore(r, 0, i + 1, tabella_->colonne[i]));
    corrente_ = std::move(riga);
    finiti_ = false;
    lotto_ = 1;
    noMatch_ = false;
}

bool PgRecordset::NoMatch() const
{
    return noMatch_;
}

void PgRecordset::AddNew()
{
    Connessione();
    inSospeso_.clear();
    modifica_ = Modifica::NuovaRiga;
}

void PgRecordset::Edit()
{
    VerificaRigaCorrente();
    inSospeso_.clear();
    modifica_ = Modifica::RigaCorrente;
    chiaveInModifica_ = corrente_->chiave;
}

void PgRecordset::Update()
{
    PgConnessione& c = Connessione();
    if (modifica_ == Modifica::Nessuna)
        throw DbException(
            DbErrore::AggiornamentoSenzaModifica,
            tr("Could not save in the table «%1»: no row is being added or edited.").arg(tabella_->nome));
    Risolvi();
    const QString azione = tr("save the row in the table «%1»").arg(tabella_->nome);
    QStringList colonne, valori;
    std::vector<ParametroPg> parametri;
    for (const auto& [indice, valore] : inSospeso_) {
        parametri.push_back(valore);
        colonne << PgSchema::Quota(tabella_->colonne[indice].nome);
        valori << QStringLiteral("$%1").arg(parametri.size());
    }
    const QString ordine = PgSchema::Quota(PgSchema::ColonnaOrdine);
    if (modifica_ == Modifica::NuovaRiga) {
        c.Esegui(colonne.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(tabella_->quotato)
                                   : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                         .arg(tabella_->quotato, colonne.join(QStringLiteral(", ")),
                                              valori.join(QStringLiteral(", "))),
                 azione, parametri);
    } else if (!colonne.isEmpty()) {
        QStringList assegnazioni;
        for (int i = 0; i < colonne.size(); ++i)
            assegnazioni << colonne[i] + QStringLiteral(" = ") + valori[i];
        parametri.push_back(ParametroPg::Intero(chiaveInModifica_));
        const RisultatoPg fatto =
            c.Esegui(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = $%4")
                         .arg(tabella_->quotato, assegnazioni.join(QStringLiteral(", ")), ordine)
                         .arg(parametri.size()),
                     azione, parametri);
        if (PgConnessione::RigheToccate(fatto.get()) == 0)
            throw DbException(DbErrore::NessunRecordCorrente,
                              tr("Could not save the row in the table «%1»: the row no longer exists.")
                                  .arg(tabella_->nome));
    }
    AnnullaModifica();
    // Back on the row the cursor was on, read again when it is next needed.
    if (corrente_) {
        daPosizionare_ = corrente_->chiave;
        corrente_.reset();
        davanti_.clear();
    }
}

void PgRecordset::Delete()
{
    VerificaRigaCorrente();
    AnnullaModifica();
    const RisultatoPg fatto =
        Connessione().Esegui(QStringLiteral("DELETE FROM %1 WHERE %2 = $1")
                                 .arg(tabella_->quotato, PgSchema::Quota(PgSchema::ColonnaOrdine)),
                             tr("delete the row from the table «%1»").arg(tabella_->nome),
                             {ParametroPg::Intero(corrente_->chiave)});
    // A row someone else deleted meanwhile is gone all the same.
    chiaveEliminata_ = corrente_->chiave;
    corrente_.reset();
    davanti_.clear();
    rigaEliminata_ = true;
}

void PgRecordset::Close()
{
    Lascia();
    connessione_.reset();
}

Recordset::Elenco PgRecordset::LeggiElenco(const QString& colonnaNome, const QString& colonnaParola,
                                           bool paroleChiave, const std::optional<QString>& soloParola)
{
    PgConnessione& c = Connessione();
    const bool conParola = paroleChiave || soloParola.has_value();
    // The keyword first: a table that lacks both columns is reported for the keyword.
    const int parola = conParola ? IndiceColonnaEsistente(colonnaParola) : -1;
    const int nome = IndiceColonnaEsistente(colonnaNome);
    QString sql = QStringLiteral("SELECT %1%2 FROM %3")
                      .arg(PgSchema::Quota(tabella_->colonne[nome].nome),
                           conParola ? QStringLiteral(", ") + PgSchema::Quota(tabella_->colonne[parola].nome)
                                     : QString(),
                           tabella_->quotato);
    std::vector<ParametroPg> parametri;
    if (soloParola) {
        sql += QStringLiteral(" WHERE %1 = $1").arg(PgSchema::Quota(tabella_->colonne[parola].nome));
        parametri.push_back(ParametroPg::Testo(*soloParola));
    }
    Lascia();
    const RisultatoPg righe =
        c.Esegui(sql + QStringLiteral(" ORDER BY %1").arg(PgSchema::Quota(PgSchema::ColonnaOrdine)),
                 AzioneLettura(), parametri);
    const PGresult* r = righe.get();
    const int n = PQntuples(r);
    Elenco risultato;
    risultato.nomi.Riserva(n, qsizetype(n) * 48);
    TestiVisti paroleViste;
    bool senzaNome = false;
    for (int i = 0; i < n; ++i) {
        const bool conNome = !PQgetisnull(r, i, 0);
        if (conNome) {
            const QByteArray utf8 = Utf8(r, i, 0, tabella_->colonne[nome]);
            risultato.nomi.Aggiungi(utf8.constData(), size_t(utf8.size()));
        }
        senzaNome = senzaNome || !conNome;
        if (!paroleChiave)
            continue;
        qint32 numero = -1;
        if (!PQgetisnull(r, i, 1)) {
            const QByteArray utf8 = Utf8(r, i, 1, tabella_->colonne[parola]);
            numero = qint32(paroleViste.Numero(utf8));
            if (numero == risultato.paroleChiave.size())
                risultato.paroleChiave << QString::fromUtf8(utf8);
        }
        if (conNome)
            risultato.parolaRiga.push_back(numero);
    }
    if (senzaNome)
        risultato.parolaRiga.clear();
    return risultato;
}

bool PgRecordset::ContieneIgnorandoMaiuscole(const QString& colonna, const QString& testo)
{
    PgConnessione& c = Connessione();
    const int indice = IndiceColonnaEsistente(colonna);
    if (!c.collazioneIcu) {
        const RisultatoPg icu = c.Esegui(
            QStringLiteral("SELECT EXISTS (SELECT 1 FROM pg_collation WHERE collname = 'und-x-icu')"),
            AzioneLettura());
        c.collazioneIcu = *PQgetvalue(icu.get(), 0, 0) == 't';
    }
    Lascia();
    const RisultatoPg trovata = c.Esegui(
        QStringLiteral("SELECT 1 FROM %1 WHERE %2 = $1 LIMIT 1")
            .arg(tabella_->quotato,
                 PgSchema::Maiuscolo(PgSchema::Quota(tabella_->colonne[indice].nome), *c.collazioneIcu)),
        AzioneLettura(), {ParametroPg::Testo(testo.toUpper())});
    return PQntuples(trovata.get()) > 0;
}
