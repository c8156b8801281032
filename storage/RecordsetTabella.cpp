#include "RecordsetTabella.h"

#include "DbException.h"
#include "TestoNumerico.h"

void RecordsetTabella::Imposta(ColonneTabella colonne, std::unique_ptr<LettureTabella> letture,
                               const QString& solaLettura)
{
    colonne_ = std::move(colonne);
    letture_ = std::move(letture);
    solaLettura_ = solaLettura;
}

void RecordsetTabella::VerificaAperto() const
{
    if (chiuso_)
        throw DbException(DbErrore::Generico,
                          QStringLiteral("La tabella «%1» è già stata chiusa.").arg(Tabella()));
}

void RecordsetTabella::NessunaRigaCorrente() const
{
    throw DbException(DbErrore::NessunRecordCorrente,
                      QStringLiteral("Nessun record corrente nella tabella «%1».").arg(Tabella()));
}

void RecordsetTabella::VerificaScrivibile() const
{
    VerificaAperto();
    if (!solaLettura_.isEmpty())
        throw DbException(DbErrore::SolaLettura, solaLettura_);
}

QVariant RecordsetTabella::Field(const QString& colonna) const
{
    VerificaAperto();
    const int indice = colonne_.IndiceEsistente(colonna);
    return ValoriCorrenti()[indice];
}

void RecordsetTabella::Seek(const QString& confronto, const QString& chiave)
{
    VerificaAperto();
    if (confronto.trimmed() != QLatin1String("="))
        throw DbException(
            DbErrore::Generico,
            QStringLiteral("La ricerca nella tabella «%1» ammette solo il confronto «=», non «%2».")
                .arg(Tabella(), confronto));
    noMatch_ = true;
    noMatch_ = !Trova(chiave);
}

LettureTabella& RecordsetTabella::Letture()
{
    VerificaAperto();
    Lascia();
    return *letture_;
}

void RecordsetTabella::Close()
{
    AnnullaModifica();
    letture_.reset();
    chiuso_ = true;
    Rilascia();
}

bool RecordsetTabella::HasField(const QString& colonna) const
{
    return colonne_.Indice(colonna) >= 0;
}

QStringList RecordsetTabella::FieldNames() const
{
    return colonne_.Nomi();
}

void RecordsetTabella::SetField(const QString& colonna, const QString& testo)
{
    VerificaScrivibile();
    const int indice = colonne_.IndiceEsistente(colonna);
    if (modifica_ == Modifica::Nessuna)
        throw DbException(
            DbErrore::AggiornamentoSenzaModifica,
            QStringLiteral("Impossibile scrivere il campo «%1» della tabella «%2»: nessuna riga in "
                           "inserimento o in modifica.")
                .arg(colonna, Tabella()));
    const ColonneTabella::Colonna& c = colonne_.colonne[indice];
    inSospeso_[indice] =
        c.numerica ? QVariant(TestoNumerico::Leggi(testo, c.nome, Tabella())) : QVariant(testo);
}

void RecordsetTabella::AddNew()
{
    VerificaScrivibile();
    inSospeso_.clear();
    modifica_ = Modifica::NuovaRiga;
}

void RecordsetTabella::Edit()
{
    VerificaScrivibile();
    chiaveInModifica_ = ChiaveCorrente();
    inSospeso_.clear();
    modifica_ = Modifica::RigaCorrente;
}

void RecordsetTabella::Delete()
{
    VerificaScrivibile();
    const qint64 chiave = ChiaveCorrente();
    AnnullaModifica();
    Elimina(chiave);
}

void RecordsetTabella::AnnullaModifica()
{
    modifica_ = Modifica::Nessuna;
    inSospeso_.clear();
}

void RecordsetTabella::ScriviInSospeso()
{
    VerificaScrivibile();
    if (modifica_ == Modifica::Nessuna)
        throw DbException(
            DbErrore::AggiornamentoSenzaModifica,
            QStringLiteral("Impossibile salvare nella tabella «%1»: nessuna riga in inserimento o in "
                           "modifica.")
                .arg(Tabella()));
    if (modifica_ == Modifica::NuovaRiga)
        Inserisci(inSospeso_);
    else if (!inSospeso_.empty() && !Aggiorna(chiaveInModifica_, inSospeso_))
        throw DbException(
            DbErrore::NessunRecordCorrente,
            QStringLiteral("Impossibile salvare la riga nella tabella «%1»: la riga non esiste più.")
                .arg(Tabella()));
    AnnullaModifica();
}
