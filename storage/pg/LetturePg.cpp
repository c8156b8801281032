#include "LetturePg.h"

#include "PgSchema.h"
#include "ValoriPg.h"

#include <libpq-fe.h>

namespace {

std::optional<QByteArrayView> Campo(const PGresult* r, int riga, int campo, const TabellaPg::Colonna& colonna,
                                    QByteArray& utf8)
{
    if (PQgetisnull(r, riga, campo))
        return std::nullopt;
    utf8 = ValoriPg::Utf8(r, riga, campo, colonna);
    return QByteArrayView(utf8);
}

} // namespace

LetturePg::LetturePg(std::shared_ptr<PgConnessione> connessione, std::shared_ptr<const TabellaPg> tabella,
                     ColonneTabella colonne)
    : connessione_(std::move(connessione)), tabella_(std::move(tabella)), colonne_(std::move(colonne))
{
}

QString LetturePg::AzioneLettura() const
{
    return tr("read the table «%1»").arg(tabella_->nome);
}

QString LetturePg::Quotata(int colonna) const
{
    return PgSchema::Quota(tabella_->colonne[colonna].nome);
}

LettureTabella::Elenco LetturePg::LeggiElenco(const QString& colonnaNome, const QString& colonnaParola,
                                              bool paroleChiave, const std::optional<QString>& soloParola)
{
    PgConnessione& c = Connessione();
    const bool conParola = paroleChiave || soloParola.has_value();
    // The keyword first: a table that lacks both columns is reported for the keyword.
    const int parola = conParola ? colonne_.IndiceEsistente(colonnaParola) : -1;
    const int nome = colonne_.IndiceEsistente(colonnaNome);
    QString sql = QStringLiteral("SELECT %1%2 FROM %3")
                      .arg(Quotata(nome), conParola ? QStringLiteral(", ") + Quotata(parola) : QString(),
                           tabella_->quotato);
    std::vector<ParametroPg> parametri;
    if (soloParola) {
        sql += QStringLiteral(" WHERE %1 = $1").arg(Quotata(parola));
        parametri.push_back(ParametroPg::Testo(*soloParola));
    }
    const RisultatoPg righe =
        c.Esegui(sql + QStringLiteral(" ORDER BY %1").arg(PgSchema::Quota(PgSchema::ColonnaOrdine)),
                 AzioneLettura(), parametri);
    const PGresult* r = righe.get();
    const int n = PQntuples(r);
    Raccolta raccolta(paroleChiave, n, qsizetype(n) * 48);
    QByteArray nomeLetto, parolaLetta;
    for (int i = 0; i < n; ++i)
        raccolta.Aggiungi(Campo(r, i, 0, tabella_->colonne[nome], nomeLetto),
                          paroleChiave ? Campo(r, i, 1, tabella_->colonne[parola], parolaLetta)
                                       : std::nullopt);
    return raccolta.Fine();
}

bool LetturePg::ContieneIgnorandoMaiuscole(const QString& colonna, const QString& testo)
{
    PgConnessione& c = Connessione();
    const int indice = colonne_.IndiceEsistente(colonna);
    if (!c.collazioneIcu) {
        const RisultatoPg icu = c.Esegui(
            QStringLiteral("SELECT EXISTS (SELECT 1 FROM pg_collation WHERE collname = 'und-x-icu')"),
            AzioneLettura());
        c.collazioneIcu = *PQgetvalue(icu.get(), 0, 0) == 't';
    }
    const RisultatoPg trovata =
        c.Esegui(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = $1 LIMIT 1")
                     .arg(tabella_->quotato, PgSchema::Maiuscolo(Quotata(indice), *c.collazioneIcu)),
                 AzioneLettura(), {ParametroPg::Testo(testo.toUpper())});
    return PQntuples(trovata.get()) > 0;
}
